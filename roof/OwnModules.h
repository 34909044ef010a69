#pragma once

#include "roof/RoofCatalogue.h"

#include <QImage>
#include <QString>
#include <vector>

class MKontaloRegistry;

namespace tandrel::roof {

inline constexpr int kOwnModuleMax = 20;
inline constexpr int kOwnModuleNameMax = 80;
// The checked ranges of an own module.
inline constexpr double kOwnModuleSideMin = 0.3, kOwnModuleSideMax = 3;    // m
inline constexpr double kOwnModulePowerMin = 10, kOwnModulePowerMax = 1000; // Wp
inline constexpr double kOwnModuleGapMax = 0.5;                          // m

// An own module as the user typed it.
struct TOwnModuleTexts {
    QString Name, Maker, Width, Height, Power, Gap;
};

// Reads the typed values into module (name, maker, sizes, power, gap; the
// colour stays). Empty when all are right, else the German message for the
// first wrong one; module is then unchanged.
QString CheckOwnModule(const TOwnModuleTexts& texts, TRoofModule& module);
// Whether a stored own module lies within the checked ranges.
bool OwnModuleValid(const TRoofModule& module);

// The own modules stored in section; unreadable or out-of-range entries are
// dropped, at most kOwnModuleMax.
std::vector<TRoofModule> LoadOwnModules(MKontaloRegistry& store, const QString& section);
void SaveOwnModules(MKontaloRegistry& store, const QString& section, const std::vector<TRoofModule>& modules);

// The picture of an own module upright: its face colour with cells and a frame.
QImage OwnModulePicture(const TRoofModule& module);

} // namespace tandrel::roof
