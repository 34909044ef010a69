#include "drawing/Canvas.h"
#include "drawing/PVFlaecheReps.h"
#include "drawing/Structur.h"
#include "drawing/VirtualView.h"
#include "tests/support/CaseName.h"

#include <cmath>
#include <vector>
#include <gtest/gtest.h>

namespace {

using Points = std::vector<double>;

MStandardFlaecheRep& Roof(MStructur& s, int form, double l1, double b1, double inset)
{
    auto& a = s.Create<MStandardFlaecheRep>(0, 0, 0.0, 0.0);
    a.Laenge1 = l1;
    a.Breite1 = b1;
    a.Laenge3 = l1;
    a.Innenabstand1 = inset;
    a.BuildOutline(form);
    return a;
}

MSperrFlaecheRep& Chimney(MStructur& s, double x, double y, double l, double b)
{
    auto& a = s.Create<MSperrFlaecheRep>(0, 0, x, y);
    a.Laenge1 = l;
    a.Breite1 = b;
    a.BuildOutline(kFormRechteck);
    return a;
}

void ExpectPoints(const Points& actual, const Points& expected)
{
    ASSERT_EQ(actual.size(), expected.size());
    for (std::size_t i = 0; i < actual.size(); ++i)
        EXPECT_NEAR(actual[i], expected[i], 1e-12) << "corner " << i;
}

// ------------------------------------------------------------ mounting area

TEST(MountingArea, RectangleWithItsInnerOutline)
{
    MStructur s;
    auto& a = Roof(s, kFormRechteck, 10, 6, 0.5);
    ExpectPoints(a.OutlineX, {0, 0, 10, 10});
    ExpectPoints(a.OutlineY, {0, 6, 6, 0});
    ExpectPoints(a.InnerX, {0.5, 0.5, 9.5, 9.5});
    ExpectPoints(a.InnerY, {0.5, 5.5, 5.5, 0.5});
    EXPECT_EQ(a.XSize, 10);
    EXPECT_EQ(a.YSize, 6);
    EXPECT_EQ(a.RotCenterX, 5);
    EXPECT_EQ(a.RotCenterY, 3);
    ExpectPoints(a.ShapeX, a.OutlineX);
}

struct UsableCase {
    double x, y;
    bool usable;
};

std::string CaseLabel(const UsableCase& c)
{
    return "at_" + tandrel::test::NumberName(c.x) + "_" + tandrel::test::NumberName(c.y);
}

class UsablePoints : public ::testing::TestWithParam<UsableCase> {};

TEST_P(UsablePoints, OnlyTheInnerOutlineIsUsable)
{
    MStructur s;
    auto& a = Roof(s, kFormRechteck, 10, 6, 0.5);
    EXPECT_EQ(a.IsUsable(GetParam().x, GetParam().y), GetParam().usable);
}

INSTANTIATE_TEST_SUITE_P(Points, UsablePoints,
                         ::testing::Values(UsableCase{0.4, 3, false}, UsableCase{0.6, 3, true},
                                           UsableCase{9.4, 3, true}, UsableCase{9.6, 3, false},
                                           UsableCase{5, 5.4, true}, UsableCase{5, 5.6, false},
                                           UsableCase{-20, 3, false}),
                         tandrel::test::CaseName{});

TEST(MountingArea, NorthDirectionTurnsAboutTheCentre)
{
    MStructur s;
    auto& a = s.Create<MStandardFlaecheRep>(0, 0, 0.0, 0.0);
    a.Laenge1 = 10;
    a.Breite1 = 6;
    a.Nordrichtung = 90;
    a.BuildOutline(kFormRechteck);
    EXPECT_EQ(a.XSize, 10);
    EXPECT_EQ(a.YSize, 6);
    EXPECT_DOUBLE_EQ(a.Rotation, 90 * 0.017453292519943295);
    ExpectPoints(a.ShapeX, {8, 2, 2, 8});
    ExpectPoints(a.ShapeY, {-2, -2, 8, 8});
    EXPECT_TRUE(a.ContainsPoint(5, 3));
    // The common box test still cuts what leaves the unrotated box.
    EXPECT_FALSE(a.ContainsPoint(5, -1));
}

TEST(MountingArea, FormsBuildTheirPolygons)
{
    MStructur s;
    auto& l = Roof(s, kFormLForm, 10, 6, 0.5);
    auto& r = Roof(s, kFormRechteck, 10, 6, 0.5);
    auto& odd = Roof(s, 7, 10, 6, 0.5);
    ExpectPoints(l.OutlineX, r.OutlineX);
    ExpectPoints(l.OutlineY, r.OutlineY);
    ExpectPoints(odd.OutlineX, r.OutlineX);
    auto& t = s.Create<MStandardFlaecheRep>(0, 0, 1.0, 2.0);
    t.Laenge1 = 10;
    t.Breite1 = 4;
    t.Laenge2 = 2;
    t.Laenge3 = 5;
    t.BuildOutline(kFormTrapez);
    ExpectPoints(t.OutlineX, {1, 3, 8, 11});
    ExpectPoints(t.OutlineY, {2, 6, 6, 2});
    EXPECT_EQ(t.XSize, 10);
    EXPECT_EQ(t.YSize, 4);
}

TEST(MountingArea, MovingShiftsEveryOutline)
{
    MStructur s;
    auto& a = Roof(s, kFormTrapez, 10, 6, 0.5);
    a.MoveBy(1, -2);
    EXPECT_EQ(a.XPos, 1);
    ExpectPoints(a.InnerRotX, {1.5, 1.5, 10.5, 10.5});
    ExpectPoints(a.ShapeY, {-2, 4, 4, -2});
    EXPECT_TRUE(a.IsUsable(1.6, 1));
}

// ------------------------------------------------------------ blocked area

TEST(BlockedArea, IsCentredOnItsPositionWithBothOutlines)
{
    MStructur s;
    auto& b = Chimney(s, 5, 5, 2, 2);
    ExpectPoints(b.ShapeX, {4, 4, 6, 6});
    ExpectPoints(b.ShapeY, {4, 6, 6, 4});
    ExpectPoints(b.OuterRotX, {3.7, 3.7, 6.3, 6.3});
    ExpectPoints(b.OuterRotY, {3.7, 6.3, 6.3, 3.7});
    ExpectPoints(b.InnerRotX, {4.5, 4.5, 5.5, 5.5});
    EXPECT_EQ(b.XSize, 2);
    EXPECT_EQ(b.CornerCount, 4);
    EXPECT_TRUE(b.IsBlocked(3.8, 5));
    EXPECT_FALSE(b.IsBlocked(3.6, 5));
    EXPECT_TRUE(b.IsBlocked(6.25, 6.25));
}

struct HitCase {
    double x, y;
    bool hit;
};

std::string CaseLabel(const HitCase& c)
{
    return "at_" + tandrel::test::NumberName(c.x) + "_" + tandrel::test::NumberName(c.y);
}

class BlockedHit : public ::testing::TestWithParam<HitCase> {};

// The centred box lets every quarter of the area be hit.
TEST_P(BlockedHit, UsesTheCentredBox)
{
    MStructur s;
    auto& b = Chimney(s, 5, 5, 2, 2);
    EXPECT_EQ(b.ContainsPoint(GetParam().x, GetParam().y), GetParam().hit);
    EXPECT_EQ(s.FindAt(GetParam().x, GetParam().y) == &b, GetParam().hit);
}

INSTANTIATE_TEST_SUITE_P(Points, BlockedHit,
                         ::testing::Values(HitCase{4.5, 4.5, true}, HitCase{5.5, 5.5, true}, HitCase{4.5, 5.5, true},
                                           HitCase{4, 5, false}, HitCase{6.5, 6.5, false}, HitCase{3.8, 5, false}),
                         tandrel::test::CaseName{});

TEST(BlockedArea, RotationTurnsAllOutlinesAboutItsPosition)
{
    MStructur s;
    auto& b = s.Create<MSperrFlaecheRep>(0, 0, 5.0, 5.0);
    b.Laenge1 = 4;
    b.Breite1 = 2;
    b.Nordrichtung = 90;
    b.BuildOutline(kFormRechteck);
    EXPECT_NEAR(b.XSize, 2, 1e-12);
    EXPECT_NEAR(b.YSize, 4, 1e-12);
    EXPECT_TRUE(b.IsBlocked(5, 7.2));
    EXPECT_FALSE(b.IsBlocked(6.4, 5));
    EXPECT_TRUE(b.LiesInRect(3.9, 2.9, 6.1, 7.1));
}

TEST(BlockedArea, WithoutSecondOutlinesTheyFollowThePolygon)
{
    MStructur s;
    auto& b = s.Create<MSperrFlaecheRep>(0, 0, 5.0, 5.0);
    b.ZeichneZweiteFlaeche = false;
    b.Laenge1 = 2;
    b.Breite1 = 2;
    b.BuildOutline(kFormRechteck);
    b.BuildOutline(kFormRechteck); // rebuilding does not drift
    ExpectPoints(b.OuterRotX, b.ShapeX);
    ExpectPoints(b.OuterRotY, b.ShapeY);
    EXPECT_TRUE(b.IsBlocked(4.1, 5));
    EXPECT_FALSE(b.IsBlocked(3.9, 5));
}

// ------------------------------------------------------------ degenerate sizes

struct Degenerate {
    const char* label;
    int form;
    double l1, b1, l2, l3;
};

class DegenerateAreas : public ::testing::TestWithParam<Degenerate> {};

bool AllFinite(std::initializer_list<const Points*> arrays)
{
    for (const Points* a : arrays)
        for (double v : *a)
            if (!std::isfinite(v))
                return false;
    return true;
}

TEST_P(DegenerateAreas, NeverProduceNaNCoordinates)
{
    const Degenerate& c = GetParam();
    MStructur s;
    auto& m = s.Create<MStandardFlaecheRep>(0, 0, 1.0, 1.0);
    auto& b = s.Create<MSperrFlaecheRep>(0, 0, 1.0, 1.0);
    m.Laenge1 = b.Laenge1 = c.l1;
    m.Breite1 = b.Breite1 = c.b1;
    m.Laenge2 = b.Laenge2 = c.l2;
    m.Laenge3 = b.Laenge3 = c.l3;
    m.BuildOutline(c.form);
    b.BuildOutline(c.form);
    EXPECT_TRUE(AllFinite({&m.ShapeX, &m.ShapeY, &m.InnerRotX, &m.InnerRotY}));
    EXPECT_TRUE(AllFinite({&b.ShapeX, &b.ShapeY, &b.InnerRotX, &b.InnerRotY, &b.OuterRotX, &b.OuterRotY}));
    EXPECT_TRUE(std::isfinite(m.XSize) && std::isfinite(b.XSize) && std::isfinite(b.YSize));
    MCanvas canvas(50, 50);
    MVirtualView view(&canvas);
    view.xdehnung2d = view.ydehnung2d = 5;
    view.yver2d = 45;
    m.CoveringPicture = nullptr;
    m.Draw(view);
    b.Draw(view);
    m.IsUsable(1, 1);
    b.IsBlocked(1, 1);
}

INSTANTIATE_TEST_SUITE_P(Shapes, DegenerateAreas,
                         ::testing::Values(Degenerate{"Point", 0, 0, 0, 0, 0}, Degenerate{"Flat", 0, 5, 0, 0, 0},
                                           Degenerate{"Thin", 0, 0, 5, 0, 0},
                                           Degenerate{"FlatTrapezoid", 10, 3, 0, 5, 2},
                                           Degenerate{"Triangle", 10, 4, 3, 1, 0},
                                           Degenerate{"Spike", 10, 4, 3, 0, -4}),
                         tandrel::test::CaseName{});

// ------------------------------------------------------------ covering tiles

TEST(CoveringTiles, SixRowsOfSixTilesWithHalfTileShift)
{
    MStructur s;
    auto& a = Roof(s, kFormTrapez, 2, 1, 0.2);
    a.TileWidth = 0.5;
    a.TileHeight = 0.25;
    const auto t = a.ComputeTiles();
    EXPECT_EQ(t.Columns, 6);
    EXPECT_EQ(t.Rows, 6);
    ASSERT_EQ(t.Boxes.size(), 36u);
    // Laid from the right edge leftwards and from the lower edge upwards.
    EXPECT_DOUBLE_EQ(t.Boxes[0].MinX, 1.5);
    EXPECT_DOUBLE_EQ(t.Boxes[0].MaxX, 2.0);
    EXPECT_DOUBLE_EQ(t.Boxes[0].MinY, 0);
    EXPECT_DOUBLE_EQ(t.Boxes[1].MinX, 1.0);
    for (int row : {1, 3, 5})
        EXPECT_DOUBLE_EQ(t.Boxes[row * 6].MinX, 1.75) << row;
    for (int row : {2, 4})
        EXPECT_DOUBLE_EQ(t.Boxes[row * 6].MinX, 1.5) << row;
    EXPECT_DOUBLE_EQ(t.Boxes[35].MinY, 1.25);
    EXPECT_EQ(t.Clip.MinX, 0);
    EXPECT_EQ(t.Clip.MaxX, 2);
    EXPECT_EQ(t.Clip.MaxY, 1);
}

TEST(CoveringTiles, OverlapNarrowsTheStepAndStopsTheShift)
{
    MStructur s;
    auto& a = Roof(s, kFormTrapez, 2, 1, 0.2);
    a.TileWidth = 0.33;
    a.TileHeight = 0.42;
    a.TileOverlapX = 0.03;
    a.TileOverlapY = 0.021;
    const auto t = a.ComputeTiles();
    EXPECT_EQ(t.Columns, int(std::trunc(2 / 0.3)) + 2);
    EXPECT_EQ(t.Rows, int(std::trunc(1 / 0.399)) + 2);
    EXPECT_DOUBLE_EQ(t.Boxes[t.Columns].MinX, t.Boxes[0].MinX); // no shift
    EXPECT_DOUBLE_EQ(t.Boxes[1].MinX, t.Boxes[0].MinX - 0.3);
}

TEST(CoveringTiles, SizesOutOfRangeAreResetAndABadStepDrawsNoTiles)
{
    MStructur s;
    auto& a = Roof(s, kFormTrapez, 2, 1, 0.2);
    a.TileWidth = 0.05;
    a.TileHeight = 20;
    a.NormalizeTileSize();
    EXPECT_EQ(a.TileWidth, 0.4);
    EXPECT_EQ(a.TileHeight, 0.5);
    a.TileWidth = std::nan("");
    a.NormalizeTileSize();
    EXPECT_EQ(a.TileWidth, 0.4);
    a.TileOverlapX = 0.4; // no step left
    EXPECT_TRUE(a.ComputeTiles().Boxes.empty());
    a.TileOverlapX = 0.5;
    EXPECT_TRUE(a.ComputeTiles().Boxes.empty());
}

// ------------------------------------------------------------ drawing

class AreaDrawing : public ::testing::Test {
protected:
    // 100 pixels per metre; world (0, 0) at device (20, 180).
    MCanvas canvas{300, 200};
    MVirtualView view{&canvas};
    MStructur s;

