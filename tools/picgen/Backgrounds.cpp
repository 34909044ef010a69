// Backgrounds of the start page and the slides, 800 x 600 each.

#include "tools/picgen/Paint.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

namespace picgen {
namespace {

constexpr int W = 800, H = 600;

void skyGradient(QPainter& p, const QColor& top, const QColor& middle, const QColor& horizon, double horizonY = H)
{
    QLinearGradient g(0, 0, 0, horizonY);
    g.setColorAt(0, top);
    g.setColorAt(0.6, middle);
    g.setColorAt(1, horizon);
    p.fillRect(QRectF(0, 0, W, horizonY), g);
}

QImage glassPattern()
{
    QImage img = canvas(W, H, Qt::white);
    QPainter p(&img);
    prepare(p);
    QLinearGradient base(0, 0, W, H);
    base.setColorAt(0, QColor(0x2c, 0x6e, 0x8f));
    base.setColorAt(1, QColor(0x16, 0x3f, 0x66));
    p.fillRect(img.rect(), base);
    // Glass blocks: a bevelled rim and a softly refracted centre.
    Rng rng(3110);
    const int cell = 100;
    for (int y = 0; y < H; y += cell)
        for (int x = 0; x < W; x += cell) {
            QRectF r(x + 4, y + 4, cell - 8, cell - 8);
            QLinearGradient rim(r.topLeft(), r.bottomRight());
            rim.setColorAt(0, QColor(255, 255, 255, 95));
            rim.setColorAt(0.5, QColor(255, 255, 255, 25));
            rim.setColorAt(1, QColor(0, 20, 40, 70));
            p.setPen(Qt::NoPen);
            p.setBrush(rim);
            p.drawRoundedRect(r, 8, 8);
            QRectF in = r.adjusted(9, 9, -9, -9);
            QRadialGradient g(in.center() + QPointF(rng.uniform(-14, 14), rng.uniform(-14, 14)), in.width() * 0.8);
            QColor tint = mix(QColor(0x7f, 0xc4, 0xdf), QColor(0x3d, 0x8c, 0xb8), rng.uniform(0, 1));
            g.setColorAt(0, withAlpha(tint, 150));
            g.setColorAt(1, withAlpha(tint.darker(160), 120));
            p.setBrush(g);
            p.drawRoundedRect(in, 5, 5);
            // The wavy ribs of pressed glass.
            p.save();
            p.setClipRect(in);
            p.setBrush(Qt::NoBrush);
            const bool across = ((x + y) / cell) % 2 == 0;
            for (int k = 0; k < 7; ++k) {
                const double t = in.top() + (k + 0.5) * in.height() / 7;
                QPainterPath rib;
                const double a0 = in.left() - 4, a1 = in.right() + 4;
                rib.moveTo(a0, t);
                rib.cubicTo(a0 + (a1 - a0) / 3, t - 5, a0 + 2 * (a1 - a0) / 3, t + 5, a1, t);
                p.setPen(QPen(QColor(255, 255, 255, 40), 2.5));
                QTransform turn;
                if (!across) {
                    turn.translate(in.center().x(), in.center().y());
                    turn.rotate(90);
                    turn.translate(-in.center().x(), -in.center().y());
                }
                p.drawPath(turn.map(rib));
                p.setPen(QPen(QColor(0, 30, 60, 30), 1.5));
                p.drawPath(turn.map(rib.translated(0, 3)));
            }
            p.restore();
        }
    // Light falling diagonally through the wall.
    QLinearGradient light(0, 0, W, H);
    light.setColorAt(0.0, QColor(255, 255, 255, 0));
    light.setColorAt(0.35, QColor(255, 255, 255, 55));
    light.setColorAt(0.5, QColor(255, 255, 255, 0));
    light.setColorAt(0.62, QColor(255, 255, 255, 30));
    light.setColorAt(0.7, QColor(255, 255, 255, 0));
    p.fillRect(img.rect(), light);
    return img;
}

QImage skyClear()
{
    QImage img = canvas(W, H, Qt::white);
    QPainter p(&img);
    prepare(p);
    skyGradient(p, QColor(0x1b, 0x4f, 0x9a), QColor(0x4d, 0x8c, 0xd2), QColor(0xbf, 0xdc, 0xf3));
    // Haze near the horizon.
    QLinearGradient haze(0, H * 0.7, 0, H);
    haze.setColorAt(0, QColor(255, 255, 255, 0));
    haze.setColorAt(1, QColor(255, 255, 255, 110));
    p.fillRect(QRectF(0, H * 0.7, W, H * 0.3), haze);
    return img;
}

QImage sunBackground()
{
    QImage img = canvas(W, H, Qt::white);
    QPainter p(&img);
    prepare(p);
    skyGradient(p, QColor(0x24, 0x63, 0xb0), QColor(0x6c, 0xa8, 0xe0), QColor(0xe6, 0xf1, 0xfa));
    const QPointF c(620, 130);
    // Rays fanning out of the sun.
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 18; ++i) {
        double a = 2 * M_PI * i / 18 + 0.1;
        QPolygonF ray({c, c + QPointF(std::cos(a - 0.05), std::sin(a - 0.05)) * 900,
                       c + QPointF(std::cos(a + 0.05), std::sin(a + 0.05)) * 900});
        QRadialGradient g(c, 700);
        g.setColorAt(0, QColor(255, 250, 215, 70));
        g.setColorAt(1, QColor(255, 250, 215, 0));
        p.setBrush(g);
        p.drawPolygon(ray);
    }
    QRadialGradient halo(c, 330);
    halo.setColorAt(0, QColor(255, 252, 230, 235));
    halo.setColorAt(0.3, QColor(255, 236, 170, 130));
    halo.setColorAt(1, QColor(255, 236, 170, 0));
    p.setBrush(halo);
    p.drawEllipse(c, 330, 330);
    sunDisc(p, c, 58, 0, 0);
    return img;
}

QImage skySoft()
{
    QImage img = canvas(W, H, Qt::white);
    {
        QPainter p(&img);
        prepare(p);
        skyGradient(p, QColor(0x5d, 0x98, 0xd6), QColor(0x9c, 0xc6, 0xee), QColor(0xe8, 0xf2, 0xfb));
    }
    // Thin high cirrus streaks, blurred on their own layer.
    QImage streaks = canvas(W, H);
    {
        QPainter p(&streaks);
        prepare(p);
        Rng rng(3140);
        for (int i = 0; i < 14; ++i) {
            double y = rng.uniform(40, 380), x = rng.uniform(-200, 700), len = rng.uniform(220, 480);
            QPainterPath s;
            s.moveTo(x, y);
            s.cubicTo(x + len * 0.3, y - 18, x + len * 0.7, y + 10, x + len, y - 24);
            p.setPen(QPen(QColor(255, 255, 255, int(rng.uniform(60, 120))), rng.uniform(6, 16), Qt::SolidLine,
                          Qt::RoundCap));
            p.drawPath(s);
        }
    }
    blur(streaks, 14);
    QPainter p(&img);
    p.drawImage(0, 0, streaks);
    return img;
}

void pearl(QPainter& p, const QPointF& c, double r)
{
    QRadialGradient g(c + QPointF(-r * 0.35, -r * 0.4), r * 1.35);
    g.setColorAt(0, QColor(255, 255, 255));
    g.setColorAt(0.3, QColor(0xf4, 0xee, 0xec));
    g.setColorAt(0.75, QColor(0xd6, 0xcf, 0xd8));
    g.setColorAt(1, QColor(0x9e, 0x9a, 0xb0));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(c, r, r);
    // A faint rosy and bluish sheen.
    QRadialGradient sheen(c + QPointF(r * 0.35, r * 0.45), r * 0.8);
    sheen.setColorAt(0, QColor(0xf7, 0xc6, 0xd4, 70));
    sheen.setColorAt(1, QColor(0xb4, 0xc8, 0xf0, 0));
    p.setBrush(sheen);
    p.drawEllipse(c, r, r);
    p.setBrush(QColor(255, 255, 255, 220));
    p.drawEllipse(c + QPointF(-r * 0.38, -r * 0.42), r * 0.18, r * 0.12);
}

QImage pearls()
{
    QImage img = canvas(W, H, Qt::white);
    {
        QPainter p(&img);
        prepare(p);
        QRadialGradient bg(QPointF(W * 0.3, H * 0.3), 800);
        bg.setColorAt(0, QColor(0x3e, 0x5f, 0x98));
        bg.setColorAt(1, QColor(0x14, 0x22, 0x45));
        p.fillRect(img.rect(), bg);
    }
    // Out-of-focus pearls far behind.
    QImage bokeh = canvas(W, H);
    {
        QPainter p(&bokeh);
        prepare(p);
        Rng rng(3150);
        for (int i = 0; i < 38; ++i) {
            QPointF c(rng.uniform(0, W), rng.uniform(0, H));
            double r = rng.uniform(10, 46);
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(0xdc, 0xe6, 0xff, int(rng.uniform(25, 80))));
            p.drawEllipse(c, r, r);
        }
    }
    blur(bokeh, 16);
    QPainter p(&img);
    prepare(p);
    p.drawImage(0, 0, bokeh);
    // A strand of pearls sweeping across the picture, growing towards the viewer.
    QPainterPath strand;
    strand.moveTo(-40, 470);
    strand.cubicTo(180, 330, 420, 560, 840, 250);
    const int n = 30;
    for (int i = 0; i < n; ++i) {
        double t = double(i) / (n - 1);
        double r = 11 + 15 * t;
        QPointF c = strand.pointAtPercent(t);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 20, 60));
        p.drawEllipse(c + QPointF(r * 0.25, r * 0.35), r, r);
        pearl(p, c, r);
    }
    return img;
}

