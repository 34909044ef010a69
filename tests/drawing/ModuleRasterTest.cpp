#include "drawing/Canvas.h"
#include "drawing/ModelRep.h"
#include "drawing/PVElementeReps.h"
#include "drawing/PVFlaecheReps.h"
#include "drawing/Rounding.h"
#include "drawing/Structur.h"
#include "drawing/VirtualView.h"
#include "tests/support/CaseName.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {

MPVModulRep& Module(MGruppeRep& g, int i)
{
    return dynamic_cast<MPVModulRep&>(*g.Structure().Items(i));
}

int CountActive(MGruppeRep& g)
{
    int n = 0;
    for (MBaseRep* r : g.Structure().Reps()) {
        auto* m = dynamic_cast<MPVModulRep*>(r);
        n += m && m->ModulInnerhalb == 1 && m->ModulStatus == 1;
    }
    return n;
}

// ------------------------------------------------------------ raster

TEST(ModuleRaster, DefaultsGiveTwoRowsOfEight)
{
    MStructur s;
    auto& g = s.Create<MGruppeRep>(0, 0, 1.0, 2.0);
    g.RepID = 42;
    g.GruppeModulID = 7;
    g.BuildRaster();
    EXPECT_DOUBLE_EQ(g.XSize, 0.95 * 7 + 0.9);
    EXPECT_DOUBLE_EQ(g.YSize, 3.25);
    ASSERT_EQ(g.Structure().Count(), 16);
    const MPVModulRep& m = Module(g, 11); // row 1, column 3
    EXPECT_EQ(m.RowNr, 1);
    EXPECT_EQ(m.ColNr, 3);
    EXPECT_DOUBLE_EQ(m.XPos, 1 + 0.95 * 3);
    EXPECT_DOUBLE_EQ(m.YPos, 2 + 1.65);
    EXPECT_EQ(m.XSize, 0.9);
    EXPECT_EQ(m.YSize, 1.6);
    EXPECT_EQ(m.Group, &g);
    EXPECT_EQ(m.GruppeRepID, 42);
    EXPECT_EQ(m.ModulID, 7);
    EXPECT_EQ(m.ObjektID, 1014);
    EXPECT_EQ(m.ObjectTypeNum, 20);
    EXPECT_EQ(m.FillColor, g.FillColor);
}

struct GapCase {
    int column;
    int gaps;
};

std::string CaseLabel(const GapCase& c)
{
    return "column_" + std::to_string(c.column);
}

class ColumnGapTest : public ::testing::TestWithParam<GapCase> {};

// 20 columns, the first gap after 8, then every 20.
TEST_P(ColumnGapTest, GapsLeftOfAColumn)
{
    MStructur s;
    auto& g = s.Create<MGruppeRep>(0, 0, 0.0, 0.0);
    g.RowCount = 1;
    g.ColCount = 20;
    g.ColCountAnfang = 8;
    g.ColCountPeriode = 20;
    g.ColPeriodeAbstand = 0.6;
    EXPECT_EQ(g.ColumnGaps(GetParam().column), GetParam().gaps);
    g.BuildRaster();
    if (GetParam().column < 20) {
        EXPECT_DOUBLE_EQ(Module(g, GetParam().column).XPos, 0.95 * GetParam().column + 0.6 * GetParam().gaps);
    }
    EXPECT_DOUBLE_EQ(g.XSize, 0.95 * 19 + 0.6 + 0.9);
}

INSTANTIATE_TEST_SUITE_P(Columns, ColumnGapTest,
                         ::testing::Values(GapCase{0, 0}, GapCase{7, 0}, GapCase{8, 1}, GapCase{19, 1},
                                           GapCase{27, 1}, GapCase{28, 2}),
                         tandrel::test::CaseName{});

struct OffsetCase {
    int rasterTyp;
    int row;
    double shift;
};

std::string CaseLabel(const OffsetCase& c)
{
    return "type_" + std::to_string(c.rasterTyp) + "_row_" + std::to_string(c.row);
}

class RowOffsetTest : public ::testing::TestWithParam<OffsetCase> {};

TEST_P(RowOffsetTest, ShiftsRowsByTheRasterType)
{
    MStructur s;
    auto& g = s.Create<MGruppeRep>(0, 0, 0.0, 0.0);
    g.RowCount = 4;
    g.ColCount = 2;
    g.RasterTyp = GetParam().rasterTyp;
    g.XVersatz = 0.3;
    g.BuildRaster();
    EXPECT_NEAR(Module(g, GetParam().row * 2).XPos, GetParam().shift, 1e-12);
    EXPECT_NEAR(Module(g, GetParam().row * 2 + 1).XPos, GetParam().shift + 0.95, 1e-12);
    EXPECT_NEAR(Module(g, GetParam().row * 2).YPos, 1.65 * GetParam().row, 1e-12);
}

