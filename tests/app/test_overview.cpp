#include "app/DBackgroundDlg.h"
#include "app/FrameIds.h"
#include "app/FInterfaceFrame.h"
#include "app/FOverviewFrame.h"
#include "app/FrameFactory.h"
#include "app/InfoDlg.h"
#include "app/KontaloRegistry.h"
#include "app/MainForm.h"
#include "app/PictureLabel.h"
#include "tests/support/CaseName.h"
#include "tests/support/PdfReader.h"
#include "tests/support/TestEnv.h"

#include <QFile>
#include <QApplication>
#include <QDate>
#include <QPushButton>
#include <QDir>
#include <QLabel>
#include <QLocale>
#include <QPlainTextEdit>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <QToolButton>

namespace {

class OverviewTest : public tandrel::test::TestEnv {
protected:
    void SetUp() override
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        window = std::make_unique<TMainForm1>();
        info = new TInfoDialog1(window.get());
        window->SetInfoDialog(info);
        window->show();
        overview = qobject_cast<TOverviewFrame*>(window->GetFrameFactory()->FindFrame(FrameId::Overview));
        ASSERT_NE(overview, nullptr);
    }
    void TearDown() override { QLocale::setDefault(QLocale::c()); }

    QLabel* background() const { return overview->findChild<QLabel*>("ImageBackground"); }
    QWidget* panelTop() const { return overview->findChild<QWidget*>("PanelTop"); }

    std::unique_ptr<TMainForm1> window;
    TInfoDialog1* info = nullptr;
    TOverviewFrame* overview = nullptr;
};

TEST_F(OverviewTest, FreshSettingsShowTheSkyOnBlue)
{
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Tandrel - Übersicht"));
    EXPECT_EQ(overview->BackImageID, 3140);
    EXPECT_EQ(background()->property("tag").toInt(), 3140);
    EXPECT_EQ(background()->size(), QSize(800, 600));
    EXPECT_EQ(panelTop()->palette().color(QPalette::Window), QColor(184, 191, 228));
    EXPECT_EQ(overview->findChild<QToolButton*>("SpeedButtonEigenverbrauch")->text(), QStringLiteral("KEV"));
    EXPECT_FALSE(window->GetFrameFactory()->CanGoBack());
}

TEST_F(OverviewTest, ResizingKeepsBackgroundAndMarkersCentred)
{
    // Tall enough that the upper plate needs no clamping.
    for (QSize size : {QSize(1200, 1100), QSize(1001, 1077)}) {
        overview->resize(size);
        const QRect bg = background()->geometry();
        EXPECT_EQ(bg.left(), size.width() / 2 - 400);
        EXPECT_EQ(bg.top(), size.height() / 2 - 300);
        auto* pv = overview->findChild<QLabel*>("ImageMarkierungPVAnlagen");
        auto* lists = overview->findChild<QLabel*>("ImageMarkierungListen");
        EXPECT_EQ(pv->y(), bg.top() - 220);
        EXPECT_EQ(lists->y(), bg.top() - 60);
        EXPECT_EQ(pv->x(), size.width() / 2 - pv->width() / 2);
        auto* haus = overview->findChild<QToolButton*>("SpeedButtonHaus3D");
        auto* anlage = overview->findChild<QToolButton*>("SpeedButtonPVAnlage");
        auto* kev = overview->findChild<QToolButton*>("SpeedButtonEigenverbrauch");
        EXPECT_EQ(haus->pos(), QPoint(pv->x() + 25, pv->y() + pv->height() + 1));
        EXPECT_EQ(anlage->pos(), QPoint(pv->x() + pv->width() - haus->width() - 25, pv->y() + pv->height() + 1));
        EXPECT_EQ(kev->pos(), QPoint(lists->x() + lists->width() - kev->width() - 25, lists->y() + lists->height() + 1));
    }
}

struct WindowSizeCase {
    const char* label;
    QSize size;
};

