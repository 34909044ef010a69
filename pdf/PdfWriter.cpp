#include "pdf/PdfWriter.h"

#include "pdf/Cp1252.h"
#include "pdf/HpdfLibrary.h"
#include "pdf/JpegHeader.h"
#include "pdf/Markup.h"
#include "pdf/PngStream.h"
#include "platform/RegularFile.h"
#include "platform/Services.h"
#include "platform/Shell.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>


#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <type_traits>
#include <unordered_map>

using tandrel::platform::ColorRef;

namespace {

constexpr double kPointsPerMm = 72.0 / 25.4;
constexpr double kPointsPerPixel = 72.0 / 96.0;
// Underline placement of the base-14 fonts (AFM, 1/1000 em).
constexpr double kUnderlinePosition = -0.100;
constexpr double kUnderlineThickness = 0.050;

double toPt(double mm) { return mm * kPointsPerMm; }

struct DocDeleter {
    void operator()(HPDF_Doc doc) const { Hpdf().HPDF_Free(doc); }
};
using DocPtr = std::unique_ptr<std::remove_pointer_t<HPDF_Doc>, DocDeleter>;

// libharu reports through this callback and carries on; the first error is
// kept and decides the fate of the document.
struct ErrorRecord {
    HPDF_STATUS status = HPDF_OK;
    HPDF_STATUS detail = 0;
    bool ignoreEof = false;

    bool failed() const { return status != HPDF_OK; }
};

void onHpdfError(HPDF_STATUS status, HPDF_STATUS detail, void* userData)
{
    auto* record = static_cast<ErrorRecord*>(userData);
    if (record->ignoreEof && status == HPDF_STREAM_EOF)
        return;
    if (!record->failed()) {
        record->status = status;
        record->detail = detail;
    }
}

DocPtr newDoc(ErrorRecord& record)
{
    if (!Hpdf().ok)
        return nullptr;
    DocPtr doc(Hpdf().HPDF_New(onHpdfError, &record));
    if (doc)
        Hpdf().HPDF_SetCompressionMode(doc.get(), HPDF_COMP_ALL);
    return doc;
}

const char* baseFontName(const QString& name, int styles)
{
    static constexpr std::array<const char*, 4> helvetica = {
        "Helvetica", "Helvetica-Bold", "Helvetica-Oblique", "Helvetica-BoldOblique"};
    static constexpr std::array<const char*, 4> times = {
        "Times-Roman", "Times-Bold", "Times-Italic", "Times-BoldItalic"};
    static constexpr std::array<const char*, 4> courier = {
        "Courier", "Courier-Bold", "Courier-Oblique", "Courier-BoldOblique"};
    const int variant = ((styles & PdfWriter::Bold) ? 1 : 0) + ((styles & PdfWriter::Italic) ? 2 : 0);
    const QString n = name.trimmed().toLower();
    if (n.startsWith(QLatin1String("times")))
        return times[variant];
    if (n.startsWith(QLatin1String("courier")))
        return courier[variant];
    return helvetica[variant];
}

struct Rgb {
    HPDF_REAL r, g, b;
    bool operator==(const Rgb&) const = default;
};

Rgb toRgb(ColorRef c)
{
    const QColor q = tandrel::platform::toQColor(c);
    return {HPDF_REAL(q.redF()), HPDF_REAL(q.greenF()), HPDF_REAL(q.blueF())};
}

// Tightly packed 8-bit samples as libharu's raw loader wants them.
struct RawPicture {
    QByteArray rgb;
    QByteArray alpha; // empty when the picture is opaque
    QImage packed;    // keeps `rgb`'s storage when it is shared with a QImage
    const uchar* rgbData = nullptr;
};

RawPicture rawPicture(const QImage& image)
{
    RawPicture raw;
    const int w = image.width();
    const int h = image.height();
    if (image.hasAlphaChannel()) {
        const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
        bool opaque = true;
        for (int y = 0; y < h && opaque; ++y) {
            const auto* line = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
            opaque = std::all_of(line, line + w, [](QRgb p) { return qAlpha(p) == 255; });
        }
        if (!opaque) {
            raw.rgb.resize(qsizetype(w) * h * 3);
            raw.alpha.resize(qsizetype(w) * h);
            auto* rgb = reinterpret_cast<uchar*>(raw.rgb.data());
            auto* alpha = reinterpret_cast<uchar*>(raw.alpha.data());
            for (int y = 0; y < h; ++y) {
                const auto* line = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
                for (int x = 0; x < w; ++x) {
                    *rgb++ = uchar(qRed(line[x]));
                    *rgb++ = uchar(qGreen(line[x]));
                    *rgb++ = uchar(qBlue(line[x]));
                    *alpha++ = uchar(qAlpha(line[x]));
                }
            }
            raw.rgbData = reinterpret_cast<const uchar*>(raw.rgb.constData());
            return raw;
        }
    }
    raw.packed = image.format() == QImage::Format_RGB888 ? image : image.convertToFormat(QImage::Format_RGB888);
    const qsizetype rowBytes = qsizetype(w) * 3;
    if (raw.packed.bytesPerLine() == rowBytes) {
        raw.rgbData = raw.packed.constBits();
        return raw;
    }
    raw.rgb.resize(rowBytes * h);
    for (int y = 0; y < h; ++y)
        std::copy_n(raw.packed.constScanLine(y), rowBytes, raw.rgb.data() + rowBytes * y);
    raw.packed = QImage();
    raw.rgbData = reinterpret_cast<const uchar*>(raw.rgb.constData());
    return raw;
}

// The stream of a passed-through PNG is written unfiltered by libharu (which
// would compress it again and drops a Filter entry it did not set); its
// dictionary names the filter here.
HPDF_STATUS writeFlateFilter(HPDF_Dict, HPDF_Stream stream)
{
    return HpdfObjects().HPDF_Stream_WriteStr(stream, "/Filter /FlateDecode\012");
}

QString describe(const ErrorRecord& e)
{
    return QStringLiteral("PDF-Fehler 0x%1 (%2)")
        .arg(QString::number(e.status, 16).toUpper())
        .arg(e.detail);
}

} // namespace