INSTANTIATE_TEST_SUITE_P(Rows, RowOffsetTest,
                         ::testing::Values(OffsetCase{1, 0, 0.3}, OffsetCase{1, 1, 0.6}, OffsetCase{1, 2, 0.9},
                                           OffsetCase{2, 0, 0}, OffsetCase{2, 1, 0.3}, OffsetCase{2, 2, 0},
                                           OffsetCase{2, 3, 0.3}, OffsetCase{0, 3, 0}, OffsetCase{5, 1, 0}),
                         tandrel::test::CaseName{});

TEST(ModuleRaster, RebuildingAFilledGroupChangesOnlyItsSize)
{
    MStructur s;
    auto& g = s.Create<MGruppeRep>(0, 0, 0.0, 0.0);
    g.BuildRaster();
    g.RowCount = 5;
    g.ColCount = 3;
    g.BuildRaster();
    EXPECT_EQ(g.Structure().Count(), 16);
    EXPECT_DOUBLE_EQ(g.YSize, 1.65 * 4 + 1.6);
    EXPECT_DOUBLE_EQ(g.XSize, 0.95 * 2 + 0.9);
    g.Structure().FreeAll();
    g.BuildRaster();
    EXPECT_EQ(g.Structure().Count(), 15);
}

TEST(ModuleRaster, ZeroPeriodLeavesTheRasterEmpty)
{
    MStructur s;
    auto& g = s.Create<MGruppeRep>(0, 0, 0.0, 0.0);
    g.ColCountPeriode = 0;
    g.BuildRaster();
    EXPECT_TRUE(g.Structure().IsEmpty());
    EXPECT_EQ(g.XSize, 1.1);
    EXPECT_EQ(g.YSize, 1.6);
    g.UpdateModuleStates(s);
}

TEST(ModuleRaster, AbsurdCountsBuildNothing)
{
    MStructur s;
    auto& g = s.Create<MGruppeRep>(0, 0, 0.0, 0.0);
    g.RowCount = 100000;
    g.ColCount = 100000;
    g.BuildRaster();
    EXPECT_TRUE(g.Structure().IsEmpty());
    g.RowCount = -3;
    g.BuildRaster();
    EXPECT_TRUE(g.Structure().IsEmpty());
}

// ------------------------------------------------------------ states

// The roof planner's default: an 11.2 m × 4.757 m roof with a 0.2 m edge,
// 2 × 10 modules of 1.0 m × 1.667 m with 1 cm gaps.
class DefaultRoof : public ::testing::Test {
protected:
    MStructur s;
    MStandardFlaecheRep& roof = s.Create<MStandardFlaecheRep>(0, 0, 0.0, 0.0);
    MGruppeRep& group = s.Create<MGruppeRep>(0, 0, 0.201, 0.201);

    void SetUp() override
    {
        roof.Laenge1 = 11.2;
        roof.Breite1 = 4.757;
        roof.Laenge2 = 0;
        roof.Laenge3 = 11.2;
        roof.Innenabstand1 = 0.2;
        roof.BuildOutline(kFormTrapez);
        group.ElementBreite = 1.0;
        group.ElementHoehe = 1.667;
        group.RowDistance = group.ColDistance = 0.01;
        group.RowCount = int(std::trunc((4.757 - 0.4) / 1.677));
        group.ColCount = int(std::trunc((11.2 - 0.4) / 1.01));
        group.ColCountAnfang = 12;
        group.ColCountPeriode = 2000;
        group.ColPeriodeAbstand = 0.6;
        group.BuildRaster();
        group.UpdateModuleStates(s);
    }
};

TEST_F(DefaultRoof, AllTwentyModulesAreActive)
{
    EXPECT_EQ(group.RowCount, 2);
    EXPECT_EQ(group.ColCount, 10);
    EXPECT_EQ(CountActive(group), 20);
}

TEST_F(DefaultRoof, ABlockedAreaSwitchesModulesOffAndMovingItRechecks)
{
    auto& chimney = s.Create<MSperrFlaecheRep>(0, 0, 5.0, 2.0);
    chimney.Laenge1 = 0.5;
    chimney.Breite1 = 0.5;
    chimney.BuildOutline(kFormRechteck);
    group.UpdateModuleStates(s);
    const int blocked = 20 - CountActive(group);
    EXPECT_GT(blocked, 0);
    EXPECT_LT(blocked, 20);
    chimney.MoveBy(20, 0); // off the roof
    EXPECT_EQ(CountActive(group), 20);
    chimney.MoveBy(-20, 0);
    EXPECT_EQ(20 - CountActive(group), blocked);
}

