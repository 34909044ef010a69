#pragma once

#include <QImage>
#include <QPointF>
#include <QString>
#include <QtPlugin>
#include <vector>

// The module a roof planner plans with, as other frames print it.
struct TRoofModuleData {
    QString Name, Maker, Internet;
    double Width = 0, Height = 0; // m, as laid on the roof
    bool LaidAcross = false;      // "quer": the module's own width is Height here
    double PowerWp = 0;
    int MakerLogoKey = -1; // picture key minus 20000; -1 for none
    QImage Picture; // as laid
};

// The two roof planes' pictures: the lower with the modules, the upper with
// them only when they lie on both roof sides (then the same picture).
struct TRoofPictures {
    QImage RoofWithModules;
    QImage RoofSecondSide;
};

// What an obstacle on the roof is; Other for one whose name is no tool's.
enum class TRoofObstacleKind { Chimney, RoofWindow, Dormer, Vent, FreeArea, Other };

// An obstacle as it lies on the roof plane: metres from the left gable (x)
// and from the eaves up the roof (y).
struct TRoofObstacle {
    QString Name;
    TRoofObstacleKind Kind = TRoofObstacleKind::Other;
    double X = 0, Y = 0;          // centre
    double Width = 0, Height = 0; // along the eaves and up the roof, before turning
    double RotationDeg = 0;
    std::vector<QPointF> Outline; // the corners as turned
};

// What the roof planner offers other frames; reached with
// qobject_cast<IRoofPlanner*>(FindFrame(FrameId::Dachplanung2D)).
class IRoofPlanner {
public:
    virtual ~IRoofPlanner() = default;

    // Modules inside the usable area and not blocked, doubled for two roof sides.
    virtual int CountActiveModules() const = 0;
    virtual double PlantPowerKWp() const = 0;
    virtual TRoofModuleData ModuleData() const = 0;
    // Whether the modules lie on two roof sides (east and west).
    virtual bool ModulesOnTwoRoofSides() const = 0;
    // Renders both planes, no wider than maxWidth pixels when that is given;
    // the pictures are the caller's, the planner's own print picture stays.
    virtual TRoofPictures RenderRoofPictures(int maxWidth) = 0;
    // The obstacles on the roof plane that carries the modules, in drawing order.
    virtual std::vector<TRoofObstacle> Obstacles() const = 0;
};

#define IRoofPlanner_iid "de.norvi.tandrel.IRoofPlanner/2"
Q_DECLARE_INTERFACE(IRoofPlanner, IRoofPlanner_iid)