struct PdfWriter::Impl {
    struct PageSettings {
        int paperSize = kPaperA4;
        double width = kDefaultPageWidth;
        double height = kDefaultPageHeight;
        double topMargin = 0;
        double bottomMargin = 0;
        double headerHeight = 0;
        double footerHeight = 0;

        double paperWidth() const { return paperSize == kPaperCustom ? width : kDefaultPageWidth; }
        double paperHeight() const { return paperSize == kPaperCustom ? height : kDefaultPageHeight; }
    };
    struct Font {
        QString name = QStringLiteral("Arial");
        double size = 10;
        ColorRef color = tandrel::platform::kColorBlack;
        int styles = 0;
    };
    struct Pen {
        ColorRef color = tandrel::platform::kColorBlack;
        double widthPx = 1;
        PenStyle style = PenStyle::Solid;
    };
    struct Brush {
        ColorRef color = tandrel::platform::kColorWhite;
        BrushStyle style = BrushStyle::Solid;
    };
    // What the current page's content stream has set, to skip repeats.
    struct Applied {
        std::optional<Rgb> fill, stroke;
        std::optional<double> lineWidth;
        std::optional<std::pair<PenStyle, double>> dash;
    };

    PageSettings settings;
    QString fileName;
    Font font;
    Pen pen;
    Brush brush;

    ErrorRecord error;
    DocPtr doc;
    HPDF_Page page = nullptr;
    struct PageRecord {
        HPDF_Page page;
        double widthMm, heightMm;
    };
    std::vector<PageRecord> pages;
    QSizeF paperMm;
    int outlines = 0;
    double pageHeightPt = 0;
    double pageTopMm = 0;
    Applied applied;
    std::unordered_map<qint64, HPDF_Image> images;
    // Keyed by the bytes' address; the copy kept keeps the address unused.
    std::unordered_map<const char*, std::pair<QByteArray, HPDF_Image>> jpegs;
    std::unordered_map<const char*, std::pair<QByteArray, HPDF_Image>> deflated;