TEST_F(DefaultRoof, MovingTheGroupMovesItsModulesAndRechecks)
{
    const double x = Module(group, 0).XPos;
    group.MoveBy(1.0, 0);
    EXPECT_DOUBLE_EQ(Module(group, 0).XPos, x + 1.0);
    EXPECT_EQ(CountActive(group), 18) << "the last column leaves the inner outline";
    EXPECT_TRUE(group.ContainsPoint(Module(group, 0).XPos + 0.5, Module(group, 0).YPos + 0.5));
    EXPECT_FALSE(group.ContainsPoint(0.1, 0.1));
}

TEST(ModuleStates, TheLastMountingAreaDecides)
{
    MStructur s;
    auto& big = s.Create<MStandardFlaecheRep>(0, 0, 0.0, 0.0);
    big.Laenge1 = 20;
    big.Breite1 = 10;
    big.BuildOutline(kFormRechteck);
    auto& small = s.Create<MStandardFlaecheRep>(0, 0, 100.0, 100.0);
    small.Laenge1 = 1;
    small.Breite1 = 1;
    small.BuildOutline(kFormRechteck);
    auto& g = s.Create<MGruppeRep>(0, 0, 2.0, 2.0);
    g.BuildRaster();
    g.UpdateModuleStates(s);
    EXPECT_EQ(Module(g, 0).ModulInnerhalb, 0);
    s.RemoveRep(&small);
    g.UpdateModuleStates(s);
    EXPECT_EQ(Module(g, 0).ModulInnerhalb, 1);
}

struct BlockCase {
    const char* label;
    double chimneyX, chimneyY, width, height;
    bool blocked;
};

class BlockModulesTest : public ::testing::TestWithParam<BlockCase> {};

// A module 1 m × 1 m at (5, 5), its centre at (5.5, 5.5); blocked areas of
// width × height centred on (chimneyX, chimneyY) with the default 0.3 m outer
// distance. A module is switched off exactly when the outer outline reaches it.
TEST_P(BlockModulesTest, OnlyModulesTheOuterOutlineReaches)
{
    MStructur s;
    auto& g = s.Create<MGruppeRep>(0, 0, 5.0, 5.0);
    g.RowCount = g.ColCount = 1;
    g.ElementBreite = g.ElementHoehe = 1;
    g.BuildRaster();
    auto& chimney = s.Create<MSperrFlaecheRep>(0, 0, GetParam().chimneyX, GetParam().chimneyY);
    chimney.Laenge1 = GetParam().width;
    chimney.Breite1 = GetParam().height;
    chimney.BuildOutline(kFormRechteck);
    g.RecheckBlocked(s);
    EXPECT_EQ(Module(g, 0).ModulStatus, GetParam().blocked ? 0 : 1);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BlockModulesTest,
    ::testing::Values(BlockCase{"CentreInside", 5.5, 5.5, 0.2, 0.2, true},
                      // outer outline 4.1 … 4.9: clear of the module below left of it
                      BlockCase{"BelowLeftClear", 4.5, 4.5, 0.2, 0.2, false},
                      // outer outline 4.4 … 5.2 reaches the lower-left corner
                      BlockCase{"OuterDistanceReachesCorner", 4.8, 4.8, 0.2, 0.2, true},
                      BlockCase{"OuterCornerInside", 6.3, 5.5, 0.2, 0.2, true}, // corner (5.9, 5.1)
                      // a wide area over the module's upper edge, centre and outer corners outside it
                      BlockCase{"CoversTheUpperEdge", 5.5, 6.6, 2.0, 1.0, true},
                      BlockCase{"Far", 10, 10, 0.2, 0.2, false},
                      BlockCase{"JustRight", 6.5, 5.5, 0.2, 0.2, false},
                      BlockCase{"JustAbove", 5.5, 6.5, 0.2, 0.2, false}),
    tandrel::test::CaseName{});

struct InsideCase {
    const char* label;
    double rightEdge;
    bool inside;
};

class ModuleInside : public ::testing::TestWithParam<InsideCase> {};

