#include "yield/ErtragRechnung.h"

#include "text/FormatText.h"

void MErtragRechnung::ApplyPeriod(const MTarifTabelle& table, int index)
{
    Jahr = 2010;
    if (index < 0 || index >= kTarifPerioden)
        return;
    const MTarifPeriode& p = TarifPerioden()[index];
    Jahr = p.Jahr;
    StartMonat = p.StartMonat;
    Einspeiseverguetung = table.Einspeiseverguetung(index);
    BonusUnter30 = table.BonusUnter30(index);
    BonusUeber30 = table.BonusUeber30(index);
}

void MErtragRechnung::DeriveSpecificYield(int index, const std::optional<MRoofPlant>& roof)
{
    SpezifischerErtrag = index >= 0 && index < 9 ? 850.0 + 25.0 * index : 850.0;
    if (roof && roof->EastWest)
        SpezifischerErtrag = kOstWestFaktor * SpezifischerErtrag * 0.01;
}

void MErtragRechnung::SetShare(int index)
{
    Anteil = index >= 0 && index < 6 ? 10 * index : 30;
}

QString MErtragRechnung::GrundlagenCaption() const
{
    return FormatText(QStringLiteral("Berechnungsgrundlagen nach dem EEG für %d (ab %s):"), {Jahr, MonthName(StartMonat)});
}

QString MErtragRechnung::EegText(const QLocale& l) const
{
    return FormatText(QStringLiteral("Vergütung für eingespeisten Strom: %1.4f Euro/kWh"), {Einspeiseverguetung}, l);
}

QString MErtragRechnung::BonusUnterText(const QLocale& l) const
{
    return FormatText(QStringLiteral("Bonus für Eigenanteil unter 30 %%: %1.4f Euro/kWh"), {BonusUnter30}, l);
}

QString MErtragRechnung::BonusUeberText(const QLocale& l) const
{
    return FormatText(QStringLiteral("Bonus für Eigenanteil über 30 %%: %1.4f Euro/kWh"), {BonusUeber30}, l);
}

QString StandText(const QString& date)
{
    return FormatText(QStringLiteral("Stand: %s "), {date});
}

std::optional<MErtragTexte> MErtragRechnung::Recalculate(const std::optional<MRoofPlant>& roof, const QLocale& l)
{
    if (!roof)
        return std::nullopt;
    Leistung = roof->PowerKWp;
    MErtragTexte t;
    if (Leistung > 0.0001)
        t.SpezifischerErtrag = FormatText(QStringLiteral("%2.2n"), {SpezifischerErtrag}, l);
    if (roof->EastWest)
        t.ErtragsminderungOstWest =
            FormatText(QStringLiteral("Ca. %d %% Ertragsminderung bei Ost-West-Ausrichtung"), {100 - kOstWestFaktor}, l);

    Jahresertrag = SpezifischerErtrag * Leistung;
    Gesamtertrag = Jahresertrag * kLaufzeit;
    Eigenverbrauchsmenge = Anteil * Jahresertrag / 100.0;
    t.Eigenverbrauchsanteil = FormatText(QStringLiteral("%d"), {Anteil}, l);
    t.Eigenverbrauchsmenge = FormatText(QStringLiteral("%2.0n"), {Eigenverbrauchsmenge}, l);

    if (Anteil <= 30)
        MittlererBonus = BonusUnter30;
    else
        MittlererBonus = ((Anteil - 30) * BonusUeber30 + 30 * BonusUnter30) / Anteil;
    EigenverbrauchsVerguetung = MittlererBonus + Strompreis;
    GemittelteVerguetung = ((100 - Anteil) * Einspeiseverguetung + Anteil * EigenverbrauchsVerguetung) / 100.0;
    Gesamterloes = GemittelteVerguetung * Gesamtertrag;

    t.Leistung = FormatText(QStringLiteral("%2.2n"), {Leistung}, l);
    t.ErtragProJahr = FormatText(QStringLiteral("%2.2n"), {Jahresertrag}, l);
    t.Laufzeit = FormatText(QStringLiteral("%1.0n"), {kLaufzeit}, l);
    t.ErtraginLaufzeit = FormatText(QStringLiteral("%2.2n"), {Gesamtertrag}, l);
    t.Einspeisever = FormatText(QStringLiteral("%2.4n"), {GemittelteVerguetung}, l);
    t.EinspeiseErloesinLaufzeit = FormatText(QStringLiteral("%2.2n"), {Gesamterloes}, l);
    t.Bericht = Report(l);
    return t;
}

