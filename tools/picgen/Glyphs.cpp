#include "tools/picgen/Glyphs.h"

#include "tools/picgen/Paint.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

namespace picgen::glyph {

void house3D(QPainter& p)
{
    // An axonometric house: front gable, side wall and the roof with modules.
    const QPointF a(14, 52), b(44, 66), c(86, 46), d(56, 32);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 40));
    p.drawPolygon(QPolygonF({QPointF(12, 90), QPointF(44, 104), QPointF(92, 80), QPointF(60, 68)}));
    QLinearGradient front(0, 50, 0, 96);
    front.setColorAt(0, QColor(0xfb, 0xf5, 0xea));
    front.setColorAt(1, QColor(0xe3, 0xd6, 0xc2));
    p.setBrush(front);
    p.setPen(QPen(pal::navy, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolygon(QPolygonF({a, QPointF(14, 84), QPointF(44, 98), b, QPointF(29, 40)}));
    p.setBrush(QColor(0xd4, 0xc4, 0xab));
    p.drawPolygon(QPolygonF({b, QPointF(44, 98), QPointF(86, 78), c}));
    p.setBrush(pal::roofRed);
    p.drawPolygon(QPolygonF({QPointF(29, 40), b, c, QPointF(71, 20)}));
    QPolygonF field({bilinear(QPolygonF({QPointF(29, 40), QPointF(71, 20), c, b}), 0.14, 0.14),
                     bilinear(QPolygonF({QPointF(29, 40), QPointF(71, 20), c, b}), 0.86, 0.14),
                     bilinear(QPolygonF({QPointF(29, 40), QPointF(71, 20), c, b}), 0.86, 0.84),
                     bilinear(QPolygonF({QPointF(29, 40), QPointF(71, 20), c, b}), 0.14, 0.84)});
    pvModule(p, field, 4, 2, pal::cell, QColor(0xd0, 0xd6, 0xdc));
    p.setPen(QPen(pal::navy, 2.2));
    p.setBrush(QColor(0x8a, 0x5a, 0x3a));
    p.drawPolygon(QPolygonF({QPointF(24, 70), QPointF(33, 74), QPointF(33, 93), QPointF(24, 89)}));
    p.setBrush(QColor(0xbf, 0xdf, 0xf7));
    p.drawPolygon(QPolygonF({QPointF(58, 66), QPointF(72, 59), QPointF(72, 71), QPointF(58, 78)}));
    Q_UNUSED(d);
}

void pvPlant(QPainter& p)
{
    sunDisc(p, QPointF(76, 22), 12, 10, 7, 1.8);
    // Two tables of modules on the ground.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x4e, 0x8a, 0x36, 90));
    p.drawEllipse(QRectF(4, 80, 92, 18));
    for (int i = 0; i < 2; ++i) {
        double dx = i * 10, dy = i * 16;
        QPolygonF q({QPointF(18 + dx, 40 + dy), QPointF(80 + dx, 46 + dy), QPointF(74 + dx, 66 + dy),
                     QPointF(8 + dx, 60 + dy)});
        p.setPen(QPen(QColor(0x6a, 0x72, 0x7a), 2.5));
        p.drawLine(QPointF(14 + dx, 60 + dy), QPointF(14 + dx, 74 + dy));
        p.drawLine(QPointF(70 + dx, 66 + dy), QPointF(70 + dx, 78 + dy));
        pvModule(p, q, 6, 2, pal::cell);
    }
}

void kev(QPainter& p)
{
    // The Swiss cross on a red plate with an information badge.
    QLinearGradient g(0, 8, 0, 92);
    g.setColorAt(0, QColor(0xe3, 0x3b, 0x32));
    g.setColorAt(1, QColor(0xb8, 0x22, 0x1c));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 40));
    p.drawRoundedRect(QRectF(12, 12, 76, 80), 14, 14);
    p.setBrush(g);
    p.drawRoundedRect(QRectF(10, 8, 76, 80), 14, 14);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(40, 22, 16, 52));
    p.drawRect(QRectF(22, 40, 52, 16));
    p.setBrush(pal::blue);
    p.setPen(QPen(Qt::white, 4));
    p.drawEllipse(QPointF(78, 78), 17, 17);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(78, 70), 3.2, 3.2);
    p.drawRoundedRect(QRectF(75.2, 75, 5.6, 13), 2, 2);
}

