#include "app/FrameFactory.h"
#include "app/KontaloRegistry.h"
#include "app/MainForm.h"
#include "tests/support/TestEnv.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QSpinBox>
#include <QToolButton>

namespace {

class MainWindowTest : public tandrel::test::TestEnv {
protected:
    std::unique_ptr<TMainForm1> start(QStringList args = {})
    {
        auto w = std::make_unique<TMainForm1>(args);
        w->show();
        return w;
    }
    static QAction* action(QWidget* w, const char* name) { return w->findChild<QAction*>(QString::fromLatin1(name)); }
};

TEST_F(MainWindowTest, FirstStartWritesTheMainSettings)
{
    {
        auto w = start();
        EXPECT_TRUE(w->StartUpDone());
        MKontaloRegistry reg;
        EXPECT_TRUE(reg.ReadBool("Main", "KTLPRO2010InstallationAbgeschlossen", false));
        EXPECT_EQ(reg.ReadInteger("Main", "UnterVersion", -1), 0);
        EXPECT_EQ(reg.ReadString("Main", "SprachAuswahl", "x"), QString());
    }
    EXPECT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.join('\n').toStdString();
}

TEST_F(MainWindowTest, LaterStartsWriteTheValuesBackUnchanged)
{
    {
        MKontaloRegistry reg;
        reg.WriteBool("Main", "KTLPRO2010InstallationAbgeschlossen", true);
        reg.WriteInteger("Main", "UnterVersion", 1000);
        reg.WriteString("Main", "SprachAuswahl", QStringLiteral("Deutsch (Österreich)"));
    }
    {
        auto w = start();
        EXPECT_EQ(w->findChild<QSpinBox*>("UpDownRegistrySubVersion")->value(), 1000);
        {
            MKontaloRegistry reg;
            reg.WriteString("Main", "SprachAuswahl", QStringLiteral("changed meanwhile"));
        }
        w->close();
    }
    MKontaloRegistry reg;
    EXPECT_EQ(reg.ReadInteger("Main", "UnterVersion", -1), 1000);
    EXPECT_EQ(reg.ReadString("Main", "SprachAuswahl", ""), QStringLiteral("Deutsch (Österreich)"));
}

struct MenuCase {
    const char* objectName;
    const char* text;
    const char* shortcut;
    bool visible;
};

class MainMenuTest : public MainWindowTest, public ::testing::WithParamInterface<MenuCase> {};

TEST_P(MainMenuTest, CaptionShortcutAndVisibility)
{
    TMainForm1 w;
    const MenuCase& c = GetParam();
    QAction* a = action(&w, c.objectName);
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->text(), QString::fromUtf8(c.text));
    EXPECT_EQ(a->shortcut().toString(), QString::fromLatin1(c.shortcut));
    EXPECT_EQ(a->isVisible(), c.visible);
}

INSTANTIATE_TEST_SUITE_P(
    Menu, MainMenuTest,
    ::testing::Values(MenuCase{"FilePrint1", "D&rucken", "", true}, MenuCase{"FileExit1", "&Beenden", "", true},
                      MenuCase{"EditCut1", "&Ausschneiden", "Ctrl+X", true},
                      MenuCase{"EditCopy1", "&Kopieren", "Ctrl+C", true},
                      MenuCase{"EditPaste1", "&Einfügen", "Ctrl+V", true},
                      MenuCase{"ProgrammteileHaus3D", "&Haus 3D", "", true},
                      MenuCase{"ProgrammteilePapierhaus", "&Papierhauserstellung", "", true},
                      MenuCase{"ProgrammteileAnlagenplanung", "PV-&Anlagenplanung 2D", "", true},
                      MenuCase{"ProgrammteileModule", "PV-&Module", "", true},
                      MenuCase{"ProgrammteileErtrag", "PV-&Ertragsrechnung", "", false},
                      MenuCase{"ProgrammteileEigenverbrauch", "Eigen&verbrauch", "", false},
                      MenuCase{"ProgrammteileKontalo", "&Kontalo pro plus 2012", "", true},
                      MenuCase{"ProgrammteileSolaradressen", "Solar&adressen", "", false},
                      MenuCase{"HilfeSprachauswahl", "&Sprachauswahl", "", false},
                      MenuCase{"HelpAbout1", "&Info...", "", true}),
    [](const auto& info) { return std::string(info.param.objectName); });

TEST_F(MainWindowTest, MenusInOrder)
{
    TMainForm1 w;
    QStringList titles;
    for (QAction* a : w.menuBar()->actions())
        titles << a->text();
    EXPECT_EQ(titles, QStringList({"&Datei", "&Bearbeiten", "&Programmteile", "&Hilfe"}));
}

TEST_F(MainWindowTest, ButtonBarHintsAndStartState)
{
    auto w = start();
    struct {
        const char* name;
        const char* hint;
    } const rows[] = {{"SpeedButtonBack", "Zurück"},
                      {"SpeedButtonUebersicht", "Übersicht der Programmodule"},
                      {"SpeedButtonHaus3D", "Hausdarstellung in 3D"},
                      {"SpeedButtonPVAnlage", "PV-Anlage planen"},
                      {"SpeedButtonEigenverbrauch", "Informationen zur KEV"},
                      {"SpeedButtonKontalo", "Kontalo pro 2010"},
                      {"SpeedButtonInfo", "Info"},
                      {"SpeedButtonEnde", "Programm beenden"}};
    for (const auto& r : rows) {
        auto* b = w->findChild<QToolButton*>(QString::fromLatin1(r.name));
        ASSERT_NE(b, nullptr) << r.name;
        EXPECT_EQ(b->statusTip(), QString::fromUtf8(r.hint)) << r.name;
    }
    EXPECT_EQ(w->findChild<QToolButton*>("SpeedButtonEigenverbrauch")->text(), QStringLiteral("KEV"));
    EXPECT_TRUE(w->findChild<QToolButton*>("SpeedButtonForward")->isHidden());
    EXPECT_FALSE(w->findChild<QToolButton*>("SpeedButtonBack")->isEnabled());
    EXPECT_FALSE(action(w.get(), "FilePrint1")->isEnabled());
    EXPECT_FALSE(action(w.get(), "EditCopy1")->isEnabled());
    auto* update = w->findChild<QWidget*>("PanelAktualisierung");
    EXPECT_EQ(update->geometry(), QRect(610, 10, 500, 340));
}

TEST_F(MainWindowTest, CommandLineWithOtherCaseDoesNothing)
{
    auto w = start({QStringLiteral("imagedump")});
    EXPECT_TRUE(dialogs.messages.isEmpty());
    EXPECT_TRUE(shell.opened.isEmpty());
}

TEST_F(MainWindowTest, ClosingWithAnUnwritableSettingsFileStillFinishes)
{
    auto w = start();
    // The settings folder becomes a file: nothing can be written any more.
    QDir(tempDir.path()).removeRecursively();
    QFile blocker(tempDir.path());
    QDir().mkpath(QFileInfo(tempDir.path()).path());
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    w->close();
    w.reset();
    EXPECT_FALSE(dialogs.messages.isEmpty());
    QFile::remove(tempDir.path());
}

} // namespace