    ErrorRecord metricsError;
    DocPtr metricsDoc; // fonts for TextWidth while no document is open

    void drop()
    {
        images.clear();
        jpegs.clear();
        deflated.clear();
        pages.clear();
        outlines = 0;
        page = nullptr;
        doc.reset();
        error = {};
    }

    bool drawable() const { return doc && page && !error.failed(); }

    double X(double mm) const { return toPt(mm); }
    double Y(double mm) const { return pageHeightPt - toPt(pageTopMm + mm); }

    void addPage()
    {
        if (!doc || error.failed())
            return;
        page = Hpdf().HPDF_AddPage(doc.get());
        if (!page)
            return;
        Hpdf().HPDF_Page_SetWidth(page, HPDF_REAL(toPt(settings.paperWidth())));
        Hpdf().HPDF_Page_SetHeight(page, HPDF_REAL(toPt(settings.paperHeight())));
        pageHeightPt = Hpdf().HPDF_Page_GetHeight(page);
        pageTopMm = settings.topMargin + settings.headerHeight;
        paperMm = QSizeF(settings.paperWidth(), settings.paperHeight());
        pages.push_back({page, paperMm.width(), paperMm.height()});
        applied = {};
    }

    HPDF_Font fontFor(HPDF_Doc d, int styles) const
    {
        return Hpdf().HPDF_GetFont(d, baseFontName(font.name, styles), "WinAnsiEncoding");
    }

    void setFill(ColorRef c)
    {
        const Rgb rgb = toRgb(c);
        if (applied.fill != rgb) {
            Hpdf().HPDF_Page_SetRGBFill(page, rgb.r, rgb.g, rgb.b);
            applied.fill = rgb;
        }
    }

    void setStroke(ColorRef c, double widthPt, PenStyle style)
    {
        const Rgb rgb = toRgb(c);
        if (applied.stroke != rgb) {
            Hpdf().HPDF_Page_SetRGBStroke(page, rgb.r, rgb.g, rgb.b);
            applied.stroke = rgb;
        }
        if (applied.lineWidth != widthPt) {
            Hpdf().HPDF_Page_SetLineWidth(page, HPDF_REAL(widthPt));
            applied.lineWidth = widthPt;
        }
        const std::pair<PenStyle, double> dash{style, style == PenStyle::Solid ? 0.0 : widthPt};
        if (applied.dash != dash) {
            setDash(style, widthPt);
            applied.dash = dash;
        }
    }

    void setDash(PenStyle style, double widthPt)
    {
        // The desktop's pen patterns in pixels, scaled with wide pens; libharu
        // takes whole points up to 100 and fails the document beyond.
        std::vector<double> pattern;
        switch (style) {
        case PenStyle::Solid:
        case PenStyle::Clear: break;
        case PenStyle::FineDash: pattern = {6, 3}; break;
        case PenStyle::Dash: pattern = {18, 6}; break;
        case PenStyle::Dot: pattern = {3, 3}; break;
        case PenStyle::DashDot: pattern = {9, 6, 3, 6}; break;
        }
        const double scale = std::max(1.0, widthPt / kPointsPerPixel) * kPointsPerPixel;
        std::array<HPDF_UINT16, 4> units{};
        for (std::size_t k = 0; k < pattern.size(); ++k)
            units[k] = HPDF_UINT16(std::clamp(std::lround(pattern[k] * scale), 1L, 100L));
        Hpdf().HPDF_Page_SetDash(page, pattern.empty() ? nullptr : units.data(), HPDF_UINT(pattern.size()), 0);
    }

    bool penClear() const { return pen.style == PenStyle::Clear; }

    void applyPen()
    {
        if (penClear())
            return;
        const double px = pen.widthPx > 0 ? pen.widthPx : 1.0; // width 0 is one pixel, as on screen
        setStroke(pen.color, px * kPointsPerPixel, pen.style);
    }

