// The roof planner's pictures: nine roof coverings (one tile each, laid by the
// planner with overlaps), three PV modules, the module preview overlay and the obstacle
// tools' icons.

#include "tools/picgen/Paint.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

namespace picgen {
namespace {

constexpr double kPixelsPerMetre = 480;

double fract(double v) { return v - std::floor(v); }
double clamp01(double v) { return std::clamp(v, 0.0, 1.0); }
double smooth(double e0, double e1, double x)
{
    const double t = clamp01((x - e0) / (e1 - e0));
    return t * t * (3 - 2 * t);
}

// Value noise that repeats over the unit square: granules of the surface.
class PeriodicNoise {
public:
    PeriodicNoise(int nx, int ny, std::uint32_t seed) : m_nx(nx), m_ny(ny), m_v(std::size_t(nx) * ny)
    {
        Rng rng(seed);
        for (double& v : m_v)
            v = rng.uniform(-1, 1);
    }
    // s, t in [0, 1).
    double at(double s, double t) const
    {
        const double x = fract(s) * m_nx, y = fract(t) * m_ny;
        const int x0 = int(x), y0 = int(y);
        const double fx = x - x0, fy = y - y0;
        const double sx = fx * fx * (3 - 2 * fx), sy = fy * fy * (3 - 2 * fy);
        auto v = [&](int i, int j) { return m_v[std::size_t((j % m_ny) * m_nx + (i % m_nx))]; };
        const double a = v(x0, y0) + (v(x0 + 1, y0) - v(x0, y0)) * sx;
        const double b = v(x0, y0 + 1) + (v(x0 + 1, y0 + 1) - v(x0, y0 + 1)) * sx;
        return a + (b - a) * sy;
    }

private:
    int m_nx, m_ny;
    std::vector<double> m_v;
};

QRgb shade(const QColor& base, double light)
{
    auto ch = [&](int c) {
        const double v = light <= 1 ? c * light : c + (255 - c) * (light - 1);
        return std::clamp(int(std::lround(v)), 0, 255);
    };
    return qRgb(ch(base.red()), ch(base.green()), ch(base.blue()));
}

// One tile picture of tileW × tileH metres: each pixel samples the laid roof
// at the tile's place, so that tiles laid with the planner's steps meet
// without seams. pattern(u, v) gets metres from the tile's lower-left corner.
template <class Pattern>
QImage tilePicture(double tileW, double tileH, Pattern pattern)
{
    const int W = int(std::lround(tileW * kPixelsPerMetre)), H = int(std::lround(tileH * kPixelsPerMetre));
    QImage img(W, H, QImage::Format_RGB32);
    // Four samples per pixel keep the edges soft.
    for (int j = 0; j < H; ++j) {
        auto* line = reinterpret_cast<QRgb*>(img.scanLine(j));
        for (int i = 0; i < W; ++i) {
            int r = 0, g = 0, b = 0;
            for (int k = 0; k < 4; ++k) {
                const double u = tileW * (i + 0.25 + 0.5 * (k % 2)) / W;
                const double v = tileH * (1 - (j + 0.25 + 0.5 * (k / 2)) / H);
                const QRgb c = pattern(u, v);
                r += qRed(c);
                g += qGreen(c);
                b += qBlue(c);
            }
            line[i] = qRgb(r / 4, g / 4, b / 4);
        }
    }
    return img;
}

// Frankfurter Pfanne: a concrete tile with a broad roll and a smaller one,
// 0.30 m covering width, 0.399 m covering length (0.33 × 0.42 with laps).
QImage frankfurterPfanne(const QColor& base, double gloss, std::uint32_t seed)
{
    const double stepX = 0.30, stepY = 0.399, lapX = 0.03;
    const PeriodicNoise grain(48, 60, seed), cloudy(6, 5, seed + 7);
    auto height = [](double s) {
        // Two waves across the tile, the broad one in the middle.
        return 0.62 * std::cos(2 * M_PI * (s - 0.55)) + 0.22 * std::cos(4 * M_PI * (s - 0.55) + 0.9);
    };
    auto pattern = [&](double u, double v) {
        const double s = fract((u - lapX) / stepX), t = fract(v / stepY);
        const double ds = 1e-3;
        const double slope = (height(s + ds) - height(s - ds)) / (2 * ds) / (2 * M_PI);
        // Light from the upper left: slopes facing left are brighter.
        double light = 0.86 - 0.30 * slope + 0.05 * height(s);
        light += 0.035 * grain.at(s, t) + 0.03 * cloudy.at(s, t);
        // The rounded nose at the lower edge catches the light.
        light += 0.16 * (1 - smooth(0.0, 0.05, t)) * smooth(0.0, 0.012, t);
        // The tile above lies on this one: its nose casts a shadow whose depth
        // follows the profile.
        const double shadowStart = 0.90 - 0.05 * (height(s) + 0.8);
        light *= 1 - 0.45 * smooth(shadowStart, 1.0, t);
        // Joint at the lower edge and the side lap.
        light *= 0.55 + 0.45 * smooth(0.0, 0.012, t);
        light *= 0.72 + 0.28 * smooth(0.0, 0.02, s);
        light *= 1 - 0.15 * (1 - smooth(0.97, 1.0, 1 - s));
        // Glazed tiles shine a little along the rolls.
        light += gloss * std::pow(std::max(0.0, -slope), 3.0) * (1 - t);
        return shade(base, light);
    };
    return tilePicture(0.33, 0.42, pattern);
}

// Biberschwanz: flat tiles with a round end, 0.18 m wide; every row 0.12 m
// higher and shifted by half a tile; only the round ends show.
QImage biberschwanz(const QColor& base, double gloss, std::uint32_t seed)
{
    const double w = 0.18, rowStep = 0.12, arc = 0.05;
    const PeriodicNoise streaks(36, 4, seed), grain(30, 24, seed + 3);
    auto edge = [&](double s) {
        const double d = 2 * s - 1;
        return arc * (1 - std::sqrt(std::max(0.0, 1 - d * d)));
    };
    // Row, across position (0 … 1) and height above the row's lower edge.
    struct Place {
        int row;
        double s, t;
    };
    auto place = [&](double u, double v, int row) {
        const double shift = (row % 2 != 0) ? w / 2 : 0;
        return Place{row, fract((u - shift) / w), v - rowStep * row};
    };
    auto pattern = [&](double u, double v) {
        const int k = int(std::floor(v / rowStep));
        Place p = place(u, v, k);
        // Below the round end of the top tile the tile of the row below shows.
        bool below = p.t < edge(p.s);
        double shadowDist = below ? edge(p.s) - p.t : 1;
        if (below)
            p = place(u, v, k - 1);
        // The tile above throws its shadow downwards.
        const Place above = place(u, v, p.row + 1);
        shadowDist = std::min(shadowDist, edge(above.s) - above.t);
        const double tileS = p.s, tileT = p.t / 0.32;
        double light = 0.88 + 0.05 * streaks.at(tileS, tileT) + 0.03 * grain.at(tileS, fract(tileT * 3));
        // A slight bulge across the tile.
        light += 0.05 * std::cos(M_PI * (tileS - 0.5)) - 0.03;
        // Highlight along the own round end.
        const double overEdge = p.t - edge(p.s);
        light += 0.14 * (1 - smooth(0.0, 0.012, overEdge)) * smooth(0.0, 0.002, overEdge);
        light += gloss * (1 - smooth(0.0, 0.04, overEdge));
        if (shadowDist >= 0)
            light *= 1 - 0.5 * (1 - smooth(0.0, 0.02, shadowDist));
        // Joints between the tiles of a row.
        light *= 0.5 + 0.5 * smooth(0.0, 0.025, std::min(tileS, 1 - tileS));
        return shade(base, light);
    };
    return tilePicture(w, 0.32, pattern);
}

// ---------------------------------------------------------------- modules

struct ModuleStyle {
    QColor frame, frameLight, backsheet, cell, busbar;
    bool mono, poly;
    std::uint32_t seed;
};

// A 60-cell module in portrait, 1.0 m × 1.667 m, drawn 300 × 500 pixels.
QImage pvModulePicture(const ModuleStyle& st)
{
    const int W = 300, H = 500, cols = 6, rows = 10;
    QImage img(W, H, QImage::Format_RGB32);
    img.fill(st.backsheet);
    QPainter p(&img);
    prepare(p);
    const double border = 9, gap = st.poly ? 2.4 : 2.4;
    const QRectF field(border + 5, border + 6, W - 2 * border - 10, H - 2 * border - 12);
    const double cw = (field.width() - gap * (cols - 1)) / cols, ch = (field.height() - gap * (rows - 1)) / rows;
    Rng rng(st.seed);
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < cols; ++c) {
            const QRectF cell(field.left() + c * (cw + gap), field.top() + r * (ch + gap), cw, ch);
            if (st.mono) {
                // Pseudo-square wafers: corners cut.
                const double k = cw * 0.12;
                QPolygonF poly({cell.topLeft() + QPointF(k, 0), cell.topRight() - QPointF(k, 0),
                                cell.topRight() + QPointF(0, k), cell.bottomRight() - QPointF(0, k),
                                cell.bottomRight() - QPointF(k, 0), cell.bottomLeft() + QPointF(k, 0),
                                cell.bottomLeft() - QPointF(0, k), cell.topLeft() + QPointF(0, k)});
                QLinearGradient g(cell.topLeft(), cell.bottomRight());
                g.setColorAt(0, st.cell.lighter(118));
                g.setColorAt(1, st.cell);
                p.setPen(Qt::NoPen);
                p.setBrush(g);
                p.drawPolygon(poly);
            } else {
                // Multicrystalline: flakes of slightly different shade.
                QImage flakes(int(std::ceil(cw)), int(std::ceil(ch)), QImage::Format_RGB32);
                struct Seed {
                    double x, y, shade;
                };
                std::vector<Seed> seeds(22);
                for (Seed& s : seeds)
                    s = {rng.uniform(0, cw), rng.uniform(0, ch), rng.uniform(-0.22, 0.22)};
                for (int y = 0; y < flakes.height(); ++y)
                    for (int x = 0; x < flakes.width(); ++x) {
                        double best = 1e9, second = 1e9, sh = 0;
                        for (const Seed& s : seeds) {
                            const double d = (s.x - x) * (s.x - x) + (s.y - y) * (s.y - y);
                            if (d < best) {
                                second = best;
                                best = d;
                                sh = s.shade;
                            } else if (d < second) {
                                second = d;
                            }
                        }
                        // Grain boundaries a touch darker.
                        const double boundary = std::sqrt(second) - std::sqrt(best) < 0.8 ? -0.08 : 0;
                        const double l = 1 + sh + boundary + rng.uniform(-0.03, 0.03);
                        flakes.setPixel(x, y, shade(st.cell, l));
                    }
                p.drawImage(cell, flakes);
                // Fine fingers across the cell.
                p.setPen(QPen(withAlpha(st.busbar, 60), 0.6));
                for (double y = cell.top() + 2.5; y < cell.bottom(); y += 3.2)
                    p.drawLine(QPointF(cell.left(), y), QPointF(cell.right(), y));
            }
            // Busbars along the long side.
            p.setPen(QPen(withAlpha(st.busbar, st.poly ? 190 : 255), st.poly ? 1.1 : 1.0));
            for (int b = 1; b <= 3; ++b) {
                const double x = cell.left() + cw * b / 4.0;
                p.drawLine(QPointF(x, cell.top() + 0.5), QPointF(x, cell.bottom() - 0.5));
            }
        }
    // Cell connectors at the top and bottom ends of the strings.
    p.setPen(Qt::NoPen);
    p.setBrush(st.busbar);
    p.drawRect(QRectF(field.left(), field.top() - 4.5, field.width(), 2));
    p.drawRect(QRectF(field.left(), field.bottom() + 2.5, field.width(), 2));

