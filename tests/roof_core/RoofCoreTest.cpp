#include "app/KontaloRegistry.h"
#include "drawing/Canvas.h"
#include "drawing/Interaktoren.h"
#include "drawing/PVElementeReps.h"
#include "drawing/PVFlaecheReps.h"
#include "drawing/Structur.h"
#include "drawing/VirtualView.h"
#include "roof/RoofCatalogue.h"
#include "roof/RoofPlannerModel.h"
#include "roof/RoofRendering.h"
#include "tests/support/CaseName.h"
#include "tests/support/TestEnv.h"

#include <QColor>
#include <QStringList>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace {

using namespace tandrel::roof;
using tandrel::test::CaseName;

// ------------------------------------------------------------ catalogue

struct CoveringCase {
    const char* label;
    int index;
    bool known;
    const char* name;
    double tileWidth, tileHeight, overlapX, overlapY;
    const char* picture; // "kept" when the one before stays
};

class CoveringTest : public ::testing::TestWithParam<CoveringCase> {};

TEST_P(CoveringTest, GivesTheListsCoveringOrTheTileFallback)
{
    const CoveringCase& c = GetParam();
    TRoofCovering covering;
    covering.Picture = QStringLiteral("kept");
    covering.TileWidth = covering.TileHeight = covering.TileOverlapX = covering.TileOverlapY = -1;
    EXPECT_EQ(SelectCovering(c.index, covering), c.known);
    EXPECT_EQ(covering.Name, QString::fromUtf8(c.name));
    EXPECT_DOUBLE_EQ(covering.TileWidth, c.tileWidth);
    EXPECT_DOUBLE_EQ(covering.TileHeight, c.tileHeight);
    EXPECT_DOUBLE_EQ(covering.TileOverlapX, c.overlapX);
    EXPECT_DOUBLE_EQ(covering.TileOverlapY, c.overlapY);
    EXPECT_EQ(covering.Picture, QString::fromLatin1(c.picture));
}

INSTANTIATE_TEST_SUITE_P(Indices, CoveringTest,
    ::testing::Values(
        CoveringCase{"first", 0, true, "Frankfurter Pfanne (klassisch rot)", 0.33, 0.42, 0.03, 0.021, "roof/covering1"},
        CoveringCase{"first_plain_tail", 5, true, "Biberschwanz (rot)", 0.18, 0.32, 0, 0.2, "roof/covering6"},
        CoveringCase{"last", 8, true, "Biberschwanz (blau)", 0.18, 0.32, 0, 0.2, "roof/covering9"},
        CoveringCase{"one_past_the_end", 9, false, "Ziegel", 0.33, 0.42, 0.03, 0.021, "kept"},
        CoveringCase{"negative", -1, false, "Ziegel", 0.33, 0.42, 0.03, 0.021, "kept"}),
    CaseName{});

struct ModuleCase {
    const char* label;
    int index;
    bool known;
    const char* name;
    const char* maker;
    double width, height, powerWp;
    int logo;
    const char* picture;
    double gap;
    const char* internet;
};

class ModuleTest : public ::testing::TestWithParam<ModuleCase> {};

// Outside the list the test module keeps logo, picture, gap and address.
TEST_P(ModuleTest, GivesTheCataloguesModuleOrTheTestModule)
{
    const ModuleCase& c = GetParam();
    TRoofModule m;
    m.MakerLogoKey = 7;
    m.Picture = QStringLiteral("kept");
    m.Gap = 0.5;
    m.Internet = QStringLiteral("kept");
    EXPECT_EQ(SelectModule(c.index, m), c.known);
    EXPECT_EQ(m.Name, QString::fromLatin1(c.name));
    EXPECT_EQ(m.Maker, QString::fromLatin1(c.maker));
    EXPECT_DOUBLE_EQ(m.Width, c.width);
    EXPECT_DOUBLE_EQ(m.Height, c.height);
    EXPECT_DOUBLE_EQ(m.PowerWp, c.powerWp);
    EXPECT_EQ(m.MakerLogoKey, c.logo);
    EXPECT_EQ(m.Picture, QString::fromLatin1(c.picture));
    EXPECT_DOUBLE_EQ(m.Gap, c.gap);
    EXPECT_EQ(m.Internet, QString::fromLatin1(c.internet));
}

