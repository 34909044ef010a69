#include "addresses/Adresse.h"

#include <gtest/gtest.h>

namespace {

TEST(Adresse, StartsEmpty)
{
    const MAdresse a;
    EXPECT_EQ(a.ID, 0);
    EXPECT_FALSE(a.Selected);
    EXPECT_TRUE(a.Name1.isEmpty());
    EXPECT_TRUE(a.Bemerkung4.isEmpty());
    EXPECT_EQ(a.Branche, 0);
    EXPECT_EQ(LogoPictureId(a), 0);
}

TEST(Adresse, CopyTakesEveryField)
{
    MAdresse source;
    source.ID = 7; source.Selected = true; source.InRadius = true; source.Distance = 42;
    source.MapX = 100; source.MapY = 200;
    source.Name1 = "Sonnen & Co"; source.Name2 = "Frau Berg"; source.Name3 = "Vertrieb";
    source.Strasse = QStringLiteral("Lindenstraße 3"); source.Plz = "99084"; source.Ort = "Erfurt";
    source.Tel = "1"; source.Fax = "2"; source.Mobil = "3"; source.EMail = "a@b"; source.Internet = "c";
    source.EMail2 = "d@e"; source.Internet2 = "f";
    source.Bemerkung1 = "r1"; source.Bemerkung2 = "r2"; source.Bemerkung3 = "r3"; source.Bemerkung4 = "r4";
    source.Logo = 5; source.Column3 = 6; source.Anschreiben = 1; source.Branche = 0x81;
    source.FrameId1 = 4400; source.Column7 = 9;
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
