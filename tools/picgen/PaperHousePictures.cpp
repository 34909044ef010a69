// Pictures of the paper-house documents.

#include "tools/picgen/Paint.h"

#include <QLinearGradient>

namespace picgen {

namespace {

// The sibling product's banner at the foot of the paper house (108 × 18 mm).
QImage kontaloBanner()
{
    const int w = 1200, h = 200;
    QImage img = canvas(w, h, Qt::white);
    QPainter p(&img);
    prepare(p);
    const QColor deep(0x1f, 0x6f, 0x5c), fresh(0x3f, 0x9f, 0x5f);
    QLinearGradient band(0, 0, w, 0);
    band.setColorAt(0, deep);
    band.setColorAt(1, fresh);
    p.setPen(Qt::NoPen);
    p.setBrush(band);
    p.drawRoundedRect(QRectF(4, 4, w - 8, h - 8), 22, 22);

    // Rising bars with a trend arrow, as in the product's logo.
    const QColor bars[] = {QColor(0xc9, 0xe8, 0x8a), QColor(0x9b, 0xd5, 0x6d), QColor(0xf2, 0xf7, 0xea)};
    for (int i = 0; i < 3; ++i) {
        const double bh = 48 + i * 32;
        p.setBrush(bars[i]);
        p.drawRoundedRect(QRectF(48 + i * 40, 160 - bh, 28, bh), 5, 5);
    }
    p.setPen(QPen(pal::sunLight, 9, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(QPolygonF({QPointF(40, 100), QPointF(84, 74), QPointF(112, 84), QPointF(160, 36)}));
    p.setPen(Qt::NoPen);
    p.setBrush(pal::sunLight);
    p.drawPolygon(QPolygonF({QPointF(170, 26), QPointF(143, 32), QPointF(163, 52)}));

    p.setPen(Qt::white);
    QFont title = sans(78, true);
    p.setFont(title);
    QFontMetricsF fm(title);
    p.drawText(QPointF(230, 108), QStringLiteral("Kontalo"));
    const double x = 230 + fm.horizontalAdvance(QStringLiteral("Kontalo")) + 12;
    p.setPen(pal::sunLight);
    p.setFont(sans(46, true));
    p.drawText(QPointF(x, 108), QStringLiteral("pro"));
    p.setPen(QColor(0xea, 0xf4, 0xe4));
    p.setFont(sans(34));
    p.drawText(QPointF(232, 160), QStringLiteral("Wirtschaftlichkeit und Finanzierung Ihrer PV-Anlage"));
    return img;
}

} // namespace

void drawPaperHousePictures(const Sink& sink)
{
    sink(QStringLiteral("paperhouse/kontalo-banner"), kontaloBanner());
}

} // namespace picgen
