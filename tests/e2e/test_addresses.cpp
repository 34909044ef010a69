#include "app/KontaloRegistry.h"
#include "tests/e2e/ProgramTest.h"
#include "tests/support/PdfReader.h"

#include <QFileInfo>
#include <QImage>

namespace {


TEST_F(ProgramTest, AddressBookSlotSurvivesARestartAndALetterIsWritten)
{
    const QString dir = tempDir.path();
    Run first = run({"show 6100", "select ListViewAdressen 1", "set EditName1 Kern Solar & Sohn",
                     "set EditStrasse Am Anger 4", "set EditPLZ 99084", "set EditOrt Erfurt", "quit"});
    ASSERT_EQ(first.exitCode, 0);
    EXPECT_TRUE(first.scriptLog.isEmpty()) << first.scriptLog.join('\n').toStdString();
    {
        MKontaloRegistry reg;
        EXPECT_EQ(reg.ReadString("Adress\\1", "Name1", ""), "Kern Solar & Sohn");
        EXPECT_EQ(reg.ReadInteger("Adress", "AbsenderID", -1), 1);
    }

    Run second = run({"show 6100", "print EditName1", "print EditOrt", "click ShowAdressDlg/BitBtnAnschreiben",
                      "print AnschreibenDialog/MemoAbsender", "grab " + dir + "/letter.png AnschreibenDialog",
                      "click AnschreibenDialog/BitBtnPdf", "quit"});
    ASSERT_EQ(second.exitCode, 0);
    EXPECT_EQ(second.scriptLog, QStringList({"EditName1=Kern Solar & Sohn", "EditOrt=Erfurt",
                                             "AnschreibenDialog/MemoAbsender=Kern Solar & Sohn\\nAm Anger 4\\n99084 Erfurt"}));
    const QImage grabbed(dir + "/letter.png");
    EXPECT_GT(grabbed.width(), 600);
    ASSERT_EQ(second.shellLog.size(), 1);
    const QString pdf = second.shellLog.first();
    EXPECT_TRUE(QFileInfo(pdf).fileName().startsWith("Anschreiben")) << pdf.toStdString();
    tandrel::test::PdfReader reader(pdf);
    ASSERT_TRUE(reader.isOpen());
    EXPECT_TRUE(reader.findText(0, "Kern Solar & Sohn * Am Anger 4 * 99084 * Erfurt"));
    EXPECT_TRUE(reader.findText(0, "Betreff: Anfrage"));
}

} // namespace