QStringList MErtragRechnung::Report(const QLocale& l) const
{
    QStringList r;
    auto add = [&](const char* format, std::initializer_list<QVariant> args = {}) {
        r << FormatText(QString::fromUtf8(format), args, l);
    };
    // The averaged remuneration is euro per kWh, not a percentage.
    const char* const averaged =
        "Für die gesamte erzeugte Solarstrommenge ergibt sich somit eine gemittelte Vergütung von: %1.4f Euro / kWh";
    auto selfConsumption = [&] {
        add("Teilweise Eigenverbrauch:");
        add("Der Eigenverbrauchsanteil beträgt: %d %%", {Anteil});
        add("Dies entspricht einer Jahresmenge von: %2.2n kWh", {Eigenverbrauchsmenge});
    };
    auto priceAndFeedIn = [&] {
        add("Zusätzlich wird für diese Menge der Strombezugspreis von %1.4f Euro / kWh eingespart.", {Strompreis});
        add("Die Eigenverbrauchsmenge wird somit mit %1.4f Euro / kWh vergütet.", {EigenverbrauchsVerguetung});
        add("Teilweise Einspeisung:");
        add("Der eingespeiste Anteil beträgt: %d %%", {100 - Anteil});
        add("Dies entspricht einer Jahresmenge von: %2.2n kWh", {Jahresertrag - Eigenverbrauchsmenge});
        add("Die eingespeiste Menge wird mit %1.4f Euro / kWh vergütet.", {Einspeiseverguetung});
    };

    add("PV-Ertragsrechnung");
    add("");
    add("Jahr der Inbetriebnahme: %d", {Jahr});
    add("Anlagenlaufzeit: %1.0f Jahre", {kLaufzeit});
    add("");
    add("Berechnung der Solarstrommenge:");
    add("Spezifischer Jahresertrag pro kWp: %2.2n kWh / kWp", {SpezifischerErtrag});
    add("");
    add("Anlagenleistung: %2.2n kWp", {Leistung});
    add("Anlagenertrag pro Jahr: %2.2n kWh", {SpezifischerErtrag * Leistung});
    add("Anlagenertrag während der Laufzeit: %2.2n kWh", {Gesamtertrag});
    add("");
    add("Berechnung der Einspeisevergütung:");
    if (Anteil == 0) {
        add("Kein Eigenverbrauch, d.h. der gesamte erzeugte Strom wird ins Netz eingespeist.");
        add("Hierfür gilt die EEG-Vergütung von: %1.4f Euro / kWh", {Einspeiseverguetung});
    } else if (Anteil <= 30) {
        selfConsumption();
        add("Für den eigenverbrauchten Strom wird ein Bonus von %1.4f Euro / kWh vergütet.", {BonusUnter30});
        add("");
        priceAndFeedIn();
        add("Mittelung Bonus:");
        add(averaged, {GemittelteVerguetung});
    } else {
        selfConsumption();
        add("Die Vergütung unterscheidet 2 Boni für Anteile unter und über 30 %% Eigenverbrauch:");
        add("Für den Anteil unter 30 %% wird ein Bonus von %1.4f Euro / kWh vergütet.", {BonusUnter30});
        add("Für den Anteil über 30 %% wird ein Bonus von %1.4f Euro / kWh vergütet.", {BonusUeber30});
        add("Der mittlere Bonus für den eigenverbrauchten Strom beträgt somit: %1.4f Euro / kWh.", {MittlererBonus});
        add("");
        priceAndFeedIn();
        add("Mittelung Einspeisevergütung:");
        add(averaged, {GemittelteVerguetung});
    }
    add("");
    add("Erlöse:");
    add("Somit ergibt sich ein jährlicher Erlös in Höhe von: %2.2n Euro", {SpezifischerErtrag * Leistung * GemittelteVerguetung});
    add("Der Gesamterlös über die Laufzeit von %1.0f Jahren beträgt:  %2.2n Euro",
        {kLaufzeit, SpezifischerErtrag * Leistung * GemittelteVerguetung * kLaufzeit});
    add("");
    return r;
}
