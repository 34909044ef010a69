#include "yield/ErtragChart.h"

#include "text/FormatText.h"
#include "drawing/Canvas.h"
#include "drawing/DrawConventions.h"
#include "pdf/PdfWriter.h"

#include <algorithm>
#include <cmath>

namespace {

using tandrel::platform::ColorRef;
using Item = MErtragChartItem;

constexpr ColorRef kBackground = 0xFFFFFF;
constexpr ColorRef kGrid = 0xE6E0DA;
constexpr ColorRef kAxis = 0x5A5046;
constexpr ColorRef kText = 0x3C3228;
constexpr ColorRef kBar = 0x2E9BF2;     // sunny orange (BGR)
constexpr ColorRef kBarEdge = 0x1A78C8;
constexpr ColorRef kLine = 0x7A5A1E;    // deep blue (BGR)

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

class Builder {
public:
    Builder(std::vector<Item>& items, const MErtragChartMetrics& m) : m_items(items), m_m(m) {}

    void Font(int size, bool bold, ColorRef color)
    {
        m_size = size;
        m_bold = bold;
        m_fontColor = color;
    }
    int Width(const QString& s) const { return m_m.width ? m_m.width(s, m_size, m_bold) : 0; }
    int Height() const { return m_m.height ? m_m.height(m_size, m_bold) : 0; }
    void Text(int x, int y, const QString& s)
    {
        Item i;
        i.kind = Item::Kind::Text;
        i.points = {QPointF(x, y)};
        i.pen = m_fontColor;
        i.text = s;
        i.fontSize = m_size;
        i.bold = m_bold;
        m_items.push_back(std::move(i));
    }
    void Line(int x1, int y1, int x2, int y2, ColorRef pen, int width = 1)
    {
        Item i;
        i.points = {QPointF(x1, y1), QPointF(x2, y2)};
        i.pen = pen;
        i.penWidth = width;
        m_items.push_back(std::move(i));
    }
    void Polyline(std::vector<QPointF> points, ColorRef pen, int width)
    {
        Item i;
        i.kind = Item::Kind::Polyline;
        i.points = std::move(points);
        i.pen = pen;
        i.penWidth = width;
        m_items.push_back(std::move(i));
    }
    void Rectangle(int x1, int y1, int x2, int y2, ColorRef pen, ColorRef fill)
    {
        Item i;
        i.kind = Item::Kind::Rectangle;
        i.points = {QPointF(x1, y1), QPointF(x2, y2)};
        i.pen = pen;
        i.filled = true;
        i.fill = fill;
        m_items.push_back(std::move(i));
    }

private:
    std::vector<Item>& m_items;
    const MErtragChartMetrics& m_m;
    int m_size = 8;
    bool m_bold = false;
    ColorRef m_fontColor = kText;
};

// The revenue summed up to the end of each year, with a marker per year.
void AddRevenueLine(Builder& b, const MErtragChartDaten& d, int left, double slot, int top, int bottom, double rTop)
{
    std::vector<QPointF> pts;
    for (int i = 0; i < d.Jahre; ++i) {
        const double v = d.JahresErloes * (i + 1);
        const int cx = left + int(std::lround(slot * (i + 0.5)));
        const int cy = bottom - int(std::lround((bottom - top) * (std::max(0.0, v) / rTop)));
        pts.emplace_back(cx, cy);
    }
    b.Polyline(pts, kLine, 3);
    for (const QPointF& p : pts)
        b.Rectangle(int(p.x()) - 2, int(p.y()) - 2, int(p.x()) + 3, int(p.y()) + 3, kLine, kLine);
}

} // namespace

