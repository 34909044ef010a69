#include "app/FrameFactory.h"
#include "app/KontaloRegistry.h"
#include "tests/support/PdfReader.h"
#include "tests/e2e/ProgramTest.h"
#include "tests/support/TestEnv.h"
#include "tests/support/CaseName.h"

#include <QDate>
#include <QDir>

#include <QFile>
#include <QImage>
#include <QProcess>
#include <QProcessEnvironment>

namespace {

TEST_F(ProgramTest, FirstAndSecondStartKeepTheMainSettings)
{
    Run first = run({"quit"});
    ASSERT_EQ(first.exitCode, 0);
    {
        MKontaloRegistry reg;
        EXPECT_TRUE(reg.ReadBool("Main", "KTLPRO2010InstallationAbgeschlossen", false));
        EXPECT_EQ(reg.ReadInteger("Main", "UnterVersion", -1), 0);
        EXPECT_EQ(reg.ReadString("Main", "SprachAuswahl", "x"), QString());
        reg.WriteString("Main", "SprachAuswahl", "Deutsch");
        reg.WriteInteger("Main", "UnterVersion", 17);
    }
    Run second = run({"print CheckBoxInstallationabgeschlossen", "print UpDownRegistrySubVersion", "quit"});
    ASSERT_EQ(second.exitCode, 0);
    EXPECT_EQ(second.scriptLog,
              QStringList({"CheckBoxInstallationabgeschlossen=1", "UpDownRegistrySubVersion=17"}));
    MKontaloRegistry reg;
    EXPECT_EQ(reg.ReadString("Main", "SprachAuswahl", ""), "Deutsch");
    EXPECT_EQ(reg.ReadInteger("Main", "UnterVersion", -1), 17);
}

TEST_F(ProgramTest, ScriptErrorsAreLoggedAndTheScriptGoesOn)
{
    Run r = run({"jump high", "click NoSuchButton", "print SpeedButtonEnde", "quit"});
    ASSERT_EQ(r.exitCode, 0);
    ASSERT_EQ(r.scriptLog.size(), 3);
    EXPECT_TRUE(r.scriptLog[0].startsWith("ERROR jump high"));
    EXPECT_TRUE(r.scriptLog[1].startsWith("ERROR click NoSuchButton"));
    EXPECT_EQ(r.scriptLog[2], "SpeedButtonEnde=Beenden");
}

TEST_F(ProgramTest, SiArgumentReachesTheStartPage)
{
    Run r = run({"quit"}, {"/home/kunde/Angebot.SI"});
    ASSERT_EQ(r.exitCode, 0);
    if (startPageExists())
        EXPECT_EQ(r.dialogLog,
                  QStringList({"Kein SetFilename(/home/kunde/Angebot.SI) für Frame: ID:1100 Name:Übersicht implementiert"}));
    else
        EXPECT_TRUE(r.dialogLog.isEmpty());
}

struct DumpCase {
    const char* argument;
    const char* fileStart;
    int pages;
    const char* firstText;
};

std::string CaseLabel(const DumpCase& c)
{
    return c.argument;
}

class DumpTest : public ProgramTest, public ::testing::WithParamInterface<DumpCase> {};

TEST_P(DumpTest, WritesItsPdfIntoTheTemporaryFolderAndOpensItOnce)
{
    const DumpCase& c = GetParam();
    Run r = run({"quit"}, {QString::fromLatin1(c.argument)});
    ASSERT_EQ(r.exitCode, 0);
    EXPECT_TRUE(r.dialogLog.isEmpty()) << r.dialogLog.join('\n').toStdString();
    ASSERT_EQ(r.shellLog.size(), 1);
    const QString file = r.shellLog.first();
    // On a first start the dump runs before the workspace folders exist, so
    // the temporary folder is the fallback inside the application-data folder.
    EXPECT_TRUE(file.startsWith(appDataPath() + "/")) << file.toStdString();
    EXPECT_TRUE(file.endsWith("/" + QString::fromLatin1(c.fileStart) + QString::number(QDate::currentDate().year()) +
                              "_1.pdf"))
        << file.toStdString();
    tandrel::test::PdfReader pdf(file);
    ASSERT_TRUE(pdf.isOpen());
    EXPECT_EQ(pdf.pageCount(), c.pages);
    EXPECT_TRUE(pdf.findText(0, QString::fromLatin1(c.firstText)).has_value());
}

INSTANTIATE_TEST_SUITE_P(CommandLine, DumpTest,
                         ::testing::Values(DumpCase{"FrameDump", "FrameListe.pdf", 1, "Pravik Framelist Dokumentation"},
                                           DumpCase{"ImageDump", "Interfacedokument.pdf", 5,
                                                    "Pravik Interface Dokumentation"}),
                         tandrel::test::CaseName{});

TEST_F(ProgramTest, ScriptFillsInAModalDialog)
{
    if (!startPageExists())
        GTEST_SKIP() << "no start page";
    Run r = run({"action MenuHintergrundbild", "print Shape4", "click Image2", "print Shape2", "print Shape4",
                 "click ButtonOK", "quit"});
    ASSERT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.scriptLog, QStringList({"Shape4=1", "Shape2=1", "Shape4=0"}));
    MKontaloRegistry reg;
    EXPECT_EQ(reg.ReadInteger("overview", "BackImageID", -1), 3120);
    EXPECT_EQ(reg.ReadInteger("overview", "BackImageLight", -1), 1);
}

TEST_F(ProgramTest, LinksGoThroughTheShell)
{
    Run r = run({"click SpeedButtonTandrel", "action HilfeMobileApp", "quit"});
    ASSERT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.shellLog.size(), 2);
}

TEST_F(ProgramTest, MapTakesTheLocationFromTheAddressBookAndKeepsItsSettings)
{
    const QString picture = tempDir.filePath("map.png");
    Run r = run({"show 4400", "show 4450", "show 6100", "show 4450",
                 // The address selection dialog is modal; the script goes on inside it.
                 "click BitBtnAdressdialog", "set AdressAuswahlDialog/EditPLZ 10117", "click AdressAuswahlDialog/BitBtnOK",
                 "click SpeedButtonChangeRadius", "slide TrackBarRadius 200", "click BitBtnDistanceOK",
                 "click BitBtnSortName", "print LabelBeschreibung", "print EditRadiusDistance",
                 "grab " + picture + " PaintBox1", "quit"});
    ASSERT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.scriptLog, QStringList({"LabelBeschreibung=Firmen im Umkreis der Postleitzahl 10117 (Sortierung: Name):",
                                        "EditRadiusDistance=200"}));
    EXPECT_TRUE(r.dialogLog.isEmpty()) << r.dialogLog.join('\n').toStdString();
    const QImage grabbed(picture);
    EXPECT_EQ(grabbed.size(), QSize(492, 645));
    MKontaloRegistry reg;
    EXPECT_EQ(reg.ReadInteger("AdressGeo", "StandortPlz", -1), 10117);
    EXPECT_EQ(reg.ReadInteger("AdressGeo", "RadiusDistance", -1), 200);
}

} // namespace
