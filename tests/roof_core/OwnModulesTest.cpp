#include "app/KontaloRegistry.h"
#include "roof/OwnModules.h"
#include "roof/RoofPlannerModel.h"
#include "tests/support/CaseName.h"
#include "tests/support/TestEnv.h"

#include <QLocale>
#include <gtest/gtest.h>

namespace {

using namespace tandrel::roof;
using tandrel::test::CaseName;

const QString kSection = QStringLiteral("Dachplanung2DFrame");

// ------------------------------------------------------------ the dialog's checks

struct CheckCase {
    const char* label;
    const char *name, *width, *height, *power, *gap;
    const char* message; // empty when accepted
    double width_ = 0, height_ = 0, power_ = 0, gap_ = 0;
};

class OwnModuleCheckTest : public ::testing::TestWithParam<CheckCase> {
protected:
    void SetUp() override { QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); }
    void TearDown() override { QLocale::setDefault(QLocale::c()); }
};

TEST_P(OwnModuleCheckTest, AcceptsTheRangesAndNamesTheFirstWrongValue)
{
    const CheckCase& c = GetParam();
    TRoofModule m;
    m.Name = QStringLiteral("alt");
    m.Width = m.Height = m.PowerWp = m.Gap = -1;
    const QString message = CheckOwnModule(
        {QString::fromUtf8(c.name), QStringLiteral(" Hersteller "), QString::fromUtf8(c.width),
         QString::fromUtf8(c.height), QString::fromUtf8(c.power), QString::fromUtf8(c.gap)},
        m);
    EXPECT_EQ(message, QString::fromUtf8(c.message));
    if (message.isEmpty()) {
        EXPECT_EQ(m.Name, QString::fromUtf8(c.name).trimmed());
        EXPECT_EQ(m.Maker, QStringLiteral("Hersteller"));
        EXPECT_DOUBLE_EQ(m.Width, c.width_);
        EXPECT_DOUBLE_EQ(m.Height, c.height_);
        EXPECT_DOUBLE_EQ(m.PowerWp, c.power_);
        EXPECT_DOUBLE_EQ(m.Gap, c.gap_);
    } else {
        // A refused module leaves the one before untouched.
        EXPECT_EQ(m.Name, QStringLiteral("alt"));
        EXPECT_DOUBLE_EQ(m.Width, -1);
    }
}

const char* const kWidth = "Die Modulbreite muss eine Zahl von 0,3 bis 3 m sein.";
const char* const kHeight = "Die Modulhöhe muss eine Zahl von 0,3 bis 3 m sein.";
const char* const kPower = "Die Modulleistung muss eine Zahl von 10 bis 1000 Wp sein.";
const char* const kGap = "Der Modulabstand muss eine Zahl von 0 bis 0,5 m sein.";

INSTANTIATE_TEST_SUITE_P(Typed, OwnModuleCheckTest,
    ::testing::Values(
        CheckCase{"comma_values", "Mein Modul", "1,1", "1,7", "400", "0,02", "", 1.1, 1.7, 400, 0.02},
        CheckCase{"point_values_and_the_bounds", " M ", "0.3", "3", "1.000", "0", "", 0.3, 3, 1000, 0},
        CheckCase{"lowest_power_widest_gap", "M", "3,0", "0,30", "10", "0,5", "", 3, 0.3, 10, 0.5},
        CheckCase{"no_name", "  ", "1", "1,7", "400", "0,02", "Bitte geben Sie den Namen des Moduls ein."},
        CheckCase{"width_too_small", "M", "0,29", "1,7", "400", "0,02", kWidth},
        CheckCase{"width_no_number", "M", "breit", "1,7", "400", "0,02", kWidth},
        CheckCase{"width_empty", "M", "", "1,7", "400", "0,02", kWidth},
        CheckCase{"width_infinite", "M", "inf", "1,7", "400", "0,02", kWidth},
        CheckCase{"height_too_large", "M", "1", "3,01", "400", "0,02", kHeight},
        CheckCase{"height_negative", "M", "1", "-1,7", "400", "0,02", kHeight},
        CheckCase{"height_nan", "M", "1", "nan", "400", "0,02", kHeight},
        CheckCase{"power_too_low", "M", "1", "1,7", "9,9", "0,02", kPower},
        CheckCase{"power_too_high", "M", "1", "1,7", "1001", "0,02", kPower},
        CheckCase{"gap_negative", "M", "1", "1,7", "400", "-0,01", kGap},
        CheckCase{"gap_too_wide", "M", "1", "1,7", "400", "0,6", kGap},
        CheckCase{"first_wrong_value_named", "M", "9", "9", "9", "9", kWidth}),
    CaseName{});

// ------------------------------------------------------------ the store

class OwnModuleStoreTest : public tandrel::test::TestEnv {
protected:
    static TRoofModule Own(const char* name, double w, double h, double wp, double gap, tandrel::platform::ColorRef color)
    {
        TRoofModule m;
        m.Name = QString::fromUtf8(name);
        m.Maker = QStringLiteral("Dach & Sonne GmbH");
        m.Width = w;
        m.Height = h;
        m.PowerWp = wp;
        m.Gap = gap;
        m.FaceColor = color;
        return m;
    }
};

