#include "tests/e2e/ProgramTest.h"
#include "tests/support/PdfReader.h"

#include <QDate>
#include <QFileInfo>

namespace {

using tandrel::test::PdfReader;

void ExpectQpdfClean(const QString& file)
{
    if (const auto check = tandrel::test::RunQpdfCheck(file)) {
        EXPECT_TRUE(check->clean()) << check->output.toStdString();
    }
}

const QString kPdfName = QStringLiteral("Norvi_Folien_Eigenverbrauch.pdf%1_1.pdf").arg(QDate::currentDate().year());

TEST_F(ProgramTest, SelfConsumptionSlidesPrintWithTheTypedTitle)
{
    Run r = run({"show 1620", "set EditStartseiteUeberschrift Eigenverbrauch lohnt sich", "action FilePrint1", "quit"});
    ASSERT_EQ(r.exitCode, 0);
    EXPECT_TRUE(r.scriptLog.isEmpty()) << r.scriptLog.join('\n').toStdString();
    EXPECT_TRUE(r.dialogLog.isEmpty()) << r.dialogLog.join('\n').toStdString();
    ASSERT_EQ(r.shellLog.size(), 1);
    EXPECT_EQ(QFileInfo(r.shellLog[0]).fileName(), kPdfName);
    PdfReader pdf(r.shellLog[0]);
    ASSERT_TRUE(pdf.isOpen());
    EXPECT_EQ(pdf.pageCount(), 7);
    EXPECT_TRUE(pdf.findText(0, "Eigenverbrauch lohnt sich"));
    EXPECT_TRUE(pdf.findText(6, "Tandrel: Hersteller Norvi GmbH,"));
    ExpectQpdfClean(r.shellLog[0]);
}

TEST_F(ProgramTest, BothPresentationsPrintOneAfterTheOther)
{
    Run r = run({"show 1620", "set EditStartseiteUeberschrift Eigenverbrauch lohnt sich", "action FilePrint1",
                 "show 1622", "action FilePrint1", "quit"});
    ASSERT_EQ(r.exitCode, 0);
    EXPECT_TRUE(r.scriptLog.isEmpty()) << r.scriptLog.join('\n').toStdString();
    EXPECT_TRUE(r.dialogLog.isEmpty()) << r.dialogLog.join('\n').toStdString();
    // Each output is opened once; the viewer may still show the first, so the
    // second takes the next number and both files stay.
    ASSERT_EQ(r.shellLog.size(), 2);
    EXPECT_EQ(QFileInfo(r.shellLog[0]).fileName(), kPdfName);
    EXPECT_EQ(QFileInfo(r.shellLog[1]).fileName(), QString(kPdfName).replace("_1.pdf", "_2.pdf"));
    PdfReader first(r.shellLog[0]);
    ASSERT_TRUE(first.isOpen());
    EXPECT_TRUE(first.findText(0, "Eigenverbrauch lohnt sich"));
    PdfReader pdf(r.shellLog[1]);
    ASSERT_TRUE(pdf.isOpen());
    // Cover, three introduction pages, two KEV pages; no German EEG slides.
    EXPECT_EQ(pdf.pageCount(), 6);
    // The KEV frame keeps its own settings: its cover carries no title.
    EXPECT_FALSE(pdf.findText(0, "Eigenverbrauch lohnt sich"));
    ExpectQpdfClean(r.shellLog[1]);
}

} // namespace