// Roof 10 m × 6 m with a 0.2 m edge: the inner outline ends at x = 9.8.
TEST_P(ModuleInside, AllFiveTestPointsMustBeUsable)
{
    MStructur s;
    auto& roof = s.Create<MStandardFlaecheRep>(0, 0, 0.0, 0.0);
    roof.Laenge1 = 10;
    roof.Breite1 = 6;
    roof.Laenge3 = 10;
    roof.Innenabstand1 = 0.2;
    roof.BuildOutline(kFormTrapez);
    auto& m = s.Create<MPVModulRep>(0, 0, GetParam().rightEdge - 1.0, 1.0);
    m.XSize = 1;
    m.YSize = 1.6;
    EXPECT_EQ(m.IsInsideArea(roof), GetParam().inside);
}

INSTANTIATE_TEST_SUITE_P(Edges, ModuleInside,
                         ::testing::Values(InsideCase{"Inside", 9.79, true}, InsideCase{"OneCentimetreOut", 9.81, false},
                                           InsideCase{"FarOut", 30, false}),
                         tandrel::test::CaseName{});

// ------------------------------------------------------------ drawing

class ModuleDrawing : public ::testing::Test {
protected:
    // 50 pixels per metre, world (0, 0) at device (10, 390).
    MCanvas canvas{600, 400};
    MVirtualView view{&canvas};
    MStructur s;
    MStandardFlaecheRep& roof = s.Create<MStandardFlaecheRep>(0, 0, 0.0, 0.0);
    MGruppeRep& group = s.Create<MGruppeRep>(0, 0, 6.81, 1.0);

    void SetUp() override
    {
        view.xdehnung2d = view.ydehnung2d = 50;
        view.xver2d = 10;
        view.yver2d = 390;
        canvas.Clear(0x00C000);
        roof.Laenge1 = 10;
        roof.Breite1 = 6;
        roof.Laenge3 = 10;
        roof.Innenabstand1 = 0.2;
        roof.BuildOutline(kFormTrapez);
        // Three columns of 1 m: the last one ends 1 cm outside the inner outline.
        group.RowCount = 1;
        group.ColCount = 3;
        group.ElementBreite = 1;
        group.ColDistance = 0;
        group.FillColor = 0xFF0000;
        group.BuildRaster();
        group.UpdateModuleStates(s);
    }
    tandrel::platform::ColorRef At(double x, double y) const
    {
        return canvas.Pixel(view.WorldToDeviceX(x), view.WorldToDeviceY(y));
    }
};

TEST_F(ModuleDrawing, AModuleOneCentimetreOutsideIsNotDrawn)
{
    EXPECT_EQ(Module(group, 1).ModulInnerhalb, 1);
    EXPECT_EQ(Module(group, 2).ModulInnerhalb, 0);
    group.Draw(view);
    EXPECT_EQ(At(8.31, 1.8), 0xFF0000u);
    EXPECT_EQ(At(9.31, 1.8), 0x00C000u) << "background stays";
}

TEST_F(ModuleDrawing, ABlockedModuleIsCrossHatched)
{
    // Over the first module only, clear of the next one.
    auto& chimney = s.Create<MSperrFlaecheRep>(0, 0, 7.0, 2.3);
    chimney.Laenge1 = 0.2;
    chimney.Breite1 = 0.2;
    chimney.BuildOutline(kFormRechteck);
    group.UpdateModuleStates(s);
    ASSERT_EQ(Module(group, 0).ModulStatus, 0);
    ASSERT_EQ(Module(group, 1).ModulStatus, 1);
    group.Draw(view);
    int hatch = 0, ground = 0, other = 0;
    const int x0 = view.WorldToDeviceX(6.81) + 1, x1 = view.WorldToDeviceX(7.81) - 1;
    const int y0 = view.WorldToDeviceY(2.6) + 1, y1 = view.WorldToDeviceY(1.0) - 1;
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x) {
            const auto c = canvas.Pixel(x, y);
            hatch += c == 0xFF0000u;
            ground += c == 0x00C000u;
            other += c != 0xFF0000u && c != 0x00C000u;
        }
    EXPECT_GT(hatch, 0);
    EXPECT_GT(ground, hatch) << "a hatch leaves most of the background";
    EXPECT_EQ(other, 0);
    EXPECT_EQ(canvas.BrushStyle(), MBrushStyle::Solid);
    // The active module next to it is solid, its outline black.
    EXPECT_EQ(At(8.31, 1.8), 0xFF0000u);
    EXPECT_EQ(canvas.Pixel(view.WorldToDeviceX(7.81), view.WorldToDeviceY(1.8)), 0u);
}

TEST_F(ModuleDrawing, TheModulePictureFillsEveryActiveModule)
{
    QImage picture(2, 2, QImage::Format_RGB32);
    picture.fill(QColor(10, 20, 30));
    group.ModulePicture = &picture;
    group.Draw(view);
    EXPECT_EQ(At(7.31, 1.8), tandrel::platform::rgbRef(10, 20, 30));
    group.ShowModules = false;
    canvas.Clear(0x00C000);
    group.Draw(view);
    EXPECT_EQ(At(7.31, 1.8), 0x00C000u);
}

