#include "drawing/Canvas.h"
#include "paperhouse/NetGeometry.h"
#include "pdf/PdfWriter.h"
#include "tests/support/PdfReader.h"
#include "tests/support/TestEnv.h"

#include <QDir>
#include <QProcess>
#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace {

using namespace tandrel::paperhouse;
using tandrel::test::PdfReader;

// 100 device units per metre from the origin, whole units, flaps of 10 units.
TNetDevice WholeUnitDevice(double flap = 10)
{
    TNetDevice d;
    d.UnitsPerMetre = 100;
    d.OriginX = 0;
    d.OriginY = 1000;
    d.FlapSize = flap;
    d.WholeUnits = true;
    return d;
}

int CountFilled(const std::vector<TNetShape>& shapes, ColorRef fill)
{
    int n = 0;
    for (const TNetShape& s : shapes)
        n += s.kind == TNetShape::Kind::Rectangle && s.fill == fill ? 1 : 0;
    return n;
}

// --- window rows and columns ---------------------------------------------

struct GridCase {
    const char* name;
    double width, height;  // m
    double storey;         // cm
    double windowPlusGap;  // cm, window width + gap
    int storeys, columns;
};

// Test names show the case name, not the bytes.
void PrintTo(const GridCase& c, std::ostream* os) { *os << c.name; }

class WindowGridTest : public ::testing::TestWithParam<GridCase> {};

TEST_P(WindowGridTest, CountsStoreysAndColumns)
{
    const GridCase& c = GetParam();
    TPaperHouseParams p;
    p.Etagenhoehe = c.storey;
    p.FensterBreite = c.windowPlusGap / 2;
    p.FensterAbstand = c.windowPlusGap / 2;
    const TWindowGrid g = WindowGrid(p, c.width, c.height);
    EXPECT_EQ(g.storeys, c.storeys);
    EXPECT_EQ(g.columns, c.columns);
}

INSTANTIATE_TEST_SUITE_P(
    Walls, WindowGridTest,
    ::testing::Values(GridCase{"default_eaves_wall", 10, 5.8, 280, 280, 2, 3},
                      GridCase{"default_gable_wall", 7.2, 5.8, 280, 280, 2, 2},
                      GridCase{"two_metre_wall_has_no_storey", 10, 2, 280, 280, 0, 3},
                      GridCase{"thousand_metres_capped", 1000, 1000, 280, 280, 120, 64},
                      GridCase{"storey_height_zero", 10, 5.8, 0, 280, 120, 3},
                      GridCase{"window_and_gap_zero", 10, 5.8, 280, 0, 2, 64},
                      GridCase{"zero_wall", 0, 0, 0, 0, 0, 0}),
    [](const auto& info) { return std::string(info.param.name); });

// --- door and windows -------------------------------------------------------

TEST(NetWallTest, ADoorRemovesOnlyTheOverlappedGroundFloorWindow)
{
    const TPaperHouseParams p;
    TNetGeometry net(p, WholeUnitDevice());
    TNetWall wall{0, 0, 10, 5.8, p.ColorHauswand, nullptr, true, 50, 1, {}};
    net.AddWall(wall);
    EXPECT_EQ(CountFilled(net.Shapes(), p.ColorFenster), 5);
    EXPECT_EQ(CountFilled(net.Shapes(), p.ColorHausTuer), 1);
    // The middle window of the upper storey stays: its pane starts at 4.4 m.
    bool upperMiddle = false, groundMiddle = false;
    for (const TNetShape& s : net.Shapes()) {
        if (s.fill != p.ColorFenster || s.points[0].x() != 440)
            continue;
        upperMiddle = upperMiddle || s.points[0].y() == 1000 - 390; // 2.8 + 1.1 m
        groundMiddle = groundMiddle || s.points[0].y() == 1000 - 110;
    }
    EXPECT_TRUE(upperMiddle);
    EXPECT_FALSE(groundMiddle);
}