QImage skyClouds()
{
    QImage img = canvas(W, H, Qt::white);
    {
        QPainter p(&img);
        prepare(p);
        skyGradient(p, QColor(0x23, 0x5d, 0xa8), QColor(0x5e, 0x9c, 0xdc), QColor(0xc9, 0xe2, 0xf6));
    }
    QImage clouds = canvas(W, H);
    {
        QPainter p(&clouds);
        prepare(p);
        Rng rng(3170);
        const double spots[][3] = {{150, 140, 260}, {560, 90, 220}, {690, 300, 300}, {300, 380, 340},
                                   {60, 520, 240}, {520, 540, 280}};
        for (const auto& s : spots)
            cloud(p, QPointF(s[0], s[1]), s[2], rng);
    }
    blur(clouds, 4);
    QPainter p(&img);
    p.drawImage(0, 0, clouds);
    return img;
}

QImage diffuseSun()
{
    QImage img = canvas(W, H, Qt::white);
    {
        QPainter p(&img);
        prepare(p);
        QLinearGradient g(0, 0, 0, H);
        g.setColorAt(0, QColor(0x8f, 0xa9, 0xc9));
        g.setColorAt(0.55, QColor(0xd9, 0xd3, 0xc4));
        g.setColorAt(1, QColor(0xf1, 0xe3, 0xc8));
        p.fillRect(img.rect(), g);
        QRadialGradient glow(QPointF(420, 230), 420);
        glow.setColorAt(0, QColor(255, 250, 225, 255));
        glow.setColorAt(0.12, QColor(255, 243, 200, 230));
        glow.setColorAt(0.45, QColor(255, 232, 180, 110));
        glow.setColorAt(1, QColor(255, 232, 180, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(glow);
        p.drawEllipse(QPointF(420, 230), 420, 420);
    }
    // Veils of high fog drawn over the sun and blurred.
    QImage veil = canvas(W, H);
    {
        QPainter p(&veil);
        prepare(p);
        Rng rng(3180);
        for (int i = 0; i < 10; ++i) {
            double y = rng.uniform(120, 420);
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(250, 248, 244, int(rng.uniform(40, 90))));
            p.drawEllipse(QPointF(rng.uniform(100, 700), y), rng.uniform(200, 380), rng.uniform(16, 40));
        }
    }
    blur(veil, 30);
    QPainter p(&img);
    p.drawImage(0, 0, veil);
    return img;
}

QImage pvPlant()
{
    QImage img = canvas(W, H, Qt::white);
    QPainter p(&img);
    prepare(p);
    const double horizon = 250;
    skyGradient(p, QColor(0x2a, 0x68, 0xb6), QColor(0x6f, 0xaa, 0xe2), QColor(0xd8, 0xea, 0xf8), horizon);
    Rng rng(3190);
    cloud(p, QPointF(620, 70), 200, rng, 225);
    cloud(p, QPointF(180, 120), 150, rng, 210);
    // Hills and the meadow.
    p.setPen(Qt::NoPen);
    QPainterPath hills;
    hills.moveTo(0, horizon);
    hills.cubicTo(160, horizon - 38, 300, horizon - 10, 420, horizon - 24);
    hills.cubicTo(560, horizon - 42, 700, horizon - 6, 800, horizon - 20);
    hills.lineTo(800, horizon + 10);
    hills.lineTo(0, horizon + 10);
    p.setBrush(QColor(0x6f, 0x93, 0x8a));
    p.drawPath(hills);
    QLinearGradient meadow(0, horizon, 0, H);
    meadow.setColorAt(0, QColor(0x8d, 0xb8, 0x5a));
    meadow.setColorAt(1, QColor(0x4e, 0x8a, 0x36));
    p.fillRect(QRectF(0, horizon, W, H - horizon), meadow);
    // Rows of module tables in perspective towards a vanishing point.
    const QPointF vp(400, horizon - 60);
    auto ground = [&](double x, double depth) {
        // depth 0 = front edge of the picture, 1 = horizon
        double y = H + (horizon - H) * depth;
        return QPointF(vp.x() + (x - vp.x()) * (1 - depth), y);
    };
    const int rows = 7;
    for (int r = rows - 1; r >= 0; --r) {
        double d0 = 0.9 - r * 0.115, d1 = d0 + 0.05;
        if (d0 < 0)
            continue;
        for (double x0 = -900; x0 < 1700; x0 += 260) {
            QPointF a = ground(x0, d1), b = ground(x0 + 240, d1), c = ground(x0 + 240, d0), e = ground(x0, d0);
            double lift = 70 * (1 - d0);
            QPolygonF table({a - QPointF(0, lift * 1.15), b - QPointF(0, lift * 1.15), c - QPointF(0, lift * 0.25),
                             e - QPointF(0, lift * 0.25)});
            if (table.boundingRect().right() < 0 || table.boundingRect().left() > W)
                continue;
            // Legs and shadow.
            p.setPen(QPen(QColor(0x70, 0x78, 0x80), std::max(1.0, 4 * (1 - d0))));
            p.drawLine(e, e - QPointF(0, lift * 0.25));
            p.drawLine(c, c - QPointF(0, lift * 0.25));
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(0x2a, 0x4a, 0x20, 80));
            p.drawPolygon(QPolygonF({a, b, c + QPointF(0, 6 * (1 - d0)), e + QPointF(0, 6 * (1 - d0))}));
            pvModule(p, table, 8, 3, pal::cell);
        }
    }
    return img;
}

