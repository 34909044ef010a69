#pragma once

#include <cmath>
#include <cstdint>
#include <limits>

// Rounds to the nearest integer, halves to the even neighbour (the
// processor's default rounding), independent of the floating-point
// environment. NaN gives 0 and values beyond the int32 range saturate, so
// broken geometry never turns into undefined behaviour.
inline std::int32_t RoundToInt(double v)
{
    if (std::isnan(v))
        return 0;
    if (v >= 2147483647.0)
        return std::numeric_limits<std::int32_t>::max();
    if (v <= -2147483648.0)
        return std::numeric_limits<std::int32_t>::min();
    double r = std::round(v); // halves away from zero
    if (std::fabs(v - std::trunc(v)) == 0.5 && std::fmod(r, 2.0) != 0.0)
        r -= (v > 0 ? 1.0 : -1.0);
    return static_cast<std::int32_t>(r);
}

// a + b without overflow, saturating at the int32 range.
inline std::int32_t SaturatedAdd(std::int32_t a, std::int32_t b)
{
    const std::int64_t s = std::int64_t(a) + std::int64_t(b);
    if (s > std::numeric_limits<std::int32_t>::max())
        return std::numeric_limits<std::int32_t>::max();
    if (s < std::numeric_limits<std::int32_t>::min())
        return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(s);
}

// a - b without overflow, saturating at the int32 range.
inline std::int32_t SaturatedSub(std::int32_t a, std::int32_t b)
{
    const std::int64_t s = std::int64_t(a) - std::int64_t(b);
    if (s > std::numeric_limits<std::int32_t>::max())
        return std::numeric_limits<std::int32_t>::max();
    if (s < std::numeric_limits<std::int32_t>::min())
        return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(s);
}