INSTANTIATE_TEST_SUITE_P(Indices, ModuleTest,
    ::testing::Values(
        ModuleCase{"black_has_narrow_gaps", 0, true, "SI M260 black", "Solar Industries AG", 1.0, 1.667, 260, 220,
                   "roof/module-black", 0.01, "https://www.solarindustries-module.de"},
        ModuleCase{"dark_blue", 2, true, "SI P240 dark blue", "Solar Industries AG", 1.0, 1.667, 240, 220,
                   "roof/module-darkblue", 0.03, "https://www.solarindustries-module.de"},
        ModuleCase{"one_past_the_end", 3, false, "Test-Modul", "Test-Hersteller", 0.8, 1.401, 180, 7, "kept", 0.5,
                   "kept"},
        ModuleCase{"negative", -5, false, "Test-Modul", "Test-Hersteller", 0.8, 1.401, 180, 7, "kept", 0.5, "kept"}),
    CaseName{});

// ------------------------------------------------------------ raster and power

struct RasterCase {
    const char* label;
    double eaves, gable, w, h, colGap, rowGap;
    int rows, cols;
};

class RasterTest : public ::testing::TestWithParam<RasterCase> {};

TEST_P(RasterTest, CountsWholeModulesInsideTheEdges)
{
    const RasterCase& c = GetParam();
    const TRasterCounts counts = RasterCounts(c.eaves, c.gable, c.w, c.h, c.colGap, c.rowGap);
    EXPECT_EQ(counts.rows, c.rows);
    EXPECT_EQ(counts.cols, c.cols);
}

constexpr double kInf = std::numeric_limits<double>::infinity();

INSTANTIATE_TEST_SUITE_P(Roofs, RasterTest,
    ::testing::Values(
        // trunc(7.6 / 1.677) rows, trunc(11.6 / 1.01) columns.
        RasterCase{"twelve_by_eight_black", 12, 8, 1.0, 1.667, 0.01, 0.01, 4, 11},
        // The gaps count for the columns: 11.6 / 1.06 gives 10.
        RasterCase{"wide_column_gaps", 12, 8, 1.0, 1.667, 0.06, 0.01, 4, 10},
        RasterCase{"test_module", 12, 8, 0.8, 1.401, 0.03, 0.03, 5, 13},
        RasterCase{"room_for_one_module", 1.45, 2.1, 1.0, 1.667, 0, 0, 1, 1},
        RasterCase{"smaller_than_its_edges", 0.3, 0.3, 1.0, 1.667, 0.01, 0.01, 0, 0},
        RasterCase{"module_without_size", 12, 8, 0, 0, 0, 0, 0, 0},
        RasterCase{"endless_roof", kInf, kInf, 1.0, 1.667, 0.01, 0.01, 0, 0}),
    CaseName{});

struct CountCase {
    const char* label;
    bool twoSides;
    int blocked, outside; // modules switched off / lying outside the usable area
    bool groupInStructure;
    int count;
    double kWp;
};

class ActiveModulesTest : public ::testing::TestWithParam<CountCase> {};

// A raster of 2 × 8 modules of 240 Wp.
TEST_P(ActiveModulesTest, CountsModulesInsideAndNotBlocked)
{
    const CountCase& c = GetParam();
    MStructur s, other;
    auto& g = (c.groupInStructure ? s : other).Create<MGruppeRep>(0, 0, 0.0, 0.0);
    g.BuildRaster();
    ASSERT_EQ(g.Structure().Count(), 16);
    int i = 0;
    for (MBaseRep* rep : g.Structure().Reps()) {
        auto* m = static_cast<MPVModulRep*>(rep);
        m->ModulInnerhalb = i < c.outside ? 0 : 1;
        m->ModulStatus = i >= 16 - c.blocked ? 0 : 1;
        ++i;
    }
    const int n = CountActiveModules(s, &g, c.twoSides);
    EXPECT_EQ(n, c.count);
    EXPECT_DOUBLE_EQ(PlantPowerKWp(n, 240), c.kWp);
    EXPECT_EQ(CountActiveModules(s, nullptr, c.twoSides), 0);
}

