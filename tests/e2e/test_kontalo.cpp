#include "tests/e2e/ProgramTest.h"
#include "tests/support/PdfReader.h"

#include <QImage>

namespace {

TEST_F(ProgramTest, KontaloBrochureWalksTwoHotspots)
{
    const QString shot = tempDir.filePath("kontalo.png");
    Run r = run({"show 1110", "click ButtonBildschirmseiten", "click HotspotStartZuAnlageKachel",
                 "click HotspotAnlageZuFinanzierung", "print PageControl1", "print PageControl2",
                 "grab " + shot, "quit"});
    ASSERT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.scriptLog, QStringList({"PageControl1=Bildschirmansichten", "PageControl2=Finanzierung"}));
    const QImage img(shot);
    ASSERT_FALSE(img.isNull());
    EXPECT_GT(img.width(), 600);
    EXPECT_TRUE(r.shellLog.isEmpty());
}

TEST_F(ProgramTest, KontaloOrderFormWithAScriptedAddressChoice)
{
    Run r = run({"show 1110", "click BitBtnBestellformularPdf", "set EditName1 Elektro Sander",
                 "set EditStrasse Feldweg 9", "set EditPLZ 34117", "set EditOrt Kassel", "set EditTel 0561 000123",
                 "click AdressAuswahlDialog/BitBtnOK", "quit"});
    ASSERT_EQ(r.exitCode, 0);
    EXPECT_TRUE(r.scriptLog.isEmpty()) << r.scriptLog.join('\n').toStdString();
    ASSERT_EQ(r.shellLog.size(), 1);
    EXPECT_TRUE(r.shellLog.front().contains("Kontalo_Bestellformular.pdf")) << r.shellLog.front().toStdString();
    tandrel::test::PdfReader pdf(r.shellLog.front());
    ASSERT_TRUE(pdf.isOpen());
    EXPECT_TRUE(pdf.findText(0, "Elektro Sander * Feldweg 9 * 34117 * Kassel"));
    EXPECT_TRUE(pdf.findText(0, "Tel: 0561 000123"));
}

} // namespace