class StartPageSizeTest : public OverviewTest, public ::testing::WithParamInterface<WindowSizeCase> {};

// Plates and buttons lie inside the body panel, below the button bar and
// inside the window, whatever size the window has.
TEST_P(StartPageSizeTest, PlatesAndButtonsStayVisible)
{
    window->setWindowState(Qt::WindowNoState);
    window->resize(GetParam().size);
    QCoreApplication::processEvents();
    ASSERT_EQ(window->size(), GetParam().size);
    QWidget* body = window->GetBodyPanel();
    const QRect bodyInWindow(body->mapTo(window.get(), QPoint(0, 0)), body->size());
    ASSERT_TRUE(window->rect().contains(bodyInWindow));
    QWidget* bar = window->findChild<QWidget*>("PanelTop");
    const QRect barInWindow(bar->mapTo(window.get(), QPoint(0, 0)), bar->size());
    for (const char* name : {"ImageMarkierungPVAnlagen", "ImageMarkierungListen", "SpeedButtonHaus3D",
                             "SpeedButtonPVAnlage", "SpeedButtonEigenverbrauch"}) {
        auto* w = overview->findChild<QWidget*>(name);
        ASSERT_NE(w, nullptr) << name;
        const QRect inWindow(w->mapTo(window.get(), QPoint(0, 0)), w->size());
        EXPECT_TRUE(bodyInWindow.contains(inWindow)) << name;
        EXPECT_FALSE(barInWindow.intersects(inWindow)) << name;
        EXPECT_TRUE(w->isVisible()) << name;
    }
}

INSTANTIATE_TEST_SUITE_P(Sizes, StartPageSizeTest,
                         ::testing::Values(WindowSizeCase{"800x600", {800, 600}},
                                           WindowSizeCase{"1000x700", {1000, 700}},
                                           WindowSizeCase{"1920x1080", {1920, 1080}}),
                         tandrel::test::CaseName{});

TEST_F(OverviewTest, MainWindowKeepsASensibleMinimumSize)
{
    EXPECT_GE(window->minimumWidth(), 800);
    EXPECT_GE(window->minimumHeight(), 600);
    window->setWindowState(Qt::WindowNoState);
    window->resize(300, 200);
    QCoreApplication::processEvents();
    EXPECT_GE(window->width(), 800);
}

// Runs `during` once the dialog of the next exec() is open.
template <class F>
void whenDialogOpen(F during)
{
    QTimer::singleShot(0, [during] {
        auto* dlg = qobject_cast<TBackgroundDlg*>(QApplication::activeModalWidget());
        ASSERT_NE(dlg, nullptr);
        during(*dlg);
    });
}

TEST_F(OverviewTest, BackgroundDialogSlotsAndHighlight)
{
    whenDialogOpen([](TBackgroundDlg& dlg) {
        EXPECT_EQ(dlg.windowTitle(), QStringLiteral("Hintergrund auswählen"));
        for (int slot = 1; slot <= 12; ++slot) {
            const int expected = (slot == 6 || slot == 11 || slot == 12) ? 0 : TBackgroundDlg::kSlotPictures[size_t(slot - 1)];
            EXPECT_EQ(dlg.SlotID(slot), expected) << slot;
        }
        EXPECT_TRUE(dlg.findChild<QWidget*>("Shape4")->isVisibleTo(&dlg));
        EXPECT_FALSE(dlg.findChild<QWidget*>("Shape1")->isVisibleTo(&dlg));
        // The 800 x 600 backgrounds are held at the thumbnail's size only.
        (void)dlg.grab();
        for (int slot = 1; slot <= 12; ++slot) {
            auto* image = dlg.findChild<TPictureLabel*>(QStringLiteral("Image%1").arg(slot));
            ASSERT_NE(image, nullptr) << slot;
            if (dlg.SlotID(slot) == 0)
                EXPECT_TRUE(image->ShownPixels().isNull()) << slot;
            else
                EXPECT_EQ(image->ShownPixels().size(), image->contentsRect().size()) << slot;
        }
        dlg.ClickSlot(2);
        EXPECT_TRUE(dlg.findChild<QWidget*>("Shape2")->isVisibleTo(&dlg));
        EXPECT_FALSE(dlg.findChild<QWidget*>("Shape4")->isVisibleTo(&dlg));
        dlg.accept();
    });
    overview->ChooseBackgroundPicture();
    EXPECT_EQ(overview->BackImageID, 3120);
    EXPECT_EQ(overview->BackImageLight, 1);
    EXPECT_EQ(background()->property("tag").toInt(), 3120);
}

