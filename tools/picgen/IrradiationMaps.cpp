// The two irradiation map slides: Germany from the federal states' borders,
// Switzerland from an outline traced by hand from public maps.

#include "tools/picgen/SlideKit.h"

#include "tools/GeoBorders.h"

#include <QPainterPath>
#include <cmath>
#include <cstdio>
#include <vector>

#ifndef TANDREL_GEO_DATA_DIR
#error "TANDREL_GEO_DATA_DIR must name the folder with the raw map data"
#endif

namespace picgen {
namespace {

using Ring = std::vector<QPointF>; // longitude, latitude

// Equirectangular projection, shortened in longitude by the mean latitude.
struct MapFrame {
    QRectF px;
    double lon0, lat0, lon1, lat1, kx, s, ox, oy;

    MapFrame(const QRectF& rect, double west, double south, double east, double north)
        : px(rect), lon0(west), lat0(south), lon1(east), lat1(north)
    {
        kx = std::cos((south + north) / 2 * M_PI / 180);
        s = std::min(rect.width() / ((east - west) * kx), rect.height() / (north - south));
        ox = rect.left() + (rect.width() - (east - west) * kx * s) / 2;
        oy = rect.top() + (rect.height() - (north - south) * s) / 2;
    }
    QPointF at(double lon, double lat) const { return {ox + (lon - lon0) * kx * s, oy + (lat1 - lat) * s}; }
    QPointF geo(double x, double y) const { return {lon0 + (x - ox) / (kx * s), lat1 - (y - oy) / s}; }
    QPainterPath path(const std::vector<Ring>& rings) const
    {
        QPainterPath p;
        for (const Ring& r : rings) {
            QPolygonF poly;
            for (const QPointF& g : r)
                poly << at(g.x(), g.y());
            p.addPolygon(poly);
            p.closeSubpath();
        }
        return p;
    }
};

struct Classes {
    std::vector<double> limits;   // upper limits of all classes but the last
    std::vector<QColor> colours;  // one more than limits
    int of(double v) const
    {
        int k = 0;
        while (k < int(limits.size()) && v >= limits[k])
            ++k;
        return k;
    }
};

// Low, smooth undulation so that class borders look like measured data.
double ripple(double lon, double lat, double amplitude)
{
    return amplitude * (0.5 * std::sin(lon * 2.9 + lat * 1.7) + 0.3 * std::sin(lon * 5.3 - lat * 4.1 + 1.3) +
                        0.2 * std::sin(lon * 9.7 + lat * 7.9 + 0.4));
}

double bump(double lon, double lat, double lonC, double latC, double rLon, double rLat)
{
    const double a = (lon - lonC) / rLon, b = (lat - latC) / rLat;
    return std::exp(-(a * a + b * b));
}

// Mean yearly global irradiation on the horizontal in Germany, kWh/m², a
// smooth fit of long-term means: about 950 at the North Sea, 1,000-1,050 in
// the middle, 1,100-1,200 in the south-west and along the Alps.
double germanyIrradiation(double lon, double lat)
{
    return 1040 - 28 * (lat - 51) + 6 * (lon - 10) + 45 * bump(lon, lat, 7.9, 48.1, 0.8, 0.6) +
           35 * bump(lon, lat, 11.5, 47.6, 2.2, 0.5) + 35 * bump(lon, lat, 13.6, 54.4, 0.8, 0.35) +
           ripple(lon, lat, 14);
}

// The same for Switzerland: about 1,100-1,200 on the plateau, up to 1,400 and
// more in Valais, Ticino and the high Alps.
double switzerlandIrradiation(double lon, double lat)
{
    const double south = 1 / (1 + std::exp(-(46.72 - lat) / 0.16));
    return 1125 + 250 * south + 60 * bump(lon, lat, 6.3, 46.35, 0.5, 0.25) + 90 * bump(lon, lat, 7.6, 46.25, 0.7, 0.2) +
           70 * bump(lon, lat, 9.9, 46.55, 0.6, 0.3) + ripple(lon, lat, 22);
}

void fillField(QPainter& p, const MapFrame& m, const QPainterPath& land, const Classes& cls,
               double (*field)(double, double))
{
    const QRect box = land.boundingRect().toAlignedRect().adjusted(-2, -2, 2, 2);
    QImage raster(box.size(), QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < box.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(raster.scanLine(y));
        for (int x = 0; x < box.width(); ++x) {
            const QPointF g = m.geo(box.left() + x + 0.5, box.top() + y + 0.5);
            line[x] = cls.colours[cls.of(field(g.x(), g.y()))].rgba();
        }
    }
    p.save();
    p.setClipPath(land);
    p.drawImage(box.topLeft(), raster);
    p.restore();
}

void shadow(QPainter& p, const QPainterPath& land)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(20, 40, 70, 40));
    p.drawPath(land.translated(8, 10));
}

