#include "app/BaseFrameFactory.h"
#include "app/FInterfaceFrame.h"
#include "app/KontaloRegistry.h"
#include "drawing/DRepEigenschaftenDlg.h"
#include "drawing/FFlaecheRepDialogFrame.h"
#include "drawing/FGraphic3DFrame.h"
#include "drawing/FGruppeRepDialogFrame.h"
#include "drawing/PVElementeReps.h"
#include "drawing/PVFlaecheReps.h"
#include "tests/drawing_ui/GraphicFixture.h"
#include "tests/support/CaseName.h"

#include <QComboBox>
#include <QDir>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QScrollArea>
#include <QSlider>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <functional>
#include <numbers>

using namespace drawing_ui_test;

namespace {

// German number formats for the duration of a test.
class GermanLocale {
public:
    GermanLocale() { QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); }
    ~GermanLocale() { QLocale::setDefault(m_old); }

private:
    QLocale m_old;
};

std::vector<int> ModuleStates(MGruppeRep& group)
{
    std::vector<int> s;
    for (MBaseRep* r : group.Structure().Reps())
        s.push_back(static_cast<MPVModulRep*>(r)->ModulStatus * 2 + static_cast<MPVModulRep*>(r)->ModulInnerhalb);
    return s;
}

// A roof with a module group and a blocked area on it.
class RoofFrameTest : public PlanningFrameTest {
protected:
    void SetUp() override
    {
        PlanningFrameTest::SetUp();
        area = &structure().Create<MStandardFlaecheRep>(0, 0, 0.0, 0.0);
        area->Laenge1 = 20;
        area->Breite1 = 10;
        area->Innenabstand1 = 0.2;
        area->BuildOutline(0);
        group = &structure().Create<MGruppeRep>(0, 0, 1.0, 1.0);
        group->ElementBreite = 1;
        group->ElementHoehe = 1.6;
        group->RowCount = 2;
        group->ColCount = 12;
        group->RasterTyp = 2;
        group->BuildRaster();
        blocked = &structure().Create<MSperrFlaecheRep>(0, 0, 5.0, 2.0);
        blocked->BuildOutline(0);
        group->UpdateModuleStates(structure());
        frame->Paint();
    }
    // The states a fresh computation gives.
    std::vector<int> FreshStates()
    {
        group->UpdateModuleStates(structure());
        return ModuleStates(*group);
    }

    GermanLocale german;
    MStandardFlaecheRep* area = nullptr;
    MGruppeRep* group = nullptr;
    MSperrFlaecheRep* blocked = nullptr;
};

struct DialogCase {
    int selected;
    QString info; // "" for the one-representation line
};

std::string CaseLabel(const DialogCase& c)
{
    return std::to_string(c.selected) + "_selected";
}

class PropertiesDialogTest : public RoofFrameTest, public ::testing::WithParamInterface<DialogCase> {};

TEST_P(PropertiesDialogTest, TextsAndRepPage)
{
    const DialogCase c = GetParam();
    blocked->RepID = 7;
    MBaseRep* reps[] = {blocked, group};
    for (int i = 0; i < c.selected; ++i)
        selection().Add(reps[i]);
    {
        TRepEigenschaftenDlg dlg(frame);
        dlg.Setup(nullptr, selection());
        EXPECT_EQ(dlg.windowTitle(), QStringLiteral("Eigenschaften"));
        ASSERT_EQ(dlg.PageControl->count(), 4);
        EXPECT_EQ(dlg.PageControl->tabText(3), QStringLiteral("Rep"));
        EXPECT_EQ(dlg.LabelAnzahlReps->text(), QStringLiteral("Anzahl der Elemente: %1").arg(c.selected));
        if (c.selected == 1) {
            EXPECT_EQ(dlg.LabelRepInfos->text(), QStringLiteral("x: 5,000000  y:2,000000  RepID: 7"));
            ASSERT_TRUE(dlg.RepFrame());
            EXPECT_TRUE(qobject_cast<TFlaecheRepDialogFrame*>(dlg.RepFrame()));
            EXPECT_EQ(blocked->DialogFrame, dlg.RepFrame());
            EXPECT_EQ(dlg.RepFrame()->GetFrameID(), 22222);
            EXPECT_EQ(dlg.RepFrame()->GetFrameName(), QStringLiteral("Elementansicht"));
        } else {
            EXPECT_EQ(dlg.LabelRepInfos->text(), c.info);
            EXPECT_FALSE(dlg.RepFrame());
            EXPECT_TRUE(dlg.TabSheetRep->findChildren<TBaseFrame*>().isEmpty()) << "no Rep content";
        }
        dlg.move(333, 144);
    }
    EXPECT_EQ(blocked->DialogFrame, nullptr) << "the dialog frame went with the dialog";
    MKontaloRegistry reg;
    EXPECT_EQ(reg.ReadInteger(QStringLiteral("DlgRepEigenschaftenReg"), QStringLiteral("left"), 0), 333);
    EXPECT_EQ(reg.ReadInteger(QStringLiteral("DlgRepEigenschaftenReg"), QStringLiteral("top"), 0), 144);
}

