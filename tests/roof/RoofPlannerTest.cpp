#include "app/FrameFactory.h"
#include "app/FrameIds.h"
#include "app/KontaloRegistry.h"
#include "app/Links.h"
#include "app/Pictures.h"
#include "drawing/FAnlagePlanung2DFrame.h"
#include "drawing/ModelRep.h"
#include "drawing/PVElementeReps.h"
#include "drawing/PVFlaecheReps.h"
#include "drawing/Canvas.h"
#include "drawing/FGraphic3DFrame.h"
#include "drawing/Reps3D.h"
#include "drawing/VirtualView.h"
#include "paperhouse/FPapierHausFrame.h"
#include "roof/FDachplanung2DFrame.h"
#include "roof/IRoofPlanner.h"
#include "roof/RoofObstacles.h"
#include "tests/support/CaseName.h"
#include "tests/support/FrameChild.h"
#include "tests/support/MainWindowStub.h"
#include "tests/support/CaseName.h"
#include "tests/support/TestEnv.h"
#include "widgets/ImageBox.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>
#include <algorithm>
#include <cmath>
#include <memory>

namespace {

using tandrel::test::Child;

// A roof planner of 1200 × 800 pixels in a shown (offscreen) window, without
// a factory: no paper house, so the roof is 12 m × 8 m. With the first
// module (1.0 m × 1.667 m, 1 cm gaps) that gives 11 columns × 4 rows.
class RoofPlannerTest : public tandrel::test::TestEnv {
protected:
    void SetUp() override { QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); }
    void TearDown() override
    {
        Finish();
        QLocale::setDefault(QLocale::c());
    }

    TDachplanung2DFrame& Start()
    {
        host = std::make_unique<QWidget>();
        host->resize(1200, 800);
        frame = new TDachplanung2DFrame(host.get());
        host->show();
        frame->InitFrame(host.get(), nullptr, nullptr, FrameId::Dachplanung2D);
        QApplication::processEvents();
        return *frame;
    }
    void Finish()
    {
        if (frame)
            frame->FinishFrame();
        frame = nullptr;
        host.reset();
    }

    MStructur& structure() { return *frame->Frame2D->Structure(); }
    MSperrFlaecheRep& Chimney(double x, double y, double w, double h)
    {
        auto& a = structure().Create<MSperrFlaecheRep>(0, 0, x, y);
        a.Laenge1 = w;
        a.Breite1 = h;
        a.BuildOutline(kFormRechteck);
        return a;
    }
    QString Text(QLabel* label) const { return label->text(); }

    std::unique_ptr<QWidget> host;
    TDachplanung2DFrame* frame = nullptr;
};

TEST_F(RoofPlannerTest, WithoutAPaperHouseTheRoofIsTwelveByEight)
{
    Start();
    EXPECT_DOUBLE_EQ(frame->RoofArea->Laenge1, 12);
    EXPECT_DOUBLE_EQ(frame->RoofArea->Breite1, 8);
    EXPECT_EQ(frame->ModuleGroup->ColCount, 11); // trunc(11.6 / 1.01)
    EXPECT_EQ(frame->ModuleGroup->RowCount, 4);  // trunc(7.6 / 1.677)
    EXPECT_EQ(frame->CountActiveModules(), 44);
    EXPECT_NEAR(frame->PlantPowerKWp(), 11.44, 1e-9);
    EXPECT_EQ(Text(frame->LabelAnzahlmodule), QStringLiteral("44 "));
    EXPECT_EQ(Text(frame->LabelAnlagenleistung), QStringLiteral("11,4 kWp"));
    EXPECT_EQ(Text(frame->LabelAnlagenleistung2), QStringLiteral("11,4 kWp"));
    EXPECT_EQ(Text(frame->LabelDachTraufe), QStringLiteral("Dach Traufeseite: 12,0 m"));
    EXPECT_EQ(Text(frame->LabelDachGiebel2), QStringLiteral("Dach Giebelseite: 8,0 m"));
    EXPECT_EQ(Text(frame->LabelModulleistung), QStringLiteral("260 Wp"));
    EXPECT_EQ(Text(frame->LabelModulbreite), QStringLiteral("Modulbreite:    1,000 m"));
    EXPECT_EQ(Text(frame->LabelModulHoehe), QStringLiteral("Modulhöhe:     1,667 m"));
    EXPECT_EQ(Text(frame->LabelModulhersteller), QStringLiteral("Solar Industries AG"));
    EXPECT_EQ(frame->GetFrameName(), QStringLiteral("Anlagenlayout 2D"));
}

TEST_F(RoofPlannerTest, ListsHoldTheCoveringsAndTheCatalogue)
{
    Start();
    ASSERT_EQ(frame->ComboBoxDacheindeckungAuswahl->count(), 9);
    EXPECT_EQ(frame->ComboBoxDacheindeckungAuswahl->itemText(0), QStringLiteral("Frankfurter Pfanne (klassisch rot)"));
    EXPECT_EQ(frame->ComboBoxDacheindeckungAuswahl->itemText(8), QStringLiteral("Biberschwanz (blau)"));
    ASSERT_EQ(frame->ComboBoxModulauswahl->count(), 3);
    EXPECT_EQ(frame->ComboBoxModulauswahl->itemText(0), QStringLiteral("SI M260 black (260 Wp)"));
    EXPECT_EQ(frame->ComboBoxModulauswahl->itemText(2), QStringLiteral("SI P240 dark blue (240 Wp)"));
    for (int i = 0; i < tandrel::roof::kCoveringCount; ++i)
        EXPECT_FALSE(frame->ImageDacheindeckung[i]->Picture.isNull()) << i;
    EXPECT_FALSE(frame->ImagePVModulSIblack->Picture.isNull());
    EXPECT_FALSE(frame->PageControlPlanung->isTabVisible(frame->PageControlPlanung->indexOf(frame->TabSheetWeitereInformationen)));
    for (QFrame* old : frame->PanelPVModul)
        EXPECT_FALSE(old->isVisible());
}

