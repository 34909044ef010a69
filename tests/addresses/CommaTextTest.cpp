#include "addresses/CommaText.h"
#include "tests/support/TestEnv.h"

#include <gtest/gtest.h>

namespace {

struct CommaCase {
    const char* name;
    QStringList lines;
    QString text;
};

void PrintTo(const CommaCase& c, std::ostream* os)
{
    *os << c.name;
}

class CommaText : public ::testing::TestWithParam<CommaCase> {};

TEST_P(CommaText, WritesTheTextAndReadsTheLinesBack)
{
    EXPECT_EQ(ToCommaText(GetParam().lines), GetParam().text);
    EXPECT_EQ(FromCommaText(GetParam().text), GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(Lines, CommaText,
    ::testing::Values(
        CommaCase{"plain", {"a", "b"}, "a,b"},
        CommaCase{"blank", {"Sehr geehrte", "x"}, "\"Sehr geehrte\",x"},
        CommaCase{"comma", {"a,b"}, "\"a,b\""},
        CommaCase{"quote", {"sag \"hallo\""}, "\"sag \"\"hallo\"\"\""},
        CommaCase{"control_character", {"a\tb"}, "\"a\tb\""},
        CommaCase{"empty_line_between", {"a", "", "b"}, "a,,b"},
        CommaCase{"empty_line_first", {"", "a"}, ",a"},
        CommaCase{"empty_line_last", {"a", ""}, "a,"},
        CommaCase{"one_empty_line", {""}, "\"\""},
        CommaCase{"no_lines", {}, ""},
        CommaCase{"umlauts", {QStringLiteral("Grüße")}, QStringLiteral("Grüße")},
        CommaCase{"default_body",
                  {"Sehr geehrte Damen und Herren,", "", "...", "", QStringLiteral("Mit freundlichen Grüßen")},
                  QStringLiteral("\"Sehr geehrte Damen und Herren,\",,...,,\"Mit freundlichen Grüßen\"")}),
    [](const ::testing::TestParamInfo<CommaCase>& info) { return std::string(info.param.name); });

struct ReadCase {
    const char* name;
    QString text;
    QStringList lines;
};

void PrintTo(const ReadCase& c, std::ostream* os)
{
    *os << c.name;
}

class CommaTextReading : public ::testing::TestWithParam<ReadCase> {};

TEST_P(CommaTextReading, SplitsLikeTheWriterExpects)
{
    EXPECT_EQ(FromCommaText(GetParam().text), GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(Texts, CommaTextReading,
    ::testing::Values(
        ReadCase{"blank_outside_quotes_splits", "a b", {"a", "b"}},
        ReadCase{"blanks_around_commas_skipped", " a , b ", {"a", "b"}},
        ReadCase{"unclosed_quote_runs_to_the_end", "\"a,b", {"a,b"}},
        ReadCase{"text_after_quote_is_a_new_line", "\"a\"b", {"a", "b"}}),
    [](const ::testing::TestParamInfo<ReadCase>& info) { return std::string(info.param.name); });

} // namespace
