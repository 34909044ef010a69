#pragma once

#include <QString>

#include <cstdint>

// One postal and contact address: an address-book entry, a directory company,
// or the sender or recipient of a letter.
struct MAdresse {
    std::int32_t ID = 0;
    bool Selected = false;
    bool InRadius = false;
    std::int32_t Distance = 0;
    std::int32_t MapX = 0;
    std::int32_t MapY = 0;
    QString Name1;
    QString Name2;
    QString Name3;
    QString Strasse;
    QString Plz;
    QString Ort;
    QString Tel;
    QString Fax;
    QString Mobil;
    QString EMail;
    QString Internet;
    QString EMail2;
    QString Internet2;
    QString Bemerkung1;
    QString Bemerkung2;
    QString Bemerkung3;
    QString Bemerkung4;
    std::int32_t Logo = 0;
    std::int32_t Column3 = 0;
    std::int32_t Anschreiben = 0;
    std::int32_t Branche = 0;
    std::int32_t FrameId1 = 0;
    std::int32_t Column7 = 0;

    bool operator==(const MAdresse&) const = default;
};

// Copies every field of source into target.
void CopyAddress(const MAdresse& source, MAdresse& target);

// Business categories: one bit of MAdresse::Branche each.
inline constexpr int kBrancheBitCount = 12;
// The text the details dialog shows for a bit, trailing blanks included;
// empty outside the table.
QString BrancheText(int bit);
// The number the directory grid shows for a bit (bit + 1); 0 outside the table.
int BrancheNumber(int bit);
// The texts of all set bits in bit order, concatenated.
QString BrancheTexts(std::int32_t branche);

// Company logos are catalogue pictures from this ID on.
inline constexpr int kLogoPictureBase = 20000;
// The catalogue picture of the entry's logo; 0 when it has none.
int LogoPictureId(const MAdresse& address);