    static constexpr qsizetype kMaxStringPiece = 32768;

    // The width of `bytes` in the font's units (1/1000 of the size), measured
    // in pieces for the same reason as they are drawn in pieces.
    static double textWidthUnits(HPDF_Font f, const QByteArray& bytes)
    {
        double units = 0;
        for (qsizetype at = 0; at < bytes.size(); at += kMaxStringPiece) {
            const qsizetype n = std::min(kMaxStringPiece, bytes.size() - at);
            units += Hpdf().HPDF_Font_TextWidth(f, reinterpret_cast<const HPDF_BYTE*>(bytes.constData() + at), HPDF_UINT(n))
                         .width;
        }
        return units;
    }

    // Draws one run with its cell's top left at (x, y); answers its width in mm.
    double textRun(double x, double y, const QString& text, int styles)
    {
        const QByteArray bytes = tandrel::pdf::toCp1252(text);
        if (bytes.isEmpty())
            return 0;
        HPDF_Font f = fontFor(doc.get(), styles);
        if (!f)
            return 0;
        const double size = font.size;
        const double baseline = Y(y) - Hpdf().HPDF_Font_GetAscent(f) / 1000.0 * size;
        setFill(font.color);
        Hpdf().HPDF_Page_BeginText(page);
        Hpdf().HPDF_Page_SetFontAndSize(page, f, HPDF_REAL(size));
        Hpdf().HPDF_Page_MoveTextPos(page, HPDF_REAL(X(x)), HPDF_REAL(baseline));
        // libharu refuses strings of 65,536 bytes or more (and fails the whole
        // document); each piece continues where the last one ended.
        for (qsizetype at = 0; at < bytes.size(); at += kMaxStringPiece)
            Hpdf().HPDF_Page_ShowText(page, bytes.mid(at, kMaxStringPiece).constData());
        Hpdf().HPDF_Page_EndText(page);
        const double widthPt = textWidthUnits(f, bytes) / 1000.0 * size;
        if (styles & Underline) {
            const double underline = baseline + kUnderlinePosition * size;
            setStroke(font.color, kUnderlineThickness * size, PenStyle::Solid);
            Hpdf().HPDF_Page_MoveTo(page, HPDF_REAL(X(x)), HPDF_REAL(underline));
            Hpdf().HPDF_Page_LineTo(page, HPDF_REAL(X(x) + widthPt), HPDF_REAL(underline));
            Hpdf().HPDF_Page_Stroke(page);
        }
        return widthPt / kPointsPerMm;
    }

    HPDF_Image loadImage(const QImage& image)
    {
        const qint64 key = image.cacheKey();
        if (auto it = images.find(key); it != images.end())
            return it->second;
        const RawPicture raw = rawPicture(image);
        const auto w = HPDF_UINT(image.width());
        const auto h = HPDF_UINT(image.height());
        HPDF_Image img = Hpdf().HPDF_LoadRawImageFromMem(doc.get(), raw.rgbData, w, h, HPDF_CS_DEVICE_RGB, 8);
        if (img && !raw.alpha.isEmpty()) {
            HPDF_Image mask = Hpdf().HPDF_LoadRawImageFromMem(doc.get(),
                reinterpret_cast<const HPDF_BYTE*>(raw.alpha.constData()), w, h, HPDF_CS_DEVICE_GRAY, 8);
            if (mask)
                Hpdf().HPDF_Image_AddSMask(img, mask);
        }
        if (img && !error.failed())
            images.emplace(key, img);
        return img;
    }

    HPDF_Image loadJpeg(const QByteArray& bytes)
    {
        if (auto it = jpegs.find(bytes.constData()); it != jpegs.end())
            return it->second.second;
        HPDF_Image img = Hpdf().HPDF_LoadJpegImageFromMem(
            doc.get(), reinterpret_cast<const HPDF_BYTE*>(bytes.constData()), HPDF_UINT(bytes.size()));
        if (img && !error.failed())
            jpegs.emplace(bytes.constData(), std::pair{bytes, img});
        return img;
    }