TEST(NetWallTest, WithoutElementsOnlyTheWallAndItsFlapsAreDrawn)
{
    const TPaperHouseParams p;
    TNetGeometry net(p, WholeUnitDevice());
    net.AddWall({0, 0, 10, 5.8, p.ColorHauswand, nullptr, false, 50, 1, {true, true, true, true}});
    ASSERT_EQ(net.Shapes().size(), 5u);
    EXPECT_EQ(net.Shapes()[0].fill, p.ColorHauswand);
    for (std::size_t i = 1; i < 5; ++i)
        EXPECT_EQ(net.Shapes()[i].fill, p.ColorLaschen);
}

struct TouchCase {
    const char* name;
    int doorPosition;
    bool windowDrawn;
};

// Test names show the case name, not the bytes.
void PrintTo(const TouchCase& c, std::ostream* os) { *os << c.name; }

class DoorEdgeTest : public ::testing::TestWithParam<TouchCase> {};

// One window column on a 3.28 m wall: the window frame starts at 1.00 m, the
// door frame at position 0 ends there.
TEST_P(DoorEdgeTest, TouchingEdgesDoNotOverlap)
{
    TPaperHouseParams p;
    TNetGeometry net(p, WholeUnitDevice());
    net.AddWall({0, 0, 3.28, 3, p.ColorHauswand, nullptr, true, GetParam().doorPosition, 1, {}});
    EXPECT_EQ(CountFilled(net.Shapes(), p.ColorFenster), GetParam().windowDrawn ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(Edges, DoorEdgeTest,
                         ::testing::Values(TouchCase{"touching", 0, true}, TouchCase{"overlapping", 2, false},
                                           TouchCase{"door_at_the_far_end", 100, true}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(NetWallTest, ADoorWiderThanTheWallMovesLeftAsThePositionGrows)
{
    TPaperHouseParams p;
    TNetGeometry net(p, WholeUnitDevice());
    net.AddWall({0, 0, 0.5, 2.8, p.ColorHauswand, nullptr, true, 100, 1, {}});
    for (const TNetShape& s : net.Shapes()) {
        if (s.fill == p.ColorHausTuer) {
            EXPECT_LT(s.points[0].x(), 6); // 0.06 + (0.5 - 1.0) m
        }
    }
}

// --- flaps ------------------------------------------------------------------

struct FlapCase {
    const char* name;
    int angle;
    QPointF offsetP, offsetQ; // from the edge's start and end, device units
};

// Test names show the case name, not the bytes.
void PrintTo(const FlapCase& c, std::ostream* os) { *os << c.name; }

class TopFlapTest : public ::testing::TestWithParam<FlapCase> {};

TEST_P(TopFlapTest, LeavesTheEdgeAtTheFlapAngle)
{
    TPaperHouseParams p;
    p.LaschenWinkel = GetParam().angle;
    TNetGeometry net(p, WholeUnitDevice(10));
    net.AddWall({0, 0, 2, 1, p.ColorHauswand, nullptr, false, 0, 0, {false, true, false, false}});
    ASSERT_EQ(net.Shapes().size(), 2u);
    const auto& flap = net.Shapes()[1].points;
    ASSERT_EQ(flap.size(), 4u);
    const QPointF topLeft(0, 900), topRight(200, 900);
    EXPECT_EQ(flap[0], topLeft);
    EXPECT_EQ(flap[1], topLeft + GetParam().offsetP);
    EXPECT_EQ(flap[2], topRight + GetParam().offsetQ);
    EXPECT_EQ(flap[3], topRight);
}

INSTANTIATE_TEST_SUITE_P(Angles, TopFlapTest,
                         ::testing::Values(FlapCase{"angle_0_no_depth", 0, {10, 0}, {-10, 0}},
                                           FlapCase{"angle_45", 45, {7, -7}, {-7, -7}},
                                           FlapCase{"angle_90_rectangle", 90, {0, -10}, {0, -10}}),
                         [](const auto& info) { return std::string(info.param.name); });

struct GableCase {
    const char* name;
    int share;
    int pitch;
    int angle;
    QPointF leftP, leftQ; // offsets of the left edge's flap
};

// Test names show the case name, not the bytes.
void PrintTo(const GableCase& c, std::ostream* os) { *os << c.name; }

class GableFlapTest : public ::testing::TestWithParam<GableCase> {};

TEST_P(GableFlapTest, FlapsFollowTheSlopingEdges)
{
    const GableCase& c = GetParam();
    TPaperHouseParams p;
    p.LaschenWinkel = c.angle;
    TNetGeometry net(p, WholeUnitDevice(10));
    net.AddGable(c.share, 4, c.pitch, 0, 0);
    ASSERT_EQ(net.Shapes().size(), 3u);
    const auto& left = net.Shapes()[1].points;
    const QPointF base(0, 1000);
    const QPointF apex = net.Shapes()[0].points[1];
    EXPECT_EQ(left[1], base + c.leftP);
    EXPECT_EQ(left[2], apex + c.leftQ);
}

// Edge angle 45° (share 50, pitch 45): flap sides at 90° and 180°.
// Share 0: the left edge is vertical and counts as 89°.
INSTANTIATE_TEST_SUITE_P(
    Gables, GableFlapTest,
    ::testing::Values(GableCase{"pitch45_angle45", 50, 45, 45, {0, -10}, {-10, 0}},
                      GableCase{"pitch0_lies_along_the_base", 50, 0, 90, {0, -10}, {0, -10}},
                      GableCase{"apex_over_left_corner", 0, 45, 90, {-10, 0}, {-10, 0}},
                      GableCase{"angle0_no_depth", 50, 45, 0, {7, -7}, {-7, 7}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(NetGableTest, TheSecondGableMirrorsTheFirst)
{
    TPaperHouseParams p;
    p.Schenkelanteil = 30;
    TNetGeometry net(p, WholeUnitDevice());
    net.AddHouseNet({});
    std::vector<const TNetShape*> gables;
    for (const TNetShape& s : net.Shapes())
        if (s.fill == p.ColorGiebel)
            gables.push_back(&s);
    ASSERT_EQ(gables.size(), 2u);
    const double a1 = gables[0]->points[1].x() - gables[0]->points[0].x();
    const double a2 = gables[1]->points[2].x() - gables[1]->points[1].x();
    EXPECT_EQ(a1, 216); // 30 % of 7.2 m
    EXPECT_EQ(a2, 216);
    EXPECT_EQ(gables[0]->points[1].y(), gables[1]->points[1].y());
}

TEST(NetGableTest, RidgeCaptionUsesTheLocale)
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    TPaperHouseParams p;
    TNetGeometry net(p, WholeUnitDevice());
    net.AddGable(50, 7.2, 30, 0, 0);
    EXPECT_EQ(net.RidgeCaption(), QStringLiteral("Winkel: 30,0°  Firsthöhe: 2,1 m"));
    QLocale::setDefault(QLocale::c());
}

TEST(NetGeometryTest, HugeMeasuresStayFinite)
{
    TPaperHouseParams p;
    p.Hauslaenge = p.Hausbreite = p.Haushoehe = 1000;
    p.Etagenhoehe = 0;
    p.FensterBreite = p.FensterAbstand = 0;
    TNetGeometry net(p, TNetDevice::Screen(1000.0 / 22 * 3.6, 3.6, 90));
    net.AddHouseNet({});
    MCanvas canvas(300, 200);
    DrawNetShapes(net.Shapes(), canvas);
    for (const TNetShape& s : net.Shapes())
        for (const QPointF& pt : s.points)
            EXPECT_TRUE(std::isfinite(pt.x()) && std::isfinite(pt.y()));
    EXPECT_LE(CountFilled(net.Shapes(), p.ColorFenster), 4 * 120 * 64);
}

// --- one geometry, two targets ---------------------------------------------

TEST(NetTargetsTest, ScreenTransformPlacesTheWallsAt40And360)
{
    const TPaperHouseParams p;
    // Scale 1 : 125: 8 mm per metre, 28.8 pixels per metre.
    TNetGeometry net(p, TNetDevice::Screen(8 * 3.6, 3.6, p.LaschenGroesse));
    net.AddHouseNet({});
    MCanvas canvas(1200, 800);
    canvas.Clear(p.ColorHintergrund);
    DrawNetShapes(net.Shapes(), canvas);
    // Wall 1: x 40 … 328, y 193 … 360 (5.8 m = 167 px).
    EXPECT_EQ(canvas.Pixel(40, 300), 0u);                 // outline
    EXPECT_EQ(canvas.Pixel(45, 300), p.ColorHauswand);   // between plinth and windows
    EXPECT_EQ(canvas.Pixel(100, 355), p.ColorHaussockel); // plinth (0.8 m high)
    EXPECT_EQ(canvas.Pixel(37, 300), p.ColorLaschen);    // left flap
    EXPECT_EQ(canvas.Pixel(10, 300), p.ColorHintergrund);
    EXPECT_EQ(canvas.Pixel(100, 500), p.ColorHauswand);  // floor plate
    EXPECT_EQ(canvas.Pixel(100, 577), p.ColorLaschen);   // its bottom flap, 20 px deep
}

class NetPdfTest : public tandrel::test::TestEnv {};

TEST_F(NetPdfTest, ThePdfTargetDrawsTheWallsAtTheirMillimetres)
{
    const TPaperHouseParams p;
    const QString file = QDir(tempDir.path()).filePath(QStringLiteral("netz.pdf"));
    {
        PdfWriter pdf;
        pdf.SetPaperSize(PdfWriter::kPaperCustom);
        pdf.SetPaperWidth(297);
        pdf.SetPaperHeight(210);
        pdf.SetTopMargin(0);
        pdf.SetBottomMargin(0);
        pdf.SetHeaderHeight(0);
        pdf.SetFooterHeight(0);
        pdf.SetFileName(file);
        pdf.BeginDoc();
        // 1 : 125, origin (6.8, 100): wall 1 spans x 6.8 … 86.8 and y 53.6 … 100 mm.
        TNetGeometry net(p, TNetDevice::Pdf(8, 6.8, 100, p.LaschenGroesse));
        net.AddHouseNet({});
        DrawNetShapes(net.Shapes(), pdf);
        pdf.EndDoc();
    }
    PdfReader reader(file);
    ASSERT_TRUE(reader.isOpen());
    const double dpi = 300;
    const QImage page = reader.render(0, dpi);
    auto at = [&](double x, double y) { return PdfReader::colorAtMm(page, dpi, x, y); };
    const QColor wall = tandrel::platform::toQColor(p.ColorHauswand);
    EXPECT_EQ(at(7.5, 70), wall);       // just inside wall 1's left edge
    EXPECT_EQ(at(86.0, 70), wall);      // just inside its right edge
    EXPECT_LT(at(86.8, 70).lightness(), 128); // the fold line to wall 2
    EXPECT_EQ(at(7.5, 54.4), wall);     // under the top edge
    EXPECT_EQ(at(3, 70), tandrel::platform::toQColor(p.ColorLaschen)); // left flap, 5.66 mm deep
    EXPECT_EQ(at(40, 99), tandrel::platform::toQColor(p.ColorHaussockel)); // plinth 6.4 mm high
    EXPECT_EQ(at(40, 130), wall);       // floor plate 57.6 mm deep
    EXPECT_EQ(at(40, 170), QColor(255, 255, 255));

    QProcess qpdf;
    qpdf.start(QStringLiteral("qpdf"), {QStringLiteral("--check"), file});
    ASSERT_TRUE(qpdf.waitForFinished(30000));
    EXPECT_EQ(qpdf.exitCode(), 0);
}

} // namespace
