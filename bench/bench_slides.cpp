// The self-consumption slide PDF (portrait, with the introduction: 7 pages,
// 12 slides) against a plain libharu program that writes the same pictures
// and texts at the same places: the floor. The slides are stored JPEG bytes,
// so the floor passes them through too.
#include "bench/BenchWorkspace.h"
#include "bench/RatioReporter.h"
#include "app/Pictures.h"
#include "data/Slides.h"
#include "pdf/PdfWriter.h"
#include "presentations/SlidesPdf.h"


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
        doc.Slides[k] = PdfPicture::FromJpeg(tandrel::pictures::storedJpeg(QString::fromLatin1(order[k])));
    doc.Cover = workspace().ws.FindPicture(3130)->pdfPicture();
    doc.Logo = workspace().ws.FindPicture(20)->picture();
    doc.Imprint = QStringLiteral("Tandrel: Hersteller Norvi GmbH, www.norvi-software.de, www.tandrel-software.de");
    return doc;
}

void BM_TandrelSlides(benchmark::State& state)
{
    Workspace& w = workspace();
    const MSlidesDocument doc = Document();
    QString last;
    for (auto _ : state) {
        // The writer does not write over a file shown in this run: every
        // round has a desktop of its own.
        NullShell shell;
        tandrel::platform::ScopedShell guard(shell);
        w.ws.SetPdfPageSize(kH, kW);
        PdfWriter* pdf = w.ws.OpenPdfDocument(QStringLiteral("Norvi_Folien_Eigenverbrauch.pdf"));
        if (!pdf) {
            state.SkipWithError("no document");
            return;
        }
        tandrel::presentations::WriteSlidesPdf(*pdf, doc, [](int) {});
        pdf->EndDoc();
        last = shell.last;
    }
    setSize(state, last);
}

void BM_PlainLibharu(benchmark::State& state)
{
    Workspace& w = workspace();
    const MSlidesDocument doc = Document();
    const QString file = w.dir.filePath("floor.pdf");
    for (auto _ : state) {
        HpdfFloor pdf(kW, kH);
        pdf.newPage();
        pdf.text(kW / 2 - 60, 0.1 * kH, 28, doc.Title);
        pdf.text(kW / 2 - 30, 0.82 * kH, 22, doc.CoverLine1);
        pdf.jpeg(doc.Cover.jpeg(), tandrel::presentations::CoverBox(kW, kH, doc.Cover.size()));
        for (int p = 0; p < 6; ++p) {
            pdf.newPage();
            for (int k = 0; k < 2; ++k)
                pdf.jpeg(doc.Slides[2 * p + k].jpeg(), tandrel::presentations::SlideBox(doc, k));
            pdf.text(1, 5.8, 12, doc.Header);
            pdf.text(6, kH - 5.8, 12, doc.Footer);
        }
        pdf.image(doc.Logo, QRectF(kW - 40, kH - 10, 22.4, 8));
        pdf.text(6, kH - 11.8, 12, doc.Imprint);
        pdf.save(file);
    }
    setSize(state, file);
}

BENCHMARK(BM_PlainLibharu)->Unit(benchmark::kMillisecond)->MinTime(3.0);
BENCHMARK(BM_TandrelSlides)->Unit(benchmark::kMillisecond)->MinTime(3.0);

} // namespace

int main(int argc, char** argv)
{
    return bench::runWithWorkspace(argc, argv, "BM_TandrelSlides", "BM_PlainLibharu", "Slides / plain libharu");
}
