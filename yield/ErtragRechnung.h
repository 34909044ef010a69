#pragma once

#include "yield/TarifTabelle.h"

#include <QLocale>
#include <QString>
#include <QStringList>
#include <optional>

// What the calculation needs of the roof planner; empty when there is none.
struct MRoofPlant {
    double PowerKWp = 0.0;
    bool EastWest = false; // modules on two roof faces
};

// The texts the result labels and the report show after a calculation.
struct MErtragTexte {
    QString SpezifischerErtrag;       // specific yield, empty for no power
    QString ErtragsminderungOstWest;  // the east-west note or empty
    QString Eigenverbrauchsanteil;    // "%d"
    QString Eigenverbrauchsmenge;     // "%2.0n"
    QString Leistung;                 // "%2.2n"
    QString ErtragProJahr;            // "%2.2n"
    QString Laufzeit;                 // "%1.0n"
    QString ErtraginLaufzeit;         // "%2.2n"
    QString Einspeisever;             // "%2.4n"
    QString EinspeiseErloesinLaufzeit; // "%2.2n"
    QStringList Bericht;              // the report, line by line
};

// The yield and revenue calculation of one system: the working values and
// the steps that change them. Knows nothing of widgets; the frame feeds it
// the selected indices and what the roof planner says.
class MErtragRechnung {
public:
    static constexpr double kLaufzeit = 20.0;
    static constexpr int kOstWestFaktor = 75;

    // Step A: the selected period (−1 or out of range: none) from the table.
    void ApplyPeriod(const MTarifTabelle& table, int index);
    // Step B: specific yield of the selected entry, reduced in east-west mode
    // when there is a roof planner.
    void DeriveSpecificYield(int index, const std::optional<MRoofPlant>& roof);
    // Step C: the share of the selected entry (30 for none).
    void SetShare(int index);
    void SetPrice(double euroPerKWh) { Strompreis = euroPerKWh; }

    // Recalculate with the roof planner's figures; empty without a roof
    // planner (nothing is calculated).
    std::optional<MErtragTexte> Recalculate(const std::optional<MRoofPlant>& roof, const QLocale& locale = QLocale());

    // The yearly revenue after the last calculation.
    double JahresErloes() const { return Jahresertrag * GemittelteVerguetung; }

    // Working values, with the start values of a new frame.
    int Jahr = 2011;
    int StartMonat = 1;
    double Einspeiseverguetung = 0.3303;
    double BonusUnter30 = 0.1665;
    double BonusUeber30 = 0.2103;
    double SpezifischerErtrag = 850.0;
    double Leistung = 0.0;
    int Anteil = 30;
    double Strompreis = 0.21;
    double Jahresertrag = 0.0;
    double Gesamtertrag = 0.0;
    double Eigenverbrauchsmenge = 0.0;
    double MittlererBonus = 0.1665;
    double EigenverbrauchsVerguetung = 0.0;
    double GemittelteVerguetung = 0.3303;
    double Gesamterloes = 0.0;

    // The texts of step A for the group caption and the rate labels.
    QString GrundlagenCaption() const;
    QString EegText(const QLocale& locale = QLocale()) const;
    QString BonusUnterText(const QLocale& locale = QLocale()) const;
    QString BonusUeberText(const QLocale& locale = QLocale()) const;

private:
    QStringList Report(const QLocale& locale) const;
};

// "Stand: %s " for the table's date.
QString StandText(const QString& date);