INSTANTIATE_TEST_SUITE_P(Groups, ActiveModulesTest,
    ::testing::Values(CountCase{"all", false, 0, 0, true, 16, 3.84},
                      CountCase{"two_sides_double", true, 0, 0, true, 32, 7.68},
                      CountCase{"blocked_ones_drop", false, 3, 0, true, 13, 3.12},
                      CountCase{"outside_ones_drop", true, 0, 2, true, 28, 6.72},
                      CountCase{"blocked_and_outside", false, 1, 1, true, 14, 3.36},
                      CountCase{"deleted_group_has_none", true, 0, 0, false, 0, 0}),
    CaseName{});

// ------------------------------------------------------------ preview

struct PreviewCase {
    const char* label;
    double w, h, factor;
};

class PreviewFactorTest : public ::testing::TestWithParam<PreviewCase> {};

TEST_P(PreviewFactorTest, EachThresholdOverridesTheOneBefore)
{
    EXPECT_DOUBLE_EQ(PreviewFactor(GetParam().w, GetParam().h), GetParam().factor);
}

INSTANTIATE_TEST_SUITE_P(Thresholds, PreviewFactorTest,
                         ::testing::Values(PreviewCase{"both_up_to_1_6", 1.0, 1.6, 52.5},
                                           PreviewCase{"catalogue_module", 1.0, 1.667, 48},
                                           PreviewCase{"over_1_8", 1.0, 1.9, 45},
                                           PreviewCase{"over_2", 2.1, 1.0, 39},
                                           PreviewCase{"over_2_2", 1.0, 2.3, 33},
                                           PreviewCase{"over_2_5", 1.0, 2.6, 30},
                                           PreviewCase{"over_3", 3.1, 1.0, 22.5}),
                         [](const auto& info) { return std::string(info.param.label); });

// ------------------------------------------------------------ picture size

struct SizeCase {
    const char* label;
    int w, h, width, maxWidth;
    int pictureWidth, pictureHeight; // 0 × 0 for none
};

class PictureSizeTest : public ::testing::TestWithParam<SizeCase> {};

TEST_P(PictureSizeTest, FollowsTheRoofWithinItsLimits)
{
    const SizeCase& c = GetParam();
    const QSize size = RoofPictureSize(c.w, c.h, c.width, c.maxWidth);
    EXPECT_EQ(size.width(), c.pictureWidth);
    EXPECT_EQ(size.height(), c.pictureHeight);
    EXPECT_LE(size.height(), kMaxPrintSide + 1);
}

INSTANTIATE_TEST_SUITE_P(Roofs, PictureSizeTest,
    ::testing::Values(SizeCase{"tenfold_control", 400, 200, 4000, 0, 4001, 2001},
                      SizeCase{"page_needs_less", 400, 200, 4000, 1000, 1001, 501},
                      SizeCase{"page_allows_more", 400, 200, 4000, 9000, 4001, 2001},
                      SizeCase{"height_rounds", 300, 100, 1000, 0, 1001, 334},
                      // 400 / 10 × 4000 would be 160000 high: 409 wide then.
                      SizeCase{"narrow_high_roof_is_limited", 10, 400, 4000, 0, 410, 16361},
                      SizeCase{"just_at_the_limit", 1000, 4096, 4000, 0, 4001, 16385},
                      SizeCase{"no_width_on_screen", 0, 200, 4000, 0, 0, 0},
                      SizeCase{"no_height_on_screen", 400, 0, 4000, 0, 0, 0},
                      SizeCase{"upside_down", 400, -200, 4000, 0, 0, 0}),
    CaseName{});

// ------------------------------------------------------------ settings

struct StoredCase {
    const char* label;
    bool store; // else nothing is stored
    int covering, module, period;
    int expectCovering, expectModule, expectPeriod;
};

class RoofSettingsTest : public tandrel::test::TestEnv, public ::testing::WithParamInterface<StoredCase> {};

const QString kSection = QStringLiteral("Dachplanung2DFrame");