void selfConsumption(QPainter& p)
{
    // A house with modules on its roof; the sun's power flows round into it.
    sunDisc(p, QPointF(80, 18), 10, 10, 6, 1.8);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 40));
    p.drawEllipse(QRectF(10, 84, 70, 12));
    QLinearGradient wall(0, 48, 0, 90);
    wall.setColorAt(0, QColor(0xfb, 0xf5, 0xea));
    wall.setColorAt(1, QColor(0xe3, 0xd6, 0xc2));
    p.setPen(QPen(pal::navy, 2.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(wall);
    p.drawRect(QRectF(18, 50, 54, 38));
    p.setBrush(pal::roofRed);
    const QPolygonF roof({QPointF(10, 52), QPointF(45, 22), QPointF(80, 52)});
    p.drawPolygon(roof);
    pvModule(p, QPolygonF({QPointF(30, 40), QPointF(45, 28), QPointF(60, 40), QPointF(45, 40)}), 3, 1, pal::cell);
    p.setBrush(QColor(0x8a, 0x5a, 0x3a));
    p.drawRect(QRectF(40, 66, 11, 22));
    // The plug socket inside: what the house uses of its own power.
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(61, 66), 6, 6);
    p.setPen(Qt::NoPen);
    p.setBrush(pal::navy);
    p.drawEllipse(QPointF(59, 66), 1.3, 1.3);
    p.drawEllipse(QPointF(63, 66), 1.3, 1.3);
    QPen flow(pal::green, 6, Qt::SolidLine, Qt::RoundCap);
    p.setPen(flow);
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(58, 24, 36, 52), 60 * 16, -150 * 16);
    p.setPen(Qt::NoPen);
    p.setBrush(pal::green);
    p.drawPolygon(QPolygonF({QPointF(72, 78), QPointF(86, 68), QPointF(86, 86)}));
}