TEST_F(OverviewTest, AnEmptySlotKeepsThePictureButStoresZero)
{
    whenDialogOpen([](TBackgroundDlg& dlg) {
        dlg.ClickSlot(6);
        EXPECT_EQ(dlg.GetSelectedID(), 0);
        dlg.accept();
    });
    overview->ChooseBackgroundPicture();
    EXPECT_EQ(overview->BackImageID, 0);
    EXPECT_EQ(background()->property("tag").toInt(), 3140);
    window->close();
    window.reset();
    MKontaloRegistry reg;
    EXPECT_EQ(reg.ReadInteger("overview", "BackImageID", -1), 0);
    EXPECT_EQ(reg.ReadInteger("overview", "BackImageLight", -1), 1);
    EXPECT_EQ(reg.ReadInteger("DlgBackground", "left", -1) >= 0, true);
}

TEST_F(OverviewTest, CancelChangesNothing)
{
    whenDialogOpen([](TBackgroundDlg& dlg) {
        dlg.ClickSlot(1);
        dlg.reject();
    });
    overview->ChooseBackgroundPicture();
    EXPECT_EQ(overview->BackImageID, 3140);
    EXPECT_EQ(overview->BackImageLight, 100);
}

TEST_F(OverviewTest, BackgroundColourFromTheColourDialog)
{
    dialogs.colorAnswers.push_back(QColor(10, 20, 30));
    overview->ChooseBackgroundColor();
    EXPECT_EQ(overview->BackColor, 10u | (20u << 8) | (30u << 16));
    dialogs.colorAnswers.push_back(std::nullopt);
    overview->ChooseBackgroundColor();
    EXPECT_EQ(overview->BackColor, 10u | (20u << 8) | (30u << 16));
    EXPECT_EQ(panelTop()->palette().color(QPalette::Window), QColor(10, 20, 30));
}

TEST_F(OverviewTest, ContextMenuLinks)
{
    // The calculator of the desktop, not a Windows program name.
    const QByteArray path = qgetenv("PATH");
    QFile calculator(tempDir.filePath("xcalc"));
    ASSERT_TRUE(calculator.open(QIODevice::WriteOnly));
    calculator.close();
    calculator.setPermissions(QFile::ReadOwner | QFile::ExeOwner);
    qputenv("PATH", tempDir.path().toLocal8Bit());
    for (const char* name : {"MenuTaschenrechner", "MenuFAQ"})
        overview->findChild<QAction*>(name)->trigger();
    qputenv("PATH", path);
    ASSERT_EQ(shell.opened.size(), 2);
    EXPECT_EQ(shell.opened[0], tempDir.filePath("xcalc"));
    shell.result = false;
    overview->findChild<QAction*>("MenuFAQ")->trigger();
    EXPECT_EQ(dialogs.messages, QStringList({QStringLiteral("Fehler beim Ausführen der Internet-Verknüpfung!")}));
}