// ------------------------------------------------------------ scale bar

TEST(ScaleBar, TenMetresAtFortyPixelsGiveElevenTicks)
{
    MVirtualView view;
    view.xdehnung2d = view.ydehnung2d = 40;
    view.xver2d = 100;
    view.yver2d = 300;
    view.SetWorldRect(0, 0, 20, 10);
    MStructur s;
    auto& bar = s.Create<MMasstabRep>(0, 0, 0.0, 0.0);
    bar.XSize = 10;
    bar.YSize = 2;
    const auto l = bar.ComputeLayout(view);
    EXPECT_EQ(l.H, 54); // round((20 * 40 + 100) * 6 / 100)
    EXPECT_EQ(l.Step, 1);
    ASSERT_EQ(l.Ticks.size(), 11u);
    EXPECT_EQ(l.Ticks[0].Label, " 0");
    EXPECT_EQ(l.Ticks[3].Label, " 3");
    EXPECT_EQ(l.Ticks[10].Label, "10");
    EXPECT_EQ(l.Ticks[10].X, 500);
    EXPECT_EQ(l.Ticks[0].Y1, 354);
    EXPECT_EQ(l.Ticks[0].Y2, 300 + RoundToInt(1.7 * 54));
    EXPECT_EQ(l.BarY1, 354);
    EXPECT_EQ(l.BarY2, 408);
    EXPECT_EQ(l.EndX1, 46);
    EXPECT_EQ(l.EndX2, -8);
    EXPECT_EQ(l.EndY2, 220);

    MCanvas canvas(600, 500);
    view.Canvas = &canvas;
    bar.Draw(view);
    EXPECT_EQ(bar.BarHeightPx, 54);
    EXPECT_EQ(canvas.Pixel(100, 400), 0u) << "bar outline";
    EXPECT_EQ(canvas.Pixel(499, 407), 0u) << "the bar ends before its right corner";
    const auto tip = tandrel::platform::fromQColor(tandrel::platform::toQColor(bar.FillColor));
    EXPECT_EQ(canvas.Pixel(300, 400), tip) << "filled with the tool-tip colour";
    EXPECT_EQ(canvas.Pixel(45, 260), 0u) << "end block from x 46 back to -8";
    EXPECT_EQ(canvas.Pixel(20, 260), tip);
    EXPECT_EQ(canvas.Pixel(140, 385), 0u) << "tick line at 1 m, below its label";
}

TEST(ScaleBar, FirstTickOnAWholeStep)
{
    MVirtualView view;
    view.xdehnung2d = view.ydehnung2d = 40;
    MStructur s;
    auto& bar = s.Create<MMasstabRep>(0, 0, 2.3, 0.0);
    bar.XSize = 10;
    const auto l = bar.ComputeLayout(view);
    EXPECT_NEAR(l.Ticks[0].WorldX, 2, 1e-12);
    EXPECT_EQ(l.Ticks.size(), 11u);
}

// ------------------------------------------------------------ module field

TEST(ModuleField, ElementsAreTurnedAboutThePosition)
{
    MStructur s;
    auto& f = s.Create<MPVFeldRep>(0, 0, 10.0, 20.0);
    const auto p = f.ElementPolygon(0, 0);
    EXPECT_DOUBLE_EQ(p[0].x(), 10);
    EXPECT_DOUBLE_EQ(p[0].y(), 20);
    EXPECT_NEAR(p[1].x(), 10 + std::cos(MPVFeldRep::kAngle) * f.XSize, 1e-9);
    EXPECT_NEAR(p[1].y(), 20 + std::sin(MPVFeldRep::kAngle) * f.XSize, 1e-9);
    const auto q = f.ElementPolygon(1, 2); // y0 = 2.9 YSize, x0 = 2 XSize + 2
    EXPECT_NEAR(q[0].x(), 10 + std::cos(MPVFeldRep::kAngle) * (2 * f.XSize + 2)
                              - std::sin(MPVFeldRep::kAngle) * 2.9 * f.YSize, 1e-9);
    MCanvas canvas(100, 100);
    MVirtualView view(&canvas);
    view.xdehnung2d = view.ydehnung2d = 0.2;
    view.yver2d = 99;
    f.XPos = f.YPos = 0;
    f.Draw(view);
    EXPECT_EQ(canvas.Pixel(7, 90), 0xFF0000u);
}

} // namespace
