// Pictures of the main window's top bar and the information dialog.

#include "tools/picgen/Glyphs.h"
#include "tools/picgen/Paint.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <algorithm>

namespace picgen {
namespace {

// The part of a glyph's 100 x 100 design box that it actually covers.
QRectF coveredBox(const std::function<void(QPainter&)>& draw)
{
    // Glyphs may reach a little outside their box; faint shadows and glows
    // do not count, so the solid parts of all icons come out one size.
    const int scale = 4, margin = 20;
    QImage probe = canvas((100 + 2 * margin) * scale, (100 + 2 * margin) * scale);
    {
        QPainter p(&probe);
        prepare(p);
        p.scale(scale, scale);
        p.translate(margin, margin);
        draw(p);
    }
    int left = probe.width(), top = probe.height(), right = -1, bottom = -1;
    for (int y = 0; y < probe.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(probe.constScanLine(y));
        for (int x = 0; x < probe.width(); ++x) {
            if (qAlpha(line[x]) > 128) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
        }
    }
    if (right < 0)
        return QRectF(0, 0, 100, 100);
    return QRectF(double(left) / scale - margin, double(top) / scale - margin, double(right - left + 1) / scale,
                  double(bottom - top + 1) / scale);
}

// Every glyph fills the same square, so the bar's icons look one size.
QImage fittedGlyph(int size, double filled, const std::function<void(QPainter&)>& draw)
{
    const QRectF box = coveredBox(draw);
    return supersampled(size, size, 6, [&](QPainter& p) {
        const double s = filled / std::max(box.width(), box.height());
        p.translate(size / 2.0, size / 2.0);
        p.scale(s, s);
        p.translate(-box.center());
        draw(p);
    });
}

QImage icon(const std::function<void(QPainter&)>& draw)
{
    return fittedGlyph(32, 30, draw);
}

QImage sponsor()
{
    return supersampled(120, 48, 3, [](QPainter& p) {
        sunDisc(p, QPointF(22, 24), 9, 12, 6, 2.0);
        p.setFont(sans(19, true));
        p.setPen(pal::navy);
        p.setFont(fitted(sans(19, true), QStringLiteral("Sonnfeld"), 76));
        p.drawText(QRectF(44, 4, 76, 24), Qt::AlignLeft | Qt::AlignBottom, QStringLiteral("Sonnfeld"));
        QFont f = sans(9.5, true);
        f.setLetterSpacing(QFont::AbsoluteSpacing, 1.2);
        p.setFont(fitted(f, QStringLiteral("ENERGIEFONDS"), 74));
        p.setPen(pal::orange);
        p.drawText(QRectF(45, 28, 75, 14), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("ENERGIEFONDS"));
    });
}

// The product: a screen showing a planned house, with the product name.
QImage product()
{
    return supersampled(240, 160, 3, [](QPainter& p) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 45));
        p.drawRoundedRect(QRectF(14, 10, 220, 136), 10, 10);
        p.setBrush(QColor(0x2b, 0x31, 0x3a));
        p.drawRoundedRect(QRectF(10, 6, 220, 136), 10, 10);
        QRectF screen(18, 26, 204, 108);
        QLinearGradient sky(0, screen.top(), 0, screen.bottom());
        sky.setColorAt(0, QColor(0x4f, 0x8f, 0xd0));
        sky.setColorAt(1, QColor(0xd5, 0xe8, 0xf8));
        p.setBrush(sky);
        p.drawRect(screen);
        p.setBrush(QColor(0x8d, 0xb8, 0x5a));
        p.drawRect(QRectF(screen.left(), screen.bottom() - 22, screen.width(), 22));
        p.setFont(sans(12, true));
        p.setPen(Qt::white);
        p.drawText(QRectF(18, 7, 204, 19), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("  Tandrel"));
        p.setPen(Qt::NoPen);
        const QColor dots[] = {QColor(0xe8, 0x5a, 0x4f), pal::sun, QColor(0x6c, 0xc0, 0x5a)};
        for (int i = 0; i < 3; ++i) {
            p.setBrush(dots[i]);
            p.drawEllipse(QPointF(200 + i * 9 - 18, 16.5), 3, 3);
        }
        p.save();
        p.translate(70, 34);
        p.scale(1.0, 1.0);
        glyph::house3D(p);
        p.restore();
        sunDisc(p, QPointF(52, 50), 9, 10, 5, 2.2);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x4b, 0x52, 0x5a));
        p.drawRect(QRectF(104, 142, 32, 10));
        p.drawRoundedRect(QRectF(84, 150, 72, 6), 3, 3);
    });
}

