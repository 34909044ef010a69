#pragma once

#include "platform/ColorRef.h"

#include <QString>
#include <array>
#include <cstdint>

class MKontaloRegistry;

namespace tandrel::paperhouse {

using tandrel::platform::ColorRef;

// Settings key of every paper-house value.
inline const QString kPaperHouseSection = QStringLiteral("PapierHaus");

// The paper-house model: house measures in metres, element measures in
// centimetres, flap size in paper millimetres, angles in degrees. Member
// names are the stored value names.
struct TPaperHouseParams {
    QString Seitenformattyp = QStringLiteral("europäisch");
    std::int32_t Seitenformat = 1;
    bool Seitenausrichtung = false; // true = portrait

    double Hauslaenge = 10;
    double Hausbreite = 7.2;
    double Haushoehe = 5.8;
    double DachUeberstandX = 0.6;
    double DachUeberstandY = 0.6;
    std::int32_t DachNeigung = 30;
    std::int32_t LaschenWinkel = 45;
    std::int32_t LaschenGroesse = 8;
    std::int32_t Schenkelanteil = 50;
    std::int32_t Massstab = 125;
    std::int32_t Kippwinkel = 20;
    std::int32_t Blickwinkel = 165;
    std::int32_t Size = 52;

    ColorRef ColorHauswand = 11793399;
    ColorRef ColorGiebel = 8445676;
    ColorRef ColorDach = 33023;
    ColorRef ColorSolar = 16711680;
    ColorRef ColorUmgebung = 12566463;
    ColorRef ColorHintergrund = 15459275;
    ColorRef ColorLaschen = 14540253;
    ColorRef ColorFenster = 16118223;
    ColorRef ColorFensterRahmen = 6052956;
    ColorRef ColorHausTuer = 13562609;
    ColorRef ColorHaussockel = 8496868;

    double SockelHoehe = 80;
    double TuerenBreite = 88;
    double TuerenHoehe = 210;
    double TuerenAbstand = 200; // stored only
    double TuerenRahmen = 6;
    double FensterUnten = 110;
    double FensterBreite = 120;
    double FensterHoehe = 120;
    double FensterAbstand = 160;
    double FensterRahmen = 8;
    double Etagenhoehe = 280;

    // Walls 1 … 4 at index 0 … 3.
    std::array<std::int32_t, 4> TuerAnzahl{0, 1, 0, 0};
    std::array<std::int32_t, 4> TuerPosition{50, 50, 50, 50};
    std::array<QString, 4> GrafikDateiname;
    std::array<bool, 4> GrafikAnzeigen{false, false, false, false};
    std::array<bool, 4> ElementeAnzeigen{true, true, true, true};
    std::array<QString, 6> FotoDateiname;
    std::int32_t Wandstruktur = 0;

    // Slope length of one roof plane with the eaves overhang (m).
    double RoofGableSideLength() const;
    // Length of the roof along the ridge (m).
    double RoofEavesSideLength() const;
    // Height of the ridge above the eaves (m).
    double RidgeHeight() const;
};

// Paper millimetres per real metre for a scale position; 10 for a position of 0 or less.
double MillimetresPerMetre(int scalePosition);

// Holds every measure to its plausible range; one that is no finite
// number takes its default.
void HoldToPlausibleRanges(TPaperHouseParams& p);
// Reads every value (missing ones give the defaults, all held to their
// ranges); writes every value but Seitenformattyp, which no control sets.
void LoadPaperHouseParams(MKontaloRegistry& store, TPaperHouseParams& params);
void SavePaperHouseParams(MKontaloRegistry& store, const TPaperHouseParams& params);

}  // namespace tandrel::paperhouse
