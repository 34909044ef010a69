#pragma once

#include "tools/picgen/Paint.h"

#include <QRectF>
#include <QStringList>
#include <functional>
#include <vector>

// The common design of the presentation slides: a title band, a body area,
// a footer, and the building blocks the slides are made of.
namespace picgen::slide {

constexpr int W = 2000, H = 1445;
// The area below the title band and above the footer.
inline const QRectF kBody(90, 270, W - 180, H - 270 - 120);

// Text sizes in pixels.
constexpr double kText = 44, kSmall = 34, kLarge = 56;

// A slide with its frame drawn; `content` draws the body.
QImage make(const QString& title, const QString& subtitle, const std::function<void(QPainter&)>& content);

// Bulleted lines, wrapped to the rectangle; answers the height used.
double bullets(QPainter& p, const QRectF& r, const QStringList& lines, double px = kText,
               const QColor& marker = pal::sun);
// Wrapped text; answers the height used.
double text(QPainter& p, const QRectF& r, const QString& s, double px = kText, bool bold = false,
            const QColor& colour = pal::navy, int align = Qt::AlignLeft | Qt::AlignTop);
// A rounded card with a coloured head carrying `title`; answers the inner area.
QRectF card(QPainter& p, const QRectF& r, const QString& title, const QColor& head);
// A filled rounded box with a centred title and an optional line below it.
void tile(QPainter& p, const QRectF& r, const QString& title, const QString& sub, const QColor& colour);
// A tinted band with a coloured stripe at its left; answers the area for its text.
QRectF banner(QPainter& p, const QRectF& r, const QColor& tint, const QColor& stripe);
// A thick arrow from a to b.
void arrow(QPainter& p, const QPointF& a, const QPointF& b, const QColor& colour, double width = 14);
// A note at the bottom of the body in small grey type.
void note(QPainter& p, const QString& s);

struct Table {
    QStringList header;
    std::vector<QStringList> rows;
    std::vector<double> widths;     // fractions of the table width
    std::vector<int> align;         // per column
    int highlight = -1;             // a row drawn emphasised
    double rowHeight = 84;
    double px = kText;
};
// Draws the table with its top left at r.topLeft() and r.width() wide; answers its height.
double table(QPainter& p, const QRectF& r, const Table& t);

// German number with a decimal comma and `decimals` places, thousands separated by ".".
QString de(double value, int decimals);

} // namespace picgen::slide

namespace picgen {
// The sixteen slides of the two presentations.
void drawSlides(const Sink& sink);
// Their parts, each in its own file.
void drawIntroSlides(const Sink& sink);
void drawEegSlides(const Sink& sink);
void drawKevSlides(const Sink& sink);
// Irradiation maps of Germany (from the state borders) and Switzerland.
QImage germanyIrradiationSlide();
QImage switzerlandIrradiationSlide();
// A house under the sun with PV modules (and solar collectors) on its roof, scaled into r.
void houseWithPlant(QPainter& p, const QRectF& r, bool collectors);
} // namespace picgen
