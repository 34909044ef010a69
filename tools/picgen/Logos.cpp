// Logos: the partner companies of the catalogue, the maker, the software
// brand and the sibling product. All names are invented.

#include "data/PictureCatalogue.h"
#include "tools/picgen/Paint.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

namespace picgen {
namespace {

struct Scheme {
    QColor primary, accent;
};

const Scheme kSchemes[] = {
    {pal::navy, pal::sun},
    {QColor(0x2e, 0x7d, 0x4f), QColor(0xf2, 0xc0, 0x2e)},
    {QColor(0xb3, 0x31, 0x2b), QColor(0xf0, 0x8a, 0x24)},
    {QColor(0x12, 0x70, 0x7a), QColor(0xf2, 0xb1, 0x34)},
    {pal::blue, QColor(0x7c, 0xc0, 0xf0)},
    {QColor(0x3b, 0x46, 0x50), QColor(0xf0, 0x8a, 0x24)},
    {QColor(0x1f, 0x6f, 0x5c), QColor(0x9b, 0xc5, 0x3d)},
    {QColor(0x8c, 0x4a, 0x2f), QColor(0xe0, 0xa5, 0x26)},
};

void emblemSunRays(QPainter& p, const QRectF& r, const Scheme& s)
{
    const QPointF c = r.center();
    const double rad = r.width() * 0.27;
    p.setPen(Qt::NoPen);
    p.setBrush(s.accent);
    for (int i = 0; i < 12; ++i) {
        double a = 2 * M_PI * i / 12;
        QPointF d(std::cos(a), std::sin(a)), n(-d.y(), d.x());
        QPolygonF ray({c + d * rad * 1.25 + n * 3.2, c + d * r.width() * 0.49, c + d * rad * 1.25 - n * 3.2});
        p.drawPolygon(ray);
    }
    p.setBrush(s.primary);
    p.drawEllipse(c, rad, rad);
    p.setBrush(s.accent);
    p.drawEllipse(c + QPointF(-rad * 0.28, -rad * 0.28), rad * 0.32, rad * 0.32);
}

void emblemHouse(QPainter& p, const QRectF& r, const Scheme& s)
{
    const double w = r.width();
    QPolygonF roof({r.topLeft() + QPointF(w * 0.04, w * 0.50), r.topLeft() + QPointF(w * 0.5, w * 0.10),
                    r.topLeft() + QPointF(w * 0.96, w * 0.50)});
    QPen pen(s.primary, w * 0.08, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(roof);
    p.drawPolyline(QPolygonF({r.topLeft() + QPointF(w * 0.18, w * 0.50), r.topLeft() + QPointF(w * 0.18, w * 0.90),
                              r.topLeft() + QPointF(w * 0.82, w * 0.90), r.topLeft() + QPointF(w * 0.82, w * 0.50)}));
    // Modules on the roof slope.
    QPolygonF slope({r.topLeft() + QPointF(w * 0.53, w * 0.22), r.topLeft() + QPointF(w * 0.80, w * 0.45),
                     r.topLeft() + QPointF(w * 0.80, w * 0.58), r.topLeft() + QPointF(w * 0.53, w * 0.35)});
    p.setPen(Qt::NoPen);
    p.setBrush(s.accent);
    p.drawPolygon(slope);
    p.setBrush(s.primary);
    p.drawRoundedRect(QRectF(r.left() + w * 0.42, r.top() + w * 0.64, w * 0.16, w * 0.26), 2, 2);
}

void emblemTile(QPainter& p, const QRectF& r, const Scheme& s)
{
    QRectF t = r.adjusted(r.width() * 0.06, r.width() * 0.14, -r.width() * 0.06, -r.width() * 0.06);
    p.setPen(Qt::NoPen);
    p.setBrush(s.primary);
    p.drawRoundedRect(t, 8, 8);
    const int cols = 3, rows = 2;
    QRectF g = t.adjusted(8, 10, -8, -8);
    p.setBrush(mix(s.primary, Qt::white, 0.35));
    for (int y = 0; y < rows; ++y)
        for (int x = 0; x < cols; ++x)
            p.drawRect(QRectF(g.left() + x * g.width() / cols + 1.5, g.top() + y * g.height() / rows + 1.5,
                              g.width() / cols - 3, g.height() / rows - 3));
    p.setBrush(s.accent);
    p.setPen(QPen(Qt::white, 3));
    p.drawEllipse(QPointF(t.right() - 4, t.top() + 2), r.width() * 0.15, r.width() * 0.15);
}

void emblemSunrise(QPainter& p, const QRectF& r, const Scheme& s)
{
    const double w = r.width();
    const QPointF c(r.center().x(), r.top() + w * 0.56);
    p.setPen(Qt::NoPen);
    p.setBrush(s.accent);
    p.drawPie(QRectF(c.x() - w * 0.3, c.y() - w * 0.3, w * 0.6, w * 0.6), 0, 180 * 16);
    for (int i = 0; i < 7; ++i) {
        double a = M_PI * (i + 0.5) / 7;
        QPointF d(std::cos(a), -std::sin(a));
        p.setPen(QPen(s.accent, w * 0.045, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(c + d * w * 0.37, c + d * w * 0.47);
    }
    p.setPen(QPen(s.primary, w * 0.07, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 3; ++i) {
        double y = c.y() + w * 0.06 + i * w * 0.12;
        QPainterPath wave;
        wave.moveTo(r.left() + w * 0.08, y);
        wave.cubicTo(r.left() + w * 0.3, y - w * 0.07, r.left() + w * 0.5, y + w * 0.07, r.left() + w * 0.92, y);
        p.setBrush(Qt::NoBrush);
        p.drawPath(wave);
    }
}

void emblemHexagon(QPainter& p, const QRectF& r, const Scheme& s)
{
    const QPointF c = r.center();
    const double rad = r.width() * 0.46;
    QPolygonF hex;
    for (int i = 0; i < 6; ++i) {
        double a = M_PI / 6 + i * M_PI / 3;
        hex << c + QPointF(std::cos(a), std::sin(a)) * rad;
    }
    p.setPen(QPen(s.accent, 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(s.primary);
    p.drawPolygon(hex);
    const double u = r.width() / 100.0;
    QPolygonF bolt({c + QPointF(6, -30) * u, c + QPointF(-16, 4) * u, c + QPointF(-1, 4) * u,
                    c + QPointF(-8, 30) * u, c + QPointF(16, -6) * u, c + QPointF(1, -6) * u});
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawPolygon(bolt);
}

void emblemLeaf(QPainter& p, const QRectF& r, const Scheme& s)
{
    const double w = r.width();
    p.setPen(Qt::NoPen);
    p.setBrush(s.accent);
    p.drawEllipse(QPointF(r.left() + w * 0.62, r.top() + w * 0.36), w * 0.26, w * 0.26);
    QPainterPath leaf;
    QPointF a(r.left() + w * 0.12, r.top() + w * 0.90), b(r.left() + w * 0.78, r.top() + w * 0.30);
    leaf.moveTo(a);
    leaf.cubicTo(a + QPointF(-w * 0.04, -w * 0.45), b + QPointF(-w * 0.45, -w * 0.02), b);
    leaf.cubicTo(b + QPointF(w * 0.02, w * 0.45), a + QPointF(w * 0.45, w * 0.04), a);
    p.setBrush(s.primary);
    p.drawPath(leaf);
    p.setPen(QPen(Qt::white, w * 0.035, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(a + QPointF(w * 0.08, -w * 0.08), b + QPointF(-w * 0.2, w * 0.2));
}

void emblemArcs(QPainter& p, const QRectF& r, const Scheme& s)
{
    const double w = r.width();
    const QPointF c(r.left() + w * 0.12, r.bottom() - w * 0.08);
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 3; ++i) {
        double rad = w * (0.36 + 0.22 * i);
        p.setPen(QPen(i == 0 ? s.accent : s.primary, w * 0.1, Qt::SolidLine, Qt::RoundCap));
        p.drawArc(QRectF(c.x() - rad, c.y() - rad, 2 * rad, 2 * rad), 8 * 16, 74 * 16);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(s.accent);
    p.drawEllipse(c, w * 0.16, w * 0.16);
}

void emblemMonogram(QPainter& p, const QRectF& r, const Scheme& s, const QString& name)
{
    QRectF t = r.adjusted(4, 4, -4, -4);
    QLinearGradient g(t.topLeft(), t.bottomRight());
    g.setColorAt(0, mix(s.primary, Qt::white, 0.12));
    g.setColorAt(1, s.primary);
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawRoundedRect(t, t.width() * 0.22, t.width() * 0.22);
    p.setBrush(s.accent);
    p.drawPie(QRectF(t.right() - t.width() * 0.42, t.top() - t.width() * 0.2, t.width() * 0.62, t.width() * 0.62),
              180 * 16, 90 * 16);
    p.setPen(Qt::white);
    p.setFont(sans(t.height() * 0.52, true));
    p.drawText(t, Qt::AlignCenter, name.left(1));
}

void drawEmblem(QPainter& p, int kind, const QRectF& r, const Scheme& s, const QString& name)
{
    p.save();
    switch (kind % 8) {
    case 0: emblemSunRays(p, r, s); break;
    case 1: emblemHouse(p, r, s); break;
    case 2: emblemTile(p, r, s); break;
    case 3: emblemSunrise(p, r, s); break;
    case 4: emblemHexagon(p, r, s); break;
    case 5: emblemLeaf(p, r, s); break;
    case 6: emblemArcs(p, r, s); break;
    default: emblemMonogram(p, r, s, name); break;
    }
    p.restore();
}

// Word mark and sub line of a company name ("Sonnendach" / "FRANKE & SÖHNE").
void splitName(const QString& name, QString& mark, QString& sub)
{
    QStringList words = name.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    int n = 1;
    if (words.size() > 2 && words[1] == QLatin1String("&"))
        n = 3;
    mark = words.mid(0, n).join(QLatin1Char(' '));
    sub = words.mid(n).join(QLatin1Char(' '));
}

void drawSubLine(QPainter& p, const QRectF& r, const QString& text, Qt::Alignment align, const QColor& colour)
{
    QFont f = sans(13);
    f.setLetterSpacing(QFont::AbsoluteSpacing, 1.2);
    f = fitted(f, text.toUpper(), r.width());
    p.setFont(f);
    p.setPen(colour);
    p.drawText(r, align | Qt::AlignVCenter, text.toUpper());
}

QImage partnerLogo(int index, const QString& name)
{
    const Scheme& s = kSchemes[(index * 3) % 8];
    const int kind = index % 8;
    QString mark, sub;
    splitName(name, mark, sub);
    QImage img = canvas(300, 100, Qt::white);
    QPainter p(&img);
    prepare(p);
    if (index % 4 == 3) {
        // Stacked and centred: small emblem over the name.
        drawEmblem(p, kind, QRectF(127, 4, 46, 46), s, mark);
        p.setFont(fitted(sans(30, true), mark, 270));
        p.setPen(s.primary);
        p.drawText(QRectF(0, 48, 300, 32), Qt::AlignCenter, mark);
        drawSubLine(p, QRectF(15, 79, 270, 16), sub, Qt::AlignHCenter, pal::grey);
    } else {
        drawEmblem(p, kind, QRectF(12, 14, 72, 72), s, mark);
        p.setFont(fitted(sans(34, true), mark, 196));
        p.setPen(s.primary);
        p.drawText(QRectF(96, 18, 196, 40), Qt::AlignLeft | Qt::AlignBottom, mark);
        p.setPen(QPen(s.accent, 3));
        p.drawLine(QPointF(98, 64), QPointF(134, 64));
        drawSubLine(p, QRectF(97, 68, 196, 18), sub, Qt::AlignLeft, pal::grey);
    }
    return img;
}

// The same company's earlier logo: serif capitals in a double frame.
QImage oldPartnerLogo(const QString& name)
{
    QString mark, sub;
    splitName(name, mark, sub);
    QImage img = canvas(300, 100, Qt::white);
    QPainter p(&img);
    prepare(p);
    const QColor ink(0x6b, 0x1f, 0x24);
    p.setPen(QPen(ink, 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(8, 8, 284, 84));
    p.setPen(QPen(ink, 0.8));
    p.drawRect(QRectF(13, 13, 274, 74));
    QFont f = serif(34, true);
    f.setLetterSpacing(QFont::AbsoluteSpacing, 4);
    p.setFont(fitted(f, mark.toUpper(), 250));
    p.setPen(ink);
    p.drawText(QRectF(0, 16, 300, 44), Qt::AlignCenter, mark.toUpper());
    p.setFont(fitted(serif(15), sub, 250));
    p.drawText(QRectF(0, 58, 300, 22), Qt::AlignCenter, sub);
    return img;
}

// The maker's sign: a rounded square with an "N" of two strokes and a rising sun.
void makerEmblem(QPainter& p, const QRectF& r)
{
    p.save();
    QLinearGradient g(r.topLeft(), r.bottomRight());
    g.setColorAt(0, QColor(0x2a, 0x4f, 0x8a));
    g.setColorAt(1, pal::navy);
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawRoundedRect(r, r.width() * 0.2, r.width() * 0.2);
    p.setClipRect(r);
    p.setBrush(pal::sun);
    p.drawEllipse(QPointF(r.right() - r.width() * 0.2, r.top() + r.width() * 0.22), r.width() * 0.14, r.width() * 0.14);
    p.setClipping(false);
    const double u = r.width() / 100.0;
    const QPointF o = r.topLeft();
    QPen pen(Qt::white, 13 * u, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(QPolygonF({o + QPointF(27, 78) * u, o + QPointF(27, 26) * u, o + QPointF(70, 78) * u,
                              o + QPointF(70, 46) * u}));
    p.restore();
}

QImage makerLogo(int width, const QString& title)
{
    QImage img = canvas(width, 100, Qt::white);
    QPainter p(&img);
    prepare(p);
    makerEmblem(p, QRectF(10, 14, 72, 72));
    p.setFont(fitted(sans(44, true), title, width - 106));
    p.setPen(pal::navy);
    p.drawText(QRectF(96, 12, width - 100, 52), Qt::AlignLeft | Qt::AlignBottom, title);
    QFont f = sans(12.5);
    f.setLetterSpacing(QFont::AbsoluteSpacing, 0.4);
    p.setFont(fitted(f, QStringLiteral("Software in der Solartechnik"), width - 104));
    p.setPen(pal::grey);
    p.drawText(QRectF(98, 66, width - 100, 18), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Software in der Solartechnik"));
    return img;
}

// The module maker of the roof planner: a module in a blue square under a
// rising sun, "Solar Industries" and the legal form below.
QImage moduleMakerLogo(const QString& name)
{
    QImage img = canvas(300, 100, Qt::white);
    QPainter p(&img);
    prepare(p);
    const QRectF r(10, 14, 72, 72);
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, QColor(0x2a, 0x6c, 0xc4));
    g.setColorAt(1, QColor(0x0f, 0x2f, 0x6b));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawRoundedRect(r, 10, 10);
    p.save();
    p.setClipRect(r);
    p.setBrush(QColor(0xf5, 0x9e, 0x1b));
    p.drawEllipse(QPointF(r.right() - 16, r.top() + 16), 13, 13);
    p.restore();
    // A module in perspective with its cell grid.
    const QPolygonF field({QPointF(r.left() + 10, r.top() + 62), QPointF(r.left() + 22, r.top() + 30),
                           QPointF(r.left() + 54, r.top() + 30), QPointF(r.left() + 64, r.top() + 62)});
    p.setBrush(Qt::white);
    p.drawPolygon(field);
    const QPolygonF quad({field[0], field[3], field[2], field[1]});
    p.setPen(QPen(QColor(0x1c, 0x4f, 0x9a), 1.6));
    for (int i = 1; i < 4; ++i)
        p.drawLine(bilinear(quad, i / 4.0, 0), bilinear(quad, i / 4.0, 1));
    for (int i = 1; i < 3; ++i)
        p.drawLine(bilinear(quad, 0, i / 3.0), bilinear(quad, 1, i / 3.0));
    const QString mark = name.section(QLatin1Char(' '), 0, 1);
    const QString form = name.section(QLatin1Char(' '), 2);
    p.setFont(fitted(sans(32, true), mark, 196));
    p.setPen(QColor(0x0f, 0x2f, 0x6b));
    p.drawText(QRectF(96, 16, 200, 42), Qt::AlignLeft | Qt::AlignBottom, mark);
    p.setPen(QPen(QColor(0xf5, 0x9e, 0x1b), 3));
    p.drawLine(QPointF(98, 63), QPointF(134, 63));
    drawSubLine(p, QRectF(97, 67, 196, 18), form + QStringLiteral(" · Photovoltaik-Module"), Qt::AlignLeft, pal::grey);
    return img;
}

QImage brandLogo()
{
    QImage img = canvas(250, 100, Qt::white);
    QPainter p(&img);
    prepare(p);
    // A circle: the sun above a module field seen from the side.
    const QRectF r(10, 14, 72, 72);
    QLinearGradient disc(r.topLeft(), r.bottomLeft());
    disc.setColorAt(0, QColor(0x4a, 0x86, 0xcc));
    disc.setColorAt(1, pal::navy);
    p.setPen(Qt::NoPen);
    p.setBrush(disc);
    p.drawEllipse(r);
    p.setBrush(pal::sun);
    p.drawEllipse(QPointF(r.left() + 47, r.top() + 22), 11, 11);
    const QPolygonF field({QPointF(r.left() + 10, r.top() + 44), QPointF(r.left() + 52, r.top() + 36),
                           QPointF(r.left() + 64, r.top() + 52), QPointF(r.left() + 18, r.top() + 62)});
    p.setBrush(Qt::white);
    p.drawPolygon(field);
    p.setPen(QPen(pal::blue, 2));
    for (int i = 1; i < 4; ++i)
        p.drawLine(bilinear(field, i / 4.0, 0), bilinear(field, i / 4.0, 1));
    p.drawLine(bilinear(field, 0, 0.5), bilinear(field, 1, 0.5));
    p.setPen(Qt::NoPen);
    p.setFont(sans(44, true));
    p.setPen(pal::navy);
    p.drawText(QRectF(94, 12, 150, 52), Qt::AlignLeft | Qt::AlignBottom, QStringLiteral("Pravik"));
    QFont f = sans(13);
    f.setLetterSpacing(QFont::AbsoluteSpacing, 1.5);
    p.setFont(f);
    p.setPen(pal::blue);
    p.drawText(QRectF(96, 66, 150, 18), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("SOLARPLANUNG"));
    return img;
}

QImage siblingLogo()
{
    QImage img = canvas(300, 100, Qt::white);
    QPainter p(&img);
    prepare(p);
    // Rising bars with a trend arrow: the finance software.
    p.setPen(Qt::NoPen);
    const QColor bars[] = {QColor(0x9b, 0xc5, 0x3d), QColor(0x3f, 0x9f, 0x5f), QColor(0x1f, 0x6f, 0x5c)};
    for (int i = 0; i < 3; ++i) {
        double h = 26 + i * 20;
        p.setBrush(bars[i]);
        p.drawRoundedRect(QRectF(14 + i * 24, 86 - h, 18, h), 3, 3);
    }
    p.setPen(QPen(pal::orange, 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(QPolygonF({QPointF(12, 52), QPointF(36, 38), QPointF(52, 44), QPointF(80, 16)}));
    p.setPen(Qt::NoPen);
    p.setBrush(pal::orange);
    p.drawPolygon(QPolygonF({QPointF(84, 11), QPointF(70, 14), QPointF(81, 25)}));
    p.setFont(sans(42, true));
    QFontMetricsF fm(p.font());
    p.setPen(QColor(0x1f, 0x6f, 0x5c));
    p.drawText(QRectF(98, 10, 200, 52), Qt::AlignLeft | Qt::AlignBottom, QStringLiteral("Kontalo"));
    const double x = 98 + fm.horizontalAdvance(QStringLiteral("Kontalo")) + 5;
    p.setFont(sans(22, true));
    p.setPen(pal::orange);
    p.drawText(QRectF(x, 10, 300 - x, 48), Qt::AlignLeft | Qt::AlignBottom, QStringLiteral("pro"));
    QFont f = sans(12.5);
    f.setLetterSpacing(QFont::AbsoluteSpacing, 0.4);
    p.setFont(f);
    p.setPen(pal::grey);
    p.drawText(QRectF(100, 66, 196, 18), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Finanzsoftware für Berater"));
    return img;
}

} // namespace

void drawLogos(const Sink& sink)
{
    int index = 0;
    for (const auto& item : tandrel::pictures::kCatalogue) {
        if (item.id < 20001)
            continue;
        const QString file = QString::fromLatin1(item.file);
        const QString name = QString::fromUtf8(item.hint);
        QImage logo;
        if (file.endsWith(QLatin1String("-alt")))
            logo = oldPartnerLogo(name);
        else if (name == QLatin1String("Norvi GmbH"))
            logo = makerLogo(300, name);
        else if (item.id == 20220)
            logo = moduleMakerLogo(name);
        else
            logo = partnerLogo(index, name);
        sink(QStringLiteral("catalogue/") + file, logo);
        ++index;
    }
    sink(QStringLiteral("catalogue/20"), makerLogo(280, QStringLiteral("Norvi")));
    sink(QStringLiteral("catalogue/10"), brandLogo());
    sink(QStringLiteral("catalogue/30"), siblingLogo());
}

} // namespace picgen