    // An image object whose stream is the PNG's compressed rows as they are.
    HPDF_Image loadDeflated(const PdfPicture& picture)
    {
        // Keyed by the file's bytes, which a built-in picture keeps in place.
        const QByteArray& bytes = picture.deflated();
        if (auto it = deflated.find(picture.png().constData()); it != deflated.end())
            return it->second.second;
        const HpdfObjectLayer& o = HpdfObjects();
        HPDF_Doc pdf = doc.get();
        HPDF_Dict img = o.HPDF_DictStream_New(pdf->mmgr, pdf->xref);
        if (!img)
            return nullptr;
        img->header.obj_class |= HPDF_OSUBCLASS_XOBJECT;
        const auto w = HPDF_INT32(picture.size().width());
        o.HPDF_Dict_AddName(img, "Type", "XObject");
        o.HPDF_Dict_AddName(img, "Subtype", "Image");
        o.HPDF_Dict_AddNumber(img, "Width", w);
        o.HPDF_Dict_AddNumber(img, "Height", HPDF_INT32(picture.size().height()));
        o.HPDF_Dict_AddName(img, "ColorSpace", picture.colors() == 3 ? "DeviceRGB" : "DeviceGray");
        o.HPDF_Dict_AddNumber(img, "BitsPerComponent", 8);
        if (HPDF_Dict parms = o.HPDF_Dict_New(pdf->mmgr)) {
            o.HPDF_Dict_AddNumber(parms, "Predictor", 15);
            o.HPDF_Dict_AddNumber(parms, "Colors", picture.colors());
            o.HPDF_Dict_AddNumber(parms, "BitsPerComponent", 8);
            o.HPDF_Dict_AddNumber(parms, "Columns", w);
            o.HPDF_Dict_Add(img, "DecodeParms", parms);
        }
        img->filter = HPDF_STREAM_FILTER_NONE;
        img->write_fn = writeFlateFilter;
        o.HPDF_Stream_Write(img->stream, reinterpret_cast<const HPDF_BYTE*>(bytes.constData()), HPDF_UINT(bytes.size()));
        if (error.failed())
            return nullptr;
        deflated.emplace(picture.png().constData(), std::pair{picture.png(), img});
        return img;
    }

    void placeImage(HPDF_Image img, const QRectF& mm)
    {
        const QRectF r = mm.normalized();
        Hpdf().HPDF_Page_DrawImage(page, img, HPDF_REAL(X(r.left())), HPDF_REAL(Y(r.bottom())),
                            HPDF_REAL(toPt(r.width())), HPDF_REAL(toPt(r.height())));
    }

    // Graphics state may not change inside a path, so the paint is set first.
    void preparePaint()
    {
        applyPen();
        if (brush.style != BrushStyle::Clear)
            setFill(brush.color);
    }

    void paint(bool closePath)
    {
        if (penClear())
            brush.style == BrushStyle::Clear ? Hpdf().HPDF_Page_EndPath(page) : Hpdf().HPDF_Page_Eofill(page);
        else if (brush.style == BrushStyle::Clear)
            closePath ? Hpdf().HPDF_Page_ClosePathStroke(page) : Hpdf().HPDF_Page_Stroke(page);
        else // even-odd, like the desktop canvas's default polygon fill mode
            closePath ? Hpdf().HPDF_Page_ClosePathEofillStroke(page) : Hpdf().HPDF_Page_EofillStroke(page);
    }
};

PdfWriter::PdfWriter() : d(std::make_unique<Impl>()) {}
PdfWriter::~PdfWriter() = default;

void PdfWriter::SetPaperSize(int paperSize) { d->settings.paperSize = paperSize; }
int PdfWriter::PaperSize() const { return d->settings.paperSize; }
void PdfWriter::SetPaperWidth(double mm) { d->settings.width = mm; }
void PdfWriter::SetPaperHeight(double mm) { d->settings.height = mm; }
void PdfWriter::SetTopMargin(double mm) { d->settings.topMargin = mm; }
void PdfWriter::SetBottomMargin(double mm) { d->settings.bottomMargin = mm; }
void PdfWriter::SetHeaderHeight(double mm) { d->settings.headerHeight = mm; }
void PdfWriter::SetFooterHeight(double mm) { d->settings.footerHeight = mm; }

