#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

class PdfWriter;

// Everything the roof layout page prints; the caller gathers it from the
// roof planner.
struct MRoofLayoutInput {
    QString Date;
    QStringList Sender; // empty lines are left out
    QString ModuleName;
    int ModuleCount = 0;
    double ModuleWidth = 0, ModuleHeight = 0; // m, as laid
    double ModulePowerWp = 0;
    double PlantPowerKWp = 0;
    bool TwoSides = false;
    QImage RoofWithModules; // none when null
    QImage RoofSecondSide;  // printed only with modules on both sides
    QString MakerLine;
};

namespace rooflayout {
inline constexpr double kPageWidth = 210;
inline constexpr double kPageHeight = 297;
} // namespace rooflayout

// Draws the roof layout on the writer's current page (A4 portrait, no
// margins): one page.
void DrawRoofLayout(PdfWriter& pdf, const MRoofLayoutInput& in);
