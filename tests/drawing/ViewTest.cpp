#include "drawing/Canvas.h"
#include "drawing/DrawConventions.h"
#include "drawing/Rounding.h"
#include "drawing/VirtualView.h"
#include "tests/support/CaseName.h"

#include <QLocale>
#include <cmath>
#include <limits>
#include <gtest/gtest.h>

namespace {

// ------------------------------------------------------------ rounding

struct RoundCase {
    double value;
    std::int32_t expected;
};

std::string CaseLabel(const RoundCase& c)
{
    return tandrel::test::NumberName(c.value);
}

class RoundToIntTest : public ::testing::TestWithParam<RoundCase> {};

TEST_P(RoundToIntTest, TiesGoToTheEvenNeighbour)
{
    EXPECT_EQ(RoundToInt(GetParam().value), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Values, RoundToIntTest,
    ::testing::Values(RoundCase{2.5, 2}, RoundCase{3.5, 4}, RoundCase{0.5, 0}, RoundCase{1.5, 2},
                      RoundCase{-2.5, -2}, RoundCase{-3.5, -4}, RoundCase{2.4999, 2}, RoundCase{-0.6, -1},
                      RoundCase{std::numeric_limits<double>::quiet_NaN(), 0},
                      RoundCase{1e300, std::numeric_limits<std::int32_t>::max()},
                      RoundCase{-std::numeric_limits<double>::infinity(), std::numeric_limits<std::int32_t>::min()}),
    tandrel::test::CaseName{});

// ------------------------------------------------------------ mappings

TEST(VirtualView, AFreshViewMapsWithHalfAPixelPerUnit)
{
    MVirtualView v;
    EXPECT_EQ(v.WorldToDeviceX(100), 50);
    EXPECT_EQ(v.WorldToDeviceY(100), -50);
    EXPECT_DOUBLE_EQ(v.DeviceToWorldX(50), 100);
    EXPECT_DOUBLE_EQ(v.DeviceToWorldY(-50), 100);
    EXPECT_EQ(v.WorldWidth(), 2180);
    EXPECT_EQ(v.WorldHeight(), 2960);
}

struct MapCase {
    double world;
    int deviceX;
    int deviceY;
};

std::string CaseLabel(const MapCase& c)
{
    return "world_" + tandrel::test::NumberName(c.world);
}

class ViewMappingTest : public ::testing::TestWithParam<MapCase> {};

// Scale 1, offsets 10 and 20: x shifts, y is mirrored; halves go to even.
TEST_P(ViewMappingTest, MapsWorldToDevice)
{
    MVirtualView v;
    v.xdehnung2d = v.ydehnung2d = 1;
    v.xver2d = 10;
    v.yver2d = 20;
    EXPECT_EQ(v.WorldToDeviceX(GetParam().world), GetParam().deviceX);
    EXPECT_EQ(v.WorldToDeviceY(GetParam().world), GetParam().deviceY);
}

INSTANTIATE_TEST_SUITE_P(Values, ViewMappingTest,
                         ::testing::Values(MapCase{0, 10, 20}, MapCase{2.5, 12, 18}, MapCase{3.5, 14, 16},
                                           MapCase{-2.5, 8, 22}, MapCase{7, 17, 13}),
                         tandrel::test::CaseName{});

TEST(VirtualView, BrokenCoordinatesNeverLeaveTheIntRange)
{
    MVirtualView v;
    v.xver2d = 2'000'000'000;
    EXPECT_EQ(v.WorldToDeviceX(1e12), std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(v.WorldToDeviceX(std::nan("")), 2'000'000'000);
    v.yver2d = -2'000'000'000;
    EXPECT_EQ(v.WorldToDeviceY(1e12), std::numeric_limits<std::int32_t>::min());
}

TEST(VirtualView, FitsTheDefaultWorldInto800By600)
{
    MVirtualView v;
    v.FitToDevice(nullptr, 800, 600, 100);
    const double s = 600 / (2960 * 1.18);
    EXPECT_DOUBLE_EQ(v.xdehnung2d, s);
    EXPECT_DOUBLE_EQ(v.ydehnung2d, s);
    EXPECT_NEAR(v.xdehnung2d, 0.1718, 1e-4);
    EXPECT_EQ(v.xver2d, 47);
    EXPECT_EQ(v.yver2d, 555);
    // The world's top-left corner lands at (margin, margin).
    EXPECT_EQ(v.WorldToDeviceX(v.WorldXMin), 47);
    EXPECT_EQ(v.WorldToDeviceY(v.WorldYMax), 47);
}

TEST(VirtualView, FitTakesTheSmallerScaleAndTheZoom)
{
    MVirtualView v;
    v.SetWorldRect(-10, 0, 10, 5); // wide world: x decides
    v.FitToDevice(nullptr, 1000, 1000, 108);
    const double sx = 1000 / (20 * 1.18) * 1.08;
    EXPECT_DOUBLE_EQ(v.xdehnung2d, sx);
    EXPECT_DOUBLE_EQ(v.ydehnung2d, sx);
    const int margin = RoundToInt((1.18 - 1) * 0.65 * 1000 / 2);
    EXPECT_EQ(v.xver2d, margin - RoundToInt(-10 * sx));
    EXPECT_EQ(v.yver2d, margin + RoundToInt(5 * sx));
}

struct DegenerateFit {
    const char* label;
    double xmin, ymin, xmax, ymax, w, h;
};

class DegenerateFitTest : public ::testing::TestWithParam<DegenerateFit> {};

TEST_P(DegenerateFitTest, KeepsThePreviousTransform)
{
    const DegenerateFit& c = GetParam();
    MVirtualView v;
    v.FitToDevice(nullptr, 800, 600, 100);
    const MVirtualView before = v;
    v.SetWorldRect(c.xmin, c.ymin, c.xmax, c.ymax);
    v.FitToDevice(nullptr, c.w, c.h, 100);
    EXPECT_EQ(v.xver2d, before.xver2d);
    EXPECT_EQ(v.yver2d, before.yver2d);
    EXPECT_EQ(v.xdehnung2d, before.xdehnung2d);
    EXPECT_EQ(v.ydehnung2d, before.ydehnung2d);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DegenerateFitTest,
    ::testing::Values(
        // The bounds of an empty structure.
        DegenerateFit{"EmptyBounds", 2147483647.0, 2147483647.0, -2147483647.0, -2147483647.0, 800, 600},
        DegenerateFit{"ZeroWidth", 5, 0, 5, 10, 800, 600},
        DegenerateFit{"NaNWorld", std::nan(""), 0, 10, 10, 800, 600},
        DegenerateFit{"NoDevice", 0, 0, 10, 10, 0, 600}),
    tandrel::test::CaseName{});

TEST(VirtualView, MagnifyDoublesDeviceCoordinatesAndTheWorldRect)
{
    MVirtualView v;
    v.FitToDevice(nullptr, 800, 600, 100);
    MVirtualView m = v;
    m.Magnify(2);
    for (double x : {0.0, 100.0, 1234.5, 2180.0}) {
        EXPECT_NEAR(m.WorldToDeviceX(x), 2 * v.WorldToDeviceX(x), 1);
        EXPECT_NEAR(m.WorldToDeviceY(x), 2 * v.WorldToDeviceY(x), 1);
    }
    EXPECT_EQ(m.WorldXMax, 4360);
    EXPECT_EQ(m.WorldYMax, 5920);
    EXPECT_EQ(m.xdehnung2d, 2 * v.xdehnung2d);
}

TEST(VirtualView, AssignViewCopiesTheTransformButNotTheCanvas)
{
    MVirtualView a;
    a.FitToDevice(nullptr, 640, 480, 100);
    a.Origin3DX = 77;
    a.Azimuth = 45;
    MCanvas canvas(4, 4);
    MVirtualView b(&canvas);
    b.AssignView(a);
    EXPECT_EQ(b.xver2d, a.xver2d);
    EXPECT_EQ(b.ydehnung2d, a.ydehnung2d);
    EXPECT_EQ(b.Origin3DX, 77);
    EXPECT_EQ(b.Canvas, &canvas);
    // The projection follows the copied angles.
    MVirtualView c;
    c.SetProjection(10, 45, 30);
    EXPECT_DOUBLE_EQ(b.c1, c.c1);
    EXPECT_DOUBLE_EQ(b.c6, c.c6);
}

TEST(VirtualView, ProjectionTurnsAndTilts)
{
    MVirtualView v;
    v.SetProjection(10, 0, 0); // no turn, no tilt: x to the left, z up
    EXPECT_EQ(v.ProjectX(1, 0), 10 - 10);
    EXPECT_EQ(v.ProjectY(0, 0, 1), 400 - 10);
    EXPECT_EQ(v.ProjectY(0, 1, 0), 400);
    EXPECT_DOUBLE_EQ(v.c8, 0);
    v.SetProjection(2, 90, 90); // the stored angles stay
    EXPECT_EQ(v.Azimuth, 20);
    EXPECT_EQ(v.Scale3D, 2);
    EXPECT_NEAR(v.c2, -2, 1e-12);
    EXPECT_NEAR(v.c8, -1, 1e-12);
    EXPECT_NEAR(v.c6 * v.c6 + v.c7 * v.c7 + v.c8 * v.c8, 1, 1e-12);
}

// ------------------------------------------------------------ tick steps

struct TickCase {
    double length;
    double pixels;
    double step;
    const char* format;
};

std::string CaseLabel(const TickCase& c)
{
    return tandrel::test::NumberName(c.length) + "m_over_" + tandrel::test::NumberName(c.pixels) + "px";
}

class TickStepTest : public ::testing::TestWithParam<TickCase> {};

TEST_P(TickStepTest, ChoosesARoundStepAndItsFormat)
{
    const TickCase& c = GetParam();
    const double step = RoundTickStep(c.length, c.pixels);
    EXPECT_DOUBLE_EQ(step, c.step);
    EXPECT_STREQ(TickLabelFormat(step), c.format);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TickStepTest,
    ::testing::Values(TickCase{10, 400, 1, "%2.0f"},   // t = 2: base 1, 2 is not above 2
                      TickCase{1.3, 400, 0.2, "%2.1f"}, // t = 2.6: base 2
                      TickCase{4, 400, 0.5, "%2.1f"},   // t = 8: base 5
                      TickCase{100, 400, 10, "%2.0f"}, TickCase{1000, 600, 100, "%2.0f"},
                      TickCase{0.12, 400, 0.02, "%2.2f"}, TickCase{0.03, 400, 0.005, "%2.3f"},
                      // No usable ratio: a step of 1 instead of an endless loop.
                      TickCase{0, 400, 1, "%2.0f"}, TickCase{10, 0, 1, "%2.0f"}, TickCase{-5, 400, 1, "%2.0f"},
                      TickCase{std::nan(""), 400, 1, "%2.0f"}),
    tandrel::test::CaseName{});

TEST(TickStep, FirstTickLiesOnAWholeMultiple)
{
    EXPECT_NEAR(3.7 - TickFrac(3.7, 0.5), 3.5, 1e-12);
    EXPECT_NEAR(-3.7 - TickFrac(-3.7, 0.5), -3.5, 1e-12); // trunc goes towards zero
    EXPECT_EQ(TickFrac(4, 2), 0);
    EXPECT_EQ(TickCount(10, 1), 10);
    EXPECT_EQ(TickCount(10, 0), 0);
}

TEST(TickStep, LabelsUseTheLocaleDecimalSeparator)
{
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(TickLabel(0.4, 0.2), "0,4");
    EXPECT_EQ(TickLabel(4, 2), " 4") << "at least two characters";
    EXPECT_EQ(TickLabel(12, 1), "12");
    EXPECT_EQ(TickLabel(0.25, 0.05), "0,25");
    QLocale::setDefault(QLocale::c());
    EXPECT_EQ(TickLabel(0.4, 0.2), "0.4");
    QLocale::setDefault(saved);
}

} // namespace