void PdfWriter::SetFileName(const QString& path) { d->fileName = path; }
QString PdfWriter::FileName() const { return d->fileName; }

void PdfWriter::BeginDoc()
{
    d->drop();
    if (d->fileName.isEmpty())
        throw PdfError("PDF-Datei ohne Namen");

    // A file still open in a viewer, a read-only file or a missing folder
    // must fail here, so the caller can pick another name.
    const QFileInfo target(d->fileName);
    if (tandrel::platform::shell().showsDocument(d->fileName))
        throw PdfError(("PDF-Datei wird noch angezeigt: " + d->fileName).toStdString());
    if (!target.absoluteDir().exists())
        throw PdfError(("Ordner nicht vorhanden: " + target.absolutePath()).toStdString());
    QFile probe(d->fileName);
    if (target.exists()) {
        if (!target.isFile() || !probe.open(QIODevice::ReadWrite))
            throw PdfError(("PDF-Datei nicht beschreibbar: " + d->fileName).toStdString());
        probe.close();
    } else {
        if (!probe.open(QIODevice::WriteOnly | QIODevice::NewOnly))
            throw PdfError(("PDF-Datei kann nicht angelegt werden: " + d->fileName).toStdString());
        probe.close();
        probe.remove();
    }

    d->doc = newDoc(d->error);
    if (!d->doc)
        throw PdfError(Hpdf().ok ? "PDF-Dokument kann nicht angelegt werden"
                                 : "Die PDF-Bibliothek libharu (" TANDREL_HPDF_LIBRARY ") konnte nicht geladen werden");
    Hpdf().HPDF_SetPageLayout(d->doc.get(), HPDF_PAGE_LAYOUT_SINGLE);
    Hpdf().HPDF_SetPageMode(d->doc.get(), HPDF_PAGE_MODE_USE_THUMBS);
    Hpdf().HPDF_SetInfoAttr(d->doc.get(), HPDF_INFO_CREATOR, "Tandrel");
    d->addPage();
    if (d->error.failed() || !d->page) {
        const QString why = describe(d->error);
        d->drop();
        throw PdfError(why.toStdString());
    }
}

bool PdfWriter::Printing() const { return bool(d->doc); }

void PdfWriter::NewPage() { d->addPage(); }

void PdfWriter::EndDoc()
{
    if (!d->doc)
        throw PdfError("Kein PDF-Dokument geöffnet");
    auto fail = [this](const QString& why) {
        d->drop();
        // An older file of this name would be taken for this document's output.
        QFile::remove(d->fileName);
        throw PdfError(("PDF-Datei konnte nicht geschrieben werden: " + why).toStdString());
    };
    if (d->error.failed())
        fail(describe(d->error));
    if (Hpdf().HPDF_SaveToStream(d->doc.get()) != HPDF_OK || d->error.failed())
        fail(describe(d->error));

    // QSaveFile writes beside the target and renames over it on commit; a
    // cancelled or failed write removes its temporary file.
    QSaveFile out(d->fileName);
    if (!out.open(QIODevice::WriteOnly))
        fail(out.errorString());
    Hpdf().HPDF_ResetStream(d->doc.get());
    std::vector<HPDF_BYTE> chunk(1 << 16);
    HPDF_STATUS status = HPDF_OK;
    d->error.ignoreEof = true;
    while (status == HPDF_OK) {
        auto len = HPDF_UINT32(chunk.size());
        status = Hpdf().HPDF_ReadFromStream(d->doc.get(), chunk.data(), &len);
        if (len > 0 && out.write(reinterpret_cast<const char*>(chunk.data()), len) != qint64(len)) {
            const QString why = out.errorString();
            out.cancelWriting();
            fail(why);
        }
    }
    d->error.ignoreEof = false;
    if (status != HPDF_STREAM_EOF || d->error.failed()) {
        out.cancelWriting();
        fail(d->error.failed() ? describe(d->error) : QStringLiteral("PDF-Fehler 0x%1").arg(status, 0, 16));
    }
    if (!out.commit())
        fail(out.errorString());

    const QString written = d->fileName;
    d->drop();
    tandrel::platform::shell().openDocument(written);
}