TEST_F(RoofPlannerTest, ChoosingACoveringSetsTheTilesOfTheRoof)
{
    Start();
    frame->ComboBoxDacheindeckungAuswahl->setCurrentIndex(6);
    EXPECT_EQ(frame->Model().Covering.Name, QStringLiteral("Biberschwanz (weinrot)"));
    EXPECT_DOUBLE_EQ(frame->RoofArea->TileWidth, 0.18);
    EXPECT_DOUBLE_EQ(frame->RoofArea->TileHeight, 0.32);
    EXPECT_DOUBLE_EQ(frame->RoofArea->TileOverlapX, 0);
    EXPECT_DOUBLE_EQ(frame->RoofArea->TileOverlapY, 0.2);
    EXPECT_TRUE(frame->ImageDacheindeckungverwendet->Picture == frame->ImageDacheindeckung[6]->Picture);
    EXPECT_EQ(frame->RoofArea->CoveringPicture, &frame->ImageDacheindeckungverwendet->Picture);
}

TEST_F(RoofPlannerTest, ClickingAModulePictureSelectsItsModuleAndGaps)
{
    Start();
    QTest::mouseClick(frame->ImagePVModulSIclassic, Qt::LeftButton);
    EXPECT_EQ(frame->ComboBoxModulauswahl->currentIndex(), 1);
    EXPECT_EQ(frame->Model().Module.Name, QStringLiteral("SI P240 classic"));
    EXPECT_DOUBLE_EQ(frame->ModuleGroup->ColDistance, 0.03);
    EXPECT_DOUBLE_EQ(frame->ModuleGroup->RowDistance, 0.03);
    EXPECT_EQ(frame->ModuleGroup->ColCount, 11); // trunc(11.6 / 1.03)
    EXPECT_EQ(frame->ModuleGroup->RowCount, 4);  // trunc(7.6 / 1.697)
    EXPECT_EQ(Text(frame->LabelAnlagenleistung), QStringLiteral("10,6 kWp"));
    EXPECT_TRUE(frame->ImagePVModulVerwendet->Picture == frame->ImagePVModulSIclassic->Picture);
    EXPECT_EQ(frame->ModuleGroup->ModulePicture, &frame->ImagePVModulVerwendet->Picture);
}

TEST_F(RoofPlannerTest, TwoRoofSidesDoubleCountAndPower)
{
    Start();
    frame->CheckBoxModuleauf2Dachseiten->setChecked(true);
    EXPECT_EQ(frame->CountActiveModules(), 88);
    EXPECT_EQ(Text(frame->LabelAnzahlmodule), QStringLiteral("88 (=44 mal 2)"));
    EXPECT_NEAR(frame->PlantPowerKWp(), 22.88, 1e-9);
    EXPECT_EQ(Text(frame->LabelAnlagenleistung), QStringLiteral("22,9 kWp"));
}

TEST_F(RoofPlannerTest, TheLinkLabelOpensTheMakersSite)
{
    Start();
    EXPECT_EQ(Text(frame->LabelLinkModulhersteller), QString::fromLatin1(links::kModuleMakerWebSite));
    QTest::mouseClick(frame->LabelLinkModulhersteller, Qt::LeftButton);
    EXPECT_EQ(shell.opened, QStringList{QString::fromLatin1(links::kModuleMakerWebSite)});
}

// ------------------------------------------------------------ zoom

struct ZoomCase {
    const char* label;
    const char* button;
    int percent;
};

class RoofZoomTest : public RoofPlannerTest, public ::testing::WithParamInterface<ZoomCase> {};

TEST_P(RoofZoomTest, ButtonsSetTheZoomOfTheFit)
{
    Start();
    const double fitted = frame->Frame2D->View()->xdehnung2d;
    auto* button = frame->findChild<QToolButton*>(QString::fromLatin1(GetParam().button));
    ASSERT_NE(button, nullptr);
    button->click();
    EXPECT_EQ(frame->Model().ZoomPercent, GetParam().percent);
    EXPECT_NEAR(frame->Frame2D->View()->xdehnung2d / fitted, GetParam().percent / 108.0, 1e-9);
    // Zoomed in, the paint box scrolls to all of the roof.
    MVirtualView& v = *frame->Frame2D->View();
    EXPECT_GE(frame->Frame2D->HorzScrollRange(), v.WorldToDeviceX(12));
    EXPECT_GE(frame->Frame2D->VertScrollRange(), v.WorldToDeviceY(0));
}

INSTANTIATE_TEST_SUITE_P(Buttons, RoofZoomTest,
                         ::testing::Values(ZoomCase{"hundred_is_108", "SpeedButtonAnzeige100", 108},
                                           ZoomCase{"two_hundred", "SpeedButtonAnzeige200", 200},
                                           ZoomCase{"three_hundred", "SpeedButtonAnzeige300", 300}),
                         [](const auto& info) { return std::string(info.param.label); });

// ------------------------------------------------------------ preview

TEST_F(RoofPlannerTest, ThePreviewOfTheCatalogueModuleIs48By80)
{
    Start();
    EXPECT_EQ(frame->ShapeModulAnzeige->size(), QSize(48, 80));
}

