#include "geo/GeoData.h"
#include "geo/MapProjection.h"
#include "geo/PostcodeTable.h"

#include <QFile>
#include <QHash>
#include <QTextStream>
#include <cmath>
#include <gtest/gtest.h>

namespace {

struct LookupCase {
    const char* name;
    const char* listed; // rows "postcode","x","y","region"
    int postcode;
    int x, y;
};

std::ostream& operator<<(std::ostream& os, const LookupCase& c) { return os << c.name; }

class PostcodeLookup : public ::testing::TestWithParam<LookupCase> {};

TEST_P(PostcodeLookup, GivesThePositionOfTheNearestListedPostcode)
{
    const LookupCase& c = GetParam();
    MPostcodeTable table;
    table.LoadList(c.listed);
    EXPECT_EQ(table.PostcodeX(c.postcode), c.x);
    EXPECT_EQ(table.PostcodeY(c.postcode), c.y);
}

// Map position = list position - (63, 1).
const char* const kErfurt = "\"99084\",\"363\",\"301\",\"16\"\n\"99086\",\"373\",\"311\",\"16\"\n";
const char* const kErfurtOnly = "\"99084\",\"363\",\"301\",\"16\"\n";

INSTANTIATE_TEST_SUITE_P(
    Table, PostcodeLookup,
    ::testing::Values(LookupCase{"listed", kErfurt, 99084, 300, 300},
                      LookupCase{"neighbour_upwards_first", kErfurt, 99085, 310, 310},
                      LookupCase{"neighbour_below", kErfurtOnly, 99085, 300, 300},
                      LookupCase{"neighbour_200_away", kErfurtOnly, 99284, 300, 300},
                      LookupCase{"none_within_200", kErfurtOnly, 99285, 0, 0},
                      LookupCase{"below_zero", "\"00000\",\"100\",\"100\",\"1\"\n", -1, 0, 0},
                      LookupCase{"above_99999", "\"99999\",\"100\",\"100\",\"1\"\n", 100000, 0, 0},
                      LookupCase{"malformed_rows_skipped", "\"99084\",\"x\",\"301\",\"16\"\n\n\"99084\"\n", 99084, 0, 0}),
    [](const ::testing::TestParamInfo<LookupCase>& info) { return std::string(info.param.name); });

TEST(PostcodeTable, BuiltInListsHoldEveryPostcodeOfTheDataOnTheMap)
{
    MPostcodeTable table;
    EXPECT_EQ(table.LoadBuiltInLists(), 8289);
    int listed = 0;
    for (int p = 0; p < MPostcodeTable::kSize; ++p) {
        if (!table.IsListed(p))
            continue;
        ++listed;
        EXPECT_LE(table.Region(p), 16) << p;
        EXPECT_GE(table.PostcodeX(p), 0) << p;
        EXPECT_LT(table.PostcodeX(p), tandrel::geo::kMapWidth) << p;
        EXPECT_GE(table.PostcodeY(p), 0) << p;
        EXPECT_LT(table.PostcodeY(p), tandrel::geo::kMapHeight) << p;
    }
    EXPECT_EQ(listed, 8289);
}

TEST(PostcodeTable, RegionsFollowTheStates)
{
    MPostcodeTable table;
    table.LoadBuiltInLists();
    EXPECT_EQ(table.Region(10115), 3);  // Berlin
    EXPECT_EQ(table.Region(1067), 13);  // Dresden, Sachsen
    EXPECT_EQ(table.Region(40210), 10); // Düsseldorf
    EXPECT_EQ(table.Region(70173), 2);  // Stuttgart
    EXPECT_EQ(table.Region(80331), 1);  // München
    EXPECT_EQ(table.Region(99084), 16); // Erfurt
    EXPECT_EQ(table.Region(20095), 6);  // Hamburg
    EXPECT_EQ(table.Region(28195), 5);  // Bremen
    EXPECT_EQ(table.Region(24103), 15); // Kiel
}

// Longitude and latitude of the postcodes in the raw data.
QHash<int, std::pair<double, double>> RawPositions()
{
    QHash<int, std::pair<double, double>> out;
    QFile f(QStringLiteral(TANDREL_SOURCE_ROOT "/data/geo/opengeodb-plz.tab"));
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text))
        return out;
    QTextStream in(&f);
    while (!in.atEnd()) {
        const QStringList c = in.readLine().split(QLatin1Char('\t'));
        if (c.size() >= 4 && !c[0].startsWith(QLatin1Char('#')))
            out.insert(c[1].toInt(), {c[2].toDouble(), c[3].toDouble()});
    }
    return out;
}

struct TownPair {
    const char* name;
    int from, to;
};

std::ostream& operator<<(std::ostream& os, const TownPair& c) { return os << c.name; }

class MapDistance : public ::testing::TestWithParam<TownPair> {};

TEST_P(MapDistance, AgreesWithTheGreatCircleWithinThreePercent)
{
    static const auto raw = RawPositions();
    ASSERT_FALSE(raw.isEmpty());
    MPostcodeTable table;
    table.LoadBuiltInLists();
    const TownPair& c = GetParam();
    ASSERT_TRUE(raw.contains(c.from) && raw.contains(c.to));
    const double dx = table.PostcodeX(c.from) - table.PostcodeX(c.to);
    const double dy = table.PostcodeY(c.from) - table.PostcodeY(c.to);
    const double onMap = std::hypot(dx, dy) / tandrel::geo::kMapPixelsPerKm;
    const auto [lon1, lat1] = raw.value(c.from);
    const auto [lon2, lat2] = raw.value(c.to);
    const double real = tandrel::geo::GreatCircleKm(lon1, lat1, lon2, lat2);
    EXPECT_NEAR(onMap / real, 1.0, 0.03) << onMap << " km on the map, " << real << " km";
}

INSTANTIATE_TEST_SUITE_P(Towns, MapDistance,
                         ::testing::Values(TownPair{"berlin_muenchen", 10117, 80331},
                                           TownPair{"hamburg_koeln", 20095, 50667},
                                           TownPair{"aachen_goerlitz", 52062, 2826},
                                           TownPair{"flensburg_freiburg", 24937, 79098},
                                           TownPair{"saarbruecken_passau", 66111, 94032}),
                         [](const ::testing::TestParamInfo<TownPair>& info) { return std::string(info.param.name); });

} // namespace