TEST_P(RoofSettingsTest, ReadsWhatTheControlsCanShow)
{
    const StoredCase& c = GetParam();
    if (c.store) {
        MKontaloRegistry reg;
        reg.WriteInteger(kSection, QStringLiteral("DacheindeckungNummer"), c.covering);
        reg.WriteInteger(kSection, QStringLiteral("ModulNummer"), c.module);
        reg.WriteInteger(kSection, QStringLiteral("ColCountPeriode"), c.period);
    }
    MKontaloRegistry reg;
    TRoofPlannerModel m;
    m.CoveringIndex = m.ModuleIndex = m.ColCountPeriode = 77;
    m.Background = 1;
    LoadRoofPlannerModel(reg, kSection, m);
    EXPECT_EQ(m.CoveringIndex, c.expectCovering);
    EXPECT_EQ(m.ModuleIndex, c.expectModule);
    EXPECT_EQ(m.ColCountPeriode, c.expectPeriod);
    EXPECT_EQ(m.Background, 13169149u);
}

INSTANTIATE_TEST_SUITE_P(Stored, RoofSettingsTest,
    ::testing::Values(StoredCase{"nothing_gives_the_defaults", false, 0, 0, 0, 0, 0, 12},
                      StoredCase{"last_entries", true, 8, 2, 1000, 8, 2, 1000},
                      StoredCase{"past_the_lists", true, 9, 3, 1001, -1, -1, 1000},
                      StoredCase{"negative", true, -4, -1, -3, -1, -1, 0},
                      StoredCase{"far_out", true, 4711, -5, 12, -1, -1, 12}),
    CaseName{});

class RoofSettingsRoundTrip : public tandrel::test::TestEnv {};

// Every stored value comes back: a field left out of the table would not.
TEST_F(RoofSettingsRoundTrip, EveryStoredValueComesBack)
{
    TRoofPlannerModel saved;
    saved.CoveringIndex = 6;
    saved.ModuleIndex = 1;
    saved.ColCountPeriode = 5;
    saved.Background = 0x1E140A;
    {
        MKontaloRegistry reg;
        RoofPlannerFields().Save(reg, kSection, saved);
    }
    MKontaloRegistry reg;
    TRoofPlannerModel read;
    LoadRoofPlannerModel(reg, kSection, read);
    EXPECT_EQ(read.CoveringIndex, 6);
    EXPECT_EQ(read.ModuleIndex, 1);
    EXPECT_EQ(read.ColCountPeriode, 5);
    EXPECT_EQ(read.Background, 0x1E140Au);
    // Zoom and print resolution are not stored.
    EXPECT_EQ(read.ZoomPercent, 108);
    EXPECT_EQ(read.PrintResolution, 10);
}

// ------------------------------------------------------------ rendering

// A drawing host without widgets: a screen canvas, a view and a structure.
class DrawingHost : public MGraphicFrameHost {
public:
    MCanvas screen{600, 400};
    MVirtualView view{&screen};
    MStructur structure;
    MBaseInteractorStack stack{QStringLiteral("Roof"), this};
    QStringList status;
    Qt::CursorShape cursor = Qt::CrossCursor;

    MVirtualView* View() override { return &view; }
    MStructur* Structure() override { return &structure; }
    MSelectionList* Selection() override { return nullptr; }
    MBaseInteractorStack* InteractorStack() override { return &stack; }
    void ClearSelection() override {}
    void SelectOnly(MBaseRep*) override {}
    void AddToSelection(MBaseRep*) override {}
    void NotifyOwner() override {}
    void ShowContextMenu(int, int, MBaseStructur&) override {}
    void Repaint() override {}
    void UpdateScreen() override {}
    void SetStatusText(const QString& text) override { status << text; }
    void SetCursor(Qt::CursorShape c) override { cursor = c; }
    Qt::CursorShape Cursor() const override { return cursor; }
    tandrel::platform::ColorRef BackColor() const override { return 0xFFFFFF; }
    void InteractorRemoved(MBaseInteractor*) override {}
};

struct RenderCase {
    const char* label;
    double eaves, gable;     // the roof, m
    double scale;            // pixels per metre on the screen
    int originX, originY;    // device point of world (0, 0)
    int width, maxWidth;     // picture width asked for
};

class RoofRenderingTest : public ::testing::TestWithParam<RenderCase> {};

