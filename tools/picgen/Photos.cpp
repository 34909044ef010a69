// Product photo (roof-integrated PV and solar-thermal system) and the sun pictures.

#include "tools/picgen/Paint.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

namespace picgen {
namespace {

QPolygonF sub(const QPolygonF& q, double u0, double v0, double u1, double v1)
{
    return QPolygonF({bilinear(q, u0, v0), bilinear(q, u1, v0), bilinear(q, u1, v1), bilinear(q, u0, v1)});
}

QImage productPhoto()
{
    const int W = 640, H = 480;
    QImage img = canvas(W, H, Qt::white);
    QPainter p(&img);
    prepare(p);
    QLinearGradient skyG(0, 0, 0, 200);
    skyG.setColorAt(0, QColor(0x4f, 0x8f, 0xd0));
    skyG.setColorAt(1, QColor(0xb9, 0xd7, 0xf0));
    p.fillRect(QRect(0, 0, W, H), skyG);
    Rng rng(1160);
    cloud(p, QPointF(520, 40), 170, rng, 220);
    cloud(p, QPointF(120, 28), 120, rng, 200);

    // The roof plane, seen slightly from below and from the left.
    const QPolygonF roof({QPointF(30, 70), QPointF(620, 52), QPointF(672, 400), QPointF(-40, 428)});
    QLinearGradient roofG(0, 60, 0, 420);
    roofG.setColorAt(0, QColor(0x8e, 0x3b, 0x28));
    roofG.setColorAt(1, QColor(0xb4, 0x52, 0x36));
    p.setPen(Qt::NoPen);
    p.setBrush(roofG);
    p.drawPolygon(roof);
    // Tile courses: a dark shadow line under each row and staggered joints.
    const int courses = 16, tilesPerRow = 26;
    for (int r = 0; r < courses; ++r) {
        double v0 = double(r) / courses, v1 = double(r + 1) / courses;
        p.setPen(QPen(QColor(0x5a, 0x22, 0x16, 170), 2.2));
        p.drawLine(bilinear(roof, 0, v1), bilinear(roof, 1, v1));
        p.setPen(QPen(QColor(0xd8, 0x7a, 0x58, 90), 1.2));
        p.drawLine(bilinear(roof, 0, v0 + 0.012), bilinear(roof, 1, v0 + 0.012));
        p.setPen(QPen(QColor(0x5a, 0x22, 0x16, 110), 1));
        for (int t = 0; t <= tilesPerRow; ++t) {
            double u = (t + (r % 2) * 0.5) / tilesPerRow;
            if (u > 1)
                continue;
            p.drawLine(bilinear(roof, u, v0 + 0.01), bilinear(roof, u, v1 - 0.01));
        }
    }
    // Flashing around the integrated field, then modules and collectors.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x4b, 0x52, 0x5a));
    p.drawPolygon(sub(roof, 0.075, 0.17, 0.935, 0.80));
    p.setBrush(QColor(0x2d, 0x31, 0x36));
    p.drawPolygon(sub(roof, 0.085, 0.185, 0.925, 0.785));
    const double u0 = 0.095, u1 = 0.635, v0 = 0.2, v1 = 0.77;
    const int cols = 5, rows = 3;
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < cols; ++c) {
            double a = u0 + (u1 - u0) * c / cols, b = v0 + (v1 - v0) * r / rows;
            QPolygonF m = sub(roof, a + 0.002, b + 0.004, a + (u1 - u0) / cols - 0.002, b + (v1 - v0) / rows - 0.004);
            pvModule(p, m, 6, 10, pal::cell, QColor(0x20, 0x24, 0x2a));
        }
    for (int c = 0; c < 2; ++c) {
        double a = 0.65 + c * 0.135;
        collector(p, sub(roof, a, 0.2, a + 0.13, 0.77), 9);
    }
    // Soft reflection of the sky on the glass.
    p.setBrush(QColor(255, 255, 255, 26));
    p.drawPolygon(QPolygonF({bilinear(roof, 0.1, 0.2), bilinear(roof, 0.42, 0.2), bilinear(roof, 0.22, 0.77),
                             bilinear(roof, 0.1, 0.77)}));
    // Gutter and the wall below the eaves.
    p.setBrush(QColor(0xe9, 0xe2, 0xd4));
    p.drawPolygon(QPolygonF({QPointF(-40, 428), QPointF(672, 400), QPointF(672, 480), QPointF(-40, 480)}));
    QPen gutter(QColor(0x9a, 0xa3, 0xab), 10, Qt::SolidLine, Qt::FlatCap);
    p.setPen(gutter);
    p.drawLine(QPointF(-40, 432), QPointF(672, 404));
    p.setPen(QPen(QColor(0xc8, 0xcf, 0xd6), 3));
    p.drawLine(QPointF(-40, 428), QPointF(672, 400));
    p.setPen(QPen(QColor(0x6a, 0x56, 0x42, 60), 14));
    p.drawLine(QPointF(-40, 446), QPointF(672, 418));
    return img;
}

QImage sunIcon()
{
    return supersampled(240, 240, 2, [](QPainter& p) {
        QRadialGradient bg(QPointF(120, 120), 170);
        bg.setColorAt(0, QColor(0xd9, 0xec, 0xfb));
        bg.setColorAt(1, QColor(0x6f, 0xa8, 0xdc));
        p.fillRect(QRectF(0, 0, 240, 240), bg);
        sunDisc(p, QPointF(120, 120), 52, 16, 34);
    }, Qt::white);
}

QImage sunPicture()
{
    const int W = 400, H = 300;
    QImage img = canvas(W, H, Qt::white);
    QPainter p(&img);
    prepare(p);
    QLinearGradient skyG(0, 0, 0, H);
    skyG.setColorAt(0, QColor(0x1f, 0x5c, 0xa8));
    skyG.setColorAt(0.7, QColor(0x7f, 0xb5, 0xe6));
    skyG.setColorAt(1, QColor(0xf3, 0xd9, 0xa4));
    p.fillRect(QRect(0, 0, W, H), skyG);
    const QPointF c(250, 120);
    QRadialGradient halo(c, 260);
    halo.setColorAt(0, QColor(255, 250, 220, 230));
    halo.setColorAt(0.25, QColor(255, 232, 160, 120));
    halo.setColorAt(1, QColor(255, 232, 160, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(halo);
    p.drawEllipse(c, 260, 260);
    sunDisc(p, c, 46, 0, 0);
    // A faint lens flare along the line through the picture's centre.
    const QPointF centre(W / 2.0, H / 2.0);
    const double flare[][3] = {{0.6, 18, 40}, {1.25, 10, 55}, {1.7, 26, 30}, {2.1, 7, 60}};
    for (const auto& f : flare) {
        QPointF at = c + (centre - c) * f[0];
        QRadialGradient g(at, f[1]);
        g.setColorAt(0, QColor(255, 255, 240, int(f[2])));
        g.setColorAt(1, QColor(255, 255, 240, 0));
        p.setBrush(g);
        p.drawEllipse(at, f[1], f[1]);
    }
    return img;
}

} // namespace

void drawPhotos(const Sink& sink)
{
    sink(QStringLiteral("catalogue/1160"), productPhoto());
    sink(QStringLiteral("catalogue/2100"), sunIcon());
    sink(QStringLiteral("catalogue/2210"), sunPicture());
}

} // namespace picgen
