#include "tools/picgen/Paint.h"

#include <QFontMetricsF>
#include <QRadialGradient>
#include <QLinearGradient>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <vector>

namespace picgen {

QImage canvas(int w, int h, const QColor& fill)
{
    QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
    image.fill(fill);
    return image;
}

void prepare(QPainter& p)
{
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
}

QImage supersampled(int w, int h, int factor, const std::function<void(QPainter&)>& draw, const QColor& fill)
{
    QImage big = canvas(w * factor, h * factor, fill);
    {
        QPainter p(&big);
        prepare(p);
        p.scale(factor, factor);
        draw(p);
    }
    return big.scaled(w, h, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

static QFont makeFont(const QString& family, double pixelSize, bool bold)
{
    QFont f(family);
    f.setPixelSize(std::max(1, int(std::lround(pixelSize))));
    f.setBold(bold);
    f.setHintingPreference(QFont::PreferNoHinting);
    f.setStyleStrategy(QFont::PreferAntialias);
    return f;
}

QFont sans(double pixelSize, bool bold) { return makeFont(QStringLiteral("Liberation Sans"), pixelSize, bold); }
QFont serif(double pixelSize, bool bold) { return makeFont(QStringLiteral("Liberation Serif"), pixelSize, bold); }

QFont fitted(QFont font, const QString& text, double width)
{
    while (font.pixelSize() > 6 && QFontMetricsF(font).horizontalAdvance(text) > width)
        font.setPixelSize(font.pixelSize() - 1);
    return font;
}

QColor mix(const QColor& a, const QColor& b, double t)
{
    auto m = [t](double x, double y) { return int(std::lround(x + (y - x) * t)); };
    return QColor(m(a.red(), b.red()), m(a.green(), b.green()), m(a.blue(), b.blue()), m(a.alpha(), b.alpha()));
}

QColor withAlpha(QColor c, int alpha)
{
    c.setAlpha(alpha);
    return c;
}

// One box-blur pass along rows (horizontal) or columns.
static void boxPass(QImage& img, int r, bool horizontal)
{
    const int w = img.width(), h = img.height();
    const int len = horizontal ? w : h, lines = horizontal ? h : w;
    std::vector<QRgb> line(len);
    for (int l = 0; l < lines; ++l) {
        for (int i = 0; i < len; ++i)
            line[i] = horizontal ? reinterpret_cast<const QRgb*>(img.constScanLine(l))[i]
                                 : reinterpret_cast<const QRgb*>(img.constScanLine(i))[l];
        long sum[4] = {0, 0, 0, 0};
        auto at = [&](int i) { return line[std::clamp(i, 0, len - 1)]; };
        for (int i = -r; i <= r; ++i) {
            QRgb c = at(i);
            sum[0] += qAlpha(c); sum[1] += qRed(c); sum[2] += qGreen(c); sum[3] += qBlue(c);
        }
        const int n = 2 * r + 1;
        for (int i = 0; i < len; ++i) {
            QRgb out = qRgba(int(sum[1] / n), int(sum[2] / n), int(sum[3] / n), int(sum[0] / n));
            if (horizontal)
                reinterpret_cast<QRgb*>(img.scanLine(l))[i] = out;
            else
                reinterpret_cast<QRgb*>(img.scanLine(i))[l] = out;
            QRgb add = at(i + r + 1), sub = at(i - r);
            sum[0] += qAlpha(add) - qAlpha(sub);
            sum[1] += qRed(add) - qRed(sub);
            sum[2] += qGreen(add) - qGreen(sub);
            sum[3] += qBlue(add) - qBlue(sub);
        }
    }
}

void blur(QImage& image, int radius)
{
    if (radius < 1)
        return;
    if (image.format() != QImage::Format_ARGB32_Premultiplied)
        image = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const int r = std::max(1, radius / 2);
    for (int pass = 0; pass < 3; ++pass) {
        boxPass(image, r, true);
        boxPass(image, r, false);
    }
}

std::uint32_t Rng::next()
{
    m_state ^= m_state << 13;
    m_state ^= m_state >> 17;
    m_state ^= m_state << 5;
    return m_state;
}

double Rng::uniform(double lo, double hi)
{
    return lo + (hi - lo) * (next() / 4294967296.0);
}

QPointF bilinear(const QPolygonF& q, double u, double v)
{
    QPointF top = q[0] + (q[1] - q[0]) * u;
    QPointF bottom = q[3] + (q[2] - q[3]) * u;
    return top + (bottom - top) * v;
}

static QPolygonF subQuad(const QPolygonF& q, double u0, double v0, double u1, double v1)
{
    return QPolygonF({bilinear(q, u0, v0), bilinear(q, u1, v0), bilinear(q, u1, v1), bilinear(q, u0, v1)});
}

void pvModule(QPainter& p, const QPolygonF& quad, int cols, int rows, const QColor& cellColor, const QColor& frameColor)
{
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(frameColor);
    p.drawPolygon(quad);
    const double fu = 0.025, fv = 0.025 * cols / std::max(1, rows);
    QPolygonF inner = subQuad(quad, fu, fv, 1 - fu, 1 - fv);
    p.setBrush(mix(cellColor, Qt::white, 0.55));
    p.drawPolygon(inner);
    const double gu = 0.06 / cols, gv = 0.06 / rows;
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < cols; ++c) {
            QPolygonF cq = subQuad(inner, double(c) / cols + gu, double(r) / rows + gv, double(c + 1) / cols - gu,
                                   double(r + 1) / rows - gv);
            // A soft sheen from the top left gives the glass some depth.
            double t = 0.5 * (double(c) / cols + double(r) / rows);
            p.setBrush(mix(mix(cellColor, QColor(0x5d, 0x7f, 0xb5), 0.35), cellColor, std::min(1.0, t * 1.4)));
            p.drawPolygon(cq);
        }
    p.restore();
}

void collector(QPainter& p, const QPolygonF& quad, int tubes)
{
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xb8, 0xc0, 0xc8));
    p.drawPolygon(quad);
    QPolygonF inner = subQuad(quad, 0.03, 0.05, 0.97, 0.95);
    p.setBrush(QColor(0x22, 0x26, 0x2e));
    p.drawPolygon(inner);
    for (int i = 0; i < tubes; ++i) {
        double u = (i + 0.5) / tubes;
        QPen pen(QColor(0x7a, 0x4a, 0x2a, 200));
        pen.setWidthF(std::max(1.0, QLineF(bilinear(inner, 0, 0), bilinear(inner, 1, 0)).length() / tubes * 0.28));
        pen.setCapStyle(Qt::FlatCap);
        p.setPen(pen);
        p.drawLine(bilinear(inner, u, 0.02), bilinear(inner, u, 0.98));
    }
    // Reflection on the cover glass.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 28));
    p.drawPolygon(QPolygonF({bilinear(inner, 0, 0), bilinear(inner, 0.45, 0), bilinear(inner, 0.15, 1), bilinear(inner, 0, 1)}));
    p.restore();
}