// ------------------------------------------------------------ blocked areas

TEST_F(RoofPlannerTest, BlockedAreasSwitchOffExactlyTheModulesTheyReach)
{
    Start();
    // Modules lie at x = 0.201 + 1.01 c, y = 0.201 + 1.677 r.
    // Over the gap between columns 2 and 3 of the first row: two modules.
    Chimney(3.226, 1.0, 0.4, 0.4);
    // Right of the last column: only its outer distance reaches column 10 of row 2.
    Chimney(11.65, 4.4, 0.2, 0.2);
    // Above the raster: nothing.
    Chimney(6.0, 7.6, 0.2, 0.2);
    frame->RefreshFrame();
    EXPECT_EQ(frame->CountActiveModules(), 41);
    EXPECT_EQ(Text(frame->LabelAnzahlmodule), QStringLiteral("41 "));
    EXPECT_EQ(Text(frame->LabelAnlagenleistung), QStringLiteral("10,7 kWp"));
    std::vector<std::pair<int, int>> off;
    for (MBaseRep* r : frame->ModuleGroup->Structure().Reps()) {
        auto* m = static_cast<MPVModulRep*>(r);
        if (m->ModulStatus == 0)
            off.emplace_back(m->RowNr, m->ColNr);
    }
    EXPECT_EQ(off, (std::vector<std::pair<int, int>>{{0, 2}, {0, 3}, {2, 10}}));
}

TEST_F(RoofPlannerTest, DraggingABlockedAreaUpdatesTheLabelsAtOnce)
{
    Start();
    MSperrFlaecheRep& chimney = Chimney(6.0, 7.6, 0.4, 0.4);
    frame->RefreshFrame();
    ASSERT_EQ(Text(frame->LabelAnzahlmodule), QStringLiteral("44 "));
    MVirtualView& v = *frame->Frame2D->View();
    QWidget* box = frame->Frame2D->PaintBox;
    const QPoint from(v.WorldToDeviceX(6.0), v.WorldToDeviceY(7.6));
    // Down onto the gap between columns 5 and 6 of the top row.
    const QPoint to(v.WorldToDeviceX(6.256), v.WorldToDeviceY(5.9));
    QTest::mouseClick(box, Qt::LeftButton, {}, from);
    QTest::mousePress(box, Qt::LeftButton, {}, from);
    QTest::mouseMove(box, (from + to) / 2);
    QTest::mouseMove(box, to);
    QTest::mouseRelease(box, Qt::LeftButton, {}, to);
    QApplication::processEvents();
    ASSERT_LT(chimney.YPos, 6.5) << "the area was dragged";
    EXPECT_EQ(frame->CountActiveModules(), 42);
    EXPECT_EQ(Text(frame->LabelAnzahlmodule), QStringLiteral("42 "));
    EXPECT_EQ(Text(frame->LabelAnlagenleistung), QStringLiteral("10,9 kWp"));
}

TEST_F(RoofPlannerTest, ADeletedModuleGroupCountsNoModules)
{
    Start();
    frame->Frame2D->SelectOnly(frame->ModuleGroup);
    frame->Frame2D->RepLoeschenClick();
    frame->RefreshFrame();
    EXPECT_EQ(frame->CountActiveModules(), 0);
    EXPECT_EQ(Text(frame->LabelAnlagenleistung), QStringLiteral("0,0 kWp"));
}

// ------------------------------------------------------------ settings

TEST_F(RoofPlannerTest, SettingsRoundTrip)
{
    Start();
    EXPECT_EQ(frame->UpDownColCountPeriode->value(), 12);
    EXPECT_EQ(frame->Frame2D->BackColor(), 13169149u);
    frame->ComboBoxDacheindeckungAuswahl->setCurrentIndex(3);
    frame->ComboBoxModulauswahl->setCurrentIndex(2);
    frame->UpDownColCountPeriode->setValue(5);
    frame->CheckBoxModuleauf2Dachseiten->setChecked(true);
    dialogs.colorAnswers.push_back(QColor(10, 20, 30));
    frame->HintergrundfarbeClick();
    EXPECT_EQ(frame->ShapeHintergrund->Color(), tandrel::platform::rgbRef(10, 20, 30));
    Finish();
    {
        MKontaloRegistry reg;
        const QString s = QString::fromLatin1(TDachplanung2DFrame::kSection);
        EXPECT_EQ(reg.ReadInteger(s, QStringLiteral("DacheindeckungNummer"), -9), 3);
        EXPECT_EQ(reg.ReadInteger(s, QStringLiteral("ModulNummer"), -9), 2);
        EXPECT_EQ(reg.ReadInteger(s, QStringLiteral("ColCountPeriode"), -9), 5);
        EXPECT_TRUE(reg.ReadBool(s, QStringLiteral("ModuleAuf2Dachseiten"), false));
        EXPECT_EQ(reg.ReadInteger(s, QStringLiteral("ColorHintergrund"), -9), int(tandrel::platform::rgbRef(10, 20, 30)));
    }
    Start();
    EXPECT_EQ(frame->ComboBoxDacheindeckungAuswahl->currentIndex(), 3);
    EXPECT_EQ(frame->Model().Covering.Name, QStringLiteral("Frankfurter Pfanne (grau)"));
    EXPECT_EQ(frame->Model().Module.Name, QStringLiteral("SI P240 dark blue"));
    EXPECT_EQ(frame->UpDownColCountPeriode->value(), 5);
    EXPECT_EQ(frame->ModuleGroup->ColCountAnfang, 5);
    EXPECT_TRUE(frame->CheckBoxModuleauf2Dachseiten->isChecked());
    EXPECT_EQ(frame->Frame2D->BackColor(), tandrel::platform::rgbRef(10, 20, 30));
}

