#include "tests/support/CaseName.h"
#include "text/FormatText.h"
#include "text/NumberParse.h"

#include <QLocale>
#include <optional>
#include <gtest/gtest.h>

namespace {

class WithLocale {
public:
    explicit WithLocale(const QLocale& locale) { QLocale::setDefault(locale); }
    ~WithLocale() { QLocale::setDefault(m_saved); }

private:
    QLocale m_saved;
};

struct TypedCase {
    const char* label;
    QLocale::Language language;
    const char* text;
    std::optional<double> typed; // TypedToFloat; empty: no number
    std::optional<double> local; // StrToFloatLocal
};

class NumberParse : public ::testing::TestWithParam<TypedCase> {};

// The non-throwing forms give no value exactly where the throwing ones raise,
// and the same value everywhere else.
TEST_P(NumberParse, TheTryFormsAgreeWithTheThrowingOnes)
{
    const TypedCase& c = GetParam();
    const WithLocale locale{QLocale(c.language)};
    const QString text = QString::fromUtf8(c.text);
    EXPECT_EQ(TryTypedToFloat(text), c.typed);
    EXPECT_EQ(TryStrToFloatLocal(text), c.local);
    if (c.typed)
        EXPECT_EQ(TypedToFloat(text), *c.typed);
    else
        EXPECT_THROW(TypedToFloat(text), ConversionError);
    if (c.local)
        EXPECT_EQ(StrToFloatLocal(text), *c.local);
    else
        EXPECT_THROW(StrToFloatLocal(text), ConversionError);
}

constexpr auto de = QLocale::German;
constexpr auto en = QLocale::English;

INSTANTIATE_TEST_SUITE_P(
    Table, NumberParse,
    ::testing::Values(TypedCase{"de_point_as_decimal", de, "8.5", 8.5, 85.0},
                      TypedCase{"de_point_as_thousands", de, "1.000", 1000.0, 1000.0},
                      TypedCase{"de_comma", de, " 2,25 ", 2.25, 2.25},
                      TypedCase{"de_point_and_comma", de, "1.000,5", 1000.5, 1000.5},
                      TypedCase{"de_text", de, "abc", std::nullopt, std::nullopt},
                      TypedCase{"de_empty", de, "", std::nullopt, std::nullopt},
                      TypedCase{"de_infinity", de, "inf", std::nullopt, std::nullopt},
                      TypedCase{"de_point_infinity", de, "1.e999", std::nullopt, std::nullopt},
                      TypedCase{"en_point", en, "8.5", 8.5, 8.5},
                      TypedCase{"en_nan", en, "nan", std::nullopt, std::nullopt}),
    tandrel::test::CaseName{});

struct FixedCase {
    const char* label;
    const char* format;
    double value;
};

class EngineFormat : public ::testing::TestWithParam<FixedCase> {};

// The engine's labels and dialog texts came from printf with the locale's
// decimal separator put in; FormatText writes exactly that.
TEST_P(EngineFormat, WritesWhatPrintfWithTheLocalesSeparatorWrote)
{
    const FixedCase& c = GetParam();
    for (const QLocale& l : {QLocale(QLocale::German), QLocale::c(), QLocale(QLocale::English)}) {
        const WithLocale locale{l};
        QString printf = QString::asprintf(c.format, c.value);
        printf.replace(QLatin1Char('.'), QLocale().decimalPoint());
        EXPECT_EQ(FormatText(QString::fromLatin1(c.format), {c.value}), printf) << l.name().toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, EngineFormat,
    ::testing::Values(FixedCase{"tick_whole", "%2.0f", 4}, FixedCase{"tick_whole_wide", "%2.0f", 12345},
                      FixedCase{"tick_tenths_negative", "%2.1f", -0.35},
                      FixedCase{"tick_hundredths_tie", "%2.2f", 0.125},
                      FixedCase{"tick_thousandths_far", "%2.3f", -5e9},
                      FixedCase{"module_column", " %2.1f", 240},
                      FixedCase{"dialog_six_decimals", "%.6f", 1.0 / 3},
                      FixedCase{"negative_zero", "%2.2f", -0.0},
                      FixedCase{"huge", "%2.1f", 1e23}),
    tandrel::test::CaseName{});

} // namespace
