#include "pdf/TextFit.h"
#include "tests/support/CaseName.h"

#include <gtest/gtest.h>

namespace {

using tandrel::pdf::FitFields;
using tandrel::pdf::FitLines;
using tandrel::pdf::WrapText;

// One unit per character; counts every character it is asked to measure.
struct CountingMeasure {
    qsizetype measured = 0;
    tandrel::pdf::TextMeasure fn()
    {
        return [this](const QString& s) {
            measured += s.size();
            return double(s.size());
        };
    }
};

struct WrapCase {
    const char* label;
    QString text;
    double width;
};

class WrapCost : public ::testing::TestWithParam<WrapCase> {};

// Breaking measures each character a bounded number of times, however long
// a word is, and loses nothing but the blanks it breaks at.
TEST_P(WrapCost, MeasuresEveryCharacterAFewTimesAndKeepsTheText)
{
    const WrapCase& c = GetParam();
    CountingMeasure counter;
    const QStringList lines = WrapText(c.text, c.width, counter.fn());
    EXPECT_LE(counter.measured, 4 * c.text.size());
    qsizetype kept = 0;
    for (const QString& line : lines) {
        EXPECT_LE(line.size(), c.width) << line.left(40).toStdString();
        kept += line.size();
    }
    EXPECT_LE(kept, c.text.size());
    EXPECT_EQ(lines.join(QString()).remove(' '), QString(c.text).remove(' '));
}

QString Words(int count, const QString& word)
{
    QStringList w;
    for (int i = 0; i < count; ++i)
        w << word;
    return w.join(' ');
}

INSTANTIATE_TEST_SUITE_P(
    Text, WrapCost,
    ::testing::Values(WrapCase{"one_word_of_100000_characters", QString(100000, 'x'), 40},
                      WrapCase{"long_word_between_short_ones", "kurz " + QString(30000, 'y') + " auch kurz", 37},
                      WrapCase{"fifty_thousand_short_words", Words(50000, "ab"), 40},
                      WrapCase{"words_as_wide_as_the_line", Words(1000, QString(40, 'z')), 40}),
    tandrel::test::CaseName{});

struct TitleCase {
    const char* label;
    QString text;
    int lines;      // expected line count
    bool shrunk;    // below the starting size
    bool elided;    // the last line ends in "…"
};

class TitleFit : public ::testing::TestWithParam<TitleCase> {};

TEST_P(TitleFit, AtMostThreeLinesThenSmallerThenCut)
{
    const TitleCase& c = GetParam();
    const auto measure = [](const QString& s) { return double(s.size()); };
    QStringList lines;
    const double size = FitLines(c.text, 50, 28, 8, 3, measure, &lines);
    ASSERT_EQ(lines.size(), c.lines);
    EXPECT_EQ(size < 28, c.shrunk);
    EXPECT_GE(size, 8);
    for (const QString& line : lines)
        EXPECT_LE(line.size(), 50 * 28 / size + 1e-9) << "wider than the page at the size used";
    EXPECT_EQ(lines.back().endsWith(QStringLiteral("…")), c.elided);
}

INSTANTIATE_TEST_SUITE_P(
    Cover, TitleFit,
    ::testing::Values(TitleCase{"one_line", "Solarstrom selbst nutzen", 1, false, false},
                      TitleCase{"three_lines", Words(12, "Solarstrom"), 3, false, false},
                      TitleCase{"needs_a_smaller_size", Words(30, "Solarstrom"), 3, true, false},
                      TitleCase{"cut_at_the_smallest_size", Words(3000, "Solarstrom"), 3, true, true},
                      TitleCase{"one_endless_word", QString(20000, 'W'), 3, true, true}),
    tandrel::test::CaseName{});

struct FieldsCase {
    const char* label;
    QStringList fields;
    QStringList expected;
};

class FieldsFit : public ::testing::TestWithParam<FieldsCase> {};

TEST_P(FieldsFit, WrapWhileTheyFitElseCutTheLongOnes)
{
    const auto measure = [](const QString& s) { return double(s.size()); };
    EXPECT_EQ(FitFields(GetParam().fields, 10, 4, measure), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    OrderForm, FieldsFit,
    ::testing::Values(FieldsCase{"all_fit", {"Anna", "Weg 1"}, {"Anna", "Weg 1"}},
                      FieldsCase{"wrapped", {"Anna Maria Schmidt", "Weg 1"}, {"Anna Maria", "Schmidt", "Weg 1"}},
                      FieldsCase{"cut_when_the_wrap_does_not_fit",
                                 {"Anna Maria Schmidt Meier Huber", "Weg 1", "Ort"},
                                 {"Anna Maria", "Schmidt…", "Weg 1", "Ort"}}),
    tandrel::test::CaseName{});

} // namespace