struct StoredCase {
    const char* label;
    int covering, module;
    bool coveringKnown, moduleKnown;
};

class StoredIndexTest : public RoofPlannerTest, public ::testing::WithParamInterface<StoredCase> {};

// Indices outside the lists give "Ziegel" with the Frankfurter Pfanne
// geometry and the test module, and leave the pictures as they were.
TEST_P(StoredIndexTest, OutOfRangeIndicesFallBack)
{
    {
        MKontaloRegistry reg;
        reg.WriteInteger(QString::fromLatin1(TDachplanung2DFrame::kSection), QStringLiteral("DacheindeckungNummer"),
                         GetParam().covering);
        reg.WriteInteger(QString::fromLatin1(TDachplanung2DFrame::kSection), QStringLiteral("ModulNummer"),
                         GetParam().module);
    }
    Start();
    if (GetParam().coveringKnown) {
        EXPECT_EQ(frame->Model().Covering.Name, frame->ComboBoxDacheindeckungAuswahl->itemText(GetParam().covering));
    } else {
        EXPECT_EQ(frame->Model().Covering.Name, QStringLiteral("Ziegel"));
        EXPECT_DOUBLE_EQ(frame->Model().Covering.TileWidth, 0.33);
        EXPECT_DOUBLE_EQ(frame->Model().Covering.TileHeight, 0.42);
        EXPECT_DOUBLE_EQ(frame->Model().Covering.TileOverlapX, 0.03);
        EXPECT_DOUBLE_EQ(frame->Model().Covering.TileOverlapY, 0.021);
        // The picture stays the last one the list filling chose.
        EXPECT_TRUE(frame->ImageDacheindeckungverwendet->Picture == frame->ImageDacheindeckung[8]->Picture);
    }
    if (GetParam().moduleKnown) {
        EXPECT_EQ(frame->Model().ModuleIndex, GetParam().module);
    } else {
        EXPECT_EQ(frame->Model().Module.Name, QStringLiteral("Test-Modul"));
        EXPECT_EQ(frame->Model().Module.Maker, QStringLiteral("Test-Hersteller"));
        EXPECT_DOUBLE_EQ(frame->Model().Module.Width, 0.8);
        EXPECT_DOUBLE_EQ(frame->Model().Module.Height, 1.401);
        EXPECT_DOUBLE_EQ(frame->Model().Module.PowerWp, 180);
        EXPECT_EQ(frame->Model().Module.MakerLogoKey, 220) << "unchanged";
        EXPECT_TRUE(frame->ImagePVModulVerwendet->Picture == frame->ImagePVModulSIDarkblue->Picture) << "unchanged";
        // 0.8 m × 1.401 m with the last module's 3 cm gaps: trunc(11.6 / 0.83) × trunc(7.6 / 1.431)
        EXPECT_EQ(frame->CountActiveModules(), 13 * 5);
        EXPECT_EQ(Text(frame->LabelAnlagenleistung), QStringLiteral("11,7 kWp"));
    }
}

INSTANTIATE_TEST_SUITE_P(Indices, StoredIndexTest,
                         ::testing::Values(StoredCase{"covering_nine", 9, 0, false, true},
                                           StoredCase{"covering_negative", -1, 1, false, true},
                                           StoredCase{"module_three", 2, 3, true, false},
                                           StoredCase{"both_far_out", 4711, -5, false, false}),
                         [](const auto& info) { return std::string(info.param.label); });

// ------------------------------------------------------------ rendering

TEST_F(RoofPlannerTest, RenderRoofPictureDrawsTheRoofTenTimesFiner)
{
    Start();
    MVirtualView& v = *frame->Frame2D->View();
    const int w = v.WorldToDeviceX(12) - v.WorldToDeviceX(0), h = v.WorldToDeviceY(0) - v.WorldToDeviceY(8);
    const int width = frame->ImagePrint->width();
    frame->RenderRoofPicture(true);
    const QImage withModules = frame->ImagePrint->Picture;
    EXPECT_EQ(withModules.width(), width * 10 + 1);
    EXPECT_EQ(withModules.height(), std::lround(double(h) * width * 10 / w) + 1);
    EXPECT_EQ(frame->ImagePrint->height(), std::lround(double(h) * width / w));
    EXPECT_TRUE(frame->ModuleGroup->ShowModules) << "restored";

    // World point to picture pixel: the roof fills the picture.
    auto at = [&](const QImage& img, double x, double y) {
        return QColor(img.pixel(int(x / 12 * (img.width() - 1)), int((1 - y / 8) * (img.height() - 1))));
    };
    auto isModule = [](QColor c) { return c.red() < 70 && c.green() < 70 && c.blue() < 90; };
    auto isTile = [](QColor c) { return c.red() > c.green() + 10 && c.red() > c.blue() + 10; };
    // The centre of the first module and of the last one, and free roof.
    EXPECT_TRUE(isModule(at(withModules, 0.701, 1.0345)));
    EXPECT_TRUE(isModule(at(withModules, 10.801, 5.9)));
    EXPECT_TRUE(isTile(at(withModules, 11.7, 7.7)));
    EXPECT_TRUE(isTile(at(withModules, 0.1, 0.1)));

    frame->RenderRoofPicture(false);
    const QImage bare = frame->ImagePrint->Picture;
    EXPECT_TRUE(isTile(at(bare, 0.701, 1.0345)));
    EXPECT_TRUE(isTile(at(bare, 10.801, 5.9)));
    EXPECT_TRUE(frame->ModuleGroup->ShowModules);

    // A chimney shows (grey) with the modules; the bare side is the other
    // roof side, so it has only the covering there, and the chimney stays.
    frame->PlaceObstacle(0, 6.0, 4.0);
    auto isGrey = [](QColor c) { return c == QColor(0xA0, 0xA0, 0xA0); };
    frame->RenderRoofPicture(true);
    EXPECT_TRUE(isGrey(at(frame->ImagePrint->Picture, 6.0, 4.0)));
    frame->RenderRoofPicture(false);
    EXPECT_TRUE(isTile(at(frame->ImagePrint->Picture, 6.0, 4.0)));
    ASSERT_EQ(frame->Obstacles().size(), 1u);
    EXPECT_EQ(frame->Obstacles()[0].Outline.size(), 4u);
    frame->RenderRoofPicture(true);
    EXPECT_TRUE(isGrey(at(frame->ImagePrint->Picture, 6.0, 4.0))) << "the outline is back";
}