QImage mobileApp()
{
    return supersampled(40, 56, 4, [](QPainter& p) {
        p.setPen(QPen(QColor(0x1a, 0x1e, 0x24), 1));
        p.setBrush(QColor(0x2b, 0x31, 0x3a));
        p.drawRoundedRect(QRectF(4, 1, 32, 54), 6, 6);
        QRectF screen(7, 7, 26, 40);
        QLinearGradient sky(0, screen.top(), 0, screen.bottom());
        sky.setColorAt(0, QColor(0x3f, 0x80, 0xc8));
        sky.setColorAt(1, QColor(0xd5, 0xe8, 0xf8));
        p.setPen(Qt::NoPen);
        p.setBrush(sky);
        p.drawRect(screen);
        sunDisc(p, QPointF(26, 16), 4.5, 8, 3, 1.8);
        pvModule(p, QPolygonF({QPointF(10, 30), QPointF(31, 33), QPointF(29, 42), QPointF(8, 39)}), 4, 2, pal::cell);
        p.setBrush(QColor(0x55, 0x5e, 0x6a));
        p.drawRoundedRect(QRectF(15, 3.2, 10, 2), 1, 1);
        p.drawEllipse(QPointF(20, 51), 2.4, 2.4);
    });
}

// The mark of the current address in the address book: a map pin.
QImage addressMark()
{
    return supersampled(16, 16, 8, [](QPainter& p) {
        QPainterPath pin;
        pin.moveTo(8, 15.4);
        pin.cubicTo(6.2, 12.4, 2.4, 9.4, 2.4, 6.2);
        pin.arcTo(QRectF(2.4, 0.6, 11.2, 11.2), 180, -180);
        pin.cubicTo(13.6, 9.4, 9.8, 12.4, 8, 15.4);
        pin.closeSubpath();
        p.setPen(QPen(mix(pal::orange, pal::navy, 0.45), 0.9));
        p.setBrush(pal::orange);
        p.drawPath(pin);
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(8, 6.2), 2.3, 2.3);
    });
}

} // namespace

QImage appIcon(int size)
{
    return supersampled(size, size, 4, [size](QPainter& p) {
        p.scale(size / 100.0, size / 100.0);
        QLinearGradient sky(0, 4, 0, 96);
        sky.setColorAt(0, QColor(0x3f, 0x80, 0xc8));
        sky.setColorAt(1, QColor(0xcf, 0xe4, 0xf6));
        p.setPen(QPen(QColor(0x24, 0x4f, 0x86), 2));
        p.setBrush(sky);
        p.drawRoundedRect(QRectF(3, 3, 94, 94), 18, 18);
        sunDisc(p, QPointF(74, 24), 9, 10, 6, 2.0);
        const QImage house = fittedGlyph(256, 236, glyph::house3D);
        p.drawImage(QRectF(12, 22, 72, 72), house);
    });
}

void drawTopBar(const Sink& sink)
{
    sink(QStringLiteral("ui/back"), icon([](QPainter& p) { glyph::arrow(p, false); }));
    sink(QStringLiteral("ui/forward"), icon([](QPainter& p) { glyph::arrow(p, true); }));
    sink(QStringLiteral("ui/overview"), icon(glyph::overview));
    sink(QStringLiteral("ui/house3d"), icon(glyph::house3D));
    sink(QStringLiteral("ui/pvplant"), icon(glyph::pvPlant));
    sink(QStringLiteral("ui/kev"), icon(glyph::kev));
    sink(QStringLiteral("ui/addresses"), icon(glyph::addressBook));
    sink(QStringLiteral("ui/kontalo"), icon(glyph::kontalo));
    sink(QStringLiteral("ui/info"), icon(glyph::info));
    sink(QStringLiteral("ui/exit"), icon(glyph::exit));
    sink(QStringLiteral("ui/sponsor"), sponsor());
    sink(QStringLiteral("ui/product"), product());
    sink(QStringLiteral("ui/mobileapp"), mobileApp());
    sink(QStringLiteral("ui/address-mark"), addressMark());
    sink(QStringLiteral("ui/app-icon"), appIcon(64));
}

} // namespace picgen
