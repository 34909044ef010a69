#include "drawing/Canvas.h"
#include "tests/support/TestEnv.h"
#include "tests/yield/GermanLocale.h"
#include "yield/ErtragChart.h"
#include "tests/support/CaseName.h"

namespace {

constexpr tandrel::platform::ColorRef kBar = 0x2E9BF2;

int CountColour(const MCanvas& c, tandrel::platform::ColorRef colour, int x0, int x1)
{
    int n = 0;
    for (int y = 0; y < c.Height(); ++y)
        for (int x = x0; x < x1; ++x)
            n += c.Pixel(x, y) == colour;
    return n;
}

TEST(ErtragChart, BarsForEveryYearAndARisingRevenueLine)
{
    GermanLocale german;
    MCanvas c(520, 300);
    DrawErtragChart(c, {9250.0, 2519.33, 20});
    if (qEnvironmentVariableIsSet("TANDREL_CHART_PNG"))
        c.Image().save(qEnvironmentVariable("TANDREL_CHART_PNG") + "_full.png");
    // Twenty bars of equal height: every fifth of the plot's width holds bar pixels.
    const int w = c.Width();
    for (int part = 0; part < 5; ++part)
        EXPECT_GT(CountColour(c, kBar, w * (part + 1) / 7, w * (part + 1) / 7 + w / 14), 100) << "part " << part;
}

TEST(ErtragChart, WithoutPowerNoBarsButAHint)
{
    GermanLocale german;
    MCanvas c(520, 300);
    DrawErtragChart(c, {0.0, 0.0, 20});
    if (qEnvironmentVariableIsSet("TANDREL_CHART_PNG"))
        c.Image().save(qEnvironmentVariable("TANDREL_CHART_PNG") + "_empty.png");
    // Only the legend's sample square carries the bar colour.
    EXPECT_LT(CountColour(c, kBar, 0, c.Width()), 200);
}

TEST(ErtragChart, TooSmallCanvasDrawsOnlyTheTitle)
{
    MCanvas c(40, 30);
    DrawErtragChart(c, {9250.0, 2519.33, 20});
    EXPECT_EQ(CountColour(c, kBar, 0, c.Width()), 0);
}

struct AreaCase {
    std::string name;
    int w, h;
    MErtragChartDaten daten;
};

class ErtragChartArea : public ::testing::TestWithParam<AreaCase> {};

// Screen and paper draw the same pieces; none of them leaves the chart's area
// (a text is measured as its width and height say).
TEST_P(ErtragChartArea, EveryPieceInsideTheArea)
{
    GermanLocale german;
    const AreaCase& c = GetParam();
    MErtragChartMetrics m;
    m.width = [](const QString& s, int size, bool bold) { return int(s.size() * size * (bold ? 0.75 : 0.7)); };
    m.height = [](int size, bool) { return size * 3 / 2; };
    const std::vector<MErtragChartItem> items = ErtragChartGeometry(c.w, c.h, c.daten, m);
    ASSERT_FALSE(items.empty());
    int bars = 0;
    for (const MErtragChartItem& i : items) {
        QRectF box;
        for (const QPointF& p : i.points)
            box = box.united(QRectF(p, QSizeF(0.01, 0.01)));
        if (i.kind == MErtragChartItem::Kind::Text)
            box = QRectF(i.points[0], QSizeF(m.width(i.text, i.fontSize, i.bold), m.height(i.fontSize, i.bold)));
        EXPECT_GE(box.left(), 0) << i.text.toStdString();
        EXPECT_GE(box.top(), 0) << i.text.toStdString();
        EXPECT_LE(box.right(), c.w + 1) << i.text.toStdString();
        EXPECT_LE(box.bottom(), c.h) << i.text.toStdString();
        bars += i.kind == MErtragChartItem::Kind::Rectangle && i.fill == kBar;
    }
    // One bar a year and the legend's sample; none without a yield.
    EXPECT_EQ(bars, c.daten.Jahresertrag > 0 ? c.daten.Jahre + 1 : 1);
}

INSTANTIATE_TEST_SUITE_P(Sizes, ErtragChartArea,
                         ::testing::Values(AreaCase{"Screen", 520, 300, {9250.0, 2519.33, 20}},
                                           AreaCase{"ReportPage", 643, 242, {7800.0, 2436.41, 20}},
                                           AreaCase{"LargeFigures", 643, 242, {987654.0, 345678.9, 20}},
                                           AreaCase{"NoPower", 643, 242, {0.0, 0.0, 20}}),
                         tandrel::test::CaseName());

} // namespace