std::vector<MErtragChartItem> ErtragChartGeometry(int w, int h, const MErtragChartDaten& d,
                                                  const MErtragChartMetrics& metrics, const QLocale& l)
{
    std::vector<Item> items;
    Builder c(items, metrics);

    c.Font(11, true, kText);
    const QString title = QStringLiteral("Ertrag und Erlös über %1 Jahre").arg(d.Jahre);
    c.Text((w - c.Width(title)) / 2, 6, title);

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

    c.Font(8, false, kText);
    const QString leftTitle = QStringLiteral("Jahresertrag [kWh]");
    const QString rightTitle = QStringLiteral("Erlös kumuliert [Euro]");
    const int left = c.Width(FormatText(QStringLiteral("%1.0n"), {yTop}, l)) + 14;
    const int right = w - c.Width(FormatText(QStringLiteral("%1.0n"), {rTop}, l)) - 14;
    const int top = 52, bottom = h - 44;
    if (right - left < 60 || bottom - top < 40)
        return items;

    // Grid and axis labels on both sides.
    const int th = c.Height();
    for (int i = 0; i <= lines; ++i) {
        const int y = bottom - int(std::lround(double(bottom - top) * i / lines));
        c.Line(left, y, right + 1, y, i == 0 ? kAxis : kGrid);
        if (empty)
            continue;
        const QString ly = FormatText(QStringLiteral("%1.0n"), {yStep * i}, l);
        c.Text(left - 6 - c.Width(ly), y - th / 2, ly);
        const QString lr = FormatText(QStringLiteral("%1.0n"), {rStep * i}, l);
        c.Text(right + 6, y - th / 2, lr);
    }
    c.Line(left, top, left, bottom + 1, kAxis);
    c.Line(right, top, right, bottom + 1, kAxis);

    // Bars: the yearly yield.
    const double slot = double(right - left) / years;
    const int barHalf = std::max(1, int(slot * 0.3));
    const int barTop = bottom - int(std::lround((bottom - top) * (yieldMax / yTop)));
    for (int i = 0; i < years; ++i) {
        const int cx = left + int(std::lround(slot * (i + 0.5)));
        if (barTop < bottom)
            c.Rectangle(cx - barHalf, barTop, cx + barHalf + 1, bottom, kBarEdge, kBar);
        if ((i + 1) == 1 || (i + 1) % 5 == 0) {
            const QString n = QString::number(i + 1);
            c.Text(cx - c.Width(n) / 2, bottom + 4, n);
        }
    }
    const QString xTitle = QStringLiteral("Betriebsjahr");
    c.Text((left + right - c.Width(xTitle)) / 2, bottom + 6 + th, xTitle);

    if (!empty)
        AddRevenueLine(c, d, left, slot, top, bottom, rTop);

    // Legend above the plot, the axis titles over their axes.
    const int ly = 30;
    c.Rectangle(left, ly + 1, left + 12, ly + 12, kBarEdge, kBar);
    c.Text(left + 17, ly, leftTitle);
    const int rx = right - c.Width(rightTitle) - 24;
    c.Line(rx, ly + 6, rx + 18, ly + 6, kLine, 3);
    c.Text(rx + 24, ly, rightTitle);

    if (empty) {
        c.Font(9, false, kAxis);
        const QString none = QStringLiteral("Noch keine Anlagenleistung: bitte die Module in der PV-Anlagenplanung verlegen.");
        c.Text((left + right - c.Width(none)) / 2, (top + bottom) / 2 - th / 2, none);
    }
    return items;
}

namespace {

void CanvasFont(MCanvas& c, int size, bool bold, ColorRef color)
{
    c.SetFontName(QStringLiteral("Liberation Sans"));
    c.SetFontSize(size);
    c.SetFontStyle(bold ? kFontBold : 0);
    c.SetFontColor(color);
}

} // namespace