    void SetUp() override
    {
        view.xdehnung2d = view.ydehnung2d = 100;
        view.xver2d = 20;
        view.yver2d = 180;
    }
    tandrel::platform::ColorRef At(double x, double y) const
    {
        return canvas.Pixel(view.WorldToDeviceX(x), view.WorldToDeviceY(y));
    }
};

TEST_F(AreaDrawing, TrapezoidFormDrawsTheBandAndTheInside)
{
    auto& a = Roof(s, kFormTrapez, 2, 1, 0.2);
    a.AuxColor2 = 0x808080;
    a.FillColor = 0xF0DCF0;
    a.Draw(view);
    EXPECT_EQ(At(1, 0.5), 0xF0DCF0u);
    EXPECT_EQ(At(0.1, 0.5), 0x808080u);
    EXPECT_EQ(At(2.1, 0.5), 0xFFFFFFu);
}

TEST_F(AreaDrawing, CoveringTilesAreClippedToTheArea)
{
    QImage tile(3, 3, QImage::Format_RGB32);
    tile.fill(QColor(0, 160, 0));
    auto& a = Roof(s, kFormTrapez, 2, 1, 0.2);
    a.CoveringPicture = &tile;
    a.TileWidth = 0.5;
    a.TileHeight = 0.25;
    a.Draw(view);
    const auto green = tandrel::platform::rgbRef(0, 160, 0);
    EXPECT_EQ(At(1, 0.5), green);
    EXPECT_EQ(At(0.01, 0.01), green);
    EXPECT_EQ(At(1.99, 0.99), green);
    EXPECT_EQ(At(2.1, 0.4), 0xFFFFFFu) << "row 1 sticks out on the right";
    EXPECT_EQ(At(1, 1.1), 0xFFFFFFu) << "the top rows stick out upwards";
    EXPECT_FALSE(canvas.ClipRect().has_value());
}

TEST_F(AreaDrawing, RectangleFormAndOtherForms)
{
    auto& r = Roof(s, kFormRechteck, 2, 1, 0.2);
    r.AuxColor2 = 0x808080;
    r.Draw(view);
    EXPECT_EQ(At(1, 0.5), 0x808080u);
    MCanvas other(300, 200);
    view.Canvas = &other;
    auto& odd = Roof(s, kFormLForm, 2, 1, 0.2);
    odd.Draw(view);
    EXPECT_EQ(other.Pixel(view.WorldToDeviceX(0), view.WorldToDeviceY(0.5)), 0x0000FFu) << "red outline";
    EXPECT_EQ(other.Pixel(view.WorldToDeviceX(1), view.WorldToDeviceY(0.5)), odd.FillColor);
}

TEST_F(AreaDrawing, BlockedAreaDrawsPolygonInnerOutlineAndDashedOuter)
{
    auto& b = Chimney(s, 1, 0.8, 0.8, 0.8);
    b.Innenabstand = 0.2;
    b.BuildOutline(kFormRechteck);
    b.Draw(view);
    EXPECT_EQ(At(1, 0.8), 0xC0C0C0u) << "inner outline";
    EXPECT_EQ(At(0.65, 0.8), 0x8C8CDCu) << "polygon ring";
    int black = 0;
    const int y = view.WorldToDeviceY(0.8);
    for (int x = view.WorldToDeviceX(1); x < view.WorldToDeviceX(1.8); ++x)
        black += canvas.Pixel(x, view.WorldToDeviceY(0.8 + 0.4 + 0.3)) == 0u;
    EXPECT_GT(black, 0) << "dashed outer outline on its top edge";
    EXPECT_EQ(canvas.Pixel(view.WorldToDeviceX(1.75), y), 0xFFFFFFu) << "the outer outline is not filled";
}

} // namespace
