#include "text/FormatText.h"
#include "tests/support/TestEnv.h"
#include "tests/yield/GermanLocale.h"
#include "yield/ErtragRechnung.h"

#include <optional>

namespace {

struct Case {
    const char* name;
    int period, yieldIndex, shareIndex;
    std::optional<MRoofPlant> roof;
    // Expected, computed by hand from the formulas.
    int jahr;
    double spezifisch;
    int anteil;
    double mittlererBonus, gemittelt, jahresertrag, gesamterloes;
    const char* spezText;
};

std::ostream& operator<<(std::ostream& os, const Case& c) { return os << c.name; }

MErtragRechnung Calculate(const Case& c, std::optional<MErtragTexte>* texts = nullptr)
{
    MErtragRechnung r;
    r.SetPrice(0.20);
    r.ApplyPeriod(MTarifTabelle::BuiltIn(), c.period);
    r.DeriveSpecificYield(c.yieldIndex, c.roof);
    r.SetShare(c.shareIndex);
    auto t = r.Recalculate(c.roof);
    if (texts)
        *texts = t;
    return r;
}

class RecalculateTable : public ::testing::TestWithParam<Case> {
protected:
    GermanLocale german;
};

TEST_P(RecalculateTable, WorkingValuesAndSpecificYieldText)
{
    const Case& c = GetParam();
    std::optional<MErtragTexte> t;
    const MErtragRechnung r = Calculate(c, &t);
    ASSERT_TRUE(t.has_value());
    EXPECT_EQ(r.Jahr, c.jahr);
    EXPECT_NEAR(r.SpezifischerErtrag, c.spezifisch, 1e-9);
    EXPECT_EQ(r.Anteil, c.anteil);
    EXPECT_NEAR(r.MittlererBonus, c.mittlererBonus, 1e-12);
    EXPECT_NEAR(r.GemittelteVerguetung, c.gemittelt, 1e-12);
    EXPECT_NEAR(r.Jahresertrag, c.jahresertrag, 1e-9);
    EXPECT_NEAR(r.Gesamtertrag, c.jahresertrag * 20, 1e-8);
    EXPECT_NEAR(r.Gesamterloes, c.gesamterloes, 1e-6);
    EXPECT_EQ(t->SpezifischerErtrag, QString::fromUtf8(c.spezText));
}

const MRoofPlant kTen{10.0, false};

INSTANTIATE_TEST_SUITE_P(
    Yield, RecalculateTable,
    ::testing::Values(
        // 70 × 0.2615 + 30 × (0.0977 + 0.20) = 27.236 ct; × 185,000 kWh
        Case{"p2012_share30_10kwp", 3, 3, 3, kTen, 2012, 925, 30, 0.0977, 0.27236, 9250, 50386.6, "925,00"},
        Case{"p2010_share0", 0, 3, 0, kTen, 2010, 925, 0, 0.1665, 0.3303, 9250, 61105.5, "925,00"},
        // 90 × 0.2874 + 10 × 0.3236 = 29.102 ct; 5 kWp × 950 = 4,750 kWh
        Case{"p2011_1_share10", 1, 4, 1, MRoofPlant{5.0, false}, 2011, 950, 10, 0.1236, 0.29102, 4750, 27646.9, "950,00"},
        // mean bonus (10 × 0.1674 + 30 × 0.1236) / 40 = 0.13455
        Case{"p2011_2_share40", 2, 3, 4, kTen, 2011, 925, 40, 0.13455, 0.30626, 9250, 56658.1, "925,00"},
        // mean bonus (20 × 0.1415 + 30 × 0.0977) / 50 = 0.11522
        Case{"p2012_share50", 3, 3, 5, kTen, 2012, 925, 50, 0.11522, 0.28836, 9250, 53346.6, "925,00"},
        Case{"east_west_on", 3, 3, 3, MRoofPlant{20.0, true}, 2012, 693.75, 30, 0.0977, 0.27236, 13875, 75579.9, "693,75"},
        Case{"east_west_off_1050", 3, 8, 3, kTen, 2012, 1050, 30, 0.0977, 0.27236, 10500, 57195.6, "1.050,00"},
        Case{"power_zero", 3, 3, 3, MRoofPlant{0.0, false}, 2012, 925, 30, 0.0977, 0.27236, 0, 0, ""},
        Case{"power_0_0001", 3, 3, 3, MRoofPlant{0.0001, false}, 2012, 925, 30, 0.0977, 0.27236, 0.0925, 0.503866, ""},
        Case{"power_just_above_limit", 3, 3, 3, MRoofPlant{0.0002, false}, 2012, 925, 30, 0.0977, 0.27236, 0.185, 1.007732, "925,00"},
        // No selection anywhere: year 2010 with the start rates, 850 kWh/kWp, 30 %.
        Case{"indices_out_of_range", 7, 12, 9, kTen, 2010, 850, 30, 0.1665, 0.34116, 8500, 57997.2, "850,00"},
        Case{"indices_negative", -1, -1, -1, kTen, 2010, 850, 30, 0.1665, 0.34116, 8500, 57997.2, "850,00"}),
    [](const ::testing::TestParamInfo<Case>& info) { return std::string(info.param.name); });

TEST(Recalculate, WithoutRoofPlannerNothingIsCalculated)
{
    MErtragRechnung r;
    r.ApplyPeriod(MTarifTabelle::BuiltIn(), 3);
    r.DeriveSpecificYield(3, std::nullopt);
    r.SetShare(4);
    EXPECT_FALSE(r.Recalculate(std::nullopt).has_value());
    // The east-west factor needs the roof planner, so none is applied.
    EXPECT_DOUBLE_EQ(r.SpezifischerErtrag, 925);
    EXPECT_DOUBLE_EQ(r.Jahresertrag, 0);
    EXPECT_DOUBLE_EQ(r.GemittelteVerguetung, 0.3303);
    EXPECT_DOUBLE_EQ(r.MittlererBonus, 0.1665);
}

TEST(Recalculate, NoSelectedPeriodKeepsTheRatesAndStartMonth)
{
    GermanLocale german;
    MErtragRechnung r;
    r.ApplyPeriod(MTarifTabelle::BuiltIn(), 3);
    r.ApplyPeriod(MTarifTabelle::BuiltIn(), -1);
    EXPECT_EQ(r.Jahr, 2010);
    EXPECT_EQ(r.StartMonat, 1);
    EXPECT_DOUBLE_EQ(r.Einspeiseverguetung, 0.2615);
    EXPECT_EQ(r.GrundlagenCaption(), QStringLiteral("Berechnungsgrundlagen nach dem EEG für 2010 (ab Januar):"));
}

struct PeriodCaption {
    const char* name;
    int index;
    const char* caption;
    const char* eeg;
};

class PeriodCaptions : public ::testing::TestWithParam<PeriodCaption> {
protected:
    GermanLocale german;
};

TEST_P(PeriodCaptions, CaptionAndRateLabels)
{
    MErtragRechnung r;
    r.ApplyPeriod(MTarifTabelle::BuiltIn(), GetParam().index);
    EXPECT_EQ(r.GrundlagenCaption(), QString::fromUtf8(GetParam().caption));
    EXPECT_EQ(r.EegText(), QString::fromUtf8(GetParam().eeg));
}

INSTANTIATE_TEST_SUITE_P(
    Yield, PeriodCaptions,
    ::testing::Values(
        PeriodCaption{"p2010", 0, "Berechnungsgrundlagen nach dem EEG für 2010 (ab Oktober):", "Vergütung für eingespeisten Strom: 0,3303 Euro/kWh"},
        PeriodCaption{"p2011_1", 1, "Berechnungsgrundlagen nach dem EEG für 2011 (ab Januar):", "Vergütung für eingespeisten Strom: 0,2874 Euro/kWh"},
        PeriodCaption{"p2011_2", 2, "Berechnungsgrundlagen nach dem EEG für 2011 (ab Juli):", "Vergütung für eingespeisten Strom: 0,2874 Euro/kWh"},
        PeriodCaption{"p2012", 3, "Berechnungsgrundlagen nach dem EEG für 2012 (ab Januar):", "Vergütung für eingespeisten Strom: 0,2615 Euro/kWh"}),
    [](const ::testing::TestParamInfo<PeriodCaption>& info) { return std::string(info.param.name); });

TEST(Recalculate, ResultLabelsInGermanFormat)
{
    GermanLocale german;
    std::optional<MErtragTexte> t;
    Calculate(Case{"", 3, 3, 3, kTen, 0, 0, 0, 0, 0, 0, 0, ""}, &t);
    ASSERT_TRUE(t);
    EXPECT_EQ(t->Leistung, "10,00");
    EXPECT_EQ(t->ErtragProJahr, "9.250,00");
    EXPECT_EQ(t->Laufzeit, "20");
    EXPECT_EQ(t->ErtraginLaufzeit, "185.000,00");
    EXPECT_EQ(t->Einspeisever, "0,2724");
    EXPECT_EQ(t->EinspeiseErloesinLaufzeit, "50.386,60");
    EXPECT_EQ(t->Eigenverbrauchsanteil, "30");
    EXPECT_EQ(t->Eigenverbrauchsmenge, "2.775");
    EXPECT_EQ(t->ErtragsminderungOstWest, "");

    Calculate(Case{"", 3, 3, 3, MRoofPlant{0.0, true}, 0, 0, 0, 0, 0, 0, 0, ""}, &t);
    EXPECT_EQ(t->ErtragsminderungOstWest, "Ca. 25 % Ertragsminderung bei Ost-West-Ausrichtung");
    // "%2.0n" pads to two places.
    EXPECT_EQ(t->Eigenverbrauchsmenge, " 0");
}

TEST(Recalculate, EnglishLocaleUsesItsSeparators)
{
    QLocale previous;
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    std::optional<MErtragTexte> t;
    Calculate(Case{"", 3, 3, 3, kTen, 0, 0, 0, 0, 0, 0, 0, ""}, &t);
    QLocale::setDefault(previous);
    ASSERT_TRUE(t);
    EXPECT_EQ(t->ErtragProJahr, "9,250.00");
    EXPECT_EQ(t->EinspeiseErloesinLaufzeit, "50,386.60");
}

QStringList Head(const char* power, const char* perYear, const char* lifetime, const char* year = "2012")
{
    return {"PV-Ertragsrechnung", "", QStringLiteral("Jahr der Inbetriebnahme: %1").arg(year), "Anlagenlaufzeit: 20 Jahre", "",
            "Berechnung der Solarstrommenge:", "Spezifischer Jahresertrag pro kWp: 925,00 kWh / kWp", "",
            QStringLiteral("Anlagenleistung: %1 kWp").arg(power), QStringLiteral("Anlagenertrag pro Jahr: %1 kWh").arg(perYear),
            QString::fromUtf8("Anlagenertrag während der Laufzeit: %1 kWh").arg(lifetime), "",
            QString::fromUtf8("Berechnung der Einspeisevergütung:")};
}

QStringList Tail(const char* yearly, const char* total)
{
    return {"", QString::fromUtf8("Erlöse:"), QString::fromUtf8("Somit ergibt sich ein jährlicher Erlös in Höhe von: %1 Euro").arg(yearly),
            QString::fromUtf8("Der Gesamterlös über die Laufzeit von 20 Jahren beträgt:  %1 Euro").arg(total), ""};
}

QStringList U(std::initializer_list<const char*> lines)
{
    QStringList l;
    for (const char* s : lines)
        l << QString::fromUtf8(s);
    return l;
}

TEST(Report, ShareZero)
{
    GermanLocale german;
    std::optional<MErtragTexte> t;
    Calculate(Case{"", 0, 3, 0, MRoofPlant{8.0, false}, 0, 0, 0, 0, 0, 0, 0, ""}, &t);
    ASSERT_TRUE(t);
    const QStringList expected = Head("8,00", "7.400,00", "148.000,00", "2010") +
                                 U({"Kein Eigenverbrauch, d.h. der gesamte erzeugte Strom wird ins Netz eingespeist.",
                                    "Hierfür gilt die EEG-Vergütung von: 0,3303 Euro / kWh"}) +
                                 Tail("2.444,22", "48.884,40");
    EXPECT_EQ(t->Bericht, expected);
}

TEST(Report, ShareThirtyUsesTheLowerBonusOnly)
{
    GermanLocale german;
    std::optional<MErtragTexte> t;
    Calculate(Case{"", 3, 3, 3, kTen, 0, 0, 0, 0, 0, 0, 0, ""}, &t);
    ASSERT_TRUE(t);
    const QStringList expected =
        Head("10,00", "9.250,00", "185.000,00") +
        U({"Teilweise Eigenverbrauch:", "Der Eigenverbrauchsanteil beträgt: 30 %", "Dies entspricht einer Jahresmenge von: 2.775,00 kWh",
           "Für den eigenverbrauchten Strom wird ein Bonus von 0,0977 Euro / kWh vergütet.", "",
           "Zusätzlich wird für diese Menge der Strombezugspreis von 0,2000 Euro / kWh eingespart.",
           "Die Eigenverbrauchsmenge wird somit mit 0,2977 Euro / kWh vergütet.", "Teilweise Einspeisung:",
           "Der eingespeiste Anteil beträgt: 70 %", "Dies entspricht einer Jahresmenge von: 6.475,00 kWh",
           "Die eingespeiste Menge wird mit 0,2615 Euro / kWh vergütet.", "Mittelung Bonus:",
           "Für die gesamte erzeugte Solarstrommenge ergibt sich somit eine gemittelte Vergütung von: 0,2724 Euro / kWh"}) +
        Tail("2.519,33", "50.386,60");
    EXPECT_EQ(t->Bericht, expected);
}

TEST(Report, ShareFortyExplainsBothBonuses)
{
    GermanLocale german;
    std::optional<MErtragTexte> t;
    Calculate(Case{"", 3, 3, 4, kTen, 0, 0, 0, 0, 0, 0, 0, ""}, &t);
    ASSERT_TRUE(t);
    // mean bonus (10 × 0.1415 + 30 × 0.0977) / 40 = 0.10865, which as a double lies just below the
    // half and shows as 0,1086; 60 × 0.2615 + 40 × 0.30865 = 28.036 ct
    const QStringList expected =
        Head("10,00", "9.250,00", "185.000,00") +
        U({"Teilweise Eigenverbrauch:", "Der Eigenverbrauchsanteil beträgt: 40 %", "Dies entspricht einer Jahresmenge von: 3.700,00 kWh",
           "Die Vergütung unterscheidet 2 Boni für Anteile unter und über 30 % Eigenverbrauch:",
           "Für den Anteil unter 30 % wird ein Bonus von 0,0977 Euro / kWh vergütet.",
           "Für den Anteil über 30 % wird ein Bonus von 0,1415 Euro / kWh vergütet.",
           "Der mittlere Bonus für den eigenverbrauchten Strom beträgt somit: 0,1086 Euro / kWh.", "",
           "Zusätzlich wird für diese Menge der Strombezugspreis von 0,2000 Euro / kWh eingespart.",
           "Die Eigenverbrauchsmenge wird somit mit 0,3086 Euro / kWh vergütet.", "Teilweise Einspeisung:",
           "Der eingespeiste Anteil beträgt: 60 %", "Dies entspricht einer Jahresmenge von: 5.550,00 kWh",
           "Die eingespeiste Menge wird mit 0,2615 Euro / kWh vergütet.", "Mittelung Einspeisevergütung:",
           "Für die gesamte erzeugte Solarstrommenge ergibt sich somit eine gemittelte Vergütung von: 0,2804 Euro / kWh"}) +
        Tail("2.593,33", "51.866,60");
    EXPECT_EQ(t->Bericht, expected);
}

TEST(FormatText, Conversions)
{
    GermanLocale german;
    EXPECT_EQ(FormatText("%d %% %s", {7, QStringLiteral("x")}), "7 % x");
    EXPECT_EQ(FormatText("%1.4f", {1234.56789}), "1234,5679");
    EXPECT_EQ(FormatText("%2.2n", {1234567.891}), "1.234.567,89");
    EXPECT_EQ(FormatText("%2.0n", {5.0}), " 5");
    EXPECT_EQ(FormatText("%1.0n", {20.0}), "20");
    EXPECT_EQ(FormatText("%s|%d", {}), "|");
    EXPECT_EQ(FormatText("50 %%", {}), "50 %");
}

} // namespace
