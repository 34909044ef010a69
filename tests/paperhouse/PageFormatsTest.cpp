#include "paperhouse/PageFormats.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace {

using namespace tandrel::paperhouse;

struct PageCase {
    const char* name;
    QString type;
    int index;
    bool portrait;
    double width, height;
};

// Test names show the case name, not the bytes.
void PrintTo(const PageCase& c, std::ostream* os) { *os << c.name; }

class PageSizeTest : public ::testing::TestWithParam<PageCase> {};

TEST_P(PageSizeTest, GivesTheSheetInMillimetres)
{
    const PageCase& c = GetParam();
    const PageSize size = ComputePageSize(c.type, c.index, c.portrait);
    EXPECT_NEAR(size.PageWidth, c.width, 0.01);
    EXPECT_NEAR(size.PageHeight, c.height, 0.01);
}

const QString eu = kPageFormatEuropean;
const QString na = kPageFormatNorthAmerican;

INSTANTIATE_TEST_SUITE_P(
    Formats, PageSizeTest,
    ::testing::Values(
        PageCase{"eu_a5_portrait", eu, 0, true, 148.49, 210.01},
        PageCase{"eu_a5_landscape", eu, 0, false, 210.01, 148.49},
        PageCase{"eu_a4_portrait", eu, 1, true, 210, 297},
        PageCase{"eu_a4_landscape", eu, 1, false, 297, 210},
        PageCase{"eu_a3_portrait", eu, 2, true, 297, 420},
        PageCase{"eu_a3_landscape", eu, 2, false, 420, 297},
        PageCase{"eu_a2_portrait", eu, 3, true, 420, 594},
        PageCase{"eu_a2_landscape", eu, 3, false, 594, 420},
        PageCase{"eu_a1_portrait", eu, 4, true, 594, 840},
        PageCase{"eu_a1_landscape", eu, 4, false, 840, 594},
        PageCase{"eu_a0_portrait", eu, 5, true, 840, 1188},
        PageCase{"eu_a0_landscape", eu, 5, false, 1188, 840},
        PageCase{"eu_separator_portrait", eu, 6, true, 210, 297},
        PageCase{"eu_separator_landscape", eu, 6, false, 297, 210},
        PageCase{"eu_a3plus_portrait", eu, 7, true, 330, 483},
        PageCase{"eu_a3plus_landscape", eu, 7, false, 483, 330},
        PageCase{"eu_none_portrait", eu, -1, true, 210, 297},
        PageCase{"eu_none_landscape", eu, -1, false, 297, 210},
        PageCase{"eu_beyond_portrait", eu, 8, true, 210, 297},
        PageCase{"eu_beyond_landscape", eu, 8, false, 297, 210},
        PageCase{"na_invoice_portrait", na, 0, true, 152.74, 197.28},
        PageCase{"na_invoice_landscape", na, 0, false, 197.28, 152.74},
        PageCase{"na_letter_portrait", na, 1, true, 216, 279},
        PageCase{"na_letter_landscape", na, 1, false, 279, 216},
        PageCase{"na_ledger_portrait", na, 2, true, 279, 432},
        PageCase{"na_ledger_landscape", na, 2, false, 432, 279},
        PageCase{"na_broadsheet_portrait", na, 3, true, 432, 558},
        PageCase{"na_broadsheet_landscape", na, 3, false, 558, 432},
        PageCase{"na_d_portrait", na, 4, true, 558, 864},
        PageCase{"na_d_landscape", na, 4, false, 864, 558},
        PageCase{"na_e_portrait", na, 5, true, 864, 1116},
        PageCase{"na_e_landscape", na, 5, false, 1116, 864},
        PageCase{"na_separator_portrait", na, 6, true, 216, 279},
        PageCase{"na_separator_landscape", na, 6, false, 279, 216},
        PageCase{"na_legal_portrait", na, 7, true, 216, 356},
        PageCase{"na_legal_landscape", na, 7, false, 356, 216},
        PageCase{"na_none_portrait", na, -1, true, 216, 279},
        PageCase{"na_beyond_landscape", na, 9, false, 279, 216},
        PageCase{"unknown_type_a3plus", QStringLiteral("asiatisch"), 7, true, 330, 483},
        PageCase{"empty_type_a4", QString(), 1, false, 297, 210}),
    [](const ::testing::TestParamInfo<PageCase>& info) { return std::string(info.param.name); });

TEST(PageFormatCaptions, EightEntriesPerTypeWithTheSeparatorAtSix)
{
    const QStringList europe = PageFormatCaptions(kPageFormatEuropean);
    const QStringList america = PageFormatCaptions(kPageFormatNorthAmerican);
    ASSERT_EQ(europe.size(), 8);
    ASSERT_EQ(america.size(), 8);
    EXPECT_EQ(europe[1], QStringLiteral("A4"));
    EXPECT_EQ(europe[6], QStringLiteral("-------"));
    EXPECT_EQ(europe[7], QStringLiteral("A3 Plus"));
    EXPECT_EQ(america[0], QStringLiteral("invoice (140 × 216 mm)"));
    EXPECT_EQ(america[6], QStringLiteral("--------------------"));
    EXPECT_EQ(america[7], QStringLiteral("legal (216 × 356 mm)"));
}

TEST(PageFormatCaptions, AnUnknownTypeGetsTheEuropeanList)
{
    EXPECT_EQ(PageFormatCaptions(QStringLiteral("x")), EuropeanPageFormatCaptions());
    EXPECT_EQ(PageFormatCaptions(QString()), EuropeanPageFormatCaptions());
}

}  // namespace
