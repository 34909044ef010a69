// House symbols: the household and the solar plant, 128 x 128 tiles.

#include "tools/picgen/Paint.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

namespace picgen {
namespace {

constexpr int S = 128;

void tile(QPainter& p)
{
    QLinearGradient g(0, 0, 0, S);
    g.setColorAt(0, QColor(0xf3, 0xf8, 0xfd));
    g.setColorAt(1, QColor(0xd4, 0xe4, 0xf4));
    p.fillRect(QRectF(0, 0, S, S), g);
    p.setPen(QPen(QColor(0xa9, 0xc0, 0xd8), 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(1, 1, S - 2, S - 2));
}

QImage symbol(const std::function<void(QPainter&)>& draw)
{
    return supersampled(S, S, 3, [&](QPainter& p) {
        tile(p);
        draw(p);
    }, Qt::white);
}

const QColor kInk = pal::navy;

void house(QPainter& p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 30));
    p.drawEllipse(QRectF(20, 104, 88, 10));
    p.setBrush(pal::wall);
    p.setPen(QPen(kInk, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawRect(QRectF(30, 56, 68, 50));
    p.setBrush(pal::roofRed);
    p.drawPolygon(QPolygonF({QPointF(18, 60), QPointF(64, 20), QPointF(110, 60)}));
    p.setBrush(QColor(0x8a, 0x5a, 0x3a));
    p.drawRect(QRectF(56, 76, 18, 30));
    p.setBrush(QColor(0xbf, 0xdf, 0xf7));
    p.drawRect(QRectF(36, 66, 14, 14));
    p.drawRect(QRectF(80, 66, 12, 14));
    p.setBrush(pal::roofRed.darker(120));
    p.drawRect(QRectF(84, 28, 10, 18));
}

void fridge(QPainter& p)
{
    QLinearGradient body(30, 0, 98, 0);
    body.setColorAt(0, QColor(0xfb, 0xfc, 0xfe));
    body.setColorAt(1, QColor(0xd8, 0xdf, 0xe7));
    p.setPen(QPen(kInk, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(body);
    p.drawRoundedRect(QRectF(38, 12, 52, 104), 8, 8);
    p.drawLine(QPointF(38, 48), QPointF(90, 48));
    p.setPen(QPen(pal::blue, 5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(46, 24), QPointF(46, 38));
    p.drawLine(QPointF(46, 58), QPointF(46, 82));
    // A snowflake for the cold.
    p.setPen(QPen(pal::sky, 2.5, Qt::SolidLine, Qt::RoundCap));
    const QPointF c(72, 30);
    for (int i = 0; i < 3; ++i) {
        double a = M_PI * i / 3;
        QPointF d(std::cos(a) * 9, std::sin(a) * 9);
        p.drawLine(c - d, c + d);
    }
}

void lamp(QPainter& p)
{
    const QPointF c(64, 52);
    p.setPen(QPen(pal::sun, 4, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 9; ++i) {
        double a = M_PI + M_PI * i / 8;
        QPointF d(std::cos(a), std::sin(a));
        p.drawLine(c + d * 38, c + d * 48);
    }
    QRadialGradient glow(c, 40);
    glow.setColorAt(0, QColor(255, 236, 150, 200));
    glow.setColorAt(1, QColor(255, 236, 150, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(c, 40, 40);
    QPainterPath bulb;
    bulb.addEllipse(c, 26, 26);
    QPainterPath neck;
    neck.moveTo(50, 70);
    neck.lineTo(78, 70);
    neck.lineTo(74, 90);
    neck.lineTo(54, 90);
    neck.closeSubpath();
    QRadialGradient glass(c - QPointF(8, 8), 34);
    glass.setColorAt(0, QColor(0xff, 0xfb, 0xe0));
    glass.setColorAt(1, pal::sunLight);
    p.setPen(QPen(kInk, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(glass);
    p.drawPath(bulb.united(neck).simplified());
    p.setBrush(QColor(0x9a, 0xa5, 0xb1));
    p.drawRoundedRect(QRectF(52, 90, 24, 8), 2, 2);
    p.drawRoundedRect(QRectF(54, 98, 20, 8), 2, 2);
    p.drawRoundedRect(QRectF(58, 106, 12, 6), 2, 2);
    p.setPen(QPen(QColor(0xe0, 0x9a, 0x20), 2.5, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(QPolygonF({QPointF(56, 70), QPointF(60, 56), QPointF(64, 64), QPointF(68, 56), QPointF(72, 70)}));
}

void washer(QPainter& p)
{
    p.setPen(QPen(kInk, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(QColor(0xfa, 0xfb, 0xfd));
    p.drawRoundedRect(QRectF(24, 16, 80, 98), 7, 7);
    p.drawLine(QPointF(24, 36), QPointF(104, 36));
    p.setBrush(QColor(0xd8, 0xdf, 0xe7));
    p.drawEllipse(QPointF(88, 26), 5, 5);
    p.setPen(Qt::NoPen);
    p.setBrush(pal::blue);
    p.drawRoundedRect(QRectF(32, 23, 26, 7), 2, 2);
    p.setPen(QPen(kInk, 3));
    p.setBrush(QColor(0xb8, 0xc4, 0xd0));
    p.drawEllipse(QPointF(64, 74), 29, 29);
    QRadialGradient water(QPointF(58, 68), 26);
    water.setColorAt(0, QColor(0xd9, 0xef, 0xfd));
    water.setColorAt(1, QColor(0x6f, 0xa8, 0xdc));
    p.setBrush(water);
    p.drawEllipse(QPointF(64, 74), 21, 21);
    p.setPen(QPen(QColor(255, 255, 255, 200), 3, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(50, 60, 28, 28), 100 * 16, 70 * 16);
}

void meter(QPainter& p)
{
    p.setPen(QPen(kInk, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(QColor(0x3a, 0x44, 0x50));
    p.drawRoundedRect(QRectF(22, 14, 84, 100), 8, 8);
    p.setBrush(QColor(0xf5, 0xf7, 0xfa));
    p.drawRoundedRect(QRectF(30, 24, 68, 62), 4, 4);
    // Counter digits.
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 5; ++i) {
        p.setBrush(i == 4 ? pal::red : QColor(0x22, 0x28, 0x30));
        p.drawRect(QRectF(36 + i * 11.5, 32, 10, 16));
    }
    p.setPen(Qt::white);
    p.setFont(sans(13, true));
    const char digits[] = "04711";
    for (int i = 0; i < 5; ++i)
        p.drawText(QRectF(36 + i * 11.5, 32, 10, 16), Qt::AlignCenter, QString(QLatin1Char(digits[i])));
    p.setPen(kInk);
    p.setFont(sans(11, true));
    p.drawText(QRectF(30, 50, 68, 14), Qt::AlignCenter, QStringLiteral("kWh"));
    // The rotating disc seen edge-on.
    p.setPen(QPen(kInk, 1.5));
    p.setBrush(QColor(0xc0, 0xc8, 0xd2));
    p.drawRoundedRect(QRectF(40, 68, 48, 8), 4, 4);
    p.setBrush(pal::red);
    p.drawRect(QRectF(60, 68, 6, 8));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xc8, 0xcf, 0xd6));
    p.drawRect(QRectF(34, 94, 60, 12));
    p.setBrush(pal::sun);
    QPolygonF bolt({QPointF(66, 88), QPointF(56, 102), QPointF(63, 102), QPointF(60, 112), QPointF(72, 97),
                    QPointF(65, 97)});
    p.drawPolygon(bolt);
}

void modules(QPainter& p)
{
    sunDisc(p, QPointF(96, 30), 13, 10, 7, 2.0);
    QPolygonF quad({QPointF(34, 44), QPointF(110, 56), QPointF(96, 104), QPointF(14, 90)});
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 36));
    p.drawPolygon(quad.translated(3, 5));
    pvModule(p, quad, 4, 3, pal::cell, QColor(0xb8, 0xc2, 0xcc));
    p.setPen(QPen(QColor(0x70, 0x78, 0x80), 3));
    p.drawLine(QPointF(30, 92), QPointF(30, 116));
    p.drawLine(QPointF(92, 104), QPointF(92, 116));
    p.setPen(Qt::NoPen);
    p.setBrush(pal::sun);
    p.setPen(QPen(kInk, 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolygon(QPolygonF({QPointF(24, 10), QPointF(12, 30), QPointF(21, 30), QPointF(16, 46), QPointF(32, 24),
                             QPointF(23, 24), QPointF(28, 10)}));
}

void collectors(QPainter& p)
{
    sunDisc(p, QPointF(96, 30), 13, 10, 7, 2.0);
    QPolygonF quad({QPointF(34, 44), QPointF(110, 56), QPointF(96, 104), QPointF(14, 90)});
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 36));
    p.drawPolygon(quad.translated(3, 5));
    collector(p, quad, 8);
    p.setPen(QPen(QColor(0x70, 0x78, 0x80), 3));
    p.drawLine(QPointF(30, 92), QPointF(30, 116));
    p.drawLine(QPointF(92, 104), QPointF(92, 116));
    // Heat rising.
    p.setPen(QPen(pal::red, 4, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 3; ++i) {
        QPainterPath w;
        double x = 14 + i * 12;
        w.moveTo(x, 40);
        w.cubicTo(x - 6, 32, x + 6, 26, x, 16);
        p.drawPath(w);
    }
}

} // namespace

void drawHouseSymbols(const Sink& sink)
{
    sink(QStringLiteral("catalogue/4300"), symbol(house));
    sink(QStringLiteral("catalogue/4312"), symbol(fridge));
    sink(QStringLiteral("catalogue/4314"), symbol(lamp));
    sink(QStringLiteral("catalogue/4316"), symbol(washer));
    sink(QStringLiteral("catalogue/4320"), symbol(meter));
    sink(QStringLiteral("catalogue/4322"), symbol(modules));
    sink(QStringLiteral("catalogue/4340"), symbol(collectors));
}

} // namespace picgen
