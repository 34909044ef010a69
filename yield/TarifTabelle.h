#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <optional>

class MKontaloRegistry;

// One commissioning period of the feed-in law: year, start month and the
// built-in rates in euro per kWh.
struct MTarifPeriode {
    const char* ListText;
    int Jahr;
    int StartMonat;
    std::array<double, 3> Raten; // feed-in tariff, bonus up to 30 %, bonus above 30 %
    std::array<const char*, 3> Namen; // settings value names of the three rates
};

inline constexpr int kTarifPerioden = 4;
inline constexpr int kTarifRaten = 3 * kTarifPerioden;

// The four periods with their built-in values.
const std::array<MTarifPeriode, kTarifPerioden>& TarifPerioden();
// The built-in date of the table's state.
QString BuiltInAktualisierungsstand();

// A rate that can stand in the table: finite, not negative, at most 2 euro.
bool IsPlausibleRate(double rate);

// The live tariff table: three rates per period and the date of its state.
struct MTarifTabelle {
    std::array<std::array<double, 3>, kTarifPerioden> Raten{};
    QString Aktualisierungsstand;

    // The built-in table.
    static MTarifTabelle BuiltIn();

    double Einspeiseverguetung(int period) const { return Raten[period][0]; }
    double BonusUnter30(int period) const { return Raten[period][1]; }
    double BonusUeber30(int period) const { return Raten[period][2]; }

    // The twelve rates under their value names; the date is the caller's.
    // A stored rate that is no plausible rate reads as its built-in value.
    void LoadRates(MKontaloRegistry& store, const QString& section);
    void SaveRates(MKontaloRegistry& store, const QString& section) const;

    bool operator==(const MTarifTabelle&) const = default;
};

// A rate line read strictly: the whole line, blanks around it aside, is one
// number in the locale's notation (no thousands separators, so "0.1" under a
// decimal comma is no number) and a plausible rate.
std::optional<double> TariffRateFromLine(const QString& line);

// Whether line 4 of an update page can be a date: 1 to 64 printable
// characters without markup.
bool IsPlausibleTariffDate(const QString& line);

// Whether the lines are an update page at all: a plausible date on line 4 and
// at least one rate line that converts. Anything else (an empty reply, noise,
// an HTML page) is no table and must not replace one.
bool IsTariffReply(const QStringList& lines);

// The lines of an update page mapped onto a table (line 4 the date, lines
// 9-11, 14-16, 19-21, 24-26 the rates). A rate line that is no plausible
// number takes the built-in value; the date is cut to 64 characters after
// control characters are removed; a missing line reads as empty.
MTarifTabelle TarifTabelleAusZeilen(const QStringList& lines);