void customerFolder(QPainter& p)
{
    // A folder holding papers: a letter, a yield chart and a house sheet.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 40));
    p.drawRoundedRect(QRectF(10, 30, 82, 64), 6, 6);
    p.setBrush(QColor(0x2b, 0x5c, 0x8f));
    p.setPen(QPen(pal::navy, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    QPainterPath back;
    back.moveTo(8, 88);
    back.lineTo(8, 22);
    back.lineTo(34, 22);
    back.lineTo(40, 30);
    back.lineTo(88, 30);
    back.lineTo(88, 88);
    back.closeSubpath();
    p.drawPath(back);
    // The papers stick out of the folder.
    p.setBrush(Qt::white);
    p.save();
    p.translate(50, 50);
    p.rotate(-8);
    p.drawRect(QRectF(-34, -38, 44, 54));
    p.restore();
    p.drawRect(QRectF(40, 12, 42, 54));
    p.setPen(QPen(QColor(0x9a, 0xa4, 0xae), 2));
    for (int k = 0; k < 3; ++k)
        p.drawLine(QPointF(46, 20 + 6 * k), QPointF(76, 20 + 6 * k));
    p.setPen(Qt::NoPen);
    p.setBrush(pal::sun);
    for (int k = 0; k < 4; ++k)
        p.drawRect(QRectF(47 + 8 * k, 50 - 5 * k, 6, 8 + 5 * k));
    // The folder's front flap.
    QLinearGradient front(0, 44, 0, 92);
    front.setColorAt(0, QColor(0x4a, 0x8f, 0xd4));
    front.setColorAt(1, QColor(0x2e, 0x6c, 0xb0));
    p.setPen(QPen(pal::navy, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(front);
    p.drawPolygon(QPolygonF({QPointF(4, 46), QPointF(84, 46), QPointF(92, 90), QPointF(12, 90)}));
    sunDisc(p, QPointF(48, 68), 8, 7, 5, 1.6);
}

void addressBook(QPainter& p)
{
    // A card index with tabs and a person on the front card.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 40));
    p.drawRoundedRect(QRectF(14, 20, 76, 76), 8, 8);
    for (int i = 0; i < 3; ++i) {
        const QColor tab[] = {pal::sun, pal::green, pal::orange};
        p.setBrush(tab[i]);
        p.setPen(QPen(tab[i].darker(130), 1.6));
        p.drawRoundedRect(QRectF(80, 24 + i * 20, 14, 16), 3, 3);
    }
    QLinearGradient card(0, 12, 0, 92);
    card.setColorAt(0, Qt::white);
    card.setColorAt(1, pal::paper);
    p.setPen(QPen(pal::navy, 2.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(card);
    p.drawRoundedRect(QRectF(10, 14, 74, 78), 8, 8);
    p.setBrush(pal::blue);
    p.setPen(Qt::NoPen);
    p.drawRoundedRect(QRectF(10, 14, 12, 78), 6, 6);
    p.drawRect(QRectF(16, 14, 6, 78));
    p.setBrush(pal::sky);
    p.drawEllipse(QPointF(42, 38), 10, 10);
    QPainterPath body;
    body.moveTo(26, 66);
    body.cubicTo(26, 50, 58, 50, 58, 66);
    body.closeSubpath();
    p.drawPath(body);
    p.setPen(QPen(pal::grey, 3.2, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 2; ++i)
        p.drawLine(QPointF(28, 76 + i * 8), QPointF(74 - i * 14, 76 + i * 8));
    p.drawLine(QPointF(62, 38), QPointF(76, 38));
    p.drawLine(QPointF(62, 48), QPointF(72, 48));
}

static void roundBadge(QPainter& p, const QColor& top, const QColor& bottom)
{
    QLinearGradient g(0, 6, 0, 94);
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    p.setPen(QPen(bottom.darker(125), 3));
    p.setBrush(g);
    p.drawEllipse(QPointF(50, 50), 44, 44);
    // Gloss on the upper half.
    QLinearGradient gloss(0, 8, 0, 52);
    gloss.setColorAt(0, QColor(255, 255, 255, 110));
    gloss.setColorAt(1, QColor(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(gloss);
    p.drawEllipse(QRectF(16, 9, 68, 42));
}

void arrow(QPainter& p, bool forward)
{
    roundBadge(p, QColor(0x5a, 0x95, 0xd8), pal::blue.darker(115));
    p.save();
    if (forward) {
        p.translate(100, 0);
        p.scale(-1, 1);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawPolygon(QPolygonF({QPointF(24, 50), QPointF(50, 26), QPointF(50, 40), QPointF(76, 40), QPointF(76, 60),
                             QPointF(50, 60), QPointF(50, 74)}));
    p.restore();
}

void overview(QPainter& p)
{
    const QColor tiles[] = {pal::blue, pal::sun, pal::green, pal::orange};
    for (int i = 0; i < 4; ++i) {
        QRectF r(8 + (i % 2) * 44, 8 + (i / 2) * 44, 40, 40);
        QLinearGradient g(r.topLeft(), r.bottomLeft());
        g.setColorAt(0, tiles[i].lighter(125));
        g.setColorAt(1, tiles[i]);
        p.setPen(QPen(tiles[i].darker(130), 2.5));
        p.setBrush(g);
        p.drawRoundedRect(r, 8, 8);
    }
}

void kontalo(QPainter& p)
{
    const QColor bars[] = {QColor(0x9b, 0xc5, 0x3d), QColor(0x3f, 0x9f, 0x5f), QColor(0x1f, 0x6f, 0x5c)};
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 3; ++i) {
        double h = 30 + i * 24;
        p.setBrush(bars[i]);
        p.drawRoundedRect(QRectF(12 + i * 28, 92 - h, 22, h), 4, 4);
    }
    p.setPen(QPen(pal::orange, 8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(QPolygonF({QPointF(8, 54), QPointF(36, 36), QPointF(56, 44), QPointF(82, 16)}));
    p.setPen(Qt::NoPen);
    p.setBrush(pal::orange);
    p.drawPolygon(QPolygonF({QPointF(94, 6), QPointF(72, 10), QPointF(89, 27)}));
}

void info(QPainter& p)
{
    roundBadge(p, QColor(0x5a, 0x95, 0xd8), pal::blue.darker(115));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(50, 28), 7, 7);
    p.drawRoundedRect(QRectF(43, 42, 14, 38), 4, 4);
}

void exit(QPainter& p)
{
    roundBadge(p, QColor(0xe8, 0x5a, 0x4f), QColor(0xb0, 0x25, 0x1e));
    QPen pen(Qt::white, 9, Qt::SolidLine, Qt::RoundCap);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(26, 28, 48, 48), 125 * 16, 290 * 16);
    p.drawLine(QPointF(50, 20), QPointF(50, 50));
}

} // namespace picgen::glyph
