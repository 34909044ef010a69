#pragma once

#include "platform/ColorRef.h"

#include <QByteArray>
#include <QImage>
#include <QPointF>
#include <QRectF>
#include <QSize>
#include <QSizeF>
#include <QString>
#include <memory>
#include <stdexcept>
#include <vector>

// Raised when a document cannot be begun or written.
class PdfError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A picture as a document embeds it: pixels the writer encodes, or JPEG or
// PNG bytes whose compressed data it passes through unchanged (pictures
// stored that way at build time).
class PdfPicture {
public:
    PdfPicture() = default;
    PdfPicture(const QImage& image) : m_image(image), m_size(image.size()) {}
    // Null when the bytes are no JPEG a document can embed as they are.
    static PdfPicture FromJpeg(const QByteArray& bytes);
    // Null when the bytes are no PNG whose data a document can embed as they
    // are (8-bit grey or RGB, opaque, not interlaced, undamaged).
    static PdfPicture FromPng(const QByteArray& bytes);

    bool isNull() const { return m_size.isEmpty(); }
    QSize size() const { return m_size; }
    bool isJpeg() const { return !m_jpeg.isEmpty(); }
    const QImage& image() const { return m_image; }
    const QByteArray& jpeg() const { return m_jpeg; }
    // A PNG's compressed rows (Flate, PNG predictors) and their samples a pixel.
    bool isDeflated() const { return !m_deflated.isEmpty(); }
    const QByteArray& deflated() const { return m_deflated; }
    int colors() const { return m_colors; }
    // The PNG file itself, for a writer that cannot pass its data through.
    const QByteArray& png() const { return m_png; }

private:
    QImage m_image;
    QByteArray m_jpeg;
    QByteArray m_deflated;
    QByteArray m_png;
    int m_colors = 0;
    QSize m_size;
};

// The page-canvas PDF writer. Coordinates are millimetres from the top left
// of the drawing area (inside the top margin and header), y growing down.
// One document at a time, on the user-interface thread.
class PdfWriter {
public:
    enum class BrushStyle { Solid, Clear };
    // FineDash: short dashes for fold lines; Clear: no outline at all (shapes
    // are only filled, lines not drawn).
    enum class PenStyle { Solid, Dash, Dot, DashDot, FineDash, Clear };
    enum FontStyle { Bold = 1, Italic = 2, Underline = 4 };

    static constexpr int kPaperA4 = 9;
    static constexpr int kPaperCustom = 40;
    static constexpr double kDefaultPageWidth = 210.0;
    static constexpr double kDefaultPageHeight = 297.000254000508;

    PdfWriter();
    ~PdfWriter();
    PdfWriter(const PdfWriter&) = delete;
    PdfWriter& operator=(const PdfWriter&) = delete;

    // Page settings (millimetres), used by the next BeginDoc and NewPage.
    void SetPaperSize(int paperSize);
    int PaperSize() const;
    void SetPaperWidth(double mm);
    void SetPaperHeight(double mm);
    void SetTopMargin(double mm);
    void SetBottomMargin(double mm);
    void SetHeaderHeight(double mm);
    void SetFooterHeight(double mm);

    void SetFileName(const QString& path);
    QString FileName() const;

    // Begins a new document with its first page; raises PdfError when the
    // document cannot be begun (a previous open document is abandoned).
    void BeginDoc();
    // Whether a document is open.
    bool Printing() const;
    void NewPage();
    // Writes the file (to a temporary name, then renamed) and opens it through
    // the platform shell. Raises PdfError and leaves no file on failure.
    void EndDoc();
    // Drops the open document without writing anything.
    void Abort();

    // Pages of the open document so far.
    int PageCount() const;
    // Makes an earlier page (0-based) the one drawn on; its drawing area is
    // then the whole paper. False when there is no such page.
    bool SelectPage(int index);
    // The paper size of the page drawn on (mm).
    QSizeF CurrentPaperSize() const;
    // A bookmark to the top of the page drawn on, at the outline's top level.
    void AddOutline(const QString& title);

    // Size of the drawing area of the current page settings.
    double PageWidth() const;
    double PageHeight() const;

    // Drawing state. Font names other than Times/Courier families map to
    // Helvetica; size in points; pen width in pixels at 96 dpi.
    void SetFont(const QString& name, double sizePt, tandrel::platform::ColorRef color = 0, int styles = 0);
    void SetFontSize(double sizePt);
    void SetFontColor(tandrel::platform::ColorRef color);
    void SetFontStyle(int styles);
    void SetBrush(tandrel::platform::ColorRef color, BrushStyle style = BrushStyle::Solid);
    void SetPen(tandrel::platform::ColorRef color, double widthPx = 1, PenStyle style = PenStyle::Solid);

    // Text whose cell's top left corner is at (x, y).
    void TextOut(double x, double y, const QString& text);
    // Text with <b>, <i> and <u> tags.
    void TextOutMarkup(double x, double y, const QString& text);
    double TextWidth(const QString& text);

    // A picture stretched into the rectangle.
    void DrawImage(const QRectF& mm, const QImage& image);
    // The same for a picture that may be stored bytes; a picture drawn
    // several times is embedded once.
    void DrawPicture(const QRectF& mm, const PdfPicture& picture);
    // A JPEG file passed through undecoded; false when it is no JPEG.
    bool DrawJpegFile(const QRectF& mm, const QString& path);
    void Line(double x1, double y1, double x2, double y2);
    // Outlined with the pen; filled with the brush unless it is clear.
    void Rectangle(double x1, double y1, double x2, double y2);
    void Polygon(const std::vector<QPointF>& points);

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};