TEST_F(OverviewTest, InfoDialogIsOneModelessWindow)
{
    overview->findChild<QAction*>("MenuSoftwareInfo")->trigger();
    window->findChild<QAction*>("HelpAbout1")->trigger();
    EXPECT_TRUE(info->isVisible());
    EXPECT_FALSE(info->isModal());
    EXPECT_EQ(window->findChildren<TInfoDialog1*>().size(), 1);
    auto* version = info->findChild<QLabel*>("VersionLabel");
    EXPECT_EQ(version->text(), QStringLiteral(" Version: 2012"));
    EXPECT_EQ(version->toolTip(), QStringLiteral(" Version 0.5.02"));
    EXPECT_EQ(info->findChild<QPlainTextEdit*>("MemoInfo")->toPlainText(),
              QStringLiteral("KEV in der Schweiz\nStand Januar 2012"));
    info->findChild<QPushButton*>("ButtonEMail")->click();
    EXPECT_TRUE(shell.opened.last().startsWith("mailto:"));
    info->findChild<QPushButton*>("ButtonOK")->click();
    EXPECT_FALSE(info->isVisible());
}

// Real mouse moves through the window system: over the picture it shows at
// its natural size, over the dialog's background it is stretched again.
TEST_F(OverviewTest, ProductPictureGrowsWhileTheMouseIsOverIt)
{
    info->ShowInfo();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(info));
    auto* picture = info->findChild<QLabel*>("ImageProduct");
    const QRect frame = picture->geometry();
    ASSERT_FALSE(picture->pixmap().isNull());
    ASSERT_NE(picture->pixmap().size(), frame.size());

    // Through the window system, as a real mouse: the event reaches the
    // widget under the point and then its parents.
    QWindow* handle = info->windowHandle();
    QTest::mouseMove(handle, frame.center() + QPoint(30, 0));
    QTest::mouseMove(handle, frame.center());
    QCoreApplication::processEvents();
    EXPECT_EQ(picture->size(), picture->pixmap().size());
    QTest::mouseMove(handle, frame.center() + QPoint(3, 4));
    QCoreApplication::processEvents();
    EXPECT_EQ(picture->size(), picture->pixmap().size());

    QTest::mouseMove(handle, QPoint(info->width() - 20, info->height() - 100));
    QCoreApplication::processEvents();
    EXPECT_EQ(picture->geometry(), frame);
}

TEST_F(OverviewTest, FrameListRightAfterStart)
{
    overview->PdfDump();
    ASSERT_EQ(shell.opened.size(), 1) << dialogs.messages.join('\n').toStdString();
    const QString file = shell.opened.first();
    EXPECT_TRUE(file.endsWith(QStringLiteral("FrameListe.pdf%1_1.pdf").arg(QDate::currentDate().year()))) << file.toStdString();
    tandrel::test::PdfReader pdf(file);
    ASSERT_TRUE(pdf.isOpen());
    EXPECT_EQ(pdf.pageCount(), 1);
    EXPECT_NEAR(pdf.pageSizeMm(0).width(), 212, 0.1);
    EXPECT_NEAR(pdf.pageSizeMm(0).height(), 299.8, 0.1);
    struct Expect {
        QString text;
        double x, y;
    };
    const QString date = QLocale().toString(QDate::currentDate(), QLocale::ShortFormat);
    const Expect rows[] = {{"Pravik Framelist Dokumentation", 18, 8},
                           {QStringLiteral("Datum:%1 Version: 2012 20").arg(date), 18, 14},
                           {"Frames (Anzahl: 0)", 18, 19},
                           {QStringLiteral("Name Übersicht ID: 1100"), 18, 36},
                           {QStringLiteral("Beschreibung Übersichtsseite zum Ansteuern der einzelnen Programmteile"), 18, 41},
                           {"Related1: 0 Related2: 0", 18, 47}};
    for (const Expect& e : rows) {
        auto box = pdf.findText(0, e.text);
        ASSERT_TRUE(box.has_value()) << e.text.toStdString() << " in " << pdf.pageText(0).toStdString();
        EXPECT_NEAR(box->mm.left(), e.x, 0.2) << e.text.toStdString();
        EXPECT_NEAR(box->mm.top(), e.y, 0.2) << e.text.toStdString();
    }
}

} // namespace
