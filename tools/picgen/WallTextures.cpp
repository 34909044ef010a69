// Wall textures of the paper house: seamless tiles of one square metre.
#include "tools/picgen/Paint.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace picgen {

namespace {

constexpr int kTile = 400; // pixels per metre

// Value noise that repeats after `cells` cells across the tile.
class PeriodicNoise {
public:
    PeriodicNoise(int cellsX, int cellsY, std::uint32_t seed)
        : m_cx(cellsX)
        , m_cy(cellsY)
        , m_values(std::size_t(cellsX) * cellsY)
    {
        Rng rng(seed);
        for (double& v : m_values)
            v = rng.uniform(0, 1);
    }
    // u, v in tile units (0 … 1 wraps).
    double at(double u, double v) const
    {
        const double x = u * m_cx, y = v * m_cy;
        const double fx = std::floor(x), fy = std::floor(y);
        const double tx = smooth(x - fx), ty = smooth(y - fy);
        const int x0 = wrap(int(fx), m_cx), y0 = wrap(int(fy), m_cy);
        const int x1 = wrap(x0 + 1, m_cx), y1 = wrap(y0 + 1, m_cy);
        const double a = value(x0, y0) + (value(x1, y0) - value(x0, y0)) * tx;
        const double b = value(x0, y1) + (value(x1, y1) - value(x0, y1)) * tx;
        return a + (b - a) * ty;
    }

private:
    static double smooth(double t) { return t * t * (3 - 2 * t); }
    static int wrap(int i, int n) { return ((i % n) + n) % n; }
    double value(int x, int y) const { return m_values[std::size_t(y) * m_cx + x]; }
    int m_cx, m_cy;
    std::vector<double> m_values;
};

// Several octaves of periodic noise, 0 … 1.
class Fractal {
public:
    Fractal(int baseCellsX, int baseCellsY, int octaves, std::uint32_t seed, double persistence = 0.5)
    {
        double amp = 1;
        for (int i = 0; i < octaves; ++i) {
            m_layers.emplace_back(baseCellsX << i, baseCellsY << i, seed + 977u * i);
            m_amps.push_back(amp);
            m_total += amp;
            amp *= persistence;
        }
    }
    double at(double u, double v) const
    {
        double s = 0;
        for (std::size_t i = 0; i < m_layers.size(); ++i)
            s += m_layers[i].at(u, v) * m_amps[i];
        return s / m_total;
    }

private:
    std::vector<PeriodicNoise> m_layers;
    std::vector<double> m_amps;
    double m_total = 0;
};

QRgb shade(const QColor& c, double f)
{
    auto ch = [f](int v) { return std::clamp(int(std::lround(v * f)), 0, 255); };
    return qRgb(ch(c.red()), ch(c.green()), ch(c.blue()));
}

// A height field lit from the top left: relief of plaster and brick.
template <class Height>
QImage relief(const QColor& base, double strength, double variation, const Fractal& tint, Height height)
{
    QImage img(kTile, kTile, QImage::Format_RGB32);
    std::vector<double> h(std::size_t(kTile) * kTile);
    for (int y = 0; y < kTile; ++y)
        for (int x = 0; x < kTile; ++x)
            h[std::size_t(y) * kTile + x] = height(x, y);
    auto H = [&](int x, int y) { return h[std::size_t((y + kTile) % kTile) * kTile + (x + kTile) % kTile]; };
    for (int y = 0; y < kTile; ++y) {
        auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < kTile; ++x) {
            const double slope = (H(x - 1, y - 1) - H(x + 1, y + 1));
            const double light = 1.0 + strength * slope;
            const double t = 1.0 + variation * (tint.at(double(x) / kTile, double(y) / kTile) - 0.5);
            line[x] = shade(base, light * t);
        }
    }
    return img;
}

QImage roughcast(const QColor& base, std::uint32_t seed)
{
    const Fractal grains(50, 50, 3, seed, 0.6);
    const PeriodicNoise fine(200, 200, seed + 5);
    const Fractal tint(3, 3, 3, seed + 11);
    return relief(base, 1.7, 0.10, tint, [&](int x, int y) {
        const double u = double(x) / kTile, v = double(y) / kTile;
        const double g = grains.at(u, v);
        // Sharp pebbles: the high points of the grain noise stand out.
        const double pebble = std::pow(std::max(0.0, g - 0.45) * 1.8, 1.6);
        return pebble * 1.4 + fine.at(u, v) * 0.25;
    });
}