    // The glass: a soft reflection of the sky across the module.
    QLinearGradient glare(QPointF(0, 0), QPointF(W, H));
    glare.setColorAt(0.0, QColor(255, 255, 255, st.mono ? 52 : 34));
    glare.setColorAt(0.35, QColor(255, 255, 255, st.mono ? 14 : 8));
    glare.setColorAt(0.55, QColor(255, 255, 255, 0));
    glare.setColorAt(1.0, QColor(255, 255, 255, 14));
    p.fillRect(QRectF(border, border, W - 2 * border, H - 2 * border), glare);

    // The aluminium frame.
    QPainterPath outer, inner;
    outer.addRect(QRectF(0, 0, W, H));
    inner.addRect(QRectF(border, border, W - 2 * border, H - 2 * border));
    QLinearGradient metal(QPointF(0, 0), QPointF(W, H));
    metal.setColorAt(0, st.frameLight);
    metal.setColorAt(0.5, st.frame);
    metal.setColorAt(1, st.frame.darker(125));
    p.setBrush(metal);
    p.drawPath(outer.subtracted(inner));
    p.setPen(QPen(st.frame.darker(160), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(0.5, 0.5, W - 1, H - 1));
    p.setPen(QPen(QColor(0, 0, 0, 90), 1));
    p.drawRect(QRectF(border - 0.5, border - 0.5, W - 2 * border + 1, H - 2 * border + 1));
    return img;
}

// Laid over the solar colour in the planner's module preview.
QImage modulePreview()
{
    return supersampled(96, 160, 3, [](QPainter& p) {
        const QRectF r(0, 0, 96, 160);
        const QRectF field = r.adjusted(5, 5, -5, -5);
        p.setPen(QPen(QColor(255, 255, 255, 80), 0.8));
        for (int c = 1; c < 6; ++c) {
            const double x = field.left() + field.width() * c / 6;
            p.drawLine(QPointF(x, field.top()), QPointF(x, field.bottom()));
        }
        for (int row = 1; row < 10; ++row) {
            const double y = field.top() + field.height() * row / 10;
            p.drawLine(QPointF(field.left(), y), QPointF(field.right(), y));
        }
        QLinearGradient glare(r.topLeft(), r.bottomRight());
        glare.setColorAt(0, QColor(255, 255, 255, 90));
        glare.setColorAt(0.45, QColor(255, 255, 255, 10));
        glare.setColorAt(1, QColor(0, 0, 0, 40));
        p.fillRect(field, glare);
        QPainterPath frame;
        frame.addRect(r);
        QPainterPath hole;
        hole.addRect(field);
        QLinearGradient metal(r.topLeft(), r.bottomRight());
        metal.setColorAt(0, QColor(0xee, 0xf1, 0xf4));
        metal.setColorAt(1, QColor(0x9a, 0xa3, 0xad));
        p.setPen(Qt::NoPen);
        p.setBrush(metal);
        p.drawPath(frame.subtracted(hole));
        p.setPen(QPen(QColor(0x3a, 0x40, 0x48), 1));
        p.setBrush(Qt::NoBrush);
        p.drawRect(r.adjusted(0.5, 0.5, -0.5, -0.5));
    });
}

// The obstacle tools' icons, 24 × 24: each on a strip of red roof seen from
// the front, in the tool row's order (chimney, roof window, dormer, vent or
// antenna, free area).
QImage obstacleIcon(int kind)
{
    return supersampled(24, 24, 8, [kind](QPainter& p) {
        const QColor roof = pal::roofRed, dark(0x3a, 0x40, 0x48);
        auto roofStrip = [&](double top) {
            p.setPen(Qt::NoPen);
            p.setBrush(roof);
            p.drawRect(QRectF(1, top, 22, 23 - top));
            p.setPen(QPen(roof.darker(140), 0.6));
            for (double y = top + 3; y < 23; y += 3)
                p.drawLine(QPointF(1, y), QPointF(23, y));
        };
        switch (kind) {
        case 0: { // chimney with smoke
            roofStrip(14);
            p.setPen(QPen(dark, 0.8));
            p.setBrush(QColor(0x9c, 0x4a, 0x32));
            const QRectF stack(8, 6, 8, 14);
            p.drawRect(stack);
            p.setPen(QPen(QColor(0xe0, 0xc8, 0xb8), 0.5));
            for (double y = 9; y < 20; y += 3)
                p.drawLine(QPointF(8.4, y), QPointF(15.6, y));
            p.setPen(QPen(dark, 0.8));
            p.setBrush(QColor(0x6a, 0x6e, 0x72));
            p.drawRect(QRectF(7, 4.5, 10, 2));
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(0x9a, 0xa3, 0xad, 200));
            p.drawEllipse(QPointF(13, 2.6), 2.2, 1.6);
            p.drawEllipse(QPointF(17, 1.8), 1.8, 1.3);
            break;
        }
        case 1: { // roof window
            roofStrip(3);
            p.setPen(QPen(dark, 0.9));
            p.setBrush(QColor(0xe8, 0xec, 0xf0));
            p.drawRect(QRectF(6, 4, 12, 17));
            QLinearGradient glass(QPointF(7, 5), QPointF(17, 20));
            glass.setColorAt(0, pal::skyLight);
            glass.setColorAt(1, pal::blue);
            p.setBrush(glass);
            p.setPen(QPen(dark, 0.5));
            p.drawRect(QRectF(7.5, 5.5, 9, 14));
            p.setPen(QPen(QColor(255, 255, 255, 170), 0.8));
            p.drawLine(QPointF(9, 17), QPointF(14, 8));
            break;
        }
        case 2: { // dormer
            roofStrip(12);
            const QPolygonF body({QPointF(5, 21), QPointF(5, 11), QPointF(12, 4), QPointF(19, 11), QPointF(19, 21)});
            p.setPen(QPen(dark, 0.8));
            p.setBrush(pal::wall);
            p.drawPolygon(body);
            p.setBrush(QColor(0x7c, 0x32, 0x24));
            p.drawPolygon(QPolygonF({QPointF(3, 12), QPointF(12, 3), QPointF(21, 12), QPointF(19, 12.8), QPointF(12, 5.8),
                                     QPointF(5, 12.8)}));
            p.setBrush(pal::sky);
            p.setPen(QPen(dark, 0.6));
            p.drawRect(QRectF(9, 12, 6, 6.5));
            p.drawLine(QPointF(12, 12), QPointF(12, 18.5));
            break;
        }
        case 3: { // vent pipe and antenna
            roofStrip(16);
            p.setPen(QPen(dark, 0.8));
            p.setBrush(QColor(0x6a, 0x6e, 0x72));
            p.drawRect(QRectF(4, 11, 4, 8));
            p.drawRect(QRectF(3.2, 10, 5.6, 1.6));
            p.setPen(QPen(dark, 1.1, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(16, 19), QPointF(16, 2));
            p.setPen(QPen(dark, 0.9, Qt::SolidLine, Qt::RoundCap));
            for (const auto& [y, half] : {std::pair{4.0, 6.0}, {7.5, 4.5}, {11.0, 3.0}})
                p.drawLine(QPointF(16 - half, y), QPointF(16 + half, y));
            break;
        }
        default: { // free area: a dashed frame with a corner to pull
            roofStrip(3);
            p.setBrush(QColor(0xa0, 0xa0, 0xa0, 200));
            p.setPen(QPen(QColor(0x50, 0x50, 0x50), 1.0, Qt::DashLine));
            p.drawRect(QRectF(4, 6, 13, 11));
            p.setPen(QPen(Qt::white, 1.4, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(15, 15), QPointF(21, 21));
            p.drawLine(QPointF(21, 21), QPointF(17.5, 21));
            p.drawLine(QPointF(21, 21), QPointF(21, 17.5));
            break;
        }
        }
    });
}

} // namespace

void drawRoofPictures(const Sink& sink)
{
    const struct {
        QColor base;
        double gloss;
    } pfannen[] = {
        {QColor(0x9a, 0x42, 0x2c), 0.04},  // klassisch rot
        {QColor(0xb8, 0x3a, 0x26), 0.05},  // rot
        {QColor(0x68, 0x3f, 0x2c), 0.05},  // braun
        {QColor(0x6a, 0x6e, 0x72), 0.05},  // grau
        {QColor(0x34, 0x36, 0x3a), 0.12},  // schwarz
    };
    int n = 1;
    for (const auto& f : pfannen) {
        sink(QStringLiteral("roof/covering%1").arg(n), frankfurterPfanne(f.base, f.gloss, 100 + n));
        ++n;
    }
    const struct {
        QColor base;
        double gloss;
    } biber[] = {
        {QColor(0xb0, 0x4a, 0x2e), 0.03},  // rot
        {QColor(0x7c, 0x26, 0x2a), 0.06},  // weinrot
        {QColor(0x30, 0x31, 0x35), 0.12},  // schwarz
        {QColor(0x2c, 0x3a, 0x5a), 0.16},  // blau
    };
    for (const auto& b : biber) {
        sink(QStringLiteral("roof/covering%1").arg(n), biberschwanz(b.base, b.gloss, 200 + n));
        ++n;
    }

    sink(QStringLiteral("roof/module-black"),
         pvModulePicture({QColor(0x1b, 0x1c, 0x1f), QColor(0x3c, 0x3e, 0x44), QColor(0x10, 0x11, 0x14),
                          QColor(0x1a, 0x20, 0x30), QColor(0x26, 0x2b, 0x36), true, false, 11}));
    sink(QStringLiteral("roof/module-classic"),
         pvModulePicture({QColor(0xb4, 0xbb, 0xc3), QColor(0xe8, 0xec, 0xf0), QColor(0xf2, 0xf3, 0xf5),
                          QColor(0x2a, 0x55, 0x9c), QColor(0xc9, 0xcf, 0xd6), false, true, 12}));
    sink(QStringLiteral("roof/module-darkblue"),
         pvModulePicture({QColor(0x1b, 0x1c, 0x1f), QColor(0x3c, 0x3e, 0x44), QColor(0x12, 0x13, 0x17),
                          QColor(0x1b, 0x2c, 0x5c), QColor(0x6d, 0x76, 0x82), false, true, 13}));
    sink(QStringLiteral("roof/module-preview"), modulePreview());
    for (int kind = 0; kind < 5; ++kind)
        sink(QStringLiteral("roof/obstacle-%1").arg(kind), obstacleIcon(kind));
}

} // namespace picgen
