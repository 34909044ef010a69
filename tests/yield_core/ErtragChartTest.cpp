#include "drawing/Canvas.h"
#include "tests/support/TestEnv.h"
#include "tests/yield/GermanLocale.h"
#include "yield/ErtragChart.h"

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

} // namespace
