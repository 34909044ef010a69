// The self-consumption slide PDF (portrait, with the introduction: 7 pages,
// 12 slides) against a plain libharu program that writes the same pictures
// and texts at the same places: the floor.
#include "bench/BenchWorkspace.h"
#include "bench/RatioReporter.h"
#include "app/Pictures.h"
#include "data/Slides.h"
#include "pdf/PdfWriter.h"
#include "presentations/SlidesPdf.h"

#include <QApplication>

#include <hpdf.h>

namespace {

using namespace bench;
using tandrel::presentations::MSlidesDocument;

constexpr double kW = 210, kH = 297.000254000508;

MSlidesDocument Document()
{
    namespace s = tandrel::pictures::slides;
    MSlidesDocument doc;
    doc.PageWidth = kW;
    doc.PageHeight = kH;
    doc.Margin = 12;
    doc.Title = QStringLiteral("Eigenverbrauchsregelung");
    doc.CoverLine1 = QStringLiteral("nach EEG 2010");
    doc.Header = QStringLiteral("Solartechnik Beispiel GmbH");
    doc.Footer = QStringLiteral("Ihr Berater: Herr Muster");
    const char* order[] = {s::kSolartechnik1, s::kSolartechnik2, s::kSolartechnik3, s::kSolartechnik4,
                           s::kSolartechnik5, s::kSolartechnik6, s::kEeg, s::kEegEigenverbrauch,
                           s::kEigenverbrauchSchema, s::kEigenverbrauchsregelung, s::kEinspeiseverguetung2011,
                           s::kEigenverbrauchAbrechnung};
    for (int k = 0; k < tandrel::presentations::kSlideCount; ++k)
        doc.Slides[k] = tandrel::pictures::image(QString::fromLatin1(order[k]));
    doc.Cover = workspace().ws.FindPicture(3130)->picture();
    doc.Logo = workspace().ws.FindPicture(20)->picture();
    doc.Imprint = QStringLiteral("Tandrel: Hersteller Norvi GmbH, www.norvi-software.de, www.tandrel-software.de");
    return doc;
}

void BM_TandrelSlides(benchmark::State& state)
{
    Workspace& w = workspace();
    const MSlidesDocument doc = Document();
    for (auto _ : state) {
        w.ws.SetPdfPageSize(kH, kW);
        PdfWriter* pdf = w.ws.OpenPdfDocument(QStringLiteral("Norvi_Folien_Eigenverbrauch.pdf"));
        if (!pdf) {
            state.SkipWithError("no document");
            return;
        }
        tandrel::presentations::WriteSlidesPdf(*pdf, doc, [](int) {});
        pdf->EndDoc();
    }
    setSize(state, w.shell.last);
}

void errorHandler(HPDF_STATUS error, HPDF_STATUS detail, void*)
{
    std::fprintf(stderr, "libharu error 0x%04X (%u)\n", unsigned(error), unsigned(detail));
}

void BM_PlainLibharu(benchmark::State& state)
{
    Workspace& w = workspace();
    const MSlidesDocument doc = Document();
    const QString file = w.dir.filePath("floor.pdf");
    const QByteArray name = file.toLocal8Bit();
    const double pt = 72 / 25.4;
    for (auto _ : state) {
        HPDF_Doc pdf = HPDF_New(errorHandler, nullptr);
        HPDF_SetCompressionMode(pdf, HPDF_COMP_ALL);
        HPDF_Font font = HPDF_GetFont(pdf, "Helvetica", "WinAnsiEncoding");
        const double ascent = HPDF_Font_GetAscent(font) / 1000.0;
        HPDF_Page page = nullptr;
        auto newPage = [&] {
            page = HPDF_AddPage(pdf);
            HPDF_Page_SetWidth(page, HPDF_REAL(kW * pt));
            HPDF_Page_SetHeight(page, HPDF_REAL(kH * pt));
        };
        auto text = [&](double x, double y, double size, const QString& s) {
            HPDF_Page_BeginText(page);
            HPDF_Page_SetFontAndSize(page, font, HPDF_REAL(size));
            HPDF_Page_TextOut(page, HPDF_REAL(x * pt), HPDF_REAL((kH - y) * pt - ascent * size), s.toLatin1().constData());
            HPDF_Page_EndText(page);
        };
        auto image = [&](const QImage& picture, const QRectF& r) {
            const QImage rgb = picture.convertToFormat(QImage::Format_RGB888);
            HPDF_Image img = HPDF_LoadRawImageFromMem(pdf, rgb.constBits(), HPDF_UINT(rgb.width()), HPDF_UINT(rgb.height()),
                                                      HPDF_CS_DEVICE_RGB, 8);
            if (picture.hasAlphaChannel()) {
                const QImage alpha = picture.convertToFormat(QImage::Format_Alpha8);
                HPDF_Image_AddSMask(img, HPDF_LoadRawImageFromMem(pdf, alpha.constBits(), HPDF_UINT(alpha.width()),
                                                                  HPDF_UINT(alpha.height()), HPDF_CS_DEVICE_GRAY, 8));
            }
            HPDF_Page_DrawImage(page, img, HPDF_REAL(r.left() * pt), HPDF_REAL((kH - r.bottom()) * pt),
                                HPDF_REAL(r.width() * pt), HPDF_REAL(r.height() * pt));
        };
        newPage();
        text(kW / 2 - 60, 0.1 * kH, 28, doc.Title);
        text(kW / 2 - 30, 0.82 * kH, 22, doc.CoverLine1);
        image(doc.Cover, tandrel::presentations::CoverBox(kW, kH, doc.Cover.size()));
        for (int p = 0; p < 6; ++p) {
            newPage();
            for (int k = 0; k < 2; ++k)
                image(doc.Slides[2 * p + k], tandrel::presentations::SlideBox(doc, k));
            text(1, 5.8, 12, doc.Header);
            text(6, kH - 5.8, 12, doc.Footer);
        }
        image(doc.Logo, QRectF(kW - 40, kH - 10, 22.4, 8));
        text(6, kH - 11.8, 12, doc.Imprint);
        HPDF_SaveToFile(pdf, name.constData());
        HPDF_Free(pdf);
    }
    setSize(state, file);
}

BENCHMARK(BM_PlainLibharu)->Unit(benchmark::kMillisecond)->MinTime(3.0);
BENCHMARK(BM_TandrelSlides)->Unit(benchmark::kMillisecond)->MinTime(3.0);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    bench::g_workspace = std::make_unique<bench::Workspace>();
    RatioReporter reporter("BM_TandrelSlides", "BM_PlainLibharu", "Slides / plain libharu");
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    bench::g_workspace.reset();
    return 0;
}
