#pragma once

#include "addresses/Adresse.h"

#include <QPoint>
#include <functional>
#include <optional>
#include <vector>

// Map position of a postcode; none for an unknown one.
using PostcodePositionFn = std::function<std::optional<QPoint>(int plz)>;

// Closer than this many map pixels counts as near (about 120 km).
inline constexpr int kNearbyMapPixels = 90;

// The entries whose postcode lies near the given postcode on the map, in
// their given order. Entries whose postcode is no number or unknown are
// skipped. None at all (not even an empty list) for a home postcode that is
// no number, 0 or unknown.
std::optional<std::vector<const MAdresse*>> NearbyAddresses(const QString& homePlz, const std::vector<MAdresse>& entries,
                                                            const PostcodePositionFn& position);
