#pragma once

#include <QColor>
#include <QImage>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>
#include <vector>

namespace poppler {
class document;
}

namespace tandrel::test {

// One word (or, from findText, a run of words) as poppler extracts it.
struct PdfTextBox {
    QString text;
    QRectF mm;        // millimetres from the page's top left corner, y down
    QString fontName; // e.g. "Helvetica-Bold"
    double fontSize = 0; // points
};

// Reads a written PDF back for checks. Pages are counted from 0.
class PdfReader {
public:
    explicit PdfReader(const QString& path);
    ~PdfReader();
    PdfReader(const PdfReader&) = delete;
    PdfReader& operator=(const PdfReader&) = delete;

    bool isOpen() const;
    int pageCount() const;
    QSizeF pageSizeMm(int page) const;
    std::vector<PdfTextBox> textBoxes(int page) const;
    // The first run of consecutive words equal to the words of `text`, with
    // their united box; none when the page has no such run.
    std::optional<PdfTextBox> findText(int page, const QString& text) const;
    // All words of the page joined by single blanks.
    QString pageText(int page) const;
    // The titles of the outline's (bookmarks') top-level entries, in order.
    QStringList outlineTitles() const;
    // Names of the fonts the document uses, sorted, without repeats.
    QStringList fontNames() const;
    // The page rendered at `dpi` (white paper), and the colour at a point in mm.
    QImage render(int page, double dpi = 72) const;
    // Only the part of the page within `mm`, e.g. a few millimetres around an
    // edge at a fine resolution.
    QImage renderWindow(int page, const QRectF& mm, double dpi) const;
    static QColor colorAtMm(const QImage& rendered, double dpi, double xMm, double yMm);

private:
    // x, y, w, h in pixels at dpi; -1 for the whole page.
    QImage renderPixels(int page, double dpi, int x, int y, int w, int h) const;

    std::unique_ptr<poppler::document> m_doc;
};

// The verdict of "qpdf --check" on a file; none when qpdf is not installed.
struct QpdfCheck {
    int exitCode = -1;
    QString output;
    bool clean() const { return exitCode == 0 && output.contains(QStringLiteral("No syntax or stream encoding errors found")); }
};
std::optional<QpdfCheck> RunQpdfCheck(const QString& path);

} // namespace tandrel::test
