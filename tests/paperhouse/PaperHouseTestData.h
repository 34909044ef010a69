#pragma once

#include "paperhouse/PaperHousePdf.h"

#include <QColor>
#include <QImage>

namespace tandrel::test {

inline QImage Solid(int w, int h, QColor c)
{
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(c);
    return img;
}

// What a roof planner with the black module and 20 modules on one side gives.
inline paperhouse::TRoofPlannerData RoofPlanner()
{
    paperhouse::TRoofPlannerData r;
    r.ModuleName = QStringLiteral("SI M260 black");
    r.ModuleMaker = QStringLiteral("Solar Industries AG");
    r.ModuleInternet = QStringLiteral("www.solarindustries-module.de");
    r.ModuleWidth = 1.0;
    r.ModuleHeight = 1.667;
    r.ModulePowerWp = 260;
    r.CountActiveModules = 20;
    r.PlantPowerKWp = 5.2;
    r.ModulePicture = Solid(100, 170, QColor(20, 24, 40));
    r.MakerLogo = Solid(200, 80, QColor(0, 90, 160));
    r.RoofWithModules = Solid(300, 130, QColor(0, 0, 255));
    r.RoofSecondSide = Solid(300, 130, QColor(255, 0, 0));
    return r;
}

// A stored colour (0x00BBGGRR) as a QColor.
inline QColor Colour(platform::ColorRef c)
{
    return QColor(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF));
}

} // namespace tandrel::test