// The roof fills the picture in its proportions, a blocked area on it lies
// where it lies on the roof, and the screen is left as it was.
TEST_P(RoofRenderingTest, TheRoofFillsThePicture)
{
    const RenderCase& c = GetParam();
    constexpr tandrel::platform::ColorRef kRoof = 0x3050C0, kChimney = 0x20A020; // BGR
    DrawingHost host;
    host.view.xdehnung2d = host.view.ydehnung2d = c.scale;
    host.view.xver2d = c.originX;
    host.view.yver2d = c.originY;
    auto& roof = host.structure.Create<MStandardFlaecheRep>(0, 0, 0.0, 0.0);
    roof.Laenge1 = roof.Laenge3 = roof.XSize = c.eaves;
    roof.Breite1 = roof.YSize = c.gable;
    roof.BuildOutline(kFormRechteck);
    roof.FillColor = roof.AuxColor2 = roof.PenColor = kRoof;
    // A fifth of the roof's size, centred in its upper right quarter.
    auto& chimney = host.structure.Create<MSperrFlaecheRep>(0, 0, 0.75 * c.eaves, 0.75 * c.gable);
    chimney.Laenge1 = 0.2 * c.eaves;
    chimney.Breite1 = 0.2 * c.gable;
    chimney.Aussenabstand = 0;
    chimney.ZeichneFlaecheAussen = chimney.ZeichneZweiteFlaeche = false;
    chimney.BuildOutline(kFormRechteck);
    chimney.FillColor = chimney.PenColor = kChimney;
    host.structure.DrawAll(host.view);
    const QImage screenBefore = host.screen.Image().copy();

    const TRoofOnScreen onScreen = RoofOnScreen(host.view, c.eaves, c.gable);
    EXPECT_EQ(onScreen.x0, c.originX);
    EXPECT_EQ(onScreen.y0, c.originY);
    EXPECT_NEAR(onScreen.w, c.eaves * c.scale, 1);
    EXPECT_NEAR(onScreen.h, c.gable * c.scale, 1);
    const QSize size = RoofPictureSize(onScreen.w, onScreen.h, c.width, c.maxWidth);
    const QImage picture = RenderRoofImage(host, onScreen, size);
    ASSERT_EQ(picture.size(), size);

    auto at = [&](double x, double y) {
        const QColor q(picture.pixel(int(x / c.eaves * (picture.width() - 1)),
                                     int((1 - y / c.gable) * (picture.height() - 1))));
        return tandrel::platform::rgbRef(q.red(), q.green(), q.blue());
    };
    for (const auto& [x, y] : {std::pair{0.05, 0.05}, {0.95, 0.05}, {0.05, 0.95}, {0.5, 0.5}, {0.95, 0.5}})
        EXPECT_EQ(at(x * c.eaves, y * c.gable), kRoof) << x << ", " << y;
    EXPECT_EQ(at(0.75 * c.eaves, 0.75 * c.gable), kChimney);
    EXPECT_EQ(at(0.6 * c.eaves, 0.75 * c.gable), kRoof) << "left of the blocked area";

    EXPECT_TRUE(host.screen.Image() == screenBefore) << "nothing drawn on the screen";
    ASSERT_FALSE(host.status.isEmpty());
    EXPECT_EQ(host.status.last(), QString()) << "the status line is cleared";
    EXPECT_EQ(host.cursor, Qt::CrossCursor) << "the cursor is restored";
    EXPECT_EQ(host.stack.Count(), 0) << "nothing is left on the stack";
}

INSTANTIATE_TEST_SUITE_P(Roofs, RoofRenderingTest,
    ::testing::Values(RenderCase{"wide_roof_tenfold", 8, 4, 50, 100, 300, 4000, 0},
                      RenderCase{"page_width", 8, 4, 50, 100, 300, 4000, 900},
                      RenderCase{"high_roof", 2, 6, 40, 20, 350, 800, 0},
                      RenderCase{"elsewhere_on_the_screen", 5, 3, 30, 300, 200, 1200, 0}),
    CaseName{});

TEST(RoofRendering, ARoofWithoutAreaHasNoPicture)
{
    DrawingHost host;
    const TRoofOnScreen flat{10, 100, 200, 0};
    EXPECT_TRUE(RenderRoofImage(host, flat, QSize(201, 1)).isNull());
    EXPECT_TRUE(RenderRoofImage(host, TRoofOnScreen{10, 100, 200, 100}, QSize(0, 0)).isNull());
    EXPECT_TRUE(host.status.isEmpty()) << "no interactor was made";
}

} // namespace