INSTANTIATE_TEST_SUITE_P(Selections, PropertiesDialogTest,
                         ::testing::Values(DialogCase{0, QStringLiteral("Es wurde kein Objekt selektiert")},
                                           DialogCase{1, QString()},
                                           DialogCase{2, QStringLiteral("Es wurden mehrere Objekte selektiert")}),
                         tandrel::test::CaseName{});

TEST_F(RoofFrameTest, AreaDialogFrameAppliesTheOpenPage)
{
    std::unique_ptr<TBaseFrame> owned(blocked->CreateDialogFrame(nullptr, nullptr, nullptr));
    auto* dlg = qobject_cast<TFlaecheRepDialogFrame*>(owned.get());
    ASSERT_TRUE(dlg);
    EXPECT_EQ(dlg->EditRechteckLaenge1->text(), QStringLiteral("1,60"));
    EXPECT_EQ(dlg->EditAbstandAussen->text(), QStringLiteral("0,30"));
    EXPECT_EQ(dlg->PageControlForm->currentIndex(), 0);

    dlg->EditName1->setText(QStringLiteral("Kamin"));
    dlg->PageControlForm->setCurrentIndex(1);
    dlg->EditTrapezLaenge1->setText(QStringLiteral("3,00"));
    dlg->EditTrapezBreite1->setText(QStringLiteral("2,00"));
    dlg->EditTrapezLaenge2->setText(QStringLiteral("0,50"));
    dlg->EditTrapezLaenge3->setText(QStringLiteral("2,00"));
    dlg->EditAbstandAussen->setText(QStringLiteral("0,40"));
    dlg->EditAbstandInnen->setText(QStringLiteral("0,20"));
    auto* turnLabel = dlg->findChild<QLabel*>("LabelDrehrichtung");
    ASSERT_NE(turnLabel, nullptr);
    EXPECT_EQ(turnLabel->text(), QStringLiteral("Drehrichtung:"));
    EXPECT_EQ(turnLabel->buddy(), dlg->TrackBarFlaecheDrehrichtung);
    dlg->TrackBarFlaecheDrehrichtung->setValue(90);
    EXPECT_EQ(dlg->LabelDrehrichtungWert->text(), QStringLiteral("90°"));
    dialogs.colorAnswers.push_back(QColor(10, 20, 30));
    dlg->ButtonFarbeAussenClick();
    ASSERT_TRUE(dlg->ApplyRepFrame());

    EXPECT_EQ(blocked->Name1, QStringLiteral("Kamin"));
    EXPECT_EQ(blocked->FlaechenForm, 10);
    EXPECT_DOUBLE_EQ(blocked->Laenge1, 3);
    EXPECT_DOUBLE_EQ(blocked->Breite1, 2);
    EXPECT_DOUBLE_EQ(blocked->Laenge2, 0.5);
    EXPECT_DOUBLE_EQ(blocked->Laenge3, 2);
    EXPECT_DOUBLE_EQ(blocked->Aussenabstand, 0.4);
    EXPECT_DOUBLE_EQ(blocked->Innenabstand, 0.2);
    EXPECT_DOUBLE_EQ(blocked->Nordrichtung, 90);
    EXPECT_NEAR(blocked->Rotation, std::numbers::pi / 2, 1e-12);
    EXPECT_EQ(blocked->FillColor, tandrel::platform::rgbRef(10, 20, 30));
    // The outline is rebuilt: turned by 90°, the 3 × 2 area is 2 wide.
    EXPECT_NEAR(blocked->XSize, 2, 1e-9);
    EXPECT_NEAR(blocked->YSize, 3, 1e-9);
    const auto applied = ModuleStates(*group);
    EXPECT_EQ(applied, FreshStates());
}