void sunDisc(QPainter& p, const QPointF& c, double r, int rays, double rayLength, double glowFactor)
{
    p.save();
    QRadialGradient glow(c, r * glowFactor);
    glow.setColorAt(0.0, QColor(255, 236, 160, 200));
    glow.setColorAt(0.35, QColor(255, 214, 110, 90));
    glow.setColorAt(1.0, QColor(255, 214, 110, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(c, r * glowFactor, r * glowFactor);
    if (rays > 0) {
        p.setBrush(withAlpha(pal::sunLight, 230));
        for (int i = 0; i < rays; ++i) {
            double a = 2 * M_PI * i / rays;
            double a0 = a - M_PI / rays * 0.35, a1 = a + M_PI / rays * 0.35;
            double r0 = r * 1.22, r1 = r * 1.22 + rayLength;
            QPolygonF ray({c + QPointF(std::cos(a0), std::sin(a0)) * r0, c + QPointF(std::cos(a) , std::sin(a)) * r1,
                           c + QPointF(std::cos(a1), std::sin(a1)) * r0});
            p.drawPolygon(ray);
        }
    }
    QRadialGradient disc(c - QPointF(r * 0.3, r * 0.3), r * 1.3);
    disc.setColorAt(0.0, QColor(0xff, 0xf3, 0xb0));
    disc.setColorAt(0.6, pal::sunLight);
    disc.setColorAt(1.0, pal::sun);
    p.setBrush(disc);
    p.drawEllipse(c, r, r);
    p.restore();
}

void cloud(QPainter& p, const QPointF& c, double w, Rng& rng, int alpha)
{
    p.save();
    p.setPen(Qt::NoPen);
    const int puffs = 7;
    for (int i = 0; i < puffs; ++i) {
        double x = c.x() + (double(i) / (puffs - 1) - 0.5) * w * 0.75 + rng.uniform(-w * 0.04, w * 0.04);
        double centre = 1.0 - std::abs(double(i) / (puffs - 1) - 0.5) * 1.6;
        double rad = w * (0.13 + 0.11 * centre) * rng.uniform(0.85, 1.15);
        double y = c.y() - rad * 0.35 * centre;
        QRadialGradient g(QPointF(x - rad * 0.2, y - rad * 0.35), rad * 1.2);
        g.setColorAt(0.0, QColor(255, 255, 255, alpha));
        g.setColorAt(0.7, QColor(246, 249, 252, alpha));
        g.setColorAt(1.0, QColor(214, 224, 236, alpha));
        p.setBrush(g);
        p.drawEllipse(QPointF(x, y), rad, rad * 0.92);
    }
    // A flat base.
    QLinearGradient base(0, c.y(), 0, c.y() + w * 0.12);
    base.setColorAt(0, QColor(240, 244, 249, alpha));
    base.setColorAt(1, QColor(210, 221, 234, alpha));
    p.setBrush(base);
    p.drawRoundedRect(QRectF(c.x() - w * 0.42, c.y() - w * 0.02, w * 0.84, w * 0.12), w * 0.06, w * 0.06);
    p.restore();
}

} // namespace picgen
