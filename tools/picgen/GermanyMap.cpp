// The map of Germany (492 x 645) behind the postcode map and its location
// marker. Drawn from the state borders with the program's own projection, so
// every postcode of the built-in lists falls on its place.

#include "geo/MapProjection.h"
#include "tools/GeoBorders.h"
#include "tools/picgen/Paint.h"

#include <QDir>
#include <QFile>
#include <QMap>
#include <QPainterPath>
#include <QTextStream>

namespace picgen {

namespace {

using tandrel::tools::Point;

QPointF project(double lon, double lat)
{
    const tandrel::geo::MapPoint m = tandrel::geo::ProjectToMap(lon, lat);
    return {m.x, m.y};
}

QPolygonF projected(std::initializer_list<Point> points)
{
    QPolygonF poly;
    for (const Point& p : points)
        poly << project(p.lon, p.lat);
    return poly;
}

// Soft colours; neighbouring states never share one.
QColor stateColor(int region)
{
    static const QColor colors[] = {
        QColor(0xd4, 0xe6, 0xbf), // Bayern
        QColor(0xf6, 0xe7, 0xb0), // Baden-Württemberg
        QColor(0xee, 0xb4, 0xa2), // Berlin
        QColor(0xf4, 0xd9, 0xbc), // Brandenburg
        QColor(0xee, 0xb4, 0xa2), // Bremen
        QColor(0xee, 0xb4, 0xa2), // Hamburg
        QColor(0xe2, 0xd5, 0xee), // Hessen
        QColor(0xcc, 0xe6, 0xd8), // Mecklenburg-Vorpommern
        QColor(0xf1, 0xe8, 0xc6), // Niedersachsen
        QColor(0xd3, 0xe2, 0xf0), // Nordrhein-Westfalen
        QColor(0xf6, 0xd3, 0xc4), // Rheinland-Pfalz
        QColor(0xda, 0xe9, 0xc2), // Saarland
        QColor(0xea, 0xcf, 0xe1), // Sachsen
        QColor(0xcd, 0xe6, 0xe3), // Sachsen-Anhalt
        QColor(0xe8, 0xdc, 0xc2), // Schleswig-Holstein
        QColor(0xf4, 0xcf, 0xae), // Thüringen
    };
    return colors[(region - 1) % 16];
}

QPainterPath statePath(const tandrel::tools::State& s)
{
    QPainterPath path;
    path.setFillRule(Qt::OddEvenFill);
    for (const auto& ring : s.rings) {
        QPolygonF poly;
        for (const Point& p : ring)
            poly << project(p.lon, p.lat);
        path.addPolygon(poly);
        path.closeSubpath();
    }
    return path;
}

void drawRiver(QPainter& p, std::initializer_list<Point> points, double width)
{
    QPainterPath path;
    const QPolygonF poly = projected(points);
    path.moveTo(poly.first());
    // Smooth curve through the points.
    for (int i = 1; i < poly.size(); ++i) {
        const QPointF a = poly[i - 1], b = poly[i];
        const QPointF prev = i >= 2 ? poly[i - 2] : a, next = i + 1 < poly.size() ? poly[i + 1] : b;
        path.cubicTo(a + (b - prev) / 6.0, b - (next - a) / 6.0, b);
    }
    p.setPen(QPen(QColor(0x7c, 0xae, 0xd6), width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
}

// Text with a light halo, readable on any state colour.
void haloText(QPainter& p, const QPointF& at, const QString& text, const QFont& font, const QColor& color,
              const QColor& halo = QColor(255, 255, 255, 215))
{
    QPainterPath path;
    path.addText(at, font, text);
    p.setPen(QPen(halo, 2.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    p.drawPath(path);
}

QFont spaced(QFont f, double spacing)
{
    f.setLetterSpacing(QFont::AbsoluteSpacing, spacing);
    return f;
}

struct City {
    const char* name;
    const char* postcode;
    int dx, dy; // label offset from the dot (left edge or right edge for dx < 0), baseline
    bool big;
};

// Positions come from the postcode data, like the postcode lists.
QMap<QString, QPointF> postcodePositions(const QString& dataDir)
{
    QMap<QString, QPointF> out;
    QFile f(QDir(dataDir).filePath(QStringLiteral("opengeodb-plz.tab")));
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text))
        return out;
    QTextStream in(&f);
    while (!in.atEnd()) {
        const QStringList c = in.readLine().split(QLatin1Char('\t'));
        if (c.size() >= 4 && !c[0].startsWith(QLatin1Char('#')))
            out.insert(c[1], project(c[2].toDouble(), c[3].toDouble()));
    }
    return out;
}

} // namespace

bool drawGermanyMap(const Sink& sink, const QString& dataDir, QString& error)
{
    std::vector<tandrel::tools::State> states;
    if (!tandrel::tools::readStates(QDir(dataDir).filePath(QStringLiteral("germany-states.geo.json")), states, error))
        return false;
    const QMap<QString, QPointF> plz = postcodePositions(dataDir);
    if (plz.isEmpty()) {
        error = QStringLiteral("no postcodes in %1").arg(dataDir);
        return false;
    }

    const int W = tandrel::geo::kMapWidth, H = tandrel::geo::kMapHeight;
    const QColor sea(0xc6, 0xdf, 0xf0), coast(0x9b, 0xc2, 0xdf), land(0xe4, 0xe4, 0xe1);
    QImage img = canvas(W, H, land);
    QPainter p(&img);
    prepare(p);

    // The seas, and the lakes that matter at this scale; the states and the
    // neighbours' islands are painted over them.
    const QPolygonF northSea = projected({{1.0, 57.0}, {8.2, 57.0}, {8.12, 55.6}, {8.4, 55.45}, {8.6, 55.1},
                                          {8.66, 54.91}, {8.9, 54.2}, {8.8, 53.7}, {7.2, 53.25}, {7.0, 53.45},
                                          {6.2, 53.47}, {5.0, 53.4}, {4.72, 52.95}, {4.4, 52.2}, {3.6, 51.5},
                                          {1.0, 51.5}});
    const QPolygonF baltic = projected({{9.6, 54.84}, {9.8, 54.86}, {10.0, 55.0}, {9.9, 55.2}, {9.8, 57.0},
                                        {17.0, 57.0}, {17.0, 54.6}, {15.6, 54.2}, {14.8, 54.05}, {14.45, 53.96},
                                        {14.22, 53.93}, {13.6, 54.0}, {11.0, 54.0}, {10.0, 54.3}, {9.7, 54.55}});
    const QPolygonF haff = projected({{13.85, 53.86}, {14.25, 53.9}, {14.62, 53.82}, {14.6, 53.66}, {14.3, 53.6},
                                      {13.95, 53.68}});
    const QPolygonF bodensee = projected({{9.04, 47.82}, {9.17, 47.78}, {9.28, 47.7}, {9.48, 47.655}, {9.68, 47.55},
                                          {9.74, 47.505}, {9.64, 47.47}, {9.5, 47.47}, {9.38, 47.56}, {9.2, 47.64},
                                          {9.1, 47.665}, {8.98, 47.665}, {8.91, 47.7}, {9.0, 47.73}, {9.13, 47.71},
                                          {9.1, 47.76}});
    const QPolygonF islands[] = {
        projected({{10.95, 54.86}, {11.05, 54.7}, {11.4, 54.62}, {11.85, 54.64}, {11.87, 54.82}, {11.6, 54.93},
                   {11.2, 54.96}}), // Lolland
        projected({{11.86, 54.56}, {12.1, 54.7}, {12.05, 54.95}, {11.88, 54.85}}), // Falster
        projected({{9.75, 54.97}, {9.86, 54.86}, {10.06, 54.9}, {10.0, 55.1}, {9.8, 55.08}}), // Als
        projected({{10.18, 54.88}, {10.5, 54.78}, {10.62, 54.83}, {10.3, 54.93}}), // Ærø
        projected({{10.6, 55.05}, {10.9, 55.0}, {10.95, 55.3}, {10.6, 55.3}}), // Langeland
        projected({{12.2, 55.0}, {12.55, 54.95}, {12.55, 55.05}, {12.2, 55.1}}), // Møn
        projected({{14.7, 55.1}, {14.95, 55.0}, {15.15, 55.1}, {15.05, 55.3}, {14.75, 55.3}}), // Bornholm
    };
    p.setPen(QPen(coast, 1.0));
    p.setBrush(sea);
    for (const QPolygonF& water : {northSea, baltic, haff})
        p.drawPolygon(water);
    p.setBrush(land);
    for (const QPolygonF& island : islands)
        p.drawPolygon(island);

    // The country: a dark outline under the fills leaves the national border
    // twice as strong as the borders between the states.
    std::vector<QPainterPath> paths;
    for (const auto& s : states)
        paths.push_back(statePath(s));
    p.setPen(QPen(QColor(0x5d, 0x66, 0x70), 2.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    for (const auto& path : paths)
        p.drawPath(path);
    p.setPen(Qt::NoPen);
    for (size_t i = 0; i < states.size(); ++i) {
        p.setBrush(stateColor(states[i].region));
        p.drawPath(paths[i]);
    }

    p.setPen(QPen(coast, 0.8));
    p.setBrush(sea);
    p.drawPolygon(bodensee);
    drawRiver(p, {{9.17, 47.66}, {8.63, 47.69}, {8.21, 47.6}, {7.6, 47.57}, {7.58, 48.03}, {7.8, 48.58},
                  {8.17, 48.95}, {8.31, 49.05}, {8.44, 49.32}, {8.45, 49.49}, {8.37, 49.63}, {8.3, 49.95},
                  {8.02, 49.98}, {7.9, 49.97}, {7.72, 50.12}, {7.6, 50.36}, {7.35, 50.55}, {7.1, 50.73},
                  {6.96, 50.94}, {6.77, 51.23}, {6.73, 51.43}, {6.62, 51.66}, {6.25, 51.83}, {6.0, 51.87}},
              1.6); // Rhein
    drawRiver(p, {{14.25, 50.89}, {13.94, 50.96}, {13.74, 51.06}, {13.47, 51.16}, {13.29, 51.31}, {13.01, 51.56},
                  {12.65, 51.86}, {12.25, 51.86}, {11.85, 51.95}, {11.65, 52.13}, {11.97, 52.54}, {11.75, 53.0},
                  {11.25, 53.14}, {10.56, 53.37}, {9.99, 53.54}, {9.5, 53.65}, {9.14, 53.89}, {8.75, 53.88}},
              1.5); // Elbe
    drawRiver(p, {{8.5, 47.95}, {8.82, 47.98}, {9.22, 48.09}, {9.6, 48.25}, {9.99, 48.4}, {10.4, 48.55},
                  {10.78, 48.72}, {11.18, 48.73}, {11.42, 48.76}, {11.88, 48.91}, {12.1, 49.02}, {12.57, 48.88},
                  {12.96, 48.83}, {13.46, 48.57}, {13.75, 48.52}},
              1.5); // Donau
    drawRiver(p, {{11.45, 50.1}, {11.06, 50.15}, {10.89, 49.95}, {10.23, 50.04}, {10.16, 49.74}, {9.93, 49.79},
                  {9.7, 50.05}, {9.52, 49.76}, {9.26, 49.7}, {9.15, 49.97}, {8.92, 50.13}, {8.68, 50.11},
                  {8.3, 50.0}},
              1.1); // Main
    drawRiver(p, {{9.65, 51.42}, {9.38, 51.77}, {9.45, 51.83}, {9.36, 52.1}, {8.92, 52.29}, {9.21, 52.64},
                  {9.23, 52.92}, {8.8, 53.08}, {8.57, 53.54}, {8.5, 53.62}},
              1.1); // Weser
    drawRiver(p, {{6.37, 49.47}, {6.64, 49.75}, {7.07, 49.92}, {7.16, 50.15}, {7.6, 50.36}}, 1.0); // Mosel

    p.setPen(QPen(QColor(255, 255, 255, 230), 1.1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    for (const auto& path : paths)
        p.drawPath(path);
    p.setPen(QPen(QColor(0x8d, 0x95, 0x9e), 0.5));
    for (const auto& path : paths)
        p.drawPath(path);

    // Neighbours and seas.
    const QColor countryInk(0x8a, 0x8f, 0x94), seaInk(0x4f, 0x84, 0xb4);
    const QFont country = spaced(sans(9.5, true), 1.4);
    auto label = [&](double lon, double lat, const char* text, const QFont& f, const QColor& c) {
        const QString t = QString::fromUtf8(text);
        const QPointF at = project(lon, lat);
        const double w = QFontMetricsF(f).horizontalAdvance(t);
        haloText(p, QPointF(std::clamp(at.x() - w / 2, 3.0, W - w - 3.0), at.y()), t, f, c, QColor(0, 0, 0, 0));
    };
    label(6.2, 52.35, "NIEDER-", country, countryInk);
    label(6.15, 52.19, "LANDE", country, countryInk);
    label(6.0, 50.45, "BELGIEN", country, countryInk);
    label(6.1, 49.72, "LUX.", country, countryInk);
    label(7.2, 48.55, "FRANKREICH", country, countryInk);
    label(8.6, 47.43, "SCHWEIZ", country, countryInk);
    label(12.3, 47.62, "ÖSTERREICH", country, countryInk);
    label(14.6, 49.7, "TSCHECHIEN", country, countryInk);
    label(15.0, 52.4, "POLEN", country, countryInk);
    label(9.45, 54.955, "DÄNEMARK", country, countryInk);
    QFont seaFont = spaced(serif(15), 2.0);
    seaFont.setItalic(true);
    label(7.4, 54.35, "Nordsee", seaFont, seaInk);
    label(12.9, 54.72, "Ostsee", seaFont, seaInk);

    // Cities: state capitals and the larger towns.
    static const City cities[] = {
        {"Berlin", "10117", 7, 4, true},       {"Hamburg", "20095", 7, 4, true},
        {"München", "80331", 7, 4, true},      {"Köln", "50667", -7, 4, true},
        {"Frankfurt", "60311", 7, 4, true},    {"Stuttgart", "70173", 7, 4, true},
        {"Düsseldorf", "40213", 7, 6, true},  {"Dortmund", "44135", 7, 0, false},
        {"Essen", "45127", -7, -3, false},     {"Leipzig", "04109", 7, 4, true},
        {"Dresden", "01067", 7, 4, true},      {"Hannover", "30159", 7, 4, true},
        {"Nürnberg", "90402", 7, 4, true},     {"Bremen", "28195", -7, 4, true},
        {"Kiel", "24103", 7, 4, false},        {"Rostock", "18055", 7, 4, false},
        {"Schwerin", "19053", 7, 4, false},    {"Magdeburg", "39104", 7, 4, false},
        {"Potsdam", "14467", -7, 9, false},    {"Erfurt", "99084", 7, 4, false},
        {"Mainz", "55116", -7, 4, false},      {"Wiesbaden", "65183", -7, -4, false},
        {"Saarbrücken", "66111", 7, 4, false}, {"Kassel", "34117", 7, 4, false},
        {"Münster", "48143", 7, 4, false},     {"Freiburg", "79098", 7, 4, false},
        {"Karlsruhe", "76133", -7, 4, false},  {"Mannheim", "68159", 7, 4, false},
        {"Würzburg", "97070", 7, 4, false},    {"Regensburg", "93047", 7, 4, false},
        {"Augsburg", "86150", -7, 4, false},   {"Ulm", "89073", -7, 4, false},
        {"Chemnitz", "09111", 7, 4, false},    {"Braunschweig", "38100", 7, 4, false},
        {"Osnabrück", "49074", 7, 4, false},   {"Bielefeld", "33602", 7, 4, false},
        {"Göttingen", "37073", 7, 4, false},   {"Lübeck", "23552", 7, 4, false},
        {"Trier", "54290", 7, 4, false},       {"Koblenz", "56068", 7, 4, false},
        {"Passau", "94032", -7, -5, false},    {"Cottbus", "03046", 7, 4, false},
        {"Aachen", "52062", 7, 4, false},      {"Flensburg", "24937", 7, 4, false},
        {"Kempten", "87435", 7, 4, false},     {"Konstanz", "78462", -7, -4, false},
    };
    const QColor ink(0x2b, 0x33, 0x3d);
    for (const City& c : cities) {
        const QString name = QString::fromUtf8(c.name);
        if (!plz.contains(QString::fromLatin1(c.postcode))) {
            error = QStringLiteral("city postcode %1 is not in the data").arg(QString::fromLatin1(c.postcode));
            return false;
        }
        const QPointF at = plz.value(QString::fromLatin1(c.postcode));
        const bool capital = name == QLatin1String("Berlin");
        const double r = capital ? 3.6 : c.big ? 3.0 : 2.2;
        p.setPen(QPen(ink, capital ? 1.4 : 1.1));
        p.setBrush(capital ? QColor(0xc8, 0x32, 0x2b) : QColor(Qt::white));
        if (capital)
            p.drawRect(QRectF(at.x() - r, at.y() - r, 2 * r, 2 * r));
        else
            p.drawEllipse(at, r, r);
        const QFont f = capital ? sans(12.5, true) : c.big ? sans(11, true) : sans(9.5);
        const double w = QFontMetricsF(f).horizontalAdvance(name);
        const double x = c.dx >= 0 ? at.x() + c.dx - 2 : at.x() + c.dx + 2 - w;
        haloText(p, QPointF(x, at.y() + c.dy), name, f, ink);
    }

    // Scale bar, bottom left.
    const double km100 = 100 * tandrel::geo::kMapPixelsPerKm;
    const QPointF s0(14, H - 18);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 200));
    p.drawRoundedRect(QRectF(s0.x() - 6, s0.y() - 20, km100 + 44, 30), 3, 3);
    for (int i = 0; i < 4; ++i) {
        p.setBrush(i % 2 ? QColor(Qt::white) : ink);
        p.drawRect(QRectF(s0.x() + i * km100 / 4, s0.y() - 2, km100 / 4, 4));
    }
    p.setPen(QPen(ink, 0.8));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(s0.x(), s0.y() - 2, km100, 4));
    p.setFont(sans(9));
    p.drawText(QPointF(s0.x() - 2, s0.y() - 7), QStringLiteral("0"));
    p.drawText(QPointF(s0.x() + km100 - 8, s0.y() - 7), QStringLiteral("100 km"));
    p.end();
    sink(QStringLiteral("ui/map-germany"), img);

    // The location marker: a target with its centre at (7, 7).
    sink(QStringLiteral("ui/map-marker"), supersampled(15, 15, 8, [](QPainter& q) {
             const QPointF c(7.5, 7.5);
             q.setPen(QPen(QColor(0x7a, 0x12, 0x0c), 1.0));
             q.setBrush(QColor(255, 255, 255, 235));
             q.drawEllipse(c, 6.8, 6.8);
             q.setPen(Qt::NoPen);
             q.setBrush(QColor(0xd8, 0x2b, 0x1f));
             q.drawEllipse(c, 4.8, 4.8);
             q.setBrush(Qt::white);
             q.drawEllipse(c, 1.6, 1.6);
         }));
    // The directory's mark for companies that accept letters: an envelope.
    sink(QStringLiteral("ui/letter"), supersampled(16, 16, 8, [](QPainter& q) {
             const QRectF r(1.5, 3.5, 13, 9);
             q.setPen(QPen(QColor(0x1c, 0x35, 0x5e), 1.0));
             q.setBrush(QColor(0xfb, 0xf6, 0xe6));
             q.drawRect(r);
             q.drawPolyline(QPolygonF{r.topLeft(), QPointF(r.center().x(), r.center().y() + 1), r.topRight()});
         }));
    return true;
}

} // namespace picgen
