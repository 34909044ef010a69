#include "addresses/Adresse.h"

#include <array>

namespace {

constexpr std::array<const char*, kBrancheBitCount> kBrancheTexts = {
    "Solarstrom   ",
    "Solarwärme   ",
    "Modulhersteller  ",
    "Wechselrichterhersteller  ",
    "Installation  ",
    "Planung  ",
    "Finanzierung  ",
    "Versicherung  ",
    "Versicherung  ",
    "Schulung  ",
    "Software  ",
    "Software  ",
};

} // namespace

void CopyAddress(const MAdresse& source, MAdresse& target)
{
    target = source;
}

QString BrancheText(int bit)
{
    if (bit < 0 || bit >= kBrancheBitCount)
        return {};
    return QString::fromUtf8(kBrancheTexts[static_cast<std::size_t>(bit)]);
}

int BrancheNumber(int bit)
{
    return bit >= 0 && bit < kBrancheBitCount ? bit + 1 : 0;
}

QString BrancheTexts(std::int32_t branche)
{
    QString text;
    for (int bit = 0; bit < kBrancheBitCount; ++bit) {
        if (branche & (std::int32_t{1} << bit))
            text += BrancheText(bit);
    }
    return text;
}

int LogoPictureId(const MAdresse& address)
{
    return address.Logo > 0 ? kLogoPictureBase + address.Logo : 0;
}
