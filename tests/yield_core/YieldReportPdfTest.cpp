#include "pdf/PdfWriter.h"
#include "tests/support/CaseName.h"
#include "tests/support/TestEnv.h"
#include "tests/yield/GermanLocale.h"
#include "yield/YieldReportPdf.h"

#include <QFile>
#include <QFileInfo>

namespace {

struct LayoutCase {
    std::string name;
    bool notes;
    int berichtLines;
    int senderLines;
    bool eastWest;
    int pages;
};

MYieldReportInput Input(const LayoutCase& c)
{
    MYieldReportInput in;
    in.Date = QStringLiteral("11.12.2026");
    for (int i = 0; i < c.senderLines; ++i)
        in.Sender << QStringLiteral("Absenderzeile %1").arg(i + 1) << QString(); // empty lines are left out
    in.ModuleName = QStringLiteral("Solarmodul mit einem recht langen Namen, der nicht neben das Dachbild passt");
    in.ModuleCount = 24;
    in.Leistung = QStringLiteral("5,52");
    in.EastWest = c.eastWest;
    in.OstWestHinweis = QStringLiteral("Ca. 25 % Ertragsminderung bei Ost-West-Ausrichtung");
    QImage roof(400, 200, QImage::Format_RGB32);
    roof.fill(Qt::darkRed);
    in.RoofPicture = roof;
    if (c.eastWest)
        in.RoofSecondSide = roof;
    in.Grundlagen = QStringLiteral("Berechnungsgrundlagen nach dem EEG für 2011 (ab Januar):");
    in.Tarife = {QStringLiteral("Vergütung für eingespeisten Strom: 0,2874 Euro/kWh"), QStringLiteral("Stand: 16.06.2011")};
    for (int i = 0; i < 6; ++i)
        in.Angaben.push_back({QStringLiteral("Angabe %1:").arg(i), QStringLiteral("1.234,56"), QStringLiteral("kWh")});
    for (int i = 0; i < 7; ++i)
        in.Ergebnis.push_back({QStringLiteral("Ergebnis %1:").arg(i), QStringLiteral("12.345,67"), QStringLiteral("Euro")});
    in.Chart = {5000, 1500, 20};
    if (c.notes)
        in.Hinweise = BerechnungswegHinweise();
    for (int i = 0; i < c.berichtLines; ++i)
        in.Bericht << (i % 7 == 3 ? QString() : QStringLiteral("Zeile %1 des Berechnungsweges mit einem Betrag von 1.234,56 Euro").arg(i));
    in.MakerLine = QStringLiteral("Tandrel: Hersteller Norvi GmbH");
    return in;
}

class YieldReportLayout : public tandrel::test::TestEnv, public ::testing::WithParamInterface<LayoutCase> {};

// The summary and the chart stay on the first page; the calculation follows
// and runs on to further pages, never into the footer.
TEST_P(YieldReportLayout, PagesAndFooterKeptFree)
{
    GermanLocale german;
    const LayoutCase& c = GetParam();
    PdfWriter pdf;
    pdf.SetPaperSize(PdfWriter::kPaperCustom);
    pdf.SetPaperWidth(yieldreport::kPageWidth);
    pdf.SetPaperHeight(yieldreport::kPageHeight);
    pdf.SetTopMargin(0);
    pdf.SetBottomMargin(0);
    pdf.SetHeaderHeight(0);
    pdf.SetFooterHeight(0);
    pdf.SetFileName(tempDir.path() + "/report.pdf");
    pdf.BeginDoc();
    ASSERT_TRUE(pdf.Printing());
    const MYieldReportPages pages = DrawYieldReport(pdf, Input(c));
    pdf.EndDoc();
    EXPECT_EQ(pages.Pages, c.pages);
    ASSERT_EQ(int(pages.BodyBottom.size()), pages.Pages);
    for (int p = 0; p < pages.Pages; ++p) {
        EXPECT_GT(pages.BodyBottom[size_t(p)], 40) << "page " << p + 1 << " is empty";
        EXPECT_LE(pages.BodyBottom[size_t(p)], yieldreport::kFooterLine - 2) << "page " << p + 1;
    }
    EXPECT_TRUE(QFileInfo(tempDir.path() + "/report.pdf").size() > 1000);
    if (qEnvironmentVariableIsSet("TANDREL_REPORT_PDF"))
        QFile::copy(tempDir.path() + "/report.pdf", qEnvironmentVariable("TANDREL_REPORT_PDF") + "_" + QString::fromStdString(c.name) + ".pdf");
}

INSTANTIATE_TEST_SUITE_P(
    Reports, YieldReportLayout,
    ::testing::Values(LayoutCase{"WithoutCalculationOnePage", false, 0, 0, false, 1},
                      LayoutCase{"UsualCalculationOnItsOwnPage", true, 36, 7, true, 2},
                      LayoutCase{"LongCalculationRunsOn", true, 100, 7, true, 3},
                      LayoutCase{"VeryLongCalculationRunsOnAgain", true, 200, 2, false, 5}),
    tandrel::test::CaseName());

} // namespace