TEST_F(OwnModuleStoreTest, OwnModulesComeBackAfterTheCatalogueAndKeepItsIndices)
{
    const std::vector<TRoofModule> saved = {Own("Süd 400", 1.1, 1.7, 400, 0.02, 0x102030),
                                            Own("Klein", 0.5, 0.8, 90, 0, 0xA0B0C0)};
    {
        MKontaloRegistry reg;
        SaveOwnModules(reg, kSection, saved);
        reg.WriteInteger(kSection, QStringLiteral("ModulNummer"), 4);
        reg.WriteInteger(kSection, QStringLiteral("Modulausrichtung"), 1);
    }
    MKontaloRegistry reg;
    TRoofPlannerModel model;
    LoadRoofPlannerModel(reg, kSection, model);
    ASSERT_EQ(model.OwnModules.size(), 2u);
    EXPECT_EQ(model.ModuleIndex, 4);
    EXPECT_EQ(model.ModuleOrientation, 1);
    for (size_t i = 0; i < saved.size(); ++i) {
        EXPECT_EQ(model.OwnModules[i].Name, saved[i].Name);
        EXPECT_EQ(model.OwnModules[i].Maker, saved[i].Maker);
        EXPECT_DOUBLE_EQ(model.OwnModules[i].Width, saved[i].Width);
        EXPECT_DOUBLE_EQ(model.OwnModules[i].Height, saved[i].Height);
        EXPECT_DOUBLE_EQ(model.OwnModules[i].PowerWp, saved[i].PowerWp);
        EXPECT_DOUBLE_EQ(model.OwnModules[i].Gap, saved[i].Gap);
        EXPECT_EQ(model.OwnModules[i].FaceColor, saved[i].FaceColor);
    }
    // Index 4 is the second own module; 0…2 stay the catalogue's, and past
    // the own ones the test module.
    TRoofModule m;
    ASSERT_TRUE(SelectModule(4, model.OwnModules, m));
    EXPECT_EQ(m.Name, QStringLiteral("Klein"));
    EXPECT_TRUE(m.Picture.isEmpty());
    ASSERT_TRUE(SelectModule(2, model.OwnModules, m));
    EXPECT_EQ(m.Name, QStringLiteral("SI P240 dark blue"));
    EXPECT_FALSE(SelectModule(5, model.OwnModules, m));
    EXPECT_EQ(m.Name, QStringLiteral("Test-Modul"));
    // Laid across, the module's sides exchange.
    model.Module = saved[0];
    EXPECT_DOUBLE_EQ(LaidModuleWidth(model), 1.7);
    EXPECT_DOUBLE_EQ(LaidModuleHeight(model), 1.1);
}

struct DamagedCase {
    const char* label;
    const char* key;   // of the second module
    const char* value; // written as a string, the count as a number
    int expectCount;
};

class DamagedOwnModuleTest : public OwnModuleStoreTest, public ::testing::WithParamInterface<DamagedCase> {};

TEST_P(DamagedOwnModuleTest, DropsWhatIsOutOfRangeAndKeepsTheRest)
{
    const DamagedCase& c = GetParam();
    {
        MKontaloRegistry reg;
        SaveOwnModules(reg, kSection,
                       {Own("A", 1, 1.7, 400, 0.02, 0), Own("B", 1, 1.7, 400, 0.02, 0), Own("C", 1, 1.7, 400, 0.02, 0)});
        if (QLatin1String(c.key) == QLatin1String("EigeneModuleAnzahl"))
            reg.WriteInteger(kSection, QString::fromLatin1(c.key), QString::fromUtf8(c.value).toInt());
        else
            reg.WriteString(kSection, QString::fromLatin1(c.key), QString::fromUtf8(c.value));
    }
    MKontaloRegistry reg;
    const std::vector<TRoofModule> read = LoadOwnModules(reg, kSection);
    ASSERT_EQ(int(read.size()), c.expectCount);
    EXPECT_EQ(read.front().Name, QStringLiteral("A"));
    EXPECT_EQ(read.back().Name, c.expectCount == 0 ? QString() : QStringLiteral("C"));
    // The selection of an own module that is gone becomes "outside the list".
    reg.WriteInteger(kSection, QStringLiteral("ModulNummer"), kModuleCount + 2);
    TRoofPlannerModel model;
    LoadRoofPlannerModel(reg, kSection, model);
    EXPECT_EQ(model.ModuleIndex, c.expectCount == 3 ? kModuleCount + 2 : -1);
}

INSTANTIATE_TEST_SUITE_P(Stored, DamagedOwnModuleTest,
    ::testing::Values(DamagedCase{"intact", "EigenesModul2Name", "B", 3},
                      DamagedCase{"width_no_number", "EigenesModul2Breite", "x", 2},
                      DamagedCase{"height_too_large", "EigenesModul2Hoehe", "30", 2},
                      DamagedCase{"power_negative", "EigenesModul2Leistung", "-400", 2},
                      DamagedCase{"gap_infinite", "EigenesModul2Abstand", "inf", 2},
                      DamagedCase{"empty_name", "EigenesModul2Name", "", 2},
                      DamagedCase{"name_too_long", "EigenesModul2Name",
                                  "0123456789012345678901234567890123456789012345678901234567890123456789012345678901", 2},
                      DamagedCase{"count_too_large_reads_the_stored", "EigeneModuleAnzahl", "999", 3}),
    CaseName{});

} // namespace