struct InterfaceCase {
    const char* label;
    bool twoSides;
    int maxWidth;
};

class RoofPlannerInterfaceTest : public RoofPlannerTest, public ::testing::WithParamInterface<InterfaceCase> {};

// Other frames get the print pictures as their own: the same pixels as the
// planner's print picture, which stays untouched.
TEST_P(RoofPlannerInterfaceTest, GivesThePrintPicturesAndLeavesTheFramesOwn)
{
    Start();
    frame->CheckBoxModuleauf2Dachseiten->setChecked(GetParam().twoSides);
    auto* planner = qobject_cast<IRoofPlanner*>(static_cast<QObject*>(frame));
    ASSERT_NE(planner, nullptr);
    EXPECT_EQ(planner->ModulesOnTwoRoofSides(), GetParam().twoSides);
    EXPECT_EQ(planner->CountActiveModules(), GetParam().twoSides ? 88 : 44);
    const TRoofModuleData module = planner->ModuleData();
    EXPECT_EQ(module.Name, QStringLiteral("SI M260 black"));
    EXPECT_EQ(module.Internet, QString::fromLatin1(links::kModuleMakerWebSite));
    EXPECT_DOUBLE_EQ(module.PowerWp, 260);
    EXPECT_EQ(module.MakerLogoKey, 220);
    EXPECT_TRUE(module.Picture == frame->ImagePVModulSIblack->Picture);

    const TRoofPictures pictures = planner->RenderRoofPictures(GetParam().maxWidth);
    EXPECT_TRUE(frame->ImagePrint->Picture.isNull());
    EXPECT_TRUE(frame->ModuleGroup->ShowModules) << "restored";
    ASSERT_FALSE(pictures.RoofWithModules.isNull());
    if (GetParam().maxWidth > 0)
        EXPECT_EQ(pictures.RoofWithModules.width(), GetParam().maxWidth + 1);
    frame->RenderRoofPicture(true, GetParam().maxWidth);
    EXPECT_TRUE(pictures.RoofWithModules == frame->ImagePrint->Picture);
    frame->RenderRoofPicture(false, GetParam().maxWidth);
    if (GetParam().twoSides) {
        EXPECT_EQ(pictures.RoofSecondSide.cacheKey(), pictures.RoofWithModules.cacheKey()) << "one picture for both";
    } else {
        EXPECT_TRUE(pictures.RoofSecondSide == frame->ImagePrint->Picture);
        EXPECT_FALSE(pictures.RoofSecondSide == pictures.RoofWithModules) << "the upper plane has no modules";
    }
}

INSTANTIATE_TEST_SUITE_P(Sides, RoofPlannerInterfaceTest,
                         ::testing::Values(InterfaceCase{"one_side", false, 0},
                                           InterfaceCase{"two_sides", true, 0},
                                           InterfaceCase{"one_side_for_a_page", false, 1500}),
                         [](const auto& info) { return std::string(info.param.label); });

// ------------------------------------------------------------ with the paper house

// The real factory: showing the roof planner creates the paper house hidden.
class RoofWithHouseTest : public tandrel::test::TestEnv {
protected:
    void SetUp() override
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        window.body.resize(1200, 800);
        window.body.show();
        factory.StartFactory(&window, nullptr);
        factory.ShowFrame(FrameId::Dachplanung2D);
        QApplication::processEvents();
        roof = qobject_cast<TDachplanung2DFrame*>(factory.FindFrame(FrameId::Dachplanung2D));
        house = qobject_cast<TPapierHausFrame*>(factory.FindFrame(FrameId::PapierHaus));
        ASSERT_NE(roof, nullptr);
        ASSERT_NE(house, nullptr);
    }
    void TearDown() override
    {
        factory.ShutdownFactory();
        QLocale::setDefault(QLocale::c());
    }
    // House measures in metres as typed into the paper house.
    void SetHouse(double length, double width, double overhangX, double overhangY)
    {
        const QLocale l;
        Child<QLineEdit>(*house, "EditHausLaenge")->setText(l.toString(length));
        Child<QLineEdit>(*house, "EditHausBreite")->setText(l.toString(width));
        Child<QLineEdit>(*house, "EditDachUeberstandX")->setText(l.toString(overhangX));
        Child<QLineEdit>(*house, "EditDachUeberstandY")->setText(l.toString(overhangY));
        house->EditHausLaengeChange();
        roof->RefreshFrame();
    }

    tandrel::test::MainWindowStub window;
    TFrameFactory factory;
    TDachplanung2DFrame* roof = nullptr;
    TPapierHausFrame* house = nullptr;
};