QImage trowelFinish(const QColor& base, std::uint32_t seed)
{
    // Overlapping arcs of the trowel, drawn into a height map that wraps.
    QImage strokes(kTile, kTile, QImage::Format_Grayscale8);
    strokes.fill(128);
    {
        QPainter p(&strokes);
        p.setRenderHint(QPainter::Antialiasing);
        Rng rng(seed);
        for (int i = 0; i < 260; ++i) {
            const QPointF c(rng.uniform(0, kTile), rng.uniform(0, kTile));
            const double r = rng.uniform(40, 110);
            const double start = rng.uniform(0, 360), span = rng.uniform(50, 140);
            const int g = int(rng.uniform(90, 170));
            p.setPen(QPen(QColor(g, g, g, 110), rng.uniform(6, 16), Qt::SolidLine, Qt::RoundCap));
            for (int dx = -1; dx <= 1; ++dx)
                for (int dy = -1; dy <= 1; ++dy) {
                    const QRectF box(c.x() - r + dx * kTile, c.y() - r + dy * kTile, 2 * r, 2 * r);
                    p.drawArc(box, int(start * 16), int(span * 16));
                }
        }
    }
    // Soften without losing the wrap.
    QImage big(kTile * 3, kTile * 3, QImage::Format_Grayscale8);
    {
        QPainter p(&big);
        for (int dx = 0; dx < 3; ++dx)
            for (int dy = 0; dy < 3; ++dy)
                p.drawImage(dx * kTile, dy * kTile, strokes);
    }
    QImage soft = big.convertToFormat(QImage::Format_RGB32);
    blur(soft, 2);
    soft = soft.copy(kTile, kTile, kTile, kTile);
    const Fractal tint(2, 2, 3, seed + 3);
    const PeriodicNoise fine(160, 160, seed + 7);
    return relief(base, 0.045, 0.08, tint, [&](int x, int y) {
        return qGray(soft.pixel(x, y)) + 20 * fine.at(double(x) / kTile, double(y) / kTile);
    });
}

QImage bricks(bool weathered, std::uint32_t seed)
{
    // Twelve courses per metre, four bricks per course, half-brick bond.
    const int courses = 12, perCourse = 4;
    const double courseH = double(kTile) / courses, brickW = double(kTile) / perCourse;
    const double joint = 2.4;
    Rng rng(seed);
    std::vector<QColor> colours(courses * perCourse);
    const QColor baseColours[] = {QColor(168, 72, 48), QColor(150, 62, 42), QColor(182, 88, 58), QColor(138, 58, 42),
                                  QColor(176, 96, 66)};
    for (QColor& c : colours) {
        c = baseColours[rng.next() % 5];
        if (weathered)
            c = mix(c, QColor(96, 82, 72), rng.uniform(0.15, 0.55));
    }
    const Fractal surface(40, 40, 3, seed + 1, 0.55);
    const Fractal stains(2, 2, 4, seed + 2, 0.6);
    const PeriodicNoise speck(200, 200, seed + 3);
    const QColor mortar = weathered ? QColor(150, 146, 136) : QColor(206, 202, 192);

    QImage img(kTile, kTile, QImage::Format_RGB32);
    for (int y = 0; y < kTile; ++y) {
        auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        const int course = int(y / courseH);
        const double inCourse = y - course * courseH;
        const double offset = (course % 2) * brickW / 2;
        for (int x = 0; x < kTile; ++x) {
            const double u = double(x) / kTile, v = double(y) / kTile;
            const double bx = std::fmod(x + offset, double(kTile));
            const int brick = int(bx / brickW);
            const double inBrick = bx - brick * brickW;
            const double edge = std::min({inCourse, courseH - inCourse, inBrick, brickW - inBrick});
            const double n = surface.at(u, v);
            QColor c;
            double light = 1.0;
            if (edge < joint) {
                c = mortar;
                light = 0.9 + 0.15 * n;
                // The lower joint lies in the shadow of the brick above.
                if (inCourse < joint)
                    light *= 0.82;
            } else {
                c = colours[std::size_t(course * perCourse + brick)];
                light = 0.86 + 0.28 * n;
                if (edge < joint + 2.0)
                    light *= 0.9 + 0.05 * (edge - joint);
                if (speck.at(u, v) > 0.78)
                    light *= 0.8;
                if (inCourse < joint + 2)
                    light *= 1.06; // lit top edge
            }
            if (weathered) {
                const double s = stains.at(u, v);
                light *= 1.0 - std::max(0.0, s - 0.45) * 0.9;
                if (s > 0.6)
                    c = mix(c, QColor(82, 96, 60), std::min(0.35, (s - 0.6) * 1.5)); // moss
            }
            line[x] = shade(c, light);
        }
    }
    return img;
}

