#include "pdf/Cp1252.h"
#include "pdf/Markup.h"
#include "pdf/PdfWriter.h"
#include "tests/support/CaseName.h"

#include <gtest/gtest.h>

namespace {

struct Cp1252Case {
    const char* name;
    QString text;
    QByteArray bytes;
};

class Cp1252 : public ::testing::TestWithParam<Cp1252Case> {};

TEST_P(Cp1252, EncodesByTheCodePageTable)
{
    EXPECT_EQ(tandrel::pdf::toCp1252(GetParam().text).toHex(' '), GetParam().bytes.toHex(' '));
}

INSTANTIATE_TEST_SUITE_P(Texts, Cp1252,
    ::testing::Values(
        Cp1252Case{"Ascii", "Haus 3D", "Haus 3D"},
        Cp1252Case{"Latin1", QStringLiteral("Übersicht Straße é"), "\xDC" "bersicht Stra\xDF" "e \xE9"},
        Cp1252Case{"HighTable", QStringLiteral("€ „“ – — … ™ Ÿ"),
                   "\x80 \x84\x93 \x96 \x97 \x85 \x99 \x9F"},
        Cp1252Case{"Foreign", QStringLiteral("Ω ł"), "? ?"},
        Cp1252Case{"OutsideBmpIsOneMark", QStringLiteral("a\U0001F600b"), "a?b"},
        Cp1252Case{"UnusedSlotsAndLoneSurrogate", QString(QChar(0x81)) + QChar(0xD800), "??"},
        Cp1252Case{"ControlsBecomeBlanks", QStringLiteral("a\tb\nc"), "a b c"}),
    tandrel::test::CaseName{});

struct MarkupCase {
    const char* name;
    QString text;
    int baseStyles;
    std::vector<std::pair<QString, int>> runs;
};

class Markup : public ::testing::TestWithParam<MarkupCase> {};

TEST_P(Markup, SplitsIntoStyleRuns)
{
    std::vector<std::pair<QString, int>> runs;
    for (const auto& run : tandrel::pdf::parseMarkup(GetParam().text, GetParam().baseStyles))
        runs.emplace_back(run.text, run.styles);
    EXPECT_EQ(runs, GetParam().runs);
}

constexpr int B = PdfWriter::Bold, I = PdfWriter::Italic, U = PdfWriter::Underline;

INSTANTIATE_TEST_SUITE_P(Tags, Markup,
    ::testing::Values(
        MarkupCase{"Plain", "kein Tag", 0, {{"kein Tag", 0}}},
        MarkupCase{"Underline", "<u>Verwendetes PV-Modul:</u>", 0, {{"Verwendetes PV-Modul:", U}}},
        MarkupCase{"Nested", "a<b>b<I>c</b>d</i>e", 0, {{"a", 0}, {"b", B}, {"c", B | I}, {"d", I}, {"e", 0}}},
        MarkupCase{"Counted", "<b><b>x</b>y</b>z", 0, {{"xy", B}, {"z", 0}}},
        MarkupCase{"BaseStyleStays", "x</b>y<u>z", B, {{"xy", B}, {"z", B | U}}},
        MarkupCase{"UnclosedRunsToTheEnd", "<i>schräg", 0, {{"schräg", I}}},
        MarkupCase{"UnknownTagsAreText", "<p>1 < 2 <br/> <bb>", 0, {{"<p>1 < 2 <br/> <bb>", 0}}},
        MarkupCase{"OpenBracketAtEnd", "a<b", 0, {{"a<b", 0}}},
        MarkupCase{"OnlyTags", "<b></b>", 0, {}}),
    tandrel::test::CaseName{});

} // namespace
