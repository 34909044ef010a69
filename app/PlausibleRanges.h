#pragma once

#include <algorithm>
#include <cmath>

// The values a typed or stored measure is held to. A value outside an
// up-down's range but inside these is kept: farm buildings are longer than
// the up-down reaches.
struct MPlausibleRange {
    double Min;
    double Max;

    // The value held to the range; a value that is no finite number gives
    // `fallback` (itself held to the range).
    double Hold(double value, double fallback) const
    {
        if (!std::isfinite(value))
            value = fallback;
        return std::clamp(value, Min, Max);
    }
};

namespace plausible {

// Paper house, in metres.
inline constexpr MPlausibleRange kHouseLength{2, 100};
inline constexpr MPlausibleRange kHouseWidth{2, 100};
inline constexpr MPlausibleRange kWallHeight{2, 50};
inline constexpr MPlausibleRange kOverhang{0, 8};
// Roof pitch in degrees.
inline constexpr MPlausibleRange kPitch{0, 60};
// Element measures in centimetres, up to their up-down's maximum.
inline constexpr MPlausibleRange kElementTall{0, 1200};
inline constexpr MPlausibleRange kElementShort{0, 400};
// Flap angle in degrees and flap size in paper millimetres.
inline constexpr MPlausibleRange kFlap{0, 90};
// Saved electricity price in cents per kWh.
inline constexpr MPlausibleRange kPriceCents{1, 100};
// Search radius of the map in kilometres.
inline constexpr MPlausibleRange kRadiusKm{40, 420};

} // namespace plausible