QImage roundLogs(std::uint32_t seed)
{
    // Five logs per metre, lying horizontally.
    const int logs = 5;
    const double logH = double(kTile) / logs;
    const Fractal grain(6, 90, 4, seed, 0.6);
    const PeriodicNoise streaks(3, 220, seed + 9);
    const Fractal tint(3, 3, 3, seed + 1);
    Rng rng(seed + 2);
    std::vector<QColor> colours(logs);
    for (QColor& c : colours)
        c = mix(QColor(160, 112, 66), QColor(128, 84, 46), rng.uniform(0, 1));
    QImage img(kTile, kTile, QImage::Format_RGB32);
    for (int y = 0; y < kTile; ++y) {
        auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        const int log = int(y / logH);
        const double t = (y - log * logH) / logH; // 0 … 1 across the log
        const double round = std::sin(t * M_PI);  // cylinder
        for (int x = 0; x < kTile; ++x) {
            const double u = double(x) / kTile, v = double(y) / kTile;
            double light = 0.45 + 0.65 * std::pow(round, 0.6);
            light *= 0.84 + 0.24 * grain.at(u, v) + 0.1 * streaks.at(u, v);
            light *= 0.92 + 0.16 * tint.at(u, v);
            if (t < 0.06 || t > 0.94)
                light *= 0.55; // the gap between two logs
            line[x] = shade(colours[std::size_t(log)], light);
        }
    }
    return img;
}

QImage douglasFir(std::uint32_t seed)
{
    // Vertical boards, eight per metre, with grain and a few knots.
    const int boards = 8;
    const double boardW = double(kTile) / boards;
    const Fractal grain(24, 2, 4, seed, 0.55);
    const Fractal rings(90, 3, 2, seed + 1, 0.5);
    Rng rng(seed + 2);
    std::vector<QColor> colours(boards);
    for (QColor& c : colours)
        c = mix(QColor(196, 128, 80), QColor(170, 100, 62), rng.uniform(0, 1));
    struct Knot {
        double x, y, r;
    };
    std::vector<Knot> knots;
    for (int i = 0; i < 4; ++i)
        knots.push_back({(int(rng.uniform(0, boards)) + rng.uniform(0.3, 0.7)) * boardW, rng.uniform(0, kTile),
                         rng.uniform(5, 9)});
    QImage img(kTile, kTile, QImage::Format_RGB32);
    for (int y = 0; y < kTile; ++y) {
        auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < kTile; ++x) {
            const double u = double(x) / kTile, v = double(y) / kTile;
            const int board = std::min(boards - 1, int(x / boardW));
            const double inBoard = x - board * boardW;
            double bend = 0;
            double knotDark = 0;
            for (const Knot& k : knots) {
                double dy = std::fabs(y - k.y);
                dy = std::min(dy, kTile - dy);
                const double d = std::hypot(x - k.x, dy);
                bend += 10 * k.r / (d + k.r);
                if (d < k.r)
                    knotDark = std::max(knotDark, 1 - d / k.r);
            }
            const double g = rings.at(u + bend / kTile, v);
            double light = 0.84 + 0.22 * grain.at(u, v) + 0.18 * std::sin(g * 60);
            light *= 1 - 0.45 * knotDark;
            if (inBoard < 2.5 || inBoard > boardW - 1.5)
                light *= 0.5; // the joint between two boards
            line[x] = shade(colours[std::size_t(board)], light);
        }
    }
    return img;
}

} // namespace

void drawWallTextures(const Sink& sink)
{
    sink(QStringLiteral("texture/backstein"), bricks(false, 4711));
    sink(QStringLiteral("texture/backstein-verwittert"), bricks(true, 815));
    sink(QStringLiteral("texture/rauputz-weiss"), roughcast(QColor(236, 234, 226), 11));
    sink(QStringLiteral("texture/rauputz-braun"), roughcast(QColor(150, 112, 82), 12));
    sink(QStringLiteral("texture/rauputz-beige"), roughcast(QColor(224, 208, 176), 13));
    sink(QStringLiteral("texture/rauputz-gelb"), roughcast(QColor(238, 214, 124), 14));
    sink(QStringLiteral("texture/rauputz-oka"), roughcast(QColor(206, 150, 78), 15));
    sink(QStringLiteral("texture/rauputz-blau"), roughcast(QColor(120, 152, 196), 16));
    sink(QStringLiteral("texture/rauputz-hellblau"), roughcast(QColor(184, 210, 232), 17));
    sink(QStringLiteral("texture/kellenstrich-blassgrau"), trowelFinish(QColor(212, 212, 206), 21));
    sink(QStringLiteral("texture/kellenstrich-beige"), trowelFinish(QColor(226, 210, 178), 22));
    sink(QStringLiteral("texture/rundholz"), roundLogs(31));
    sink(QStringLiteral("texture/douglasie"), douglasFir(32));
}

} // namespace picgen
