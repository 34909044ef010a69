#pragma once

// The borders of the sixteen states from the GeoJSON raw data, shared by the
// list generator and the picture generator.

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>
#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

namespace tandrel::tools {

struct Point {
    double lon, lat;
};
using Ring = std::vector<Point>;

struct State {
    int region = 0;
    std::vector<Ring> rings; // outer rings and holes alike: even-odd rule
};

// The numbering of the program's postcode table.
inline const QStringList kStateNames = {
    QStringLiteral("Bayern"), QStringLiteral("Baden-Württemberg"), QStringLiteral("Berlin"),
    QStringLiteral("Brandenburg"), QStringLiteral("Bremen"), QStringLiteral("Hamburg"), QStringLiteral("Hessen"),
    QStringLiteral("Mecklenburg-Vorpommern"), QStringLiteral("Niedersachsen"), QStringLiteral("Nordrhein-Westfalen"),
    QStringLiteral("Rheinland-Pfalz"), QStringLiteral("Saarland"), QStringLiteral("Sachsen"),
    QStringLiteral("Sachsen-Anhalt"), QStringLiteral("Schleswig-Holstein"), QStringLiteral("Thüringen")};

inline bool inside(const State& s, Point p)
{
    bool in = false;
    for (const Ring& r : s.rings)
        for (size_t i = 0, j = r.size() - 1; i < r.size(); j = i++)
            if ((r[i].lat > p.lat) != (r[j].lat > p.lat) &&
                p.lon < (r[j].lon - r[i].lon) * (p.lat - r[i].lat) / (r[j].lat - r[i].lat) + r[i].lon)
                in = !in;
    return in;
}

// Squared distance (in degrees, longitude shrunk) from p to the state's border.
inline double borderDistance(const State& s, Point p)
{
    const double k = std::cos(51.0 * 3.14159265358979 / 180.0);
    double best = std::numeric_limits<double>::max();
    for (const Ring& r : s.rings)
        for (size_t i = 0, j = r.size() - 1; i < r.size(); j = i++) {
            const double ax = r[j].lon * k, ay = r[j].lat, bx = r[i].lon * k, by = r[i].lat;
            const double px = p.lon * k, py = p.lat;
            const double dx = bx - ax, dy = by - ay, len = dx * dx + dy * dy;
            double t = len > 0 ? ((px - ax) * dx + (py - ay) * dy) / len : 0;
            t = std::clamp(t, 0.0, 1.0);
            const double ex = ax + t * dx - px, ey = ay + t * dy - py;
            best = std::min(best, ex * ex + ey * ey);
        }
    return best;
}

inline bool readStates(const QString& path, std::vector<State>& states, QString& error)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        error = QStringLiteral("cannot read %1").arg(path);
        return false;
    }
    const QJsonArray features = QJsonDocument::fromJson(f.readAll()).object().value(QStringLiteral("features")).toArray();
    for (const QJsonValue& feature : features) {
        const QJsonObject o = feature.toObject();
        const QString name = o.value(QStringLiteral("properties")).toObject().value(QStringLiteral("name")).toString();
        State s;
        s.region = int(kStateNames.indexOf(name)) + 1;
        if (s.region <= 0) {
            error = QStringLiteral("unknown state %1").arg(name);
            return false;
        }
        const QJsonObject g = o.value(QStringLiteral("geometry")).toObject();
        QJsonArray polygons = g.value(QStringLiteral("coordinates")).toArray();
        if (g.value(QStringLiteral("type")).toString() == QLatin1String("Polygon"))
            polygons = QJsonArray{polygons};
        for (const QJsonValue& polygon : polygons)
            for (const QJsonValue& ring : polygon.toArray()) {
                Ring r;
                for (const QJsonValue& pt : ring.toArray())
                    r.push_back({pt.toArray().at(0).toDouble(), pt.toArray().at(1).toDouble()});
                if (r.size() >= 3)
                    s.rings.push_back(std::move(r));
            }
        states.push_back(std::move(s));
    }
    if (states.size() != 16) {
        error = QStringLiteral("%1 states instead of 16").arg(states.size());
        return false;
    }
    return true;
}

} // namespace tandrel::tools
