#include "tests/support/PdfReader.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>

#include <poppler-document.h>
#include <poppler-font.h>
#include <poppler-global.h>
#include <poppler-image.h>
#include <poppler-page-renderer.h>
#include <poppler-page.h>
#include <poppler-toc.h>

#include <algorithm>

namespace tandrel::test {

namespace {

constexpr double kMmPerPoint = 25.4 / 72.0;

QString toQString(const poppler::ustring& s)
{
    const poppler::byte_array utf8 = s.to_utf8();
    return QString::fromUtf8(utf8.data(), qsizetype(utf8.size()));
}

QRectF toMm(const poppler::rectf& r)
{
    return {r.x() * kMmPerPoint, r.y() * kMmPerPoint, r.width() * kMmPerPoint, r.height() * kMmPerPoint};
}

void quiet(const std::string&, void*) {}

} // namespace

PdfReader::PdfReader(const QString& path)
{
    poppler::set_debug_error_function(quiet, nullptr);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return;
    const QByteArray bytes = file.readAll();
    poppler::byte_array data(bytes.begin(), bytes.end());
    m_doc.reset(poppler::document::load_from_data(&data));
}

PdfReader::~PdfReader() = default;

bool PdfReader::isOpen() const { return bool(m_doc); }

int PdfReader::pageCount() const { return m_doc ? m_doc->pages() : 0; }

QSizeF PdfReader::pageSizeMm(int page) const
{
    if (page < 0 || page >= pageCount())
        return {};
    const std::unique_ptr<poppler::page> p(m_doc->create_page(page));
    const poppler::rectf r = p->page_rect(poppler::media_box);
    return {r.width() * kMmPerPoint, r.height() * kMmPerPoint};
}

std::vector<PdfTextBox> PdfReader::textBoxes(int page) const
{
    std::vector<PdfTextBox> boxes;
    if (page < 0 || page >= pageCount())
        return boxes;
    const std::unique_ptr<poppler::page> p(m_doc->create_page(page));
    for (const poppler::text_box& box : p->text_list(poppler::page::text_list_include_font)) {
        boxes.push_back({toQString(box.text()), toMm(box.bbox()),
                         box.has_font_info() ? QString::fromStdString(box.get_font_name()) : QString(),
                         box.has_font_info() ? box.get_font_size() : 0.0});
    }
    return boxes;
}

std::optional<PdfTextBox> PdfReader::findText(int page, const QString& text) const
{
    const QStringList words = text.split(u' ', Qt::SkipEmptyParts);
    const std::vector<PdfTextBox> boxes = textBoxes(page);
    if (words.isEmpty() || boxes.size() < std::size_t(words.size()))
        return std::nullopt;
    for (std::size_t first = 0; first + words.size() <= boxes.size(); ++first) {
        bool match = true;
        for (qsizetype k = 0; k < words.size() && match; ++k)
            match = boxes[first + k].text == words[k];
        if (!match)
            continue;
        PdfTextBox found = boxes[first];
        for (qsizetype k = 1; k < words.size(); ++k) {
            found.text += u' ' + boxes[first + k].text;
            found.mm = found.mm.united(boxes[first + k].mm);
        }
        return found;
    }
    return std::nullopt;
}

QString PdfReader::pageText(int page) const
{
    QStringList words;
    for (const auto& box : textBoxes(page))
        words << box.text;
    return words.join(u' ');
}

QStringList PdfReader::outlineTitles() const
{
    QStringList titles;
    if (!m_doc)
        return titles;
    std::unique_ptr<poppler::toc> toc(m_doc->create_toc());
    if (!toc || !toc->root())
        return titles;
    for (const poppler::toc_item* item : toc->root()->children())
        titles << toQString(item->title());
    return titles;
}

QStringList PdfReader::fontNames() const
{
    QStringList names;
    if (!m_doc)
        return names;
    for (const poppler::font_info& font : m_doc->fonts())
        names << QString::fromStdString(font.name());
    names.sort();
    names.removeDuplicates();
    return names;
}

QImage PdfReader::render(int page, double dpi) const
{
    if (page < 0 || page >= pageCount())
        return {};
    return renderPixels(page, dpi, 0, 0, -1, -1);
}

QImage PdfReader::renderWindow(int page, const QRectF& mm, double dpi) const
{
    const double px = dpi / 25.4;
    return renderPixels(page, dpi, int(mm.left() * px), int(mm.top() * px), int(mm.width() * px),
                        int(mm.height() * px));
}

QImage PdfReader::renderPixels(int page, double dpi, int x, int y, int w, int h) const
{
    if (page < 0 || page >= pageCount())
        return {};
    const std::unique_ptr<poppler::page> p(m_doc->create_page(page));
    poppler::page_renderer renderer;
    renderer.set_paper_color(0xFFFFFFFF);
    renderer.set_image_format(poppler::image::format_argb32);
    const poppler::image img = renderer.render_page(p.get(), dpi, dpi, x, y, w, h);
    if (!img.is_valid())
        return {};
    // Deep copy: poppler's buffer dies with `img`.
    return QImage(reinterpret_cast<const uchar*>(img.const_data()), img.width(), img.height(),
                  img.bytes_per_row(), QImage::Format_ARGB32)
        .copy();
}

QColor PdfReader::colorAtMm(const QImage& rendered, double dpi, double xMm, double yMm)
{
    const int x = int(xMm / 25.4 * dpi);
    const int y = int(yMm / 25.4 * dpi);
    if (!rendered.valid(x, y))
        return {};
    return rendered.pixelColor(x, y);
}

std::optional<QpdfCheck> RunQpdfCheck(const QString& path)
{
    const QString qpdf = QStandardPaths::findExecutable(QStringLiteral("qpdf"));
    if (qpdf.isEmpty())
        return std::nullopt;
    QProcess check;
    check.start(qpdf, {QStringLiteral("--check"), path});
    QpdfCheck result;
    if (!check.waitForFinished(60000))
        return result;
    result.exitCode = check.exitStatus() == QProcess::NormalExit ? check.exitCode() : -1;
    result.output = QString::fromUtf8(check.readAllStandardOutput() + check.readAllStandardError());
    return result;
}

} // namespace tandrel::test
