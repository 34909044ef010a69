// Turns the geographic raw data into the program's built-in lists:
//   tandrel_geogen <data folder> <output .cpp>
// The postcode lists (one per postcode range) hold one comma text row per
// postcode, "postcode","x","y","region", with x and y from the map
// projection; the directory list holds the companies in their 25-field rows,
// placed on the map where their postcode lies.

#include "geo/MapProjection.h"
#include "tools/GeoBorders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMap>
#include <QSaveFile>
#include <QStringList>
#include <QTextStream>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>
#include <vector>

using namespace tandrel::tools;

namespace {

int fail(const QString& text)
{
    std::fprintf(stderr, "tandrel_geogen: %s\n", qPrintable(text));
    return 1;
}

int regionOf(const std::vector<State>& states, Point p)
{
    for (const State& s : states)
        if (inside(s, p))
            return s.region;
    // Points on the coast or on a simplified border: the nearest state.
    int best = 0;
    double bestD = std::numeric_limits<double>::max();
    for (const State& s : states) {
        const double d = borderDistance(s, p);
        if (d < bestD) {
            bestD = d;
            best = s.region;
        }
    }
    return best;
}

QString quoted(const QString& s)
{
    QString t = s;
    t.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + t + QLatin1Char('"');
}

struct Listed {
    int x, y;
};

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3)
        return fail(QStringLiteral("usage: tandrel_geogen <data folder> <output .cpp>"));
    const QDir dir(args[1]);

    std::vector<State> states;
    QString error;
    if (!readStates(dir.filePath(QStringLiteral("germany-states.geo.json")), states, error))
        return fail(error);

    QFile plzFile(dir.filePath(QStringLiteral("opengeodb-plz.tab")));
    if (!plzFile.open(QIODevice::ReadOnly | QIODevice::Text))
        return fail(QStringLiteral("cannot read %1").arg(plzFile.fileName()));
    QStringList lists[5];
    QMap<QString, Listed> positions;
    QTextStream in(&plzFile);
    while (!in.atEnd()) {
        const QString line = in.readLine();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const QStringList f = line.split(QLatin1Char('\t'));
        bool okLon = false, okLat = false, okPlz = false;
        const int plz = f.value(1).toInt(&okPlz);
        const double lon = f.value(2).toDouble(&okLon), lat = f.value(3).toDouble(&okLat);
        if (f.size() < 4 || !okPlz || !okLon || !okLat || f[1].size() != 5 || positions.contains(f[1]))
            return fail(QStringLiteral("bad postcode line: %1").arg(line));
        const tandrel::geo::MapPoint m = tandrel::geo::ProjectToMap(lon, lat);
        const int x = int(std::lround(m.x)), y = int(std::lround(m.y));
        const int rawX = x + tandrel::geo::kListOffsetX, rawY = y + tandrel::geo::kListOffsetY;
        if (x < 0 || y < 0 || x >= tandrel::geo::kMapWidth || y >= tandrel::geo::kMapHeight)
            return fail(QStringLiteral("postcode %1 lies off the map").arg(f[1]));
        const int region = regionOf(states, {lon, lat});
        const int first = plz / 10000;
        const int list = first == 0 ? 0 : first <= 3 ? 1 : first <= 6 ? 2 : first <= 8 ? 3 : 4;
        lists[list] << QStringLiteral("\"%1\",\"%2\",\"%3\",\"%4\"").arg(f[1]).arg(rawX).arg(rawY).arg(region);
        positions.insert(f[1], {x, y});
    }

    QFile companyFile(dir.filePath(QStringLiteral("companies.tsv")));
    if (!companyFile.open(QIODevice::ReadOnly | QIODevice::Text))
        return fail(QStringLiteral("cannot read %1").arg(companyFile.fileName()));
    QStringList companies;
    QTextStream cin(&companyFile);
    while (!cin.atEnd()) {
        const QString line = cin.readLine();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const QStringList f = line.split(QLatin1Char('\t'));
        if (f.size() != 17)
            return fail(QStringLiteral("company line with %1 fields: %2").arg(f.size()).arg(line));
        const QString& plz = f[9];
        if (!positions.contains(plz))
            return fail(QStringLiteral("company postcode %1 is not in the postcode data").arg(plz));
        const Listed at = positions.value(plz);
        // ID, (unused), Logo, Column3, Anschreiben, Branche, FrameId1, Column7, MapX, MapY
        QStringList row = {f[0], QStringLiteral("0"), f[1], QStringLiteral("0"), f[2], f[3], f[4], QStringLiteral("0"),
                           QString::number(at.x), QString::number(at.y)};
        // Name1, Name2, Name3, Strasse, Plz, Ort, Tel, Fax, Mobil, EMail, Internet, EMail2, Internet2, Bemerkung1, Bemerkung2
        row << f[5] << f[6] << f[7] << f[8] << f[9] << f[10] << f[11] << f[12] << QString() << f[13] << f[14]
            << QString() << QString() << f[15] << f[16];
        QString text;
        for (const QString& v : row)
            text += quoted(v) + QLatin1Char(',');
        companies << text;
    }

    QString out;
    QTextStream os(&out);
    os << "// Generated by tandrel_geogen from data/geo. Do not edit.\n"
          "#include \"geo/GeoData.h\"\n\nnamespace tandrel::geo::data {\n\n";
    auto literal = [&](const QStringList& lines) {
        // Raw literals stay below the compilers' length limits in pieces.
        QString s;
        for (qsizetype i = 0; i < lines.size(); i += 500)
            s += QStringLiteral("R\"TNDL(") + lines.mid(i, 500).join(QLatin1Char('\n')) + QStringLiteral("\n)TNDL\"\n");
        return s.isEmpty() ? QStringLiteral("\"\"") : s;
    };
    os << "const char* const kPostcodeLists[kPostcodeListCount] = {\n";
    for (const QStringList& l : lists)
        os << literal(l) << ",\n";
    os << "};\n\nconst char* const kCompanyLists[kCompanyListCount] = {\n\"\",\n" << literal(companies)
       << ",\n\"\",\n\"\",\n};\n\n} // namespace tandrel::geo::data\n";
    os.flush();
    QSaveFile target(args[2]);
    if (!target.open(QIODevice::WriteOnly) || target.write(out.toUtf8()) < 0 || !target.commit())
        return fail(QStringLiteral("cannot write %1").arg(args[2]));
    std::fprintf(stdout, "tandrel_geogen: %d, %d, %d, %d, %d postcodes, %d companies\n", int(lists[0].size()),
                 int(lists[1].size()), int(lists[2].size()), int(lists[3].size()), int(lists[4].size()),
                 int(companies.size()));
    return 0;
}
