#include "pdf/Cp1252.h"

#include <array>
#include <cstdint>

namespace tandrel::pdf {

namespace {

// Code points of bytes 0x80..0x9F; 0 marks the five unused slots.
constexpr std::array<char16_t, 32> kHighTable = {
    0x20AC, 0, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0, 0x017D, 0,
    0, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0, 0x017E, 0x0178,
};

char encode(char32_t c)
{
    if (c < 0x20 || c == 0x7F)
        return ' ';
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return char(static_cast<unsigned char>(c));
    for (std::size_t i = 0; i < kHighTable.size(); ++i) {
        if (kHighTable[i] != 0 && kHighTable[i] == c)
            return char(static_cast<unsigned char>(0x80 + i));
    }
    return '?';
}

} // namespace

QByteArray toCp1252(const QString& text)
{
    QByteArray out;
    out.reserve(text.size());
    // One byte per code point, so a character outside the BMP gives one '?'.
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i;
        out.append(c.isSurrogate() ? '?' : encode(c.unicode()));
    }
    return out;
}

} // namespace tandrel::pdf