void city(QPainter& p, const QPointF& at, const QString& name, bool right = true)
{
    p.setPen(QPen(Qt::white, 4));
    p.setBrush(pal::navy);
    p.drawEllipse(at, 11, 11);
    p.setFont(sans(34, true));
    const QRectF r = right ? QRectF(at.x() + 18, at.y() - 24, 400, 48) : QRectF(at.x() - 418, at.y() - 24, 400, 48);
    const int align = (right ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter;
    // A light halo keeps the names readable on every class colour.
    p.setPen(QColor(255, 255, 255, 200));
    for (const QPointF& d : {QPointF(-2, 0), QPointF(2, 0), QPointF(0, -2), QPointF(0, 2)})
        p.drawText(r.translated(d), align, name);
    p.setPen(pal::navy);
    p.drawText(r, align, name);
}

// Colour boxes with their ranges, top to bottom from high to low.
double legend(QPainter& p, const QRectF& r, const Classes& cls, const QString& title)
{
    p.setPen(pal::navy);
    p.setFont(sans(38, true));
    p.drawText(QRectF(r.left(), r.top(), r.width(), 56), Qt::AlignLeft | Qt::AlignVCenter, title);
    double y = r.top() + 70;
    const int n = int(cls.colours.size());
    for (int k = n - 1; k >= 0; --k) {
        QString range;
        if (k == n - 1)
            range = QStringLiteral("über ") + slide::de(cls.limits[k - 1], 0);
        else if (k == 0)
            range = QStringLiteral("unter ") + slide::de(cls.limits[0], 0);
        else
            range = slide::de(cls.limits[k - 1], 0) + QStringLiteral(" – ") + slide::de(cls.limits[k], 0);
        p.setPen(QPen(QColor(0, 0, 0, 50), 2));
        p.setBrush(cls.colours[k]);
        p.drawRoundedRect(QRectF(r.left(), y, 90, 52), 8, 8);
        p.setPen(QColor(0x22, 0x2b, 0x36));
        p.setFont(sans(38));
        p.drawText(QRectF(r.left() + 115, y, r.width() - 115, 52), Qt::AlignLeft | Qt::AlignVCenter, range);
        y += 64;
    }
    return y - r.top();
}

// The sixteen states, each as its rings.
std::vector<std::vector<Ring>> germanStates()
{
    std::vector<tandrel::tools::State> read;
    QString error;
    if (!tandrel::tools::readStates(QStringLiteral(TANDREL_GEO_DATA_DIR "/germany-states.geo.json"), read, error)) {
        std::fprintf(stderr, "tandrel_picgen: %s\n", qPrintable(error));
        std::exit(1);
    }
    std::vector<std::vector<Ring>> states;
    for (const auto& state : read) {
        std::vector<Ring> rings;
        for (const auto& ring : state.rings) {
            Ring r;
            for (const auto& pt : ring)
                r.emplace_back(pt.lon, pt.lat);
            rings.push_back(std::move(r));
        }
        states.push_back(std::move(rings));
    }
    return states;
}

const Classes kGermanyClasses{{950, 1000, 1050, 1100, 1150},
                              {QColor(0xfb, 0xf0, 0xb4), QColor(0xfb, 0xdc, 0x7c), QColor(0xf8, 0xbf, 0x4e),
                               QColor(0xf1, 0x9a, 0x35), QColor(0xe3, 0x71, 0x2b), QColor(0xc8, 0x46, 0x26)}};

const Classes kSwissClasses{{1150, 1200, 1250, 1300, 1350, 1400},
                            {QColor(0xfb, 0xf0, 0xb4), QColor(0xfb, 0xdc, 0x7c), QColor(0xf8, 0xbf, 0x4e),
                             QColor(0xf1, 0x9a, 0x35), QColor(0xe3, 0x71, 0x2b), QColor(0xc8, 0x46, 0x26),
                             QColor(0x9c, 0x2a, 0x22)}};

// Switzerland's border, clockwise from Basel, along the lake shores where the
// border runs through a lake.
const Ring kSwitzerland = {
    {7.59, 47.59}, {7.70, 47.54}, {7.80, 47.56}, {7.91, 47.55}, {8.03, 47.56}, {8.22, 47.61}, {8.30, 47.60},
    {8.40, 47.58}, {8.42, 47.67}, {8.50, 47.77}, {8.62, 47.81}, {8.72, 47.76}, {8.70, 47.69}, {8.80, 47.73},
    {8.87, 47.70}, {8.87, 47.66}, {9.02, 47.67}, {9.18, 47.66}, {9.38, 47.57}, {9.50, 47.48}, {9.56, 47.48},
    {9.67, 47.38}, {9.53, 47.27}, {9.49, 47.18}, {9.51, 47.06}, {9.61, 47.06}, {9.87, 47.02}, {10.15, 46.85},
    {10.23, 46.87}, {10.32, 46.92}, {10.39, 46.99}, {10.49, 46.94}, {10.47, 46.87}, {10.40, 46.73},
    {10.49, 46.62}, {10.45, 46.54}, {10.30, 46.55}, {10.24, 46.62}, {10.09, 46.61}, {10.05, 46.54},
    {10.10, 46.42}, {10.17, 46.26}, {10.07, 46.22}, {9.99, 46.32}, {9.91, 46.38}, {9.73, 46.34}, {9.55, 46.31},
    {9.45, 46.38}, {9.42, 46.47}, {9.28, 46.50}, {9.25, 46.30}, {9.08, 46.16}, {9.00, 46.04}, {9.07, 45.92},
    {9.02, 45.82}, {8.91, 45.84}, {8.90, 45.96}, {8.80, 45.99}, {8.72, 46.10}, {8.61, 46.12}, {8.45, 46.25},
    {8.44, 46.46}, {8.30, 46.41}, {8.14, 46.30}, {8.08, 46.26}, {8.03, 46.10}, {7.87, 45.93}, {7.66, 45.98},
    {7.39, 45.90}, {7.04, 45.92}, {6.95, 46.05}, {6.80, 46.13}, {6.89, 46.27}, {6.80, 46.39}, {6.65, 46.42},
    {6.45, 46.42}, {6.30, 46.35}, {6.22, 46.31}, {6.30, 46.25}, {6.20, 46.17}, {6.12, 46.14}, {5.97, 46.13},
    {5.96, 46.20}, {6.10, 46.25}, {6.06, 46.42}, {6.13, 46.56}, {6.39, 46.73}, {6.45, 46.79}, {6.43, 46.93},
    {6.70, 47.04}, {6.84, 47.14}, {6.95, 47.23}, {7.05, 47.33}, {6.88, 47.36}, {6.94, 47.43}, {7.00, 47.50},
    {7.13, 47.50}, {7.20, 47.44}, {7.33, 47.44}, {7.43, 47.50}, {7.50, 47.53}};

const std::vector<Ring> kSwissLakes = {
    // Lake Geneva
    {{6.15, 46.21}, {6.23, 46.30}, {6.34, 46.42}, {6.50, 46.50}, {6.63, 46.51}, {6.84, 46.46}, {6.92, 46.40},
     {6.85, 46.38}, {6.80, 46.39}, {6.60, 46.41}, {6.48, 46.37}, {6.35, 46.35}, {6.25, 46.30}, {6.17, 46.22}},
    // Lake Constance, the Obersee and the Überlinger See, then the Untersee
    {{9.18, 47.66}, {9.38, 47.57}, {9.44, 47.52}, {9.50, 47.48}, {9.56, 47.48}, {9.70, 47.51}, {9.68, 47.55},
     {9.63, 47.57}, {9.54, 47.60}, {9.48, 47.65}, {9.36, 47.66}, {9.27, 47.69}, {9.16, 47.77}, {9.06, 47.82},
     {9.10, 47.79}, {9.17, 47.73}, {9.19, 47.67}},
    {{8.87, 47.66}, {9.02, 47.67}, {9.17, 47.665}, {9.10, 47.70}, {8.98, 47.72}, {8.93, 47.70}},
    // Lake Neuchâtel
    {{6.62, 46.78}, {6.72, 46.82}, {6.90, 46.93}, {7.03, 47.00}, {6.98, 47.02}, {6.85, 46.96}, {6.70, 46.87},
     {6.60, 46.80}},
    // Lake Zurich
    {{8.54, 47.36}, {8.60, 47.30}, {8.72, 47.22}, {8.88, 47.20}, {8.86, 47.22}, {8.72, 47.25}, {8.58, 47.33}},
    // Lake Lucerne
    {{8.30, 47.05}, {8.40, 47.00}, {8.52, 46.99}, {8.60, 46.96}, {8.62, 46.92}, {8.57, 46.95}, {8.45, 46.97},
     {8.35, 47.02}},
};

} // namespace

