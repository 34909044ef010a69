#include "app/KontaloRegistry.h"
#include "tests/support/TestEnv.h"
#include "tests/yield/GermanLocale.h"
#include "tests/yield/TariffPage.h"
#include "yield/TariffReply.h"
#include "yield/TarifTabelle.h"

#include <cmath>
#include <limits>

namespace {

struct LineCase {
    const char* name;
    const char* line9; // the 2010 feed-in tariff
    double expected;
};

std::ostream& operator<<(std::ostream& os, const LineCase& c) { return os << c.name; }

class RateLine : public ::testing::TestWithParam<LineCase> {
protected:
    GermanLocale german;
};

TEST_P(RateLine, ReadOrBuiltIn)
{
    std::array<QString, 12> rates = January2012Rates();
    rates[0] = QString::fromUtf8(GetParam().line9);
    const MTarifTabelle t = TarifTabelleAusZeilen(TariffPageLines("01.01.2012", rates));
    EXPECT_DOUBLE_EQ(t.Einspeiseverguetung(0), GetParam().expected);
    // The other rates are taken as read.
    EXPECT_DOUBLE_EQ(t.BonusUnter30(0), 0.1665);
    EXPECT_DOUBLE_EQ(t.Einspeiseverguetung(3), 0.2443);
    EXPECT_DOUBLE_EQ(t.BonusUnter30(3), 0.0805);
    EXPECT_DOUBLE_EQ(t.BonusUeber30(3), 0.1243);
}

INSTANTIATE_TEST_SUITE_P(
    Tariff, RateLine,
    ::testing::Values(LineCase{"comma", "0,33", 0.33}, LineCase{"point_on_german_system", "0.33", 0.3303},
                      LineCase{"blanks_around", "  0,2500 \t", 0.25}, LineCase{"zero", "0", 0.0},
                      LineCase{"two_euro", "2,0", 2.0}, LineCase{"above_two_euro", "2,0001", 0.3303},
                      LineCase{"negative", "-0,1", 0.3303}, LineCase{"text", "neu", 0.3303},
                      LineCase{"empty", "", 0.3303}, LineCase{"infinity", "inf", 0.3303}, LineCase{"nan", "nan", 0.3303},
                      LineCase{"huge", "1e308", 0.3303}, LineCase{"tenth_with_a_point", "0.1", 0.3303},
                      LineCase{"comma_then_point", "0,1.2", 0.3303}, LineCase{"two_numbers", "0,1 0,2", 0.3303},
                      LineCase{"thousands_group", "0.001,5", 0.3303}),
    [](const ::testing::TestParamInfo<LineCase>& info) { return std::string(info.param.name); });

TEST(TariffLines, PointSeparatorSystemReadsPoints)
{
    QLocale previous;
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    std::array<QString, 12> rates = January2012Rates();
    rates[0] = "0.33";
    rates[1] = "0,33";
    const MTarifTabelle t = TarifTabelleAusZeilen(TariffPageLines("x", rates));
    QLocale::setDefault(previous);
    EXPECT_DOUBLE_EQ(t.Einspeiseverguetung(0), 0.33);
    // "0,33" is 33 there: no plausible rate.
    EXPECT_DOUBLE_EQ(t.BonusUnter30(0), 0.1665);
}

TEST(TariffLines, MissingLinesGiveEmptyDateAndBuiltInRates)
{
    const MTarifTabelle t = TarifTabelleAusZeilen({"a", "b", "c", "d"});
    EXPECT_EQ(t.Aktualisierungsstand, "");
    MTarifTabelle builtIn = MTarifTabelle::BuiltIn();
    builtIn.Aktualisierungsstand.clear();
    EXPECT_EQ(t, builtIn);
    EXPECT_EQ(TarifTabelleAusZeilen({}), builtIn);
}

TEST(TariffLines, DateIsCutAndCleaned)
{
    QStringList lines = TariffPageLines(QString(70, 'x'), January2012Rates());
    EXPECT_EQ(TarifTabelleAusZeilen(lines).Aktualisierungsstand, QString(64, 'x'));
    lines[4] = QString::fromUtf8("  01.\x1b[31m01.2012\t\x7f ü ");
    EXPECT_EQ(TarifTabelleAusZeilen(lines).Aktualisierungsstand, QString::fromUtf8("  01.[31m01.2012 ü "));
    lines[4] = QString(63, 'x') + QString::fromUtf8("😀");
    EXPECT_EQ(TarifTabelleAusZeilen(lines).Aktualisierungsstand, QString(63, 'x'));
}

class TariffSettings : public tandrel::test::TestEnv {};

TEST_F(TariffSettings, RoundTripAndImplausibleStoredRates)
{
    MTarifTabelle t = MTarifTabelle::BuiltIn();
    t.Raten[3] = {0.2443, 0.0805, 0.1243};
    {
        MKontaloRegistry reg;
        t.SaveRates(reg, "ErtragFrame");
    }
    MTarifTabelle back;
    {
        MKontaloRegistry reg;
        back.LoadRates(reg, "ErtragFrame");
        reg.WriteFloat("ErtragFrame", "2010_Einspeiseverguetung", std::numeric_limits<double>::quiet_NaN());
        reg.WriteFloat("ErtragFrame", "2012_EinspeiseverBonusUeber30", -3.0);
    }
    back.Aktualisierungsstand = t.Aktualisierungsstand;
    EXPECT_EQ(back, t);
    {
        MKontaloRegistry reg;
        back.LoadRates(reg, "ErtragFrame");
    }
    EXPECT_DOUBLE_EQ(back.Einspeiseverguetung(0), 0.3303);
    EXPECT_DOUBLE_EQ(back.BonusUeber30(3), 0.1415);
    EXPECT_DOUBLE_EQ(back.Einspeiseverguetung(3), 0.2443);
}

struct ReplyCase {
    const char* name;
    QByteArray body;
    QStringList lines;
};

std::ostream& operator<<(std::ostream& os, const ReplyCase& c) { return os << c.name; }

class ReplyText : public ::testing::TestWithParam<ReplyCase> {};

TEST_P(ReplyText, Lines)
{
    const std::optional<QStringList> lines = ReplyLines(GetParam().body);
    ASSERT_TRUE(lines.has_value());
    EXPECT_EQ(*lines, GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(
    Tariff, ReplyText,
    ::testing::Values(ReplyCase{"lf", "a\nb\n", {"a", "b"}}, ReplyCase{"crlf", "a\r\nb\r\n", {"a", "b"}},
                      ReplyCase{"cr", "a\rb", {"a", "b"}}, ReplyCase{"blank_lines_around", "\n \r\n\t\na\n\nb\n  \n\n", {"a", "", "b"}},
                      ReplyCase{"only_blank_lines", "\n\n  \n", {}}, ReplyCase{"empty", "", {}},
                      ReplyCase{"utf8", "M\xc3\xa4rz \xe2\x82\xac", {QString::fromUtf8("März €")}},
                      ReplyCase{"utf8_bom", "\xef\xbb\xbf" "a", {"a"}},
                      ReplyCase{"windows_1252", "M\xe4rz \x80 \x84x\x93", {QString::fromUtf8("März € „x“")}}),
    [](const ::testing::TestParamInfo<ReplyCase>& info) { return std::string(info.param.name); });

TEST(ReplyTextBinary, NulBytesAreNoText)
{
    EXPECT_FALSE(ReplyLines(QByteArray("a\0b", 3)).has_value());
}

} // namespace