TEST_F(RoofFrameTest, AreaInputThatIsNoNumberChangesNothing)
{
    std::unique_ptr<TBaseFrame> owned(blocked->CreateDialogFrame(nullptr, nullptr, nullptr));
    auto* dlg = qobject_cast<TFlaecheRepDialogFrame*>(owned.get());
    ASSERT_TRUE(dlg);
    dlg->EditName1->setText(QStringLiteral("Kamin"));
    dlg->EditRechteckLaenge1->setText(QStringLiteral("drei"));
    EXPECT_FALSE(dlg->ApplyRepFrame());
    EXPECT_EQ(dialogs.messages, QStringList{QStringLiteral("Bitte geben Sie eine Zahl ein, zum Beispiel 1,5.")});
    EXPECT_EQ(blocked->Name1, QString());
    EXPECT_DOUBLE_EQ(blocked->Laenge1, 1.6);
}

TEST_F(RoofFrameTest, GroupDialogFrameRebuildsTheRaster)
{
    std::unique_ptr<TBaseFrame> owned(group->CreateDialogFrame(nullptr, nullptr, nullptr));
    auto* dlg = qobject_cast<TGruppeRepDialogFrame*>(owned.get());
    ASSERT_TRUE(dlg);
    EXPECT_EQ(dlg->EditRowCount->text(), QStringLiteral("2"));
    EXPECT_EQ(dlg->EditColDistance->text(), QStringLiteral("0,05"));
    EXPECT_EQ(dlg->EditRowElevationAngle->text(), QStringLiteral("0,0"));
    EXPECT_EQ(dlg->ComboBoxRasterTyp->count(), 0);

    dlg->EditName1->setText(QStringLiteral("Süddach"));
    dlg->EditRowCount->setText(QStringLiteral("3"));
    dlg->EditColCount->setText(QStringLiteral("5"));
    dlg->EditColDistance->setText(QStringLiteral("0,10"));
    dlg->EditRowElevationAngle->setText(QStringLiteral("12,5"));
    ASSERT_TRUE(dlg->ApplyRepFrame());

    EXPECT_EQ(group->Name1, QStringLiteral("Süddach"));
    EXPECT_EQ(group->RowCount, 3);
    EXPECT_EQ(group->ColCount, 5);
    EXPECT_DOUBLE_EQ(group->RowElevationAngle, 12.5);
    EXPECT_EQ(group->RasterTyp, 2) << "the empty list keeps the raster type";
    EXPECT_EQ(group->Structure().Count(), 15);
    EXPECT_NEAR(group->XSize, 4 * 1.1 + 1, 1e-9);
    const auto applied = ModuleStates(*group);
    EXPECT_EQ(applied, FreshStates());
}

struct BadGroupInput {
    const char* edit;
    const char* text;
    const char* message;
};

std::string CaseLabel(const BadGroupInput& c)
{
    return c.edit;
}

class GroupInputTest : public RoofFrameTest, public ::testing::WithParamInterface<BadGroupInput> {};

// A refused input leaves every field and the raster as they were, even the
// fields read before it.
TEST_P(GroupInputTest, RefusedInputKeepsTheRaster)
{
    const BadGroupInput c = GetParam();
    std::unique_ptr<TBaseFrame> owned(group->CreateDialogFrame(nullptr, nullptr, nullptr));
    auto* dlg = qobject_cast<TGruppeRepDialogFrame*>(owned.get());
    ASSERT_TRUE(dlg);
    const std::vector<MBaseRep*> modules = group->Structure().Reps();
    dlg->EditRowCount->setText(QStringLiteral("4"));
    dlg->findChild<QLineEdit*>(QString::fromLatin1(c.edit))->setText(QString::fromUtf8(c.text));
    EXPECT_FALSE(dlg->ApplyRepFrame());
    EXPECT_EQ(dialogs.messages, QStringList{QString::fromUtf8(c.message)});
    EXPECT_EQ(group->RowCount, 2);
    EXPECT_EQ(group->ColCountPeriode, 10);
    EXPECT_EQ(group->Structure().Reps(), modules);
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, GroupInputTest,
    ::testing::Values(BadGroupInput{"EditRowDistance", "abc", "Bitte geben Sie eine Zahl ein, zum Beispiel 1,5."},
                      BadGroupInput{"EditColCount", "7,5", "Bitte geben Sie eine ganze Zahl ein."},
                      BadGroupInput{"EditColcountPeriode", "0",
                                    "'0' ist hier nicht zulässig: der Wert muss mindestens 1 sein."}),
    tandrel::test::CaseName{});

