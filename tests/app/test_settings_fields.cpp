#include "app/SettingsFields.h"
#include "tests/support/TestEnv.h"

using tandrel::platform::ColorRef;

namespace {

struct Base {
    std::int32_t Kennung = -1;
};

struct Probe : Base {
    std::int32_t Anzahl = -1;
    double Laenge = -1;
    bool Sichtbar = false;
    QString Name = QStringLiteral("-");
    ColorRef Farbe = 0;
};

const MSettingsFields<Probe> kProbeFields{
    {QStringLiteral("Kennung"), &Probe::Kennung, 3},
    {QStringLiteral("Anzahl"), &Probe::Anzahl, 7},
    {QStringLiteral("Laenge\\"), &Probe::Laenge, 1.5},
    {QStringLiteral("Sichtbar"), &Probe::Sichtbar, true},
    {QStringLiteral("Name"), &Probe::Name, QStringLiteral("Vorgabe")},
    {QStringLiteral("Farbe"), &Probe::Farbe, 0xC0C0C0},
};

class SettingsFieldsTest : public tandrel::test::TestEnv {};

TEST_F(SettingsFieldsTest, MissingValuesReadAsTheDefaults)
{
    MKontaloRegistry store;
    Probe p;
    kProbeFields.Load(store, "Probe", p);
    EXPECT_EQ(p.Kennung, 3);
    EXPECT_EQ(p.Anzahl, 7);
    EXPECT_EQ(p.Laenge, 1.5);
    EXPECT_TRUE(p.Sichtbar);
    EXPECT_EQ(p.Name, QString()) << "a missing string in an existing section reads as empty";
    EXPECT_EQ(p.Farbe, 0xC0C0C0u);
}

TEST_F(SettingsFieldsTest, EveryTypeSurvivesTheRoundTrip)
{
    Probe written;
    written.Kennung = 42;
    written.Anzahl = -5;
    written.Laenge = 0.1;
    written.Sichtbar = false;
    written.Name = QStringLiteral("Süd\\Dach");
    written.Farbe = tandrel::platform::kColorInfoBk;
    {
        MKontaloRegistry store;
        kProbeFields.Save(store, "Probe", written);
    }
    MKontaloRegistry store;
    Probe read;
    kProbeFields.Load(store, "Probe", read);
    EXPECT_EQ(read.Kennung, 42);
    EXPECT_EQ(read.Anzahl, -5);
    EXPECT_EQ(read.Laenge, 0.1);
    EXPECT_FALSE(read.Sichtbar);
    EXPECT_EQ(read.Name, QStringLiteral("Süd\\Dach"));
    EXPECT_EQ(read.Farbe, tandrel::platform::kColorInfoBk);
}

TEST_F(SettingsFieldsTest, EachMemberTypeUsesItsOwnStoreRoutine)
{
    Probe written;
    written.Laenge = 2.5;
    written.Farbe = 0xFF000018;
    {
        MKontaloRegistry store;
        kProbeFields.Save(store, "Probe", written);
    }
    MKontaloRegistry store;
    EXPECT_EQ(store.ReadFloat("Probe", "Laenge\\", -1), 2.5);
    EXPECT_EQ(store.ReadInteger("Probe", "Laenge\\", -1), -1) << "a double is written as a float";
    EXPECT_EQ(store.ReadInteger("Probe", "Farbe", 0), int(0xFF000018)) << "a colour is written as an integer";
    EXPECT_EQ(store.ReadFloat("Probe", "Anzahl", -1), -1) << "an integer is not a float";
}

// The values go out in table order, so a failing one keeps the later ones back.
TEST_F(SettingsFieldsTest, AFailingWriteStopsTheRunAndReachesTheCaller)
{
    const MSettingsFields<Probe> fields{
        {QStringLiteral("Anzahl"), &Probe::Anzahl, 0},
        {QStringLiteral("Zeile\nZwei"), &Probe::Kennung, 0}, // no such value name
        {QStringLiteral("Name"), &Probe::Name, QString()},
    };
    Probe p;
    p.Anzahl = 9;
    p.Name = QStringLiteral("Dach");
    MKontaloRegistry store;
    EXPECT_THROW(fields.Save(store, "Probe", p), RegistryError);
    EXPECT_EQ(store.ReadInteger("Probe", "Anzahl", 0), 9);
    EXPECT_EQ(store.ReadString("Probe", "Name", "Vorgabe"), QString()) << "the value after the failure is not written";
}

} // namespace