TEST_F(RoofWithHouseTest, ThePaperHouseIsCreatedHiddenAndTheRoofPlannerShown)
{
    EXPECT_FALSE(house->isVisible());
    EXPECT_TRUE(roof->isVisible());
    EXPECT_EQ(roof->PaperHouse, house);
}

struct RoofCase {
    const char* label;
    double length, width, overhangX, overhangY; // the house, m
    bool twoSides;
    int cols, rows;
    const char* count;
    const char* power;
};

class RoofCaseTest : public RoofWithHouseTest, public ::testing::WithParamInterface<RoofCase> {};

TEST_P(RoofCaseTest, RasterCountAndPower)
{
    const RoofCase& c = GetParam();
    if (c.length > 0)
        SetHouse(c.length, c.width, c.overhangX, c.overhangY);
    roof->CheckBoxModuleauf2Dachseiten->setChecked(c.twoSides);
    EXPECT_DOUBLE_EQ(roof->RoofArea->Laenge1, house->RoofEavesSideLength());
    EXPECT_DOUBLE_EQ(roof->RoofArea->Breite1, house->RoofGableSideLength());
    EXPECT_EQ(roof->ModuleGroup->ColCount, c.cols);
    EXPECT_EQ(roof->ModuleGroup->RowCount, c.rows);
    EXPECT_GE(roof->CountActiveModules(), 0);
    EXPECT_EQ(roof->LabelAnzahlmodule->text(), QString::fromUtf8(c.count));
    EXPECT_EQ(roof->LabelAnlagenleistung->text(), QString::fromUtf8(c.power));
    EXPECT_GE(roof->PlantPowerKWp(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Roofs, RoofCaseTest,
    ::testing::Values(
        // The default house: roof 11.2 m × 4.757 m.
        RoofCase{"default_house", 0, 0, 0, 0, false, 10, 2, "20 ", "5,2 kWp"},
        RoofCase{"default_two_sides", 0, 0, 0, 0, true, 10, 2, "40 (=20 mal 2)", "10,4 kWp"},
        // The shortest house the paper house takes, 2 m: room for one column.
        RoofCase{"shortest_house_one_column", 2, 7.2, 0, 0.6, false, 1, 2, "2 ", "0,5 kWp"},
        // Gable side 0.5 / cos 30° m, without overhang: no row.
        RoofCase{"too_low_for_a_row", 10, 1, 0.6, 0, true, 10, 0, "0 (=0 mal 2)", "0,0 kWp"}),
    [](const auto& info) { return std::string(info.param.label); });

TEST_F(RoofWithHouseTest, ColoursAreSharedWithThePaperHouseBothWays)
{
    using tandrel::platform::rgbRef;
    // The paper house's colours reach the roof and the modules.
    house->SetRoofColors(rgbRef(90, 40, 30), rgbRef(20, 30, 120));
    roof->RefreshFrame();
    EXPECT_EQ(roof->ShapeDach->Color(), rgbRef(90, 40, 30));
    EXPECT_EQ(roof->ShapeSolar->Color(), rgbRef(20, 30, 120));
    EXPECT_EQ(roof->RoofArea->FillColor, rgbRef(90, 40, 30));
    EXPECT_EQ(roof->RoofArea->AuxColor2, rgbRef(90, 40, 30));
    EXPECT_EQ(roof->ModuleGroup->FillColor, rgbRef(20, 30, 120));
    EXPECT_EQ(roof->ShapeModulAnzeige->Color(), rgbRef(20, 30, 120));

    // This frame's buttons write them back to the paper house.
    dialogs.colorAnswers.push_back(QColor(200, 100, 50));
    roof->DachfarbeClick();
    EXPECT_EQ(Child<TColorShape>(*house, "ShapeDach")->Color(), rgbRef(200, 100, 50));
    EXPECT_EQ(roof->RoofArea->FillColor, rgbRef(200, 100, 50));
    dialogs.colorAnswers.push_back(QColor(0, 0, 0));
    roof->SolarfarbeClick();
    EXPECT_EQ(Child<TColorShape>(*house, "ShapeSolar")->Color(), rgbRef(0, 0, 0));
    EXPECT_EQ(roof->ModuleGroup->FillColor, rgbRef(0, 0, 0));
    // Cancelled: nothing changes.
    roof->DachfarbeClick();
    EXPECT_EQ(Child<TColorShape>(*house, "ShapeDach")->Color(), rgbRef(200, 100, 50));
}

struct Obstacle3DCase {
    const char* label;
    int kind;        // tool index: 0 chimney, 1 roof window, 3 vent
    double x, y;     // centre on the roof, m from the left gable and the eaves
    int faces;       // added to the building
    bool standsUp;   // a level top above the roof
};

class Obstacle3DTest : public RoofWithHouseTest, public ::testing::WithParamInterface<Obstacle3DCase> {};

// An obstacle placed in the roof planner stands on the paper house's front
// roof plane in the 3D view: its grey lid (a chimney's 0.8 m above its
// highest corner) shows where the view projects it.
TEST_P(Obstacle3DTest, StandsOnTheRoofInThe3DView)
{
    const Obstacle3DCase& c = GetParam();
    const int before = [&] {
        factory.ShowFrame(FrameId::PapierHaus);
        QApplication::processEvents();
        return house->Building()->Structure().Count();
    }();
    factory.ShowFrame(FrameId::Dachplanung2D);
    roof->PlaceObstacle(c.kind, c.x, c.y);
    ASSERT_EQ(roof->Obstacles().size(), 1u);
    factory.ShowFrame(FrameId::PapierHaus);
    Child<QTabWidget>(*house, "PageControlPapierHaus")->setCurrentIndex(1);
    QApplication::processEvents();
    house->Elevation3DFrame()->Paint();

    const MGebaeudeRep& b = *house->Building();
    ASSERT_EQ(b.Structure().Count(), before + c.faces);
    // The lid: the obstacle's face in the light grey.
    const MFlaeche3DRep* lid = nullptr;
    for (MBaseRep* r : b.Structure().Reps())
        if (auto* f = dynamic_cast<MFlaeche3DRep*>(r); f && f->FillColor == 0xA0A0A0)
            lid = f;
    ASSERT_NE(lid, nullptr);
    const double lowest = *std::min_element(lid->Z.begin(), lid->Z.end());
    const double highest = *std::max_element(lid->Z.begin(), lid->Z.end());
    EXPECT_EQ(highest - lowest < 1e-9, c.standsUp) << "a chimney's top is level, a window follows the slope";
    // On the front plane (towards +y) between the eaves and the ridge.
    const double H = b.GebaeudeHoehe, ridge = H + b.ComputeRoofShape().RidgeHeight;
    EXPECT_GT(lowest, H);
    EXPECT_LT(highest, ridge + (c.standsUp ? 0.8 + 1e-9 : 0.1));
    double cx = 0, cy = 0, cz = 0;
    for (std::size_t i = 0; i < lid->X.size(); ++i) {
        cx += lid->X[i] / double(lid->X.size());
        cy += lid->Y[i] / double(lid->X.size());
        cz += lid->Z[i] / double(lid->X.size());
    }
    EXPECT_GT(cy, 0);
    // Left of the house's middle for an obstacle left of the roof's middle.
    EXPECT_EQ(cx < 0, c.x < house->RoofEavesSideLength() / 2);

    const MVirtualView& view = *house->Elevation3DFrame()->View();
    const QImage& image = house->Elevation3DFrame()->PaintBox->Canvas().Image();
    const QPoint p(view.ProjectX(cx, cy), view.ProjectY(cx, cy, cz));
    ASSERT_TRUE(image.rect().contains(p)) << p.x() << "," << p.y();
    EXPECT_EQ(QColor(image.pixel(p)), QColor(0xA0, 0xA0, 0xA0)) << p.x() << "," << p.y();
}

// The default house's roof is 11.2 m × 4.757 m.
INSTANTIATE_TEST_SUITE_P(Kinds, Obstacle3DTest,
                         ::testing::Values(Obstacle3DCase{"chimney", 0, 3.0, 2.5, 5, true},
                                           Obstacle3DCase{"roof_window", 1, 8.0, 2.0, 1, false},
                                           Obstacle3DCase{"vent", 3, 5.5, 3.8, 1, false}),
                         [](const auto& info) { return std::string(info.param.label); });

TEST_F(RoofWithHouseTest, ShowingTheRoofPlannerAgainReadsTheChangedHouse)
{
    Child<QLineEdit>(*house, "EditHausLaenge")->setText(QStringLiteral("14"));
    house->EditHausLaengeChange();
    factory.ShowFrame(FrameId::PapierHaus);
    factory.ShowFrame(FrameId::Dachplanung2D);
    EXPECT_DOUBLE_EQ(roof->RoofArea->Laenge1, 15.2);
    EXPECT_EQ(roof->LabelDachTraufe->text(), QStringLiteral("Dach Traufeseite: 15,2 m"));
}

TEST_F(RoofWithHouseTest, ANarrowHighRoofRendersAPictureOfBoundedSize)
{
    // Eaves side 2 m (the shortest house) against a gable side of 65.7 m.
    SetHouse(2, 100, 0, 8);
    roof->RenderRoofPicture(true);
    const QImage& picture = roof->ImagePrint->Picture;
    ASSERT_FALSE(picture.isNull());
    EXPECT_LE(picture.height(), tandrel::roof::kMaxPrintSide + 1);
    EXPECT_GT(picture.height(), tandrel::roof::kMaxPrintSide - 100);
    EXPECT_NEAR(double(picture.height()) / picture.width(), 32.9, 7) << "the roof's proportions, roughly";
}

// What other frames read (the paper house's legend, the yield) follows the
// orientation: the module as laid. On the 12 m × 8 m roof (usable 11.6 m ×
// 7.6 m) the first module across is 1.667 m × 1.0 m: trunc(11.6 / 1.677) = 6
// columns, trunc(7.6 / 1.01) = 7 rows.
struct OrientationCase {
    const char* label;
    bool across;
    double laidWidth, laidHeight;
    int cols, rows;
};

class RoofOrientationTest : public RoofPlannerTest, public ::testing::WithParamInterface<OrientationCase> {};

TEST_P(RoofOrientationTest, TheRasterThePreviewAndTheInterfaceFollow)
{
    const OrientationCase& c = GetParam();
    Start();
    (c.across ? frame->RadioButtonQuer : frame->RadioButtonHochkant)->click();
    EXPECT_DOUBLE_EQ(frame->ModuleGroup->ElementBreite, c.laidWidth);
    EXPECT_DOUBLE_EQ(frame->ModuleGroup->ElementHoehe, c.laidHeight);
    EXPECT_EQ(frame->ModuleGroup->ColCount, c.cols);
    EXPECT_EQ(frame->ModuleGroup->RowCount, c.rows);
    EXPECT_EQ(frame->CountActiveModules(), c.cols * c.rows);
    const TRoofModuleData d = static_cast<IRoofPlanner*>(frame)->ModuleData();
    EXPECT_DOUBLE_EQ(d.Width, c.laidWidth);
    EXPECT_DOUBLE_EQ(d.Height, c.laidHeight);
    EXPECT_EQ(d.LaidAcross, c.across);
    EXPECT_EQ(d.Picture.width() > d.Picture.height(), c.across);
    EXPECT_EQ(frame->ShapeModulAnzeige->width() > frame->ShapeModulAnzeige->height(), c.across);
    // The module's own measures stay.
    EXPECT_EQ(Text(frame->LabelModulbreite), QStringLiteral("Modulbreite:    1,000 m"));
    Finish();
    // The choice is stored and comes back.
    Start();
    EXPECT_EQ(frame->RadioButtonQuer->isChecked(), c.across);
    EXPECT_EQ(frame->ModuleGroup->ColCount, c.cols);
}

INSTANTIATE_TEST_SUITE_P(Orientations, RoofOrientationTest,
    ::testing::Values(OrientationCase{"hochkant", false, 1.0, 1.667, 11, 4},
                      OrientationCase{"quer", true, 1.667, 1.0, 6, 7}),
    tandrel::test::CaseName{});

} // namespace

// ------------------------------------------------------------ obstacles

struct DragCase {
    const char* label;
    double toX, toY;        // where the mouse lets go, world m
    bool heldX, heldY;      // stopped at the roof's edge instead
    double expectX, expectY; // the held centre (when held)
};

class RoofObstacleDragTest : public RoofPlannerTest, public ::testing::WithParamInterface<DragCase> {};

// A chimney placed with the tool at (3 m, 3 m) of the 12 m × 8 m roof and
// dragged: it lands on the 5 cm grid or stops at the edge; undo brings it
// back, redo takes it there again.
TEST_P(RoofObstacleDragTest, SnapsStaysOnTheRoofAndUndoes)
{
    const DragCase& c = GetParam();
    Start();
    MVirtualView& v = *frame->Frame2D->View();
    QWidget* box = frame->Frame2D->PaintBox;
    const QPoint from(v.WorldToDeviceX(3.0), v.WorldToDeviceY(3.0));
    QTest::mouseClick(frame->SpeedButtonSchornstein, Qt::LeftButton);
    ASSERT_EQ(frame->ObstacleTool(), 0);
    QTest::mouseClick(box, Qt::LeftButton, {}, from);
    ASSERT_EQ(frame->ObstacleTool(), -1) << "one click places one obstacle";
    std::vector<MSperrFlaecheRep*> areas = tandrel::roof::Obstacles(structure());
    ASSERT_EQ(areas.size(), 1u);
    MSperrFlaecheRep* chimney = areas[0];
    const double startX = chimney->XPos, startY = chimney->YPos;
    EXPECT_NEAR(startX, std::round(v.DeviceToWorldX(from.x()) / 0.05) * 0.05, 1e-9);
    EXPECT_EQ(chimney->Name1, QStringLiteral("Schornstein 1"));
    const int placed = frame->CountActiveModules();
    EXPECT_LT(placed, 44);

    const QPoint to(v.WorldToDeviceX(c.toX), v.WorldToDeviceY(c.toY));
    QTest::mousePress(box, Qt::LeftButton, {}, from);
    QTest::mouseMove(box, (from + to) / 2);
    QTest::mouseMove(box, to);
    QTest::mouseRelease(box, Qt::LeftButton, {}, to);
    QApplication::processEvents();
    // The mouse moved by whole pixels: where that puts the centre, snapped.
    const double movedX = startX + (to.x() - from.x()) / v.xdehnung2d;
    const double movedY = startY - (to.y() - from.y()) / v.ydehnung2d;
    const double x = c.heldX ? c.expectX : std::round(movedX / 0.05) * 0.05;
    const double y = c.heldY ? c.expectY : std::round(movedY / 0.05) * 0.05;
    EXPECT_NEAR(chimney->XPos, x, 1e-9);
    EXPECT_NEAR(chimney->YPos, y, 1e-9);
    EXPECT_FALSE(tandrel::roof::LiesOutsideRoof(*chimney, 12, 8));

    frame->UndoObstacles();
    areas = tandrel::roof::Obstacles(structure());
    ASSERT_EQ(areas.size(), 1u);
    EXPECT_NEAR(areas[0]->XPos, startX, 1e-9);
    EXPECT_NEAR(areas[0]->YPos, startY, 1e-9);
    EXPECT_EQ(frame->CountActiveModules(), placed);
    frame->RedoObstacles();
    areas = tandrel::roof::Obstacles(structure());
    ASSERT_EQ(areas.size(), 1u);
    EXPECT_NEAR(areas[0]->XPos, x, 1e-9);
    EXPECT_NEAR(areas[0]->YPos, y, 1e-9);
    frame->UndoObstacles();
    frame->UndoObstacles();
    EXPECT_TRUE(tandrel::roof::Obstacles(structure()).empty());
    EXPECT_EQ(frame->CountActiveModules(), 44);
}

INSTANTIATE_TEST_SUITE_P(Targets, RoofObstacleDragTest,
    ::testing::Values(DragCase{"onto_the_grid", 6.237, 5.912, false, false, 0, 0},
                      DragCase{"stops_at_the_right_gable", 14.0, 4.0, true, false, 11.7, 0},
                      DragCase{"stops_at_the_eaves", 5.0, -1.5, false, true, 0, 0.3},
                      DragCase{"stops_in_the_ridge_corner", -2.0, 9.5, true, true, 0.3, 7.7}),
    tandrel::test::CaseName{});