QImage germanyIrradiationSlide()
{
    using namespace slide;
    return make(QStringLiteral("Globalstrahlung in Deutschland"),
                QStringLiteral("Mittlere Jahressumme auf die horizontale Fläche in kWh/m²"), [](QPainter& p) {
        const MapFrame m(QRectF(120, 285, 820, 960), 5.8, 47.2, 15.1, 55.1);
        std::vector<QPainterPath> states;
        QPainterPath land;
        land.setFillRule(Qt::WindingFill);
        for (const auto& rings : germanStates()) {
            states.push_back(m.path(rings));
            land.addPath(states.back());
        }
        shadow(p, land);
        fillField(p, m, land, kGermanyClasses, germanyIrradiation);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(255, 255, 255, 210), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        for (const QPainterPath& s : states)
            p.drawPath(s);
        p.setPen(QPen(pal::navy, 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(land.simplified());
        struct C { const char* name; double lon, lat; bool right; };
        for (const C& c : {C{"Hamburg", 9.99, 53.55, true}, C{"Berlin", 13.40, 52.52, true}, C{"Hannover", 9.73, 52.37, true},
                           C{"Köln", 6.96, 50.94, true}, C{"Leipzig", 12.37, 51.34, true}, C{"Frankfurt", 8.68, 50.11, true},
                           C{"Nürnberg", 11.08, 49.45, true}, C{"Stuttgart", 9.18, 48.78, true},
                           C{"München", 11.58, 48.14, true}, C{"Freiburg", 7.85, 47.99, true}, C{"Rostock", 12.10, 54.09, true}})
            city(p, m.at(c.lon, c.lat), QString::fromUtf8(c.name), c.right);

        const double x = 1080;
        legend(p, QRectF(x, 300, 780, 500), kGermanyClasses, QStringLiteral("Globalstrahlung in kWh/m² pro Jahr"));
        const QRectF in = card(p, QRectF(x, 760, 820, 480), QStringLiteral("Was das für Ihre Anlage bedeutet"), pal::blue);
        bullets(p, in, {QStringLiteral("Norden rund 950, Süden bis 1.200 kWh/m²"),
                        QStringLiteral("Südanlage mit 30° Neigung: 850 – 1.000 kWh je kWp und Jahr"),
                        QStringLiteral("Photovoltaik lohnt sich in ganz Deutschland")},
                38);
        note(p, QStringLiteral("Vereinfachte Darstellung langjähriger Mittelwerte (1981 – 2010); örtliche Werte können abweichen."));
    });
}

QImage switzerlandIrradiationSlide()
{
    using namespace slide;
    return make(QStringLiteral("Globalstrahlung in der Schweiz"),
                QStringLiteral("Mittlere Jahressumme auf die horizontale Fläche in kWh/m²"), [](QPainter& p) {
        const MapFrame m(QRectF(100, 300, 1230, 860), 5.9, 45.78, 10.55, 47.86);
        QPainterPath land = m.path({kSwitzerland});
        shadow(p, land);
        fillField(p, m, land, kSwissClasses, switzerlandIrradiation);
        p.setPen(QPen(QColor(0x4d, 0x86, 0xc6), 2));
        p.setBrush(QColor(0xa9, 0xcf, 0xef));
        for (const Ring& lake : kSwissLakes)
            p.drawPath(m.path({lake}));
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(pal::navy, 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(land);
        struct C { const char* name; double lon, lat; bool right; };
        for (const C& c : {C{"Basel", 7.59, 47.56, false}, C{"Zürich", 8.54, 47.38, true}, C{"St. Gallen", 9.37, 47.42, true},
                           C{"Bern", 7.45, 46.95, true}, C{"Luzern", 8.31, 47.05, true}, C{"Lausanne", 6.63, 46.52, true},
                           C{"Genf", 6.14, 46.20, true}, C{"Sion", 7.36, 46.23, true}, C{"Chur", 9.53, 46.85, true},
                           C{"Lugano", 8.95, 46.00, true}})
            city(p, m.at(c.lon, c.lat), QString::fromUtf8(c.name), c.right);

        legend(p, QRectF(1440, 300, 480, 580), kSwissClasses, QStringLiteral("kWh/m² pro Jahr"));
        const QRectF in = card(p, QRectF(1400, 880, 510, 360), QStringLiteral("Ertrag"), pal::blue);
        text(p, in, QStringLiteral("Mittelland: 950 – 1.050 kWh je kWp, Wallis, Tessin und Alpen deutlich mehr"), 36);
        note(p, QStringLiteral("Vereinfachte Darstellung langjähriger Mittelwerte; örtliche Werte können abweichen."));
    });
}

} // namespace picgen
