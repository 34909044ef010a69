#include "app/Pictures.h"
#include "data/PictureCatalogue.h"
#include "tests/support/CaseName.h"

#include <QResource>
#include <QSet>
#include <algorithm>
#include <gtest/gtest.h>

namespace {

using namespace tandrel::pictures;

struct NamedPicture {
    const char* name;
    QSize size;
};

class BuiltInPicture : public ::testing::TestWithParam<NamedPicture> {};

TEST_P(BuiltInPicture, HasItsDocumentedSizeAndTransparentCorners)
{
    const QImage img = image(QString::fromLatin1(GetParam().name));
    ASSERT_FALSE(img.isNull()) << GetParam().name;
    EXPECT_EQ(img.size(), GetParam().size);
    EXPECT_TRUE(img.hasAlphaChannel());
    // The controls' colours show through around the shapes.
    EXPECT_LT(qAlpha(img.pixel(img.width() - 1, 0)), 255);
}

INSTANTIATE_TEST_SUITE_P(
    StartPageAndTopBar, BuiltInPicture,
    ::testing::Values(NamedPicture{kMarkerPVAnlagen, {520, 250}}, NamedPicture{kMarkerListen, {520, 230}},
                      NamedPicture{kStartHouse3D, {72, 72}}, NamedPicture{kStartPVPlant, {72, 72}},
                      NamedPicture{kStartKEV, {72, 72}}, NamedPicture{kStartSelfConsumption, {72, 72}}, NamedPicture{kStartFolder, {72, 72}},
                      NamedPicture{kTopBack, {32, 32}},
                      NamedPicture{kTopForward, {32, 32}}, NamedPicture{kTopOverview, {32, 32}},
                      NamedPicture{kTopHouse3D, {32, 32}}, NamedPicture{kTopPVPlant, {32, 32}},
                      NamedPicture{kTopKEV, {32, 32}}, NamedPicture{kTopAddresses, {32, 32}}, NamedPicture{kTopKontalo, {32, 32}},
                      NamedPicture{kTopInfo, {32, 32}}, NamedPicture{kTopExit, {32, 32}},
                      NamedPicture{kSponsor, {120, 48}}, NamedPicture{kProduct, {240, 160}},
                      NamedPicture{kMobileApp, {40, 56}}, NamedPicture{kAppIcon, {64, 64}}),
    tandrel::test::CaseName{});

TEST(Pictures, UnknownNamesGiveNoPicture)
{
    EXPECT_TRUE(image(QStringLiteral("catalogue/3160")).isNull());
    EXPECT_FALSE(contains(QStringLiteral("catalogue/3160")));
    EXPECT_TRUE(contains(QString::fromLatin1(kTopBack)));
}

// Pictures every start shows, and the roof planner's tiles and modules that
// it holds from its start, are not decoded or copied: the image shows the
// built-in bytes themselves.
TEST(Pictures, StartPicturesAreShownWhereTheProgramHoldsThem)
{
    for (const char* name : {"catalogue/3140", kMarkerPVAnlagen, kTopBack, "roof/module-black", "roof/covering1"}) {
        const QImage img = image(QString::fromLatin1(name));
        const QResource res(QStringLiteral(":/pictures/") + QString::fromLatin1(name) + QStringLiteral(".raw"));
        ASSERT_TRUE(res.isValid()) << name;
        ASSERT_FALSE(img.isNull()) << name;
        EXPECT_EQ(img.constBits(), res.data() + 12) << name;
    }
    for (const char* name : {"catalogue/3140", "roof/module-classic", "roof/covering9"})
        EXPECT_EQ(image(QString::fromLatin1(name)).format(), QImage::Format_RGB32) << name;
}

TEST(PictureCatalogueTable, HoldsTheCatalogueInItsOrder)
{
    QList<int> ids;
    for (const auto& item : kCatalogue)
        ids << item.id;
    ASSERT_EQ(ids.size(), 48);
    const QList<int> tail = {20, 10, 30, 1160, 2100, 2210, 3110, 3120, 3130, 3140, 3150, 3170,
                             3180, 3190, 3200, 4300, 4312, 4314, 4316, 4320, 4322, 4340};
    EXPECT_EQ(ids.mid(26), tail);

    // 26 partner logos from 20001 to 20220, 20191 twice, in rising order.
    const QList<int> partners = ids.mid(0, 26);
    EXPECT_EQ(partners.first(), 20001);
    EXPECT_EQ(partners.last(), 20220);
    EXPECT_EQ(partners.count(20191), 2);
    EXPECT_EQ(QSet<int>(partners.begin(), partners.end()).size(), 25);
    EXPECT_TRUE(std::is_sorted(partners.begin(), partners.end()));
    for (const auto& item : kCatalogue) {
        const QString hint = QString::fromUtf8(item.hint);
        if (item.id == 20019) {
            EXPECT_EQ(hint, QStringLiteral("Norvi GmbH"));
        } else if (item.id > 20000) {
            EXPECT_FALSE(hint.contains(QLatin1Char('|'))) << item.id;
        }
    }
}

TEST(PictureCatalogueTable, SourcesAndHintsAsPublished)
{
    for (const auto& item : kCatalogue) {
        if (item.id > 20000)
            continue;
        const QString hint = QString::fromUtf8(item.hint);
        const QString source = hint.section(QLatin1Char('|'), 1);
        if (item.id == 30 || item.id == 3200) {
            EXPECT_TRUE(source.isEmpty()) << item.id;
        } else if (item.id == 1160) {
            EXPECT_TRUE(!source.isEmpty() && source != QLatin1String("Norvi GmbH"));
        } else {
            EXPECT_EQ(source, QStringLiteral("Norvi GmbH")) << item.id;
        }
    }
    auto hintOf = [](int id) {
        for (const auto& item : kCatalogue)
            if (item.id == id)
                return QString::fromUtf8(item.hint);
        return QString();
    };
    EXPECT_EQ(hintOf(20), QStringLiteral("Norvi|Norvi GmbH"));
    EXPECT_EQ(hintOf(10), QStringLiteral("Pravik|Norvi GmbH"));
    EXPECT_EQ(hintOf(30), QString());
    EXPECT_EQ(hintOf(2100), QStringLiteral("|Norvi GmbH"));
    EXPECT_EQ(hintOf(2210), QStringLiteral("Sonne|Norvi GmbH"));
    EXPECT_EQ(hintOf(3150), QStringLiteral("Hintergrund Perlen|Norvi GmbH"));
    EXPECT_EQ(hintOf(3200), QStringLiteral("Kontalo"));
    EXPECT_EQ(hintOf(4322), QStringLiteral("Module (Solarstrom)|Norvi GmbH"));
    EXPECT_EQ(hintOf(4340), QStringLiteral("Kollektoren (Solarwärme)|Norvi GmbH"));
}

TEST(PictureCatalogueTable, EveryPictureIsBuiltInAndOpaque)
{
    for (const auto& item : kCatalogue) {
        const QImage img = image(QStringLiteral("catalogue/") + QString::fromLatin1(item.file));
        ASSERT_FALSE(img.isNull()) << item.file;
        EXPECT_FALSE(img.hasAlphaChannel()) << item.file;
        if (item.id >= 3110 && item.id <= 3200) {
            EXPECT_EQ(img.size(), QSize(800, 600)) << item.id;
        }
        // Wide enough for the catalogue list's text column at 120 mm.
        EXPECT_LE(15 + 25.0 * img.width() / img.height(), 118) << item.id;
    }
    // The two logos under 20191 differ.
    EXPECT_NE(image(QStringLiteral("catalogue/20191")), image(QStringLiteral("catalogue/20191-alt")));
}

} // namespace