QImage kontaloBackground()
{
    QImage img = canvas(W, H, Qt::white);
    QPainter p(&img);
    prepare(p);
    QLinearGradient g(0, 0, W, H);
    g.setColorAt(0, QColor(0xf4, 0xf8, 0xf1));
    g.setColorAt(1, QColor(0xd6, 0xe8, 0xdc));
    p.fillRect(img.rect(), g);
    // The product name at the top left, below it a faint bar chart with a
    // rising curve: the finance product.
    p.setFont(sans(110, true));
    p.setPen(QColor(0x1f, 0x6f, 0x5c, 70));
    p.drawText(QRectF(44, 20, 700, 150), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Kontalo"));
    p.setFont(sans(48, true));
    p.setPen(QColor(0xe8, 0x72, 0x2c, 120));
    p.drawText(QRectF(50, 150, 300, 60), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("pro"));
    p.setPen(QPen(QColor(0x1f, 0x6f, 0x5c, 40), 1));
    for (int y = 260; y < H - 40; y += 60)
        p.drawLine(QPointF(40, y), QPointF(W - 40, y));
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 9; ++i) {
        double h = 50 + i * 30 + (i % 3) * 10;
        p.setBrush(QColor(0x1f, 0x6f, 0x5c, 24 + i * 3));
        p.drawRoundedRect(QRectF(60 + i * 78, H - 60 - h, 52, h), 6, 6);
    }
    QPainterPath curve;
    curve.moveTo(40, 500);
    curve.cubicTo(300, 490, 480, 400, 770, 210);
    p.setPen(QPen(QColor(0xe8, 0x72, 0x2c, 150), 8, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(curve);
    return img;
}

} // namespace

void drawBackgrounds(const Sink& sink)
{
    sink(QStringLiteral("catalogue/3110"), glassPattern());
    sink(QStringLiteral("catalogue/3120"), skyClear());
    sink(QStringLiteral("catalogue/3130"), sunBackground());
    sink(QStringLiteral("catalogue/3140"), skySoft());
    sink(QStringLiteral("catalogue/3150"), pearls());
    sink(QStringLiteral("catalogue/3170"), skyClouds());
    sink(QStringLiteral("catalogue/3180"), diffuseSun());
    sink(QStringLiteral("catalogue/3190"), pvPlant());
    sink(QStringLiteral("catalogue/3200"), kontaloBackground());
}

} // namespace picgen
