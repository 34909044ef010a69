#pragma once

#include <QColor>
#include <cstdint>

namespace tandrel::platform {

// A 32-bit colour reference: red in the lowest byte, then green, then blue.
// A top byte of 0xFF names a system colour (its low byte is the index).
using ColorRef = std::uint32_t;

constexpr ColorRef rgbRef(int r, int g, int b)
{
    return ColorRef(r & 0xFF) | (ColorRef(g & 0xFF) << 8) | (ColorRef(b & 0xFF) << 16);
}

constexpr bool isSystemColor(ColorRef c) { return (c >> 24) == 0xFF; }

constexpr ColorRef kColorWhite = 0xFFFFFF;
constexpr ColorRef kColorBlack = 0x000000;
constexpr ColorRef kColorInfoBk = 0xFF000018; // tool-tip background
constexpr ColorRef kColorBtnFace = 0xFF00000F;
constexpr ColorRef kColorWindow = 0xFF000005;
constexpr ColorRef kColorWindowText = 0xFF000008;

// System colours map to the application palette.
QColor toQColor(ColorRef c);
ColorRef fromQColor(const QColor& c);

} // namespace tandrel::platform
