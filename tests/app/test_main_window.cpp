#include "app/FrameFactory.h"
#include "app/InfoDlg.h"
#include "app/KontaloRegistry.h"
#include "app/MainForm.h"
#include "app/UiPictures.h"
#include "platform/Dialogs.h"
#include "platform/Services.h"
#include "tests/support/TestEnv.h"
#include "tests/support/CaseName.h"

#include <QAction>
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHelpEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QSpinBox>
#include <QToolButton>
#include <QToolTip>
#include <cstdlib>

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

std::string CaseLabel(const MenuCase& c)
{
    return c.objectName;
}

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
                      MenuCase{"ProgrammteileErtrag", "PV-&Ertragsrechnung", "", true},
                      MenuCase{"ProgrammteileEigenverbrauch", "Eigen&verbrauch", "", true},
                      MenuCase{"ProgrammteileKontalo", "&Kontalo pro plus 2012", "", true},
                      MenuCase{"ProgrammteileSolaradressen", "&Solaradressen", "", true},
                      MenuCase{"HilfeSprachauswahl", "&Sprachauswahl", "", false},
                      MenuCase{"HelpAbout1", "&Info...", "", true}),
    tandrel::test::CaseName{});

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
                      {"SpeedButtonUebersicht", "Übersicht der Programmmodule"},
                      {"SpeedButtonHaus3D", "Hausdarstellung in 3D"},
                      {"SpeedButtonPVAnlage", "PV-Anlage planen"},
                      {"SpeedButtonEigenverbrauch", "Informationen zur KEV"},
                      {"SpeedButtonAdressen", "Solaradressen: Branchenbuch, Karte und Adressbuch"},
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

TEST_F(MainWindowTest, WindowCarriesTheProductIcon)
{
    auto w = start();
    EXPECT_FALSE(w->windowIcon().isNull());
    EXPECT_FALSE(UiPicture("app-icon").isNull());
}

// The square the opaque part of a picture covers.
QRect coveredRect(const QImage& image)
{
    QRect r;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) > 40)
                r |= QRect(x, y, 1, 1);
    return r;
}

TEST_F(MainWindowTest, BarIconsAreDrawnAtOneSize)
{
    for (const char* name : {"back", "overview", "house3d", "pvplant", "kev", "addresses", "kontalo", "info", "exit"}) {
        const QImage icon = UiPicture(QString::fromLatin1(name)).toImage();
        ASSERT_EQ(icon.size(), QSize(32, 32)) << name;
        const QRect covered = coveredRect(icon);
        EXPECT_GE(std::max(covered.width(), covered.height()), 29) << name;
        EXPECT_LE(std::abs(covered.center().x() - 16), 1) << name;
        EXPECT_LE(std::abs(covered.center().y() - 16), 1) << name;
    }
}

TEST_F(MainWindowTest, KontaloNoteReadsWellAndIsNotCoveredByTheHint)
{
    auto w = start();
    auto* button = w->findChild<QToolButton*>("SpeedButtonKontalo");
    auto* note = w->findChild<QWidget*>("PanelKontaloTestergebnis");
    auto* memo = w->findChild<QLabel*>("MemoKontaloTestergebnis");
    QEvent enter(QEvent::Enter);
    QCoreApplication::sendEvent(button, &enter);
    ASSERT_TRUE(note->isVisible());
    EXPECT_TRUE(memo->text().contains(QStringLiteral("mit „gut“ bewertet")));
    EXPECT_FALSE(memo->text().contains('"'));
    // The whole wrapped text fits, and the note stays inside the body.
    EXPECT_GE(memo->height(), memo->heightForWidth(memo->width()));
    EXPECT_TRUE(w->GetBodyPanel()->rect().contains(note->geometry()));
    QHelpEvent tip(QEvent::ToolTip, QPoint(5, 5), button->mapToGlobal(QPoint(5, 5)));
    QCoreApplication::sendEvent(button, &tip);
    EXPECT_FALSE(QToolTip::isVisible());
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(button, &leave);
    EXPECT_FALSE(note->isVisible());
}

// The message about a ".si" file waits until the main window is on screen
// and is shown in front of it.
TEST_F(MainWindowTest, SiMessageIsParentedToTheShownMainWindow)
{
    tandrel::platform::QtDialogs qtDialogs;
    tandrel::platform::ScopedDialogs useQt(qtDialogs);
    QWidget* parent = nullptr;
    bool exposed = false;
    QString text;
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        parent = box->parentWidget();
        exposed = parent && parent->windowHandle() && parent->windowHandle()->isExposed();
        text = box->text();
        box->accept();
    });
    poll.start();
    auto w = start({QStringLiteral("/home/kunde/Angebot.si")});
    EXPECT_FALSE(w->CommandLineDone());
    ASSERT_TRUE(QTest::qWaitFor([&] { return w->CommandLineDone(); }, 5000));
    EXPECT_EQ(parent, w.get());
    EXPECT_TRUE(exposed);
    EXPECT_TRUE(text.startsWith(QStringLiteral("Kein SetFilename(/home/kunde/Angebot.si)"))) << text.toStdString();
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

// Nothing of the information dialog shows at start; it is made when asked for.
TEST_F(MainWindowTest, InfoDialogIsMadeWhenFirstAskedFor)
{
    auto w = start();
    EXPECT_EQ(w->findChild<TInfoDialog1*>(), nullptr);
    auto* button = w->findChild<QToolButton*>(QStringLiteral("SpeedButtonInfo"));
    ASSERT_NE(button, nullptr);
    button->click();
    auto* info = w->findChild<TInfoDialog1*>();
    ASSERT_NE(info, nullptr);
    EXPECT_TRUE(info->isVisible());
    EXPECT_EQ(info->findChild<QLabel*>(QStringLiteral("VersionLabel"))->text(), QStringLiteral(" Version: 2012"));
    button->click();
    EXPECT_EQ(w->findChildren<TInfoDialog1*>().size(), 1);
}

} // namespace
