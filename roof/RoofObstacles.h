#pragma once

#include "roof/IRoofPlanner.h"

#include <QString>
#include <array>
#include <vector>

class MBaseStructur;
class MKontaloRegistry;
class MSperrFlaecheRep;
class MStructur;

namespace tandrel::roof {

// What the tool row places: a blocked area of a fixed size (the free area
// starts at 1 m × 1 m and is sized in the area dialog).
struct TObstacleKind {
    const char* Button; // the tool button's object name
    const char* Caption;
    const char* ToolTip;
    double Width, Height; // m, along the eaves and up the roof
};
inline constexpr int kObstacleKindCount = 5;
const std::array<TObstacleKind, kObstacleKindCount>& ObstacleKinds();

// Modules keep this distance from an obstacle.
inline constexpr double kObstacleEdgeDistance = 0.2;
// Placed and moved obstacles lie on this grid.
inline constexpr double kObstacleSnap = 0.05;
// Never more on one roof (a stored list claiming more is damaged).
inline constexpr int kMaxObstacles = 200;

// The values of one obstacle an undo step brings back.
struct TObstacleState {
    QString Name;
    double X = 0, Y = 0; // centre, m from the left gable and the eaves
    double Width = 0, Height = 0;
    double Rotation = 0; // degrees
    int Form = 0;
    double Laenge2 = 0, Laenge3 = 0;
    double Aussenabstand = kObstacleEdgeDistance;
    bool operator==(const TObstacleState&) const = default;
};
using TObstacleSnapshot = std::vector<TObstacleState>;

// The blocked areas of the structure, in drawing order.
std::vector<MSperrFlaecheRep*> Obstacles(const MBaseStructur& structure);

// Draws the blocked areas over everything else, keeping their order (the
// list shows them in it).
void ObstaclesOnTop(MStructur& structure);

// "Schornstein 3": the first number no obstacle of that caption uses.
QString NextObstacleName(const MBaseStructur& structure, const QString& caption);

// Places a blocked area of the kind centred on (x, y), snapped and held
// inside the roof (roofWidth × roofHeight from the origin); modules it
// overlaps switch off.
MSperrFlaecheRep& PlaceObstacle(MStructur& structure, int kind, double x, double y, double roofWidth,
                                double roofHeight);

// Snaps the centre to the grid and moves the area so that it lies within
// the roof (an area larger than the roof keeps its lower left corner on it).
// True when it moved.
bool KeepInsideRoof(MSperrFlaecheRep& area, double roofWidth, double roofHeight);

// An edited obstacle: its sizes and distance are finite, the sizes
// positive and no larger than the roof, its centre on the roof.
bool IsAcceptableEdit(const MSperrFlaecheRep& area, double roofWidth, double roofHeight);

// The area's box reaches past the roof.
bool LiesOutsideRoof(const MSperrFlaecheRep& area, double roofWidth, double roofHeight);

// The obstacles as plain values for other frames. The kind comes from the
// name the tool gave ("Schornstein 2"); a renamed obstacle is Other.
std::vector<TRoofObstacle> ObstacleValues(const MBaseStructur& structure);

TObstacleSnapshot CaptureObstacles(const MBaseStructur& structure);
// Replaces the structure's blocked areas by the snapshot's and checks the
// modules again.
void RestoreObstacles(MStructur& structure, const TObstacleSnapshot& snapshot);

// The stored list below the frame's section.
QString ObstaclesKey(const QString& section);
void SaveObstacles(const MBaseStructur& structure, MKontaloRegistry& store, const QString& key);
// Reads the stored list into the structure (after its current obstacles
// are removed). Entries that are no usable blocked area are dropped; the
// result counts them.
struct TObstacleLoad {
    int Loaded = 0;
    int Dropped = 0;
};
TObstacleLoad LoadObstacles(MStructur& structure, MKontaloRegistry& store, const QString& key);

// Undo and redo of obstacle operations: each commit that changed the
// obstacles is one step.
class TObstacleHistory {
public:
    // Starts afresh from this state.
    void Reset(const TObstacleSnapshot& current);
    // Records the state after an operation; false when nothing changed.
    bool Commit(const TObstacleSnapshot& current);
    const TObstacleSnapshot& Current() const { return m_current; }
    bool CanUndo() const { return !m_undo.empty(); }
    bool CanRedo() const { return !m_redo.empty(); }
    // The state to restore; the current one when there is nothing to undo.
    const TObstacleSnapshot& Undo();
    const TObstacleSnapshot& Redo();

private:
    TObstacleSnapshot m_current;
    std::vector<TObstacleSnapshot> m_undo, m_redo;
};

} // namespace tandrel::roof
