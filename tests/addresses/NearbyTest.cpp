#include "addresses/Nearby.h"
#include "tests/support/TestEnv.h"

#include <QStringList>

#include <gtest/gtest.h>

#include <map>

namespace {

// A few postcodes on a made-up map.
std::optional<QPoint> position(int plz)
{
    static const std::map<int, QPoint> table = {
        {99084, {300, 400}}, {7743, {340, 420}}, {4109, {380, 360}}, {10435, {420, 200}}, {20095, {250, 100}}};
    const auto it = table.find(plz);
    return it == table.end() ? std::nullopt : std::optional<QPoint>(it->second);
}

MAdresse entry(const char* name, const char* plz)
{
    MAdresse a;
    a.Name1 = name;
    a.Plz = plz;
    return a;
}

QStringList names(const std::vector<const MAdresse*>& found)
{
    QStringList out;
    for (const MAdresse* a : found)
        out << a->Name1;
    return out;
}

TEST(Nearby, ListsTheEntriesCloserThanNinetyMapPixelsInTheirOrder)
{
    const std::vector<MAdresse> entries = {
        entry("Jena", "07743"),        // 44.7 px
        entry("Leipzig", "04109"),     // 89.4 px: just inside
        entry("Berlin", "10435"),      // far
        entry("Erfurt", " 99084 "),    // same place
        entry("ohne Plz", "D-99084"),  // no number
        entry("unbekannt", "12345"),   // not on the map
        entry("Hamburg", "20095")};
    const auto found = NearbyAddresses("99084", entries, position);
    ASSERT_TRUE(found);
    EXPECT_EQ(names(*found), QStringList({"Jena", "Leipzig", "Erfurt"}));
}

TEST(Nearby, NothingAtAllForAnUnusableHomePostcode)
{
    const std::vector<MAdresse> entries = {entry("Jena", "07743")};
    for (const char* home : {"", "0", "abc", "12345"})
        EXPECT_FALSE(NearbyAddresses(home, entries, position)) << home;
    const auto none = NearbyAddresses("20095", entries, position);
    ASSERT_TRUE(none);
    EXPECT_TRUE(none->empty());
}

} // namespace
