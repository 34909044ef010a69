#include "drawing/Canvas.h"
#include "drawing/DrawConventions.h"
#include "tests/support/CaseName.h"

#include <gtest/gtest.h>

namespace {

using tandrel::platform::ColorRef;

constexpr ColorRef kWhite = 0xFFFFFF;
constexpr ColorRef kBlack = 0x000000;
constexpr ColorRef kRed = 0x0000FF;
constexpr ColorRef kBlue = 0xFF0000;

class CanvasTest : public ::testing::Test {
protected:
    MCanvas canvas{20, 20};
};

struct PixelCase {
    int x, y;
    ColorRef expected;
};

std::string CaseLabel(const PixelCase& c)
{
    return "at_" + std::to_string(c.x) + "_" + std::to_string(c.y);
}

// Rectangle (2, 2)–(6, 5), black pen of width 1, red brush: the border
// covers x 2 … 5 and y 2 … 4; the right and bottom coordinates are outside.
class RectanglePixels : public CanvasTest, public ::testing::WithParamInterface<PixelCase> {};

TEST_P(RectanglePixels, FollowTheExclusiveCornerConvention)
{
    canvas.SetPenColor(kBlack);
    canvas.SetBrushColor(kRed);
    canvas.Rectangle(2, 2, 6, 5);
    EXPECT_EQ(canvas.Pixel(GetParam().x, GetParam().y), GetParam().expected);
    // Corners in the other order give the same pixels.
    MCanvas other(20, 20);
    other.SetPenColor(kBlack);
    other.SetBrushColor(kRed);
    other.Rectangle(6, 5, 2, 2);
    EXPECT_EQ(other.Pixel(GetParam().x, GetParam().y), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Pixels, RectanglePixels,
                         ::testing::Values(PixelCase{2, 2, kBlack}, PixelCase{5, 4, kBlack}, PixelCase{5, 2, kBlack},
                                           PixelCase{3, 3, kRed}, PixelCase{4, 3, kRed}, PixelCase{6, 3, kWhite},
                                           PixelCase{3, 5, kWhite}, PixelCase{1, 1, kWhite}),
                         tandrel::test::CaseName{});

TEST_F(CanvasTest, AWidePenIsCentredOnTheBorder)
{
    canvas.SetPenWidth(3);
    canvas.SetBrushStyle(MBrushStyle::Clear);
    canvas.Rectangle(5, 5, 15, 15);
    EXPECT_EQ(canvas.Pixel(4, 10), kBlack);
    EXPECT_EQ(canvas.Pixel(6, 10), kBlack);
    EXPECT_EQ(canvas.Pixel(3, 10), kWhite);
    EXPECT_EQ(canvas.Pixel(7, 10), kWhite);
    EXPECT_EQ(canvas.Pixel(15, 10), kBlack); // around the last column 14
    EXPECT_EQ(canvas.Pixel(10, 10), kWhite); // hollow brush
}

TEST_F(CanvasTest, EllipseStaysInsideItsBox)
{
    canvas.SetBrushColor(kRed);
    canvas.Ellipse(4, 4, 16, 16);
    EXPECT_EQ(canvas.Pixel(10, 10), kRed);  // filled centre
    EXPECT_EQ(canvas.Pixel(4, 4), kWhite);  // the box's corner lies outside the curve
    EXPECT_EQ(canvas.Pixel(16, 10), kWhite); // x2 is not covered
    EXPECT_TRUE(canvas.Pixel(10, 4) == kBlack || canvas.Pixel(10, 5) == kBlack); // the top of the outline
    canvas.SetBrushStyle(MBrushStyle::Clear);
    canvas.Clear(kWhite);
    canvas.Ellipse(4, 4, 16, 16);
    EXPECT_EQ(canvas.Pixel(10, 10), kWhite); // hollow
}

TEST_F(CanvasTest, NotXorDrawnTwiceRestoresEveryPixel)
{
    canvas.SetBrushColor(kRed);
    canvas.SetPenStyle(kPenClear);
    canvas.Rectangle(0, 0, 10, 20); // a red half under the figures
    const QImage before = canvas.Image().copy();
    canvas.SetPenMode(MPenMode::NotXor);
    canvas.SetPenStyle(kPenSolid);
    canvas.SetPenColor(kBlack);
    canvas.SetBrushStyle(MBrushStyle::Clear);
    canvas.Rectangle(3, 3, 15, 12);
    EXPECT_EQ(canvas.Pixel(3, 3), 0xFFFF00u) << "not (black xor red) is cyan";
    EXPECT_EQ(canvas.Pixel(14, 11), kBlack) << "not (black xor white) is black";
    canvas.Rectangle(3, 3, 15, 12);
    EXPECT_EQ(canvas.Image(), before);
    // The dotted rubber band and a filled figure erase the same way.
    canvas.SetPenStyle(kPenDot);
    canvas.Rectangle(1, 1, 18, 17);
    canvas.Rectangle(1, 1, 18, 17);
    canvas.SetPenStyle(kPenSolid);
    canvas.SetPenWidth(2);
    canvas.SetBrushStyle(MBrushStyle::Solid);
    canvas.SetBrushColor(kBlue);
    canvas.Rectangle(2, 4, 12, 16);
    canvas.Rectangle(2, 4, 12, 16);
    canvas.Polygon({QPoint(1, 1), QPoint(15, 3), QPoint(8, 16)});
    canvas.Polygon({QPoint(1, 1), QPoint(15, 3), QPoint(8, 16)});
    EXPECT_EQ(canvas.Image(), before);
    // FillRect copies in every pen mode.
    canvas.FillRect(0, 0, 2, 2);
    canvas.FillRect(0, 0, 2, 2);
    EXPECT_EQ(canvas.Pixel(1, 1), kBlue);
}

TEST_F(CanvasTest, DottedPenLeavesGaps)
{
    canvas.SetPenStyle(kPenDot);
    canvas.SetBrushStyle(MBrushStyle::Clear);
    canvas.Rectangle(0, 0, 19, 19);
    EXPECT_EQ(canvas.Pixel(0, 0), kBlack);
    EXPECT_EQ(canvas.Pixel(3, 0), kWhite);
    EXPECT_EQ(canvas.Pixel(6, 0), kBlack);
}

TEST_F(CanvasTest, CrossHatchPaintsAGridAndLeavesTheRest)
{
    canvas.SetBrushColor(kBlue);
    canvas.SetBrushStyle(MBrushStyle::DiagCross);
    canvas.FillRect(0, 0, 16, 16);
    EXPECT_EQ(canvas.Pixel(0, 0), kBlue);
    EXPECT_EQ(canvas.Pixel(7, 0), kBlue);
    EXPECT_EQ(canvas.Pixel(9, 9), kBlue);
    EXPECT_EQ(canvas.Pixel(1, 0), kWhite);
    EXPECT_EQ(canvas.Pixel(4, 1), kWhite);
}

TEST_F(CanvasTest, ClipRectangleAdmitsUpToTheLastPixelBeforeItsCorner)
{
    canvas.SetClipRect(5, 5, 10, 10);
    canvas.SetBrushColor(kRed);
    canvas.FillRect(0, 0, 20, 20);
    canvas.Line(0, 7, 20, 7);
    EXPECT_EQ(canvas.Pixel(5, 5), kRed);
    EXPECT_EQ(canvas.Pixel(9, 9), kRed);
    EXPECT_EQ(canvas.Pixel(10, 9), kWhite);
    EXPECT_EQ(canvas.Pixel(4, 5), kWhite);
    EXPECT_EQ(canvas.Pixel(7, 7), kBlack);
    EXPECT_EQ(canvas.Pixel(12, 7), kWhite);
    canvas.ClearClip();
    canvas.FillRect(0, 0, 20, 20);
    EXPECT_EQ(canvas.Pixel(0, 0), kRed);
}

TEST_F(CanvasTest, LineToStopsBeforeItsEndPoint)
{
    canvas.Line(1, 1, 5, 1);
    EXPECT_EQ(canvas.Pixel(1, 1), kBlack);
    EXPECT_EQ(canvas.Pixel(4, 1), kBlack);
    EXPECT_EQ(canvas.Pixel(5, 1), kWhite);
    EXPECT_EQ(canvas.PenPos(), QPoint(5, 1));
    canvas.LineTo(5, 8); // on from the pen position
    EXPECT_EQ(canvas.Pixel(5, 1), kBlack);
    EXPECT_EQ(canvas.Pixel(5, 7), kBlack);
    EXPECT_EQ(canvas.Pixel(5, 8), kWhite);
}

TEST_F(CanvasTest, PolygonFillsItsInsideAndOutlinesItsCorners)
{
    canvas.SetBrushColor(kRed);
    canvas.Polygon({QPoint(2, 2), QPoint(2, 16), QPoint(16, 16), QPoint(16, 2)});
    EXPECT_EQ(canvas.Pixel(9, 9), kRed);
    EXPECT_EQ(canvas.Pixel(2, 2), kBlack);
    EXPECT_EQ(canvas.Pixel(2, 9), kBlack);
    EXPECT_EQ(canvas.Pixel(1, 9), kWhite);
    EXPECT_EQ(canvas.Pixel(18, 9), kWhite);
}

TEST_F(CanvasTest, StretchDrawFillsTheTargetRectangleOnly)
{
    QImage picture(2, 2, QImage::Format_RGB32);
    picture.setPixel(0, 0, qRgb(255, 0, 0));
    picture.setPixel(1, 0, qRgb(0, 255, 0));
    picture.setPixel(0, 1, qRgb(0, 0, 255));
    picture.setPixel(1, 1, qRgb(0, 0, 0));
    canvas.StretchDraw(4, 4, 8, 8, picture);
    EXPECT_EQ(canvas.Pixel(4, 4), kRed);
    EXPECT_EQ(canvas.Pixel(7, 4), 0x00FF00u);
    EXPECT_EQ(canvas.Pixel(4, 7), kBlue);
    EXPECT_EQ(canvas.Pixel(7, 7), kBlack);
    EXPECT_EQ(canvas.Pixel(8, 8), kWhite);
    EXPECT_EQ(canvas.Pixel(3, 4), kWhite);
    // Bottom and top given the other way round draw the same.
    canvas.StretchDraw(10, 18, 14, 14, picture);
    EXPECT_EQ(canvas.Pixel(10, 14), kRed);
}

TEST_F(CanvasTest, TextUsesTheCellAndASolidBrushBehindIt)
{
    SetRepFont(canvas);
    EXPECT_EQ(canvas.FontName(), "arial");
    EXPECT_EQ(canvas.FontSize(), -12);
    const int h = canvas.TextHeight("0");
    EXPECT_LE(h, 16);
    EXPECT_GE(h, 12);
    const int w = canvas.TextWidth("88");
    EXPECT_GT(w, 0);
    EXPECT_GT(canvas.TextWidth("888"), w);
    canvas.SetBrushColor(0x00FFFF); // yellow
    canvas.TextOut(2, 2, "88");
    EXPECT_EQ(canvas.Pixel(2, 2), 0x00FFFFu) << "the cell's top-left is background";
    EXPECT_EQ(canvas.Pixel(2 + w, 2), kWhite);
    int ink = 0;
    for (int y = 2; y < 2 + h; ++y)
        for (int x = 2; x < 2 + w; ++x)
            ink += canvas.Pixel(x, y) == kBlack;
    EXPECT_GT(ink, 0);
    // A clear brush leaves the background.
    canvas.SetBrushStyle(MBrushStyle::Clear);
    canvas.TextOut(2, 2 + h, "88");
    EXPECT_EQ(canvas.Pixel(2, 2 + h), kWhite);
}

TEST_F(CanvasTest, SystemColoursComeFromThePalette)
{
    canvas.SetBrushColor(tandrel::platform::kColorInfoBk);
    canvas.FillRect(0, 0, 2, 2);
    EXPECT_EQ(canvas.Pixel(0, 0), tandrel::platform::fromQColor(tandrel::platform::toQColor(tandrel::platform::kColorInfoBk)));
}

TEST_F(CanvasTest, FarAwayCoordinatesAreHarmless)
{
    canvas.SetBrushColor(kRed);
    canvas.Rectangle(-2'000'000'000, -2'000'000'000, 2'000'000'000, 2'000'000'000);
    EXPECT_EQ(canvas.Pixel(10, 10), kRed);
    canvas.Polygon({QPoint(-2'000'000'000, 0), QPoint(2'000'000'000, 0), QPoint(0, 2'000'000'000)});
    canvas.StretchDraw(-2'000'000'000, 0, 2'000'000'000, 10, QImage(1, 1, QImage::Format_RGB32));
    canvas.Line(-2'000'000'000, 3, 2'000'000'000, 3);
    EXPECT_EQ(canvas.Pixel(10, 3), kBlack);
}

TEST(CanvasOnTarget, DrawsIntoTheCallersImage)
{
    QImage target(8, 8, QImage::Format_ARGB32);
    target.fill(Qt::white);
    {
        MCanvas canvas(target);
        canvas.SetBrushColor(kRed);
        canvas.FillRect(0, 0, 4, 4);
    }
    EXPECT_EQ(target.pixel(3, 3) & 0xFFFFFF, 0xFF0000u);
    EXPECT_EQ(target.pixel(4, 4) & 0xFFFFFF, 0xFFFFFFu);
}

} // namespace
