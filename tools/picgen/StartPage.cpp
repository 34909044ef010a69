// The start page's marker plates and its three picture buttons.

#include "tools/picgen/Glyphs.h"
#include "tools/picgen/Paint.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainterPath>

namespace picgen {
namespace {

// A translucent plate with rounded upper corners and a quiet title at the
// bottom of a transparent picture; the buttons hang below its lower edge.
// The page places the marker 220 (or 60) pixels above the background's top,
// so the clear lead brings the plate and its buttons down onto the picture.
QImage marker(int width, int lead, const QString& title)
{
    const int height = 34;
    return supersampled(width, lead + height, 3, [&](QPainter& p) {
        p.translate(0, lead);
        QPainterPath plate;
        const double r = 10;
        plate.moveTo(0.5, height);
        plate.lineTo(0.5, r);
        plate.quadTo(0.5, 0.5, r, 0.5);
        plate.lineTo(width - r, 0.5);
        plate.quadTo(width - 0.5, 0.5, width - 0.5, r);
        plate.lineTo(width - 0.5, height);
        plate.closeSubpath();
        QLinearGradient g(0, 0, 0, height);
        g.setColorAt(0, QColor(255, 255, 255, 150));
        g.setColorAt(1, QColor(255, 255, 255, 95));
        p.setPen(QPen(QColor(255, 255, 255, 190), 1));
        p.setBrush(g);
        p.drawPath(plate);
        p.setPen(Qt::NoPen);
        p.setBrush(withAlpha(pal::sun, 230));
        p.drawRect(QRectF(0, height - 3, width, 3));
        QFont f = sans(15, true);
        f.setLetterSpacing(QFont::AbsoluteSpacing, 1.0);
        const double textWidth = QFontMetricsF(f).horizontalAdvance(title);
        const double x = (width - textWidth - 14) / 2;
        p.setBrush(pal::sun);
        p.drawEllipse(QPointF(x + 4, height / 2.0 - 1), 4, 4);
        p.setFont(f);
        p.setPen(withAlpha(pal::navy, 225));
        p.drawText(QRectF(x + 14, 0, textWidth + 4, height - 2), Qt::AlignLeft | Qt::AlignVCenter, title);
    });
}

QImage button(void (*draw)(QPainter&))
{
    return supersampled(72, 72, 4, [draw](QPainter& p) {
        p.scale(0.72, 0.72);
        draw(p);
    });
}

} // namespace

void drawStartPage(const Sink& sink)
{
    sink(QStringLiteral("ui/marker-pv"), marker(520, 216, QStringLiteral("PV-Anlagen")));
    sink(QStringLiteral("ui/marker-lists"), marker(520, 196, QStringLiteral("Informationen")));
    sink(QStringLiteral("ui/start-house3d"), button(glyph::house3D));
    sink(QStringLiteral("ui/start-pvplant"), button(glyph::pvPlant));
    sink(QStringLiteral("ui/start-kev"), button(glyph::kev));
    sink(QStringLiteral("ui/start-selfconsumption"), button(glyph::selfConsumption));
    sink(QStringLiteral("ui/start-folder"), button(glyph::customerFolder));
}

} // namespace picgen
