#pragma once

#include "app/SettingsFields.h"
#include "platform/ColorRef.h"
#include "roof/RoofCatalogue.h"

#include <cstdint>

namespace tandrel::roof {

inline constexpr tandrel::platform::ColorRef kDefaultBackground = 13169149;
// The range of "Abstand nach … Modulen".
inline constexpr int kColCountPeriodeMax = 1000;

// The roof planner's own state. The two-sides flag is not here: its check
// box is its store.
struct TRoofPlannerModel {
    std::int32_t CoveringIndex = 0; // -1 outside the list
    TRoofCovering Covering;
    std::int32_t ModuleIndex = 0; // -1 outside the list
    TRoofModule Module;
    std::int32_t ColCountPeriode = 12;
    std::int32_t ZoomPercent = 108;
    // The rendered roof picture is this many times finer than its control.
    std::int32_t PrintResolution = 10;
    tandrel::platform::ColorRef Background = kDefaultBackground;
};

// The stored values of the roof planner's section.
const MSettingsFields<TRoofPlannerModel>& RoofPlannerFields();

// Reads the section into model and holds the values to what the controls
// can show: indices outside the lists become -1, the period its range.
void LoadRoofPlannerModel(MKontaloRegistry& store, const QString& section, TRoofPlannerModel& model);

} // namespace tandrel::roof
