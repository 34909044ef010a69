#pragma once

#include "paperhouse/PaperHouseParams.h"

#include <QImage>
#include <QPointF>
#include <QString>
#include <array>
#include <optional>
#include <vector>

class PdfWriter;

namespace tandrel::paperhouse {

// What the roof planner contributes to the paper-house document.
struct TRoofPlannerData {
    QString ModuleName, ModuleMaker, ModuleInternet;
    double ModuleWidth = 0, ModuleHeight = 0; // m
    double ModulePowerWp = 0;
    int CountActiveModules = 0;
    double PlantPowerKWp = 0;
    QImage ModulePicture;
    QImage MakerLogo;        // null without a logo
    QImage RoofWithModules;  // lower roof plane
    QImage RoofSecondSide;   // upper roof plane: modules only with two roof sides
    bool LaidAcross = false; // "quer"; ModuleWidth and ModuleHeight are as laid
    // Outlines of the obstacles on the roof plane (m from the left gable and
    // from the eaves); on the upper plane too when the modules lie on both.
    std::vector<std::vector<QPointF>> Obstacles;
    bool TwoRoofSides = false;
};

// Everything the paper-house documents draw. Page sizes in mm as the page
// format gives them (before the high-rise turns its first pages).
struct TPaperHousePdfInput {
    TPaperHouseParams params;
    double pageWidth = 297, pageHeight = 210;
    // Wall i+1's picture; null when none is shown.
    std::array<QImage, 4> wallPictures;
    std::optional<TRoofPlannerData> roofPlanner;
    QImage banner; // the sibling product's banner; may be null
    // The high-rise facade: its picture (wall 1's picture or texture tiled
    // for the high-rise proportions) and the module picture.
    QImage highRiseFacade;
    QImage highRiseModule;
};

// Standard text colour of the paper-house documents.
constexpr tandrel::platform::ColorRef kPaperHouseTextColor = 3937300;
constexpr tandrel::platform::ColorRef kFloorPlateColor = 16185078;

// Whether walls 3 and 4 need a page of their own: the four walls side by
// side with their flaps are wider than the page inside its print margins.
bool NeedsExtraWallPage(const TPaperHouseParams& p, double pageWidth);

// Whether every page's pieces fit inside the print margins at the scale of
// in.params.
bool PaperHouseFits(const TPaperHousePdfInput& in);
// The model scales offered when the house does not fit: the scale buttons'
// values and 1 : 200, 1 : 250, 1 : 300, finest first.
const std::vector<int>& StandardModelScales();
// The finest of them at which the house fits; none when none does.
std::optional<int> SuggestedScale(const TPaperHousePdfInput& in);
// The same for the high-rise, whose measures follow the scale and the page.
bool HighRiseFits(const TPaperHousePdfInput& in);
std::optional<int> SuggestedHighRiseScale(const TPaperHousePdfInput& in);

// The pixel width a roof plane's picture needs for 300 dpi on the page.
inline constexpr double kRoofPictureDpi = 300;
int RoofPictureWidth(const TPaperHouseParams& p);

// The high-rise's own measures for a page format (mm): width limited to
// 180 mm on paper, height filling the turned first page inside its margins.
struct THighRiseMeasures {
    double length = 30, width = 30, height = 0; // m
};
THighRiseMeasures HighRiseMeasures(int scale, double pageWidth);

// Draws the pages of the paper house into an open document whose page size
// is pageWidth × pageHeight; the caller ends the document.
void DrawPaperHousePages(PdfWriter& pdf, const TPaperHousePdfInput& in);

// The same for the high-rise: the caller has opened the document with the
// turned page size (pageHeight wide, pageWidth high). in.params are the
// user's measures; the high-rise works on its own copy.
void DrawHighRisePages(PdfWriter& pdf, const TPaperHousePdfInput& in);

}  // namespace tandrel::paperhouse