TEST_F(RoofFrameTest, DoubleClickOnTheSelectionOpensThePropertiesAndOkApplies)
{
    QTest::mouseClick(paintBox(), Qt::LeftButton, {}, Device(1.5, 1.5));
    ASSERT_EQ(selection().Count(), 1);
    ASSERT_EQ(selection().Items(0), group);
    bool seen = false;
    QTimer::singleShot(0, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        auto* dlg = qobject_cast<TRepEigenschaftenDlg*>(modal);
        if (!dlg) {
            if (modal)
                modal->close();
            return;
        }
        auto* repFrame = qobject_cast<TGruppeRepDialogFrame*>(dlg->RepFrame());
        if (!repFrame) {
            dlg->reject();
            return;
        }
        seen = true;
        repFrame->EditColCount->setText(QStringLiteral("3"));
        QTest::mouseClick(dlg->ButtonOK, Qt::LeftButton);
    });
    QTest::mouseDClick(paintBox(), Qt::LeftButton, {}, Device(1.5, 1.5));
    QTest::mouseRelease(paintBox(), Qt::LeftButton, {}, Device(1.5, 1.5));
    ASSERT_TRUE(seen);
    EXPECT_EQ(group->ColCount, 3);
    EXPECT_EQ(group->Structure().Count(), 6);
    // Selected anew: the handles follow the smaller group.
    ASSERT_EQ(selection().Handles().size(), 8u);
    EXPECT_NEAR(selection().Handles()[1]->X, 1 + group->XSize, 1e-9);
    ExpectClean();
}

TEST_F(RoofFrameTest, DeletingABlockedAreaSwitchesItsModulesBackOn)
{
    ASSERT_NE(ModuleStates(*group), std::vector<int>(24, 3));
    QTest::mouseClick(paintBox(), Qt::LeftButton, {}, Device(5, 2));
    ASSERT_EQ(selection().Count(), 1);
    ASSERT_EQ(selection().Items(0), blocked);
    frame->ActionRepLoeschen->trigger();
    EXPECT_EQ(ModuleStates(*group), std::vector<int>(24, 3));
    EXPECT_EQ(structure().IndexOf(blocked), -1);
}

TEST_F(PlanningFrameTest, EditCommandsDeleteAndSelectAll)
{
    Box(10, 10, 5, 5);
    Box(30, 10, 5, 5);
    EXPECT_FALSE(frame->CanEditCommand4());
    EXPECT_TRUE(frame->CanEditCommand8());
    frame->EditCommand8();
    EXPECT_EQ(selection().Count(), 2);
    EXPECT_TRUE(frame->CanEditCommand7());
    frame->EditCommand7();
    EXPECT_TRUE(selection().IsEmpty());
    EXPECT_TRUE(structure().IsEmpty());
    EXPECT_FALSE(frame->CanEditCommand8());
    frame->EditCommand2();
    EXPECT_EQ(dialogs.messages, QStringList{QStringLiteral("Jetzt sollte der Modellreport starten.")});
}

struct SaveCase {
    QString answer; // relative to the temporary folder; empty: cancel
    QString written;
    QByteArray format;
};

std::string CaseLabel(const SaveCase& c)
{
    return c.answer.isEmpty() ? std::string("cancel") : c.answer.toStdString();
}

class SavePictureTest : public PlanningFrameTest, public ::testing::WithParamInterface<SaveCase> {};

TEST_P(SavePictureTest, WritesWhereTheUserChose)
{
    const SaveCase c = GetParam();
    Box(10, 10, 5, 5, 0x0000C0);
    const QDir dir(tempDir.path());
    if (!c.answer.isEmpty())
        dialogs.saveAnswers.push_back(dir.filePath(c.answer));
    frame->Speichern1->trigger();
    EXPECT_EQ(dialogs.saveTitles.size(), 1);
    const QStringList pictures = dir.entryList({QStringLiteral("*.png"), QStringLiteral("*.bmp")}, QDir::Files);
    if (c.written.isEmpty()) {
        EXPECT_TRUE(pictures.isEmpty());
        return;
    }
    EXPECT_EQ(pictures, QStringList{c.written});
    QImageReader reader(dir.filePath(c.written));
    EXPECT_EQ(reader.format(), c.format);
    const QImage picture = reader.read();
    ASSERT_EQ(picture.size(), paintBox()->size());
    // The drawing is in the picture; the background fill is not.
    const QPoint p = Device(12, 12);
    EXPECT_EQ(picture.pixelColor(p), QColor(0xC0, 0, 0));
    EXPECT_EQ(picture.pixelColor(700, 300), QColor(Qt::white));
    ExpectClean();
}