void PdfWriter::Abort() { d->drop(); }

int PdfWriter::PageCount() const { return d->doc ? int(d->pages.size()) : 0; }

bool PdfWriter::SelectPage(int index)
{
    if (!d->doc || index < 0 || index >= int(d->pages.size()))
        return false;
    const Impl::PageRecord& r = d->pages[std::size_t(index)];
    d->page = r.page;
    d->pageHeightPt = Hpdf().HPDF_Page_GetHeight(r.page);
    d->pageTopMm = 0;
    d->paperMm = QSizeF(r.widthMm, r.heightMm);
    // The page's content stream ends in an unknown state for this writer.
    d->applied = {};
    return true;
}

QSizeF PdfWriter::CurrentPaperSize() const { return d->page ? d->paperMm : QSizeF(); }

void PdfWriter::AddOutline(const QString& title)
{
    if (!d->drawable())
        return;
    HPDF_Doc doc = d->doc.get();
    if (d->outlines == 0)
        Hpdf().HPDF_SetPageMode(doc, HPDF_PAGE_MODE_USE_OUTLINE);
    HPDF_Outline outline = Hpdf().HPDF_CreateOutline(doc, nullptr, tandrel::pdf::toCp1252(title).constData(),
                                                     Hpdf().HPDF_GetEncoder(doc, "WinAnsiEncoding"));
    HPDF_Destination dest = Hpdf().HPDF_Page_CreateDestination(d->page);
    if (outline && dest)
        Hpdf().HPDF_Outline_SetDestination(outline, dest);
    ++d->outlines;
}

double PdfWriter::PageWidth() const { return d->settings.paperWidth(); }

double PdfWriter::PageHeight() const
{
    const auto& s = d->settings;
    return s.paperHeight() - s.topMargin - s.bottomMargin - s.headerHeight - s.footerHeight;
}

void PdfWriter::SetFont(const QString& name, double sizePt, ColorRef color, int styles)
{
    d->font = {name, sizePt, color, styles};
}

void PdfWriter::SetFontSize(double sizePt) { d->font.size = sizePt; }
void PdfWriter::SetFontColor(ColorRef color) { d->font.color = color; }
void PdfWriter::SetFontStyle(int styles) { d->font.styles = styles; }
void PdfWriter::SetBrush(ColorRef color, BrushStyle style) { d->brush = {color, style}; }
void PdfWriter::SetPen(ColorRef color, double widthPx, PenStyle style) { d->pen = {color, widthPx, style}; }

void PdfWriter::TextOut(double x, double y, const QString& text)
{
    if (d->drawable())
        d->textRun(x, y, text, d->font.styles);
}

void PdfWriter::TextOutMarkup(double x, double y, const QString& text)
{
    if (!d->drawable())
        return;
    for (const auto& run : tandrel::pdf::parseMarkup(text, d->font.styles))
        x += d->textRun(x, y, run.text, run.styles);
}

double PdfWriter::TextWidth(const QString& text)
{
    HPDF_Doc doc = d->doc.get();
    if (!doc) {
        if (!d->metricsDoc)
            d->metricsDoc = newDoc(d->metricsError);
        doc = d->metricsDoc.get();
    }
    const QByteArray bytes = tandrel::pdf::toCp1252(text);
    HPDF_Font f = doc ? d->fontFor(doc, d->font.styles) : nullptr;
    if (!f || bytes.isEmpty())
        return 0;
    return Impl::textWidthUnits(f, bytes) / 1000.0 * d->font.size / kPointsPerMm;
}

