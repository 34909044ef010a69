#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPolygonF>
#include <QString>
#include <cstdint>
#include <functional>

// Shared drawing helpers and the palette of the built-in pictures.
namespace picgen {

namespace pal {
inline const QColor navy{0x1c, 0x35, 0x5e};
inline const QColor blue{0x2f, 0x6d, 0xb5};
inline const QColor sky{0x6f, 0xa8, 0xdc};
inline const QColor skyLight{0xcf, 0xe3, 0xf5};
inline const QColor sun{0xf5, 0xb0, 0x1a};
inline const QColor sunLight{0xff, 0xd9, 0x66};
inline const QColor orange{0xe8, 0x72, 0x2c};
inline const QColor red{0xc8, 0x32, 0x2b};
inline const QColor green{0x3f, 0x8f, 0x4f};
inline const QColor grey{0x5b, 0x67, 0x70};
inline const QColor greyLight{0xd5, 0xdb, 0xe1};
inline const QColor paper{0xf4, 0xf6, 0xf9};
inline const QColor cell{0x1d, 0x2b, 0x4a};
inline const QColor roofRed{0xa9, 0x45, 0x2f};
inline const QColor wall{0xf1, 0xe9, 0xdc};
} // namespace pal

// Receives every finished picture under its resource name ("catalogue/3110").
using Sink = std::function<void(const QString& name, const QImage& image)>;

// A fresh picture, transparent or filled with `fill`.
QImage canvas(int w, int h, const QColor& fill = Qt::transparent);
// Antialiased painting with smooth picture scaling.
void prepare(QPainter& p);
// Draws in w x h picture coordinates on a canvas `factor` times larger, then
// scales down: crisp small icons.
QImage supersampled(int w, int h, int factor, const std::function<void(QPainter&)>& draw,
                    const QColor& fill = Qt::transparent);

QFont sans(double pixelSize, bool bold = false);
QFont serif(double pixelSize, bool bold = false);
// The largest pixel size (not above the font's own) at which `text` fits `width`.
QFont fitted(QFont font, const QString& text, double width);

QColor mix(const QColor& a, const QColor& b, double t);
QColor withAlpha(QColor c, int alpha);

// Three box-blur passes approximate a Gaussian blur.
void blur(QImage& image, int radius);

// Deterministic pseudo-random numbers (xorshift) with a fixed seed.
class Rng {
public:
    explicit Rng(std::uint32_t seed) : m_state(seed ? seed : 1u) {}
    std::uint32_t next();
    double uniform(double lo, double hi);

private:
    std::uint32_t m_state;
};

// Point (u, v) of the quad p00, p10, p11, p01 by bilinear interpolation.
QPointF bilinear(const QPolygonF& quad, double u, double v);
// A PV module (frame, cells in perspective) filling the quad p00, p10, p11, p01.
void pvModule(QPainter& p, const QPolygonF& quad, int cols, int rows, const QColor& cellColor,
              const QColor& frameColor = QColor(0xc8, 0xcf, 0xd6));
// A solar-thermal flat collector (absorber with tubes) in the quad.
void collector(QPainter& p, const QPolygonF& quad, int tubes);
// A sun disc with `rays` rays (0 for none) and a soft glow `glow` times its radius.
void sunDisc(QPainter& p, const QPointF& c, double r, int rays, double rayLength, double glow = 3.2);
// A soft cloud of overlapping round puffs, centred at c, about w wide.
void cloud(QPainter& p, const QPointF& c, double w, Rng& rng, int alpha = 235);

// Picture families, each in its own file.
void drawLogos(const Sink& sink);
void drawPhotos(const Sink& sink);
void drawBackgrounds(const Sink& sink);
void drawHouseSymbols(const Sink& sink);
void drawStartPage(const Sink& sink);
void drawTopBar(const Sink& sink);
void drawRoofPictures(const Sink& sink);
// The brochure of the finance software ("product/...").
void drawProductScreens(const Sink& sink);
// The program's own icon (window, desktop menu), size x size pixels.
QImage appIcon(int size);
// Seamless wall textures, 400 x 400 pixels per square metre ("texture/...").
void drawWallTextures(const Sink& sink);
// The map of Germany and its location marker from the raw data in `dataDir`;
// false with `error` set when the data cannot be read.
bool drawGermanyMap(const Sink& sink, const QString& dataDir, QString& error);

} // namespace picgen
