#pragma once

#include <QSize>
#include <QString>

class MGruppeRep;
class MStructur;

namespace tandrel::roof {

inline constexpr int kCoveringCount = 9;
inline constexpr int kModuleCount = 3;
// Distance of the usable area from the roof's edges, metres.
inline constexpr double kEdgeDistance = 0.2;
// The rendered roof picture is at most this many pixels high.
inline constexpr int kMaxPrintSide = 16384;

// A roof covering: caption, tile picture and tile geometry in metres.
struct TRoofCovering {
    QString Name;
    QString Picture; // picture name; empty for none
    double TileWidth = 0.33, TileHeight = 0.42, TileOverlapX = 0.03, TileOverlapY = 0.021;
};

// A PV module as the roof planner uses it.
struct TRoofModule {
    QString Name, Maker, Internet;
    double Width = 1.0, Height = 1.667; // m
    double PowerWp = 200;
    int MakerLogoKey = -1; // picture key of the maker's logo minus 20000; -1 for none
    QString Picture;       // picture name
    double Gap = 0.03;     // between rows and between columns, m
};

// The catalogue's covering at index. Outside the list "Ziegel" with the
// Frankfurter Pfanne's tiles, keeping the picture; false then.
bool SelectCovering(int index, TRoofCovering& covering);
// The catalogue's module at index. Outside the list the test module,
// keeping the maker's logo, the picture and the gap (and the maker's
// address, which is the caller's to set); false then.
bool SelectModule(int index, TRoofModule& module);

// A list index as the list holds it: -1 when outside.
int ListIndex(int index, int count);

// Whole modules of w × h metres with the gaps in rows and columns on the
// usable area of a roof eaves × gable metres; never negative.
struct TRasterCounts {
    int rows = 0, cols = 0;
};
TRasterCounts RasterCounts(double eaves, double gable, double w, double h, double colGap, double rowGap);

// The group's modules inside the usable area and not blocked, doubled for
// two roof sides; none when the group is no longer in the structure.
int CountActiveModules(const MStructur& structure, const MGruppeRep* group, bool twoSides);
double PlantPowerKWp(int activeModules, double modulePowerWp);

// Pixels per metre of the module preview for a module of w × h metres.
double PreviewFactor(double w, double h);

// The picture of a roof shown w × h device pixels big: width pixels wide,
// at most maxWidth when that is given, at most kMaxPrintSide high, in the
// roof's proportions, plus one pixel each way. Empty for a roof without area.
QSize RoofPictureSize(int w, int h, int width, int maxWidth);

} // namespace tandrel::roof