void DrawErtragChart(MCanvas& c, const MErtragChartDaten& d, const QLocale& l)
{
    c.Clear(kBackground);
    c.SetPenMode(MPenMode::Copy);
    MErtragChartMetrics metrics;
    metrics.width = [&c](const QString& s, int size, bool bold) {
        CanvasFont(c, size, bold, kText);
        return c.TextWidth(s);
    };
    metrics.height = [&c](int size, bool bold) {
        CanvasFont(c, size, bold, kText);
        return c.TextHeight(QStringLiteral("0"));
    };
    for (const Item& i : ErtragChartGeometry(c.Width(), c.Height(), d, metrics, l)) {
        const auto at = [&](int k) { return QPoint(int(i.points[k].x()), int(i.points[k].y())); };
        switch (i.kind) {
        case Item::Kind::Text:
            CanvasFont(c, i.fontSize, i.bold, i.pen);
            c.SetBrushStyle(MBrushStyle::Clear);
            c.TextOut(at(0).x(), at(0).y(), i.text);
            break;
        case Item::Kind::Line:
            c.SetPenColor(i.pen);
            c.SetPenWidth(i.penWidth);
            c.Line(at(0).x(), at(0).y(), at(1).x(), at(1).y());
            c.SetPenWidth(1);
            break;
        case Item::Kind::Polyline: {
            std::vector<QPoint> pts;
            for (const QPointF& p : i.points)
                pts.emplace_back(int(p.x()), int(p.y()));
            c.SetPenColor(i.pen);
            c.SetPenWidth(i.penWidth);
            c.Polyline(pts);
            c.SetPenWidth(1);
            break;
        }
        case Item::Kind::Rectangle:
            c.SetPenColor(i.pen);
            c.SetBrushColor(i.fill);
            c.SetBrushStyle(i.filled ? MBrushStyle::Solid : MBrushStyle::Clear);
            c.Rectangle(at(0).x(), at(0).y(), at(1).x(), at(1).y());
            break;
        }
    }
}

void DrawErtragChart(PdfWriter& pdf, const QRectF& mm, const MErtragChartDaten& d, const QLocale& l)
{
    // The chart is laid out in pixels at 96 dpi, as the writer's pen widths are.
    constexpr double kMmPerPx = 25.4 / 96.0;
    constexpr double kPxPerPt = 96.0 / 72.0;
    const auto font = [&pdf](int size, bool bold, ColorRef color) {
        pdf.SetFont(QStringLiteral("Arial"), size, color, bold ? PdfWriter::Bold : 0);
    };
    MErtragChartMetrics metrics;
    metrics.width = [&](const QString& s, int size, bool bold) {
        font(size, bold, kText);
        return int(std::lround(pdf.TextWidth(s) / kMmPerPx));
    };
    // A text cell is about 1.15 times its size high.
    metrics.height = [&](int size, bool) { return int(std::lround(size * kPxPerPt * 1.15)); };
    const int w = int(std::lround(mm.width() / kMmPerPx));
    const int h = int(std::lround(mm.height() / kMmPerPx));
    const auto at = [&](const QPointF& p) { return QPointF(mm.left() + p.x() * kMmPerPx, mm.top() + p.y() * kMmPerPx); };
    for (const Item& i : ErtragChartGeometry(w, h, d, metrics, l)) {
        switch (i.kind) {
        case Item::Kind::Text: {
            font(i.fontSize, i.bold, i.pen);
            const QPointF p = at(i.points[0]);
            pdf.TextOut(p.x(), p.y(), i.text);
            break;
        }
        case Item::Kind::Line: {
            pdf.SetPen(i.pen, i.penWidth);
            const QPointF a = at(i.points[0]), b = at(i.points[1]);
            pdf.Line(a.x(), a.y(), b.x(), b.y());
            break;
        }
        case Item::Kind::Polyline:
            pdf.SetPen(i.pen, i.penWidth);
            for (size_t k = 1; k < i.points.size(); ++k) {
                const QPointF a = at(i.points[k - 1]), b = at(i.points[k]);
                pdf.Line(a.x(), a.y(), b.x(), b.y());
            }
            break;
        case Item::Kind::Rectangle: {
            pdf.SetPen(i.pen, 1);
            pdf.SetBrush(i.fill, i.filled ? PdfWriter::BrushStyle::Solid : PdfWriter::BrushStyle::Clear);
            const QPointF a = at(i.points[0]), b = at(i.points[1]);
            pdf.Rectangle(a.x(), a.y(), b.x(), b.y());
            break;
        }
        }
    }
    pdf.SetPen(0, 1);
}
