#include "addresses/Adresse.h"
#include "addresses/LetterPdf.h"

#include <functional>
#include <vector>
#include <gtest/gtest.h>

namespace {

// A fresh address puts nothing on a letter: no contact lines, no logo, no
// category, only empty name and place lines.
TEST(Adresse, AFreshAddressPrintsNothing)
{
    const MAdresse a;
    EXPECT_TRUE(AbsenderContactLines(a, 40).empty());
    for (const LetterLine& line : AbsenderNameLines(a))
        EXPECT_TRUE(line.text.trimmed().isEmpty()) << line.text.toStdString();
    for (const LetterLine& line : EmpfaengerLines(a))
        EXPECT_TRUE(line.text.trimmed().isEmpty()) << line.text.toStdString();
    EXPECT_EQ(LogoPictureId(a), 0);
    EXPECT_EQ(BrancheTexts(a.Branche), QString());
    EXPECT_FALSE(a.Selected || a.InRadius);
}

// Converts to any field type: counts an aggregate's fields.
struct AnyField {
    template <class T>
    operator T() const;
};

template <class T, class... Fields>
constexpr std::size_t FieldCount()
{
    if constexpr (requires { T{Fields{}..., AnyField{}}; })
        return FieldCount<T, Fields..., AnyField>();
    else
        return sizeof...(Fields);
}

// One setter per field of MAdresse, each to a value off its default.
const std::vector<std::function<void(MAdresse&)>> kSetEveryField{
    [](MAdresse& a) { a.ID = 7; },
    [](MAdresse& a) { a.Selected = true; },
    [](MAdresse& a) { a.InRadius = true; },
    [](MAdresse& a) { a.Distance = 42; },
    [](MAdresse& a) { a.MapX = 100; },
    [](MAdresse& a) { a.MapY = 200; },
    [](MAdresse& a) { a.Name1 = "Sonnen & Co"; },
    [](MAdresse& a) { a.Name2 = "Frau Berg"; },
    [](MAdresse& a) { a.Name3 = "Vertrieb"; },
    [](MAdresse& a) { a.Strasse = QStringLiteral("Lindenstraße 3"); },
    [](MAdresse& a) { a.Plz = "99084"; },
    [](MAdresse& a) { a.Ort = "Erfurt"; },
    [](MAdresse& a) { a.Tel = "1"; },
    [](MAdresse& a) { a.Fax = "2"; },
    [](MAdresse& a) { a.Mobil = "3"; },
    [](MAdresse& a) { a.EMail = "a@b"; },
    [](MAdresse& a) { a.Internet = "c"; },
    [](MAdresse& a) { a.EMail2 = "d@e"; },
    [](MAdresse& a) { a.Internet2 = "f"; },
    [](MAdresse& a) { a.Bemerkung1 = "r1"; },
    [](MAdresse& a) { a.Bemerkung2 = "r2"; },
    [](MAdresse& a) { a.Bemerkung3 = "r3"; },
    [](MAdresse& a) { a.Bemerkung4 = "r4"; },
    [](MAdresse& a) { a.Logo = 5; },
    [](MAdresse& a) { a.Column3 = 6; },
    [](MAdresse& a) { a.Anschreiben = 1; },
    [](MAdresse& a) { a.Branche = 0x81; },
    [](MAdresse& a) { a.FrameId1 = 4400; },
    [](MAdresse& a) { a.Column7 = 9; },
};

// A field added to MAdresse fails this test until it has a setter above, and
// then the copy and the comparison must take it.
TEST(Adresse, CopyTakesEveryField)
{
    static_assert(FieldCount<MAdresse>() == 29, "a field was added: give it a setter in kSetEveryField");
    ASSERT_EQ(kSetEveryField.size(), FieldCount<MAdresse>());
    MAdresse source;
    for (const auto& set : kSetEveryField)
        set(source);
    // Each setter reaches a field no other one does, and the comparison sees it.
    for (std::size_t i = 0; i < kSetEveryField.size(); ++i) {
        MAdresse allButOne;
        for (std::size_t j = 0; j < kSetEveryField.size(); ++j)
            if (j != i)
                kSetEveryField[j](allButOne);
        EXPECT_NE(allButOne, source) << "setter " << i;
    }
    for (std::size_t i = 0; i < kSetEveryField.size(); ++i) {
        MAdresse one;
        kSetEveryField[i](one);
        MAdresse target = source;
        CopyAddress(one, target);
        EXPECT_EQ(target, one) << "field " << i << " or another one kept the old value";
    }
    MAdresse target;
    target.Name1 = "alt";
    CopyAddress(source, target);
    EXPECT_EQ(target, source);
    EXPECT_EQ(LogoPictureId(target), 20005);
}

TEST(Adresse, CategoryTextsInBitOrder)
{
    EXPECT_EQ(BrancheTexts(0), QString());
    EXPECT_EQ(BrancheTexts(1 | 4), QStringLiteral("Solarstrom   Modulhersteller  "));
    EXPECT_EQ(BrancheTexts(2 | 2048), QStringLiteral("Solarwärme   Software  "));
    EXPECT_EQ(BrancheText(8), QStringLiteral("Versicherung  "));
    EXPECT_EQ(BrancheText(12), QString());
    EXPECT_EQ(BrancheNumber(0), 1);
    EXPECT_EQ(BrancheNumber(11), 12);
    EXPECT_EQ(BrancheNumber(12), 0);
}

} // namespace