INSTANTIATE_TEST_SUITE_P(
    Answers, SavePictureTest,
    ::testing::Values(SaveCase{QString(), QString(), {}},
                      SaveCase{QStringLiteral("dach.bmp"), QStringLiteral("dach.bmp"), "bmp"},
                      SaveCase{QStringLiteral("dach.png"), QStringLiteral("dach.png"), "png"},
                      SaveCase{QStringLiteral("dach"), QStringLiteral("dach.png"), "png"}),
    tandrel::test::CaseName{});

// Records where the save dialog starts.
class FolderDialogs final : public tandrel::platform::Dialogs {
public:
    QString dir;
    void showMessage(const QString&) override {}
    bool askYesNo(const QString&) override { return false; }
    std::optional<QColor> chooseColor(const QColor&) override { return std::nullopt; }
    QString getOpenFileName(const QString&, const QString&, const QString&) override { return {}; }
    QString getSaveFileName(const QString&, const QString& d, const QString&) override
    {
        dir = d;
        return {};
    }
    QString chooseFolder(const QString&, const QString&) override { return {}; }
};

class NoFramesFactory : public TBaseFrameFactory {
public:
    TBaseFrame* CreateFrame(int) override { return nullptr; }
};

TEST_F(PlanningFrameTest, SaveStartsInTheExportFolder)
{
    TInterfaceFrame workspace;
    workspace.ExportPath = tempDir.filePath(QStringLiteral("Export"));
    NoFramesFactory factory;
    factory.StartFactory(nullptr, &workspace);
    QWidget host2;
    auto* planning = new TAnlagePlanung2DFrame(&host2);
    planning->InitFrame(&host2, nullptr, &factory, TAnlagePlanung2DFrame::kFrameID);
    FolderDialogs folder;
    tandrel::platform::ScopedDialogs guard(folder);
    planning->SpeichernClick();
    EXPECT_EQ(folder.dir, workspace.ExportPath);
    planning->FinishFrame();
}

struct ColorCase {
    std::function<TGraphicFrame*(QWidget*)> create;
    int frameId;
    const char* section;
    tandrel::platform::ColorRef defaultColor;
};

std::string CaseLabel(const ColorCase& c)
{
    return c.section;
}

class BackColorTest : public tandrel::test::TestEnv, public ::testing::WithParamInterface<ColorCase> {};

TEST_P(BackColorTest, ChosenColourIsStoredAndUsedNextTime)
{
    const ColorCase c = GetParam();
    QWidget host;
    host.resize(400, 300);
    TGraphicFrame* first = c.create(&host);
    first->InitFrame(&host, nullptr, nullptr, c.frameId);
    EXPECT_EQ(first->BackColor(), c.defaultColor);
    dialogs.colorAnswers.push_back(QColor(1, 2, 3));
    first->ActionHintergrundfarbe->trigger();
    EXPECT_EQ(first->BackColor(), tandrel::platform::rgbRef(1, 2, 3));
    first->FinishFrame();
    delete first;

    MKontaloRegistry reg;
    EXPECT_EQ(reg.ReadInteger(QString::fromLatin1(c.section), QStringLiteral("BackColor"), 0),
              int(tandrel::platform::rgbRef(1, 2, 3)));
    TGraphicFrame* second = c.create(&host);
    second->InitFrame(&host, nullptr, nullptr, c.frameId);
    EXPECT_EQ(second->BackColor(), tandrel::platform::rgbRef(1, 2, 3));
    EXPECT_EQ(second->PaintBox->Canvas().Pixel(200, 38), tandrel::platform::rgbRef(1, 2, 3));
    second->FinishFrame();
}

INSTANTIATE_TEST_SUITE_P(
    Frames, BackColorTest,
    ::testing::Values(ColorCase{[](QWidget* p) -> TGraphicFrame* { return new TAnlagePlanung2DFrame(p); },
                                TAnlagePlanung2DFrame::kFrameID, "AnlagePlanung2D", 13169149},
                      ColorCase{[](QWidget* p) -> TGraphicFrame* { return new TGraphic3DFrame(p); },
                                TGraphic3DFrame::kFrameID, "Graphic2D", 15780518}),
    tandrel::test::CaseName{});

