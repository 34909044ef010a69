#include "yield/ErtragChart.h"

#include "text/FormatText.h"
#include "drawing/Canvas.h"
#include "drawing/DrawConventions.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr tandrel::platform::ColorRef kBackground = 0xFFFFFF;
constexpr tandrel::platform::ColorRef kGrid = 0xE6E0DA;
constexpr tandrel::platform::ColorRef kAxis = 0x5A5046;
constexpr tandrel::platform::ColorRef kText = 0x3C3228;
constexpr tandrel::platform::ColorRef kBar = 0x2E9BF2;     // sunny orange (BGR)
constexpr tandrel::platform::ColorRef kBarEdge = 0x1A78C8;
constexpr tandrel::platform::ColorRef kLine = 0x7A5A1E;    // deep blue (BGR)

void Font(MCanvas& c, int size, bool bold, tandrel::platform::ColorRef color)
{
    c.SetFontName(QStringLiteral("Liberation Sans"));
    c.SetFontSize(size);
    c.SetFontStyle(bold ? kFontBold : 0);
    c.SetFontColor(color);
}

// Text drawn without a background box.
void Text(MCanvas& c, int x, int y, const QString& s)
{
    c.SetBrushStyle(MBrushStyle::Clear);
    c.TextOut(x, y, s);
}

// Axis top and a round step for about five grid lines.
void Scale(double max, double& top, double& step)
{
    if (!(max > 0.0) || !std::isfinite(max)) {
        top = 1.0;
        step = 0.2;
        return;
    }
    step = RoundTickStep(max * 1.05, 400.0);
    top = std::ceil(max * 1.05 / step) * step;
}

// The smallest round step (1, 1.2, 1.5, 2, 2.5, 3, 4, 5, 6 or 8 times a power of ten) that is at least v.
double NiceCeil(double v)
{
    if (!(v > 0.0) || !std::isfinite(v))
        return 1.0;
    const double p = std::pow(10.0, std::floor(std::log10(v)));
    for (double m : {1.0, 1.2, 1.5, 2.0, 2.5, 3.0, 4.0, 5.0, 6.0, 8.0, 10.0})
        if (m * p >= v * (1 - 1e-12))
            return m * p;
    return 10 * p;
}

// The revenue summed up to the end of each year, with a marker per year.
void DrawRevenueLine(MCanvas& c, const MErtragChartDaten& d, int left, double slot, int top, int bottom, double rTop)
{
    std::vector<QPoint> pts;
    for (int i = 0; i < d.Jahre; ++i) {
        const double v = d.JahresErloes * (i + 1);
        const int cx = left + int(std::lround(slot * (i + 0.5)));
        const int cy = bottom - int(std::lround((bottom - top) * (std::max(0.0, v) / rTop)));
        pts.emplace_back(cx, cy);
    }
    c.SetPenColor(kLine);
    c.SetPenWidth(3);
    c.Polyline(pts);
    c.SetPenWidth(1);
    c.SetBrushColor(kLine);
    c.SetBrushStyle(MBrushStyle::Solid);
    for (const QPoint& p : pts)
        c.Rectangle(p.x() - 2, p.y() - 2, p.x() + 3, p.y() + 3);
}

} // namespace

