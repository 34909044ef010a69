#include "app/Links.h"
#include "data/PictureCatalogue.h"
#include "geo/CompanyDirectory.h"
#include "geo/GeoData.h"
#include "geo/MapPainting.h"
#include "geo/PostcodeTable.h"
#include "tests/support/CaseName.h"

#include <cstdint>
#include <limits>

#include <QSet>
#include <gtest/gtest.h>

namespace {

QString Row(const QStringList& fields)
{
    QString s;
    for (const QString& f : fields)
        s += QLatin1Char('"') + f + QStringLiteral("\",");
    return s;
}

QStringList Fields()
{
    return {"7", "0", "12", "3", "1", "2051", "1630", "9", "100", "200", "Name 1", "Name 2", "Name 3", "Weg 1",
            "01067", "Dresden", "0351 0", "0351 1", "", "a@b.example", "www.b.example", "", "", "Info", "Mehr"};
}

TEST(CompanyDirectory, ReadsEveryFieldOfARow)
{
    const auto a = MCompanyDirectory::ParseCompany(Row(Fields()));
    ASSERT_TRUE(a);
    EXPECT_EQ(a->ID, 7);
    EXPECT_EQ(a->Logo, 12);
    EXPECT_EQ(a->Column3, 3);
    EXPECT_EQ(a->Anschreiben, 1);
    EXPECT_EQ(a->Branche, 2051);
    EXPECT_EQ(a->FrameId1, 1630);
    EXPECT_EQ(a->Column7, 9);
    EXPECT_EQ(a->MapX, 100);
    EXPECT_EQ(a->MapY, 200);
    EXPECT_EQ(a->Name3, QStringLiteral("Name 3"));
    EXPECT_EQ(a->Plz, QStringLiteral("01067"));
    EXPECT_EQ(a->EMail, QStringLiteral("a@b.example"));
    EXPECT_EQ(a->Bemerkung2, QStringLiteral("Mehr"));
    EXPECT_FALSE(a->Selected);
    EXPECT_FALSE(a->InRadius);
    EXPECT_EQ(a->Distance, 0);
}

TEST(CompanyDirectory, SkipsShortRowsAndTextWhereANumberBelongs)
{
    QStringList shortRow = Fields();
    shortRow.removeLast();
    shortRow.removeLast(); // 23 fields and the trailing empty one
    QStringList text = Fields();
    text[8] = QStringLiteral("links");
    MCompanyDirectory d;
    EXPECT_EQ(d.AddList(Row(shortRow) + "\n" + Row(text) + "\n\n" + Row(Fields()) + "\n"), 1);
    EXPECT_EQ(d.Count(), 1);
}

TEST(CompanyDirectory, BuiltInDirectoryIsReadCompletely)
{
    int lines = 0;
    for (int i = 0; i < tandrel::geo::data::kCompanyListCount; ++i)
        for (const QString& l : QString::fromUtf8(tandrel::geo::data::kCompanyLists[i]).split('\n'))
            lines += l.trimmed().isEmpty() ? 0 : 1;
    MCompanyDirectory d;
    EXPECT_EQ(d.LoadBuiltInLists(), 45);
    EXPECT_EQ(lines, 45);
    EXPECT_EQ(d.Count(), 45);
}

TEST(CompanyDirectory, BuiltInCompaniesAreConsistent)
{
    MCompanyDirectory d;
    d.LoadBuiltInLists();
    MPostcodeTable table;
    table.LoadBuiltInLists();
    QSet<int> logoIds;
    for (const auto& item : tandrel::pictures::kCatalogue)
        logoIds.insert(item.id);
    QSet<int> categories, ids;
    int withLogo = 0;
    for (const auto& c : d.Companies()) {
        SCOPED_TRACE(c->Name1.toStdString());
        categories.insert(c->Branche);
        ids.insert(c->ID);
        const int plz = c->Plz.toInt();
        EXPECT_TRUE(table.IsListed(plz));
        EXPECT_EQ(c->MapX, table.PostcodeX(plz));
        EXPECT_EQ(c->MapY, table.PostcodeY(plz));
        EXPECT_TRUE(c->EMail.endsWith(QStringLiteral(".example")));
        EXPECT_TRUE(c->Internet.endsWith(QStringLiteral(".example")));
        EXPECT_FALSE(c->Strasse.isEmpty());
        if (c->Logo > 0) {
            ++withLogo;
            EXPECT_TRUE(logoIds.contains(20000 + c->Logo));
        }
    }
    EXPECT_EQ(ids.size(), 45);
    EXPECT_EQ(categories, (QSet<int>{1, 3, 5, 9, 16, 17, 19, 45, 48, 49, 51, 55, 80, 85, 113, 336, 369, 377, 512, 545,
                                     565, 2051}));
    EXPECT_GE(withLogo, 18);
    EXPECT_LE(withLogo, 27);
}

struct CategoryCase {
    const char* name;
    int branche;
    const char* numbers;
};

std::ostream& operator<<(std::ostream& os, const CategoryCase& c) { return os << c.name; }

class CategoryNumbers : public ::testing::TestWithParam<CategoryCase> {};

TEST_P(CategoryNumbers, ListTheSetBits)
{
    EXPECT_EQ(MCompanyDirectory::CategoryNumbers(GetParam().branche), QString::fromLatin1(GetParam().numbers));
}

INSTANTIATE_TEST_SUITE_P(Values, CategoryNumbers,
                         ::testing::Values(CategoryCase{"none", 0, ""}, CategoryCase{"solarstrom", 1, "1"},
                                           CategoryCase{"v2051", 2051, "1,2,12"},
                                           CategoryCase{"v565", 565, "1,3,5,6,10"},
                                           CategoryCase{"v377", 377, "1,4,5,6,7,9"}),
                         [](const ::testing::TestParamInfo<CategoryCase>& info) { return std::string(info.param.name); });

// Three companies with distinct texts and distances.
MCompanyDirectory Three()
{
    MCompanyDirectory d;
    const char* rows[][7] = {{"Beta", "b2", "Cweg", "20000", "Bonn", "030 2", "1"},
                             {"Alpha", "c2", "Aweg", "30000", "Aue", "030 3", "3"},
                             {"Gamma", "a2", "Bweg", "10000", "Celle", "030 1", "2"}};
    for (auto& r : rows) {
        auto a = std::make_unique<MAdresse>();
        a->Name1 = QString::fromLatin1(r[0]);
        a->Name2 = QString::fromLatin1(r[1]);
        a->Strasse = QString::fromLatin1(r[2]);
        a->Plz = QString::fromLatin1(r[3]);
        a->Ort = QString::fromLatin1(r[4]);
        a->Tel = QString::fromLatin1(r[5]);
        a->Distance = QString::fromLatin1(r[6]).toInt();
        d.Add(std::move(a));
    }
    return d;
}

struct SortCase {
    const char* name;
    int key, direction;
    const char* order;     // Name1 initials, first to last
    const char* sortName;  // after the sort
};

std::ostream& operator<<(std::ostream& os, const SortCase& c) { return os << c.name; }

class Sorting : public ::testing::TestWithParam<SortCase> {};

TEST_P(Sorting, OrdersByKeyAndDirection)
{
    const SortCase& c = GetParam();
    MCompanyDirectory d = Three();
    d.SortCompanies(1); // sort name "Name" before
    d.SortCompaniesDirection(c.direction);
    d.SortCompanies(c.key);
    QString order;
    for (const auto& a : d.Companies())
        order += a->Name1.front();
    EXPECT_EQ(order, QString::fromLatin1(c.order));
    EXPECT_EQ(d.SortName(), QString::fromLatin1(c.sortName));
}

INSTANTIATE_TEST_SUITE_P(Keys, Sorting,
                         ::testing::Values(SortCase{"name", 1, 0, "ABG", "Name"},
                                           SortCase{"name_descending", 1, 1, "GBA", "Name"},
                                           SortCase{"name2", 2, 0, "GBA", "Name2"},
                                           SortCase{"street", 4, 0, "AGB", "Strasse"},
                                           SortCase{"postcode", 7, 0, "GBA", "Postleitzahl"},
                                           SortCase{"town", 8, 0, "ABG", "Ort"},
                                           SortCase{"distance", 10, 0, "BGA", "Entfernung"},
                                           SortCase{"distance_farthest_first", 10, 1, "AGB", "Entfernung"},
                                           SortCase{"telephone_keeps_name", 20, 0, "GBA", "Name"},
                                           SortCase{"unknown_key_keeps_order", 99, 0, "ABG", "Name"}),
                         [](const ::testing::TestParamInfo<SortCase>& info) { return std::string(info.param.name); });

TEST(CompanyDirectory, RadiusOf400DrawsACircleOf299Pixels)
{
    EXPECT_EQ(RadiusPixels(400), 299);
    EXPECT_EQ(RadiusPixels(40), 30);
}

struct RadiusCase {
    const char* name;
    int x, y; // position seen from the location at (0, 0); R = 400, limit 89521
    bool inRadius;
    int distance;
};

std::ostream& operator<<(std::ostream& os, const RadiusCase& c) { return os << c.name; }

class Radius400 : public ::testing::TestWithParam<RadiusCase> {};

TEST_P(Radius400, MarksCompaniesInsideTheLimitAndListsThemByDistance)
{
    const RadiusCase& c = GetParam();
    MCompanyDirectory d;
    auto a = std::make_unique<MAdresse>();
    MAdresse* company = a.get();
    a->MapX = 100 + c.x;
    a->MapY = 50 + c.y;
    d.Add(std::move(a));
    d.ComputeDistances(100, 50, 400);
    EXPECT_EQ(company->InRadius, c.inRadius);
    EXPECT_EQ(company->Distance, c.distance);
    // The grid compares the rounded distance with R.
    EXPECT_EQ(d.CompaniesWithin(400).size(), c.distance <= 400 ? 1u : 0u);
}

INSTANTIATE_TEST_SUITE_P(Cases, Radius400,
                         ::testing::Values(RadiusCase{"centre", 0, 0, true, 0},
                                           RadiusCase{"just_inside", 239, 179, true, 399},
                                           RadiusCase{"exactly_at_limit", 239, 180, false, 400},
                                           RadiusCase{"outside", 0, -310, false, 414}),
                         [](const ::testing::TestParamInfo<RadiusCase>& info) { return std::string(info.param.name); });

struct FarRowCase {
    const char* name;
    std::int32_t mapX, mapY; // the company's row
    int a, b;                // the location
    bool inRadius;
    int distance;
};

class FarRows : public ::testing::TestWithParam<FarRowCase> {};

// Rows of the comma text may hold any int32 coordinates; far ones are far.
TEST_P(FarRows, ComputeDistancesWithoutOverflow)
{
    const FarRowCase& c = GetParam();
    MCompanyDirectory d;
    auto a = std::make_unique<MAdresse>();
    MAdresse* company = a.get();
    a->MapX = c.mapX;
    a->MapY = c.mapY;
    d.Add(std::move(a));
    d.ComputeDistances(c.a, c.b, 400);
    EXPECT_EQ(company->InRadius, c.inRadius);
    EXPECT_EQ(company->Distance, c.distance);
}

constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min(), kMax = std::numeric_limits<std::int32_t>::max();

INSTANTIATE_TEST_SUITE_P(
    Extremes, FarRows,
    ::testing::Values(FarRowCase{"row_at_int_min", kMin, 0, 100, 50, false, kMax},
                      FarRowCase{"opposite_corners", kMax, kMax, kMin, kMin, false, kMax},
                      FarRowCase{"opposite_corners_reversed", kMin, kMin, kMax, kMax, false, kMax},
                      FarRowCase{"neighbours_at_the_edge", kMax, kMin, kMax - 3, kMin + 4, true, 7}),
    tandrel::test::CaseName{});

TEST(CompanyDirectory, GridListsDistance100ButNot101ForRadius100)
{
    MCompanyDirectory d;
    for (int dist : {100, 101, 0}) {
        auto a = std::make_unique<MAdresse>();
        a->Distance = dist;
        d.Add(std::move(a));
    }
    EXPECT_EQ(d.CompaniesWithin(100).size(), 2u);
    EXPECT_EQ(d.CompaniesWithin(0).size(), 3u);
}

} // namespace