TEST(RulerTest, TenMetresOverSixHundredPixels)
{
    MVirtualView view;
    view.xdehnung2d = view.ydehnung2d = 60;
    view.xver2d = 4;    // world x 0 at the ruler's left end
    view.yver2d = 596;  // world y 0 at the vertical ruler's bottom
    const TRulerLayout r = TGraphicFrame::ComputeRulers(view, 608, 600);
    EXPECT_DOUBLE_EQ(r.Step, 1);
    ASSERT_EQ(r.HorzCount, 10);
    ASSERT_EQ(r.HorzTicks.size(), 11u);
    for (int k = 0; k <= 10; ++k) {
        EXPECT_EQ(r.HorzTicks[k].Pos, 4 + 60 * k);
        EXPECT_EQ(r.HorzTicks[k].Label, QString::asprintf("%2.0f", double(k)));
        EXPECT_EQ(r.HorzHalfTicks[k].Pos, 34 + 60 * k);
        EXPECT_TRUE(r.HorzHalfTicks[k].Label.isEmpty());
    }
    EXPECT_EQ(r.HorzTicks[3].Label, QStringLiteral(" 3"));
    // The vertical ruler: (596 - 42) / 60 = 9.23 m, 9 steps upwards from 0.
    ASSERT_EQ(r.VertCount, 9);
    EXPECT_EQ(r.VertTicks[0].Pos, 596);
    EXPECT_EQ(r.VertTicks[9].Pos, 596 - 540);
    EXPECT_EQ(r.VertHalfTicks[0].Pos, 566);
    EXPECT_EQ(r.VertTicks[9].Label, QStringLiteral(" 9"));
}

// A scale and offset whose vertical layout puts a tick into the gap between
// the two rulers: it must not be drawn, and no label may cross a box edge.
TEST_F(PlanningFrameTest, VerticalRulerStaysInsideItsBox)
{
    const int W = frame->ScrollBox->viewport()->width(), H = frame->height();
    view().xdehnung2d = view().ydehnung2d = 60;
    int stray = -1;
    for (int y0 = H - 4; y0 > H - 64 && stray < 0; --y0) {
        view().yver2d = y0;
        const TRulerLayout r = TGraphicFrame::ComputeRulers(view(), W, H);
        for (const auto* ticks : {&r.VertTicks, &r.VertHalfTicks})
            for (const TRulerTick& t : *ticks)
                if (t.Pos >= 36 && t.Pos <= 40)
                    stray = t.Pos;
    }
    ASSERT_GE(stray, 0) << "no layout with a tick between the rulers";
    frame->Paint();
    const MCanvas& c = frame->PaintBox->Canvas();
    EXPECT_NE(c.Pixel(8, stray), 0u) << "tick drawn between the rulers at y " << stray;
    for (int x = 5; x < 38; ++x) {
        for (int y = 35; y < 42; ++y)
            EXPECT_NE(c.Pixel(x, y), 0u) << x << ", " << y;
        for (int y = H - 3; y < std::min(H, c.Height()); ++y)
            EXPECT_NE(c.Pixel(x, y), 0u) << x << ", " << y;
    }
    // The box's edges stay whole lines.
    for (int y = 42; y < H - 4; ++y)
        EXPECT_EQ(c.Pixel(4, y), 0u) << y;
}

TEST_F(PlanningFrameTest, RulersAreDrawnAndZoom100SpansTheClientWidth)
{
    frame->Paint();
    const MCanvas& c = frame->PaintBox->Canvas();
    EXPECT_EQ(c.Pixel(4, 4), 0u);
    EXPECT_EQ(c.Pixel(20, 20), 0xC0C0C0u);
    view().SetWorldRect(0, 0, 40, 30);
    frame->Zoom(100);
    EXPECT_NEAR(view().WorldWidth() * view().xdehnung2d, frame->width(), 1e-9);
    EXPECT_DOUBLE_EQ(view().xdehnung2d, view().ydehnung2d);
}

} // namespace

namespace {

TEST_F(PlanningFrameTest, FollowsItsPanelAndRepaintsAtTheNewSize)
{
    Box(10, 10, 5, 5);
    frame->SetScrollRanges(0, 0);
    host.resize(640, 480);
    QApplication::processEvents();
    EXPECT_EQ(frame->size(), QSize(640, 480));
    EXPECT_EQ(frame->PaintBox->BackingStore().size(), QSize(640, 480));
    // The rulers were drawn for the new width.
    EXPECT_EQ(frame->PaintBox->Canvas().Pixel(640 - 5, 10), 0u);
    ExpectClean();
}

} // namespace