void DrawErtragChart(MCanvas& c, const MErtragChartDaten& d, const QLocale& l)
{
    const int w = c.Width(), h = c.Height();
    c.Clear(kBackground);
    c.SetPenMode(MPenMode::Copy);

    Font(c, 11, true, kText);
    const QString title = QStringLiteral("Ertrag und Erlös über %1 Jahre").arg(d.Jahre);
    Text(c, (w - c.TextWidth(title)) / 2, 6, title);

    const int years = std::max(1, d.Jahre);
    const double yieldMax = std::max(0.0, d.Jahresertrag);
    const double revenueMax = std::max(0.0, d.JahresErloes * years);
    const bool empty = !(yieldMax > 0.0) || !std::isfinite(yieldMax);
    double yTop = 1, yStep = 1;
    Scale(yieldMax, yTop, yStep);
    // The revenue axis gets as many lines as the yield axis so they share the grid.
    const int lines = std::max(1, int(std::lround(yTop / yStep)));
    const double rStep = NiceCeil(revenueMax * 1.05 / lines);
    const double rTop = rStep * lines;

    Font(c, 8, false, kText);
    const QString leftTitle = QStringLiteral("Jahresertrag [kWh]");
    const QString rightTitle = QStringLiteral("Erlös kumuliert [Euro]");
    const int left = c.TextWidth(FormatText(QStringLiteral("%1.0n"), {yTop}, l)) + 14;
    const int right = w - c.TextWidth(FormatText(QStringLiteral("%1.0n"), {rTop}, l)) - 14;
    const int top = 52, bottom = h - 44;
    if (right - left < 60 || bottom - top < 40)
        return;

    // Grid and axis labels on both sides.
    const int th = c.TextHeight(QStringLiteral("0"));
    for (int i = 0; i <= lines; ++i) {
        const int y = bottom - int(std::lround(double(bottom - top) * i / lines));
        c.SetPenColor(i == 0 ? kAxis : kGrid);
        c.Line(left, y, right + 1, y);
        if (empty)
            continue;
        Font(c, 8, false, kText);
        const QString ly = FormatText(QStringLiteral("%1.0n"), {yStep * i}, l);
        Text(c, left - 6 - c.TextWidth(ly), y - th / 2, ly);
        const QString lr = FormatText(QStringLiteral("%1.0n"), {rStep * i}, l);
        Text(c, right + 6, y - th / 2, lr);
    }
    c.SetPenColor(kAxis);
    c.Line(left, top, left, bottom + 1);
    c.Line(right, top, right, bottom + 1);

    // Bars: the yearly yield.
    const double slot = double(right - left) / years;
    const int barHalf = std::max(1, int(slot * 0.3));
    const int barTop = bottom - int(std::lround((bottom - top) * (yieldMax / yTop)));
    for (int i = 0; i < years; ++i) {
        const int cx = left + int(std::lround(slot * (i + 0.5)));
        if (barTop < bottom) {
            c.SetPenColor(kBarEdge);
            c.SetBrushColor(kBar);
            c.SetBrushStyle(MBrushStyle::Solid);
            c.Rectangle(cx - barHalf, barTop, cx + barHalf + 1, bottom);
        }
        if ((i + 1) == 1 || (i + 1) % 5 == 0) {
            const QString n = QString::number(i + 1);
            Font(c, 8, false, kText);
            Text(c, cx - c.TextWidth(n) / 2, bottom + 4, n);
        }
    }
    Font(c, 8, false, kText);
    const QString xTitle = QStringLiteral("Betriebsjahr");
    Text(c, (left + right - c.TextWidth(xTitle)) / 2, bottom + 6 + th, xTitle);

    if (!empty)
        DrawRevenueLine(c, d, left, slot, top, bottom, rTop);

    // Legend above the plot, the axis titles over their axes.
    const int ly = 30;
    Font(c, 8, false, kText);
    c.SetPenColor(kBarEdge);
    c.SetBrushColor(kBar);
    c.SetBrushStyle(MBrushStyle::Solid);
    c.Rectangle(left, ly + 1, left + 12, ly + 12);
    Text(c, left + 17, ly, leftTitle);
    const int rx = right - c.TextWidth(rightTitle) - 24;
    c.SetPenColor(kLine);
    c.SetPenWidth(3);
    c.Line(rx, ly + 6, rx + 18, ly + 6);
    c.SetPenWidth(1);
    Font(c, 8, false, kText);
    Text(c, rx + 24, ly, rightTitle);

    if (empty) {
        Font(c, 9, false, kAxis);
        const QString none = QStringLiteral("Noch keine Anlagenleistung: bitte die Module in der PV-Anlagenplanung verlegen.");
        Text(c, (left + right - c.TextWidth(none)) / 2, (top + bottom) / 2 - th / 2, none);
    }
}