void PdfWriter::DrawImage(const QRectF& mm, const QImage& image)
{
    if (!d->drawable() || image.isNull() || mm.normalized().isEmpty())
        return;
    if (HPDF_Image img = d->loadImage(image))
        d->placeImage(img, mm);
}

PdfPicture PdfPicture::FromJpeg(const QByteArray& bytes)
{
    tandrel::pdf::JpegHeader header;
    if (!tandrel::pdf::readJpegHeader(bytes, header))
        return {};
    PdfPicture picture;
    picture.m_jpeg = bytes;
    picture.m_size = QSize(header.width, header.height);
    return picture;
}

PdfPicture PdfPicture::FromPng(const QByteArray& bytes)
{
    tandrel::pdf::PngStream png;
    if (!tandrel::pdf::readPngStream(bytes, png))
        return {};
    PdfPicture picture;
    picture.m_deflated = std::move(png.deflated);
    picture.m_png = bytes;
    picture.m_colors = png.colors;
    picture.m_size = QSize(png.width, png.height);
    return picture;
}

void PdfWriter::DrawPicture(const QRectF& mm, const PdfPicture& picture)
{
    if (picture.isDeflated() && !HpdfObjects().ok) {
        DrawImage(mm, QImage::fromData(picture.png(), "PNG"));
        return;
    }
    if (!picture.isJpeg() && !picture.isDeflated()) {
        DrawImage(mm, picture.image());
        return;
    }
    if (!d->drawable() || mm.normalized().isEmpty())
        return;
    if (HPDF_Image img = picture.isJpeg() ? d->loadJpeg(picture.jpeg()) : d->loadDeflated(picture))
        d->placeImage(img, mm);
}

bool PdfWriter::DrawJpegFile(const QRectF& mm, const QString& path)
{
    if (!d->drawable())
        return false;
    QFile file;
    if (!tandrel::platform::openRegularFile(file, path))
        return false;
    const QByteArray data = file.readAll();
    tandrel::pdf::JpegHeader header;
    if (!tandrel::pdf::readJpegHeader(data, header))
        return false;
    HPDF_Image img = Hpdf().HPDF_LoadJpegImageFromMem(d->doc.get(), reinterpret_cast<const HPDF_BYTE*>(data.constData()),
                                               HPDF_UINT(data.size()));
    if (!img)
        return false;
    d->placeImage(img, mm);
    return !d->error.failed();
}

void PdfWriter::Line(double x1, double y1, double x2, double y2)
{
    if (!d->drawable() || d->penClear())
        return;
    d->applyPen();
    Hpdf().HPDF_Page_MoveTo(d->page, HPDF_REAL(d->X(x1)), HPDF_REAL(d->Y(y1)));
    Hpdf().HPDF_Page_LineTo(d->page, HPDF_REAL(d->X(x2)), HPDF_REAL(d->Y(y2)));
    Hpdf().HPDF_Page_Stroke(d->page);
}

void PdfWriter::Rectangle(double x1, double y1, double x2, double y2)
{
    if (!d->drawable())
        return;
    d->preparePaint();
    const double left = std::min(x1, x2);
    const double bottom = std::max(y1, y2);
    Hpdf().HPDF_Page_Rectangle(d->page, HPDF_REAL(d->X(left)), HPDF_REAL(d->Y(bottom)),
                        HPDF_REAL(toPt(std::abs(x2 - x1))), HPDF_REAL(toPt(std::abs(y2 - y1))));
    d->paint(false);
}

void PdfWriter::Polygon(const std::vector<QPointF>& points)
{
    if (!d->drawable() || points.size() < 2)
        return;
    d->preparePaint();
    Hpdf().HPDF_Page_MoveTo(d->page, HPDF_REAL(d->X(points[0].x())), HPDF_REAL(d->Y(points[0].y())));
    for (std::size_t k = 1; k < points.size(); ++k)
        Hpdf().HPDF_Page_LineTo(d->page, HPDF_REAL(d->X(points[k].x())), HPDF_REAL(d->Y(points[k].y())));
    d->paint(true);
}
