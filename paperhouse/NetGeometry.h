#pragma once

#include "paperhouse/PaperHouseParams.h"

#include <QImage>
#include <QPointF>
#include <array>
#include <vector>

class MCanvas;
class PdfWriter;

namespace tandrel::paperhouse {

// Where the net lands: net metres (x right, y up, origin at the bottom-left
// of wall 1) to device units (x right, y down). On screen the device unit is
// the pixel and coordinates are rounded to whole pixels; on a PDF page it is
// the millimetre and coordinates stay as they are. Flap offsets are rounded
// to whole device units on both.
struct TNetDevice {
    double OriginX = 0;
    double OriginY = 0;
    double UnitsPerMetre = 1;
    double FlapSize = 0; // device units
    bool WholeUnits = false;

    double X(double x) const;
    double Y(double y) const;

    // The net view: 40 pixels from the left, the wall bottom line
    // round(100 × pixelsPerMillimetre) pixels down.
    static TNetDevice Screen(double pixelsPerMetre, double pixelsPerMillimetre, int flapSizeMm);
    // A PDF page: millimetres from the page's top left.
    static TNetDevice Pdf(double millimetresPerMetre, double originX, double originY, int flapSizeMm);
};

// One filled shape of the net in device coordinates, outlined with the
// target's current pen.
struct TNetShape {
    enum class Kind { Rectangle, Polygon, Picture };
    // Piece and Flap shapes are what is cut out; doors and windows are
    // Elements; plinths and pictures are Decoration.
    enum class Role { Piece, Flap, Element, Decoration };
    Kind kind = Kind::Rectangle;
    Role role = Role::Decoration;
    int glue = 0; // a flap's glue number; 0 for none
    std::vector<QPointF> points; // rectangle and picture: two opposite corners
    ColorRef fill = 0;
    const QImage* picture = nullptr; // not owned; must outlive the drawing
};

struct TNetFlaps {
    bool left = false, top = false, bottom = false, right = false;
};

// Glue numbers of a piece's edges (0: none). On an edge with a flap the
// number goes on the flap; on an edge without one it marks the edge the
// flap of that number is glued to.
struct TNetGlue {
    int left = 0, top = 0, bottom = 0, right = 0;
};

// An edge marked with a glue number, in device coordinates; `inward` is the
// unit direction into its piece.
struct TNetMark {
    QPointF a, b, inward;
    int number = 0;
};

// One rectangular piece: a wall, the floor plate, or (PDF) a roof plane.
struct TNetWall {
    double x = 0, y = 0, width = 0, height = 0;
    ColorRef fill = 0;
    const QImage* picture = nullptr; // none when null or empty
    bool showElements = false;
    int doorPositionPercent = 50;
    int doorCount = 0;
    TNetFlaps flaps;
};

// Most storeys and window columns drawn on one wall.
constexpr int kMaxStoreys = 120;
constexpr int kMaxWindowColumns = 64;

struct TWindowGrid {
    int storeys = 0;
    int columns = 0;
};
// Storeys and window columns of a wall (element measures in cm).
TWindowGrid WindowGrid(const TPaperHouseParams& p, double wallWidth, double wallHeight);

// Collects the shapes of net pieces for one device. The same shapes go to
// the screen canvas and to a PDF page.
class TNetGeometry {
public:
    TNetGeometry(const TPaperHouseParams& params, const TNetDevice& device);

    void AddWall(const TNetWall& wall, const TNetGlue& glue = {});
    // A gable triangle on the base from (baseX, baseY) to (baseX + baseWidth, baseY)
    // with its two sloping-edge flaps; returns the ridge height in metres.
    double AddGable(int ridgeSharePercent, double baseWidth, double pitchDegrees, double baseY, double baseX,
                    int glueLeft = 0, int glueRight = 0);

    // The four walls, the floor plate and both gables of the net view.
    // pictures[i] is wall i+1's picture or null.
    void AddHouseNet(const std::array<const QImage*, 4>& pictures);

    // The high-rise variant: facade modules on every storey above the ground
    // (walls with elements) and a module pyramid on each gable, drawn with
    // this picture. Null or empty switches them off.
    void SetHighRiseModules(const QImage* picture) { m_highRiseModule = picture; }

    const std::vector<TNetShape>& Shapes() const { return m_shapes; }
    const std::vector<TNetMark>& Marks() const { return m_marks; }
    void Clear()
    {
        m_shapes.clear();
        m_marks.clear();
    }
    const TNetDevice& Device() const { return m_device; }

    // "Winkel: …°  Firsthöhe: … m" for the last gable.
    QString RidgeCaption() const { return m_ridgeCaption; }

private:
    void AddRect(double x1, double y1, double x2, double y2, ColorRef fill,
                 TNetShape::Role role = TNetShape::Role::Element);
    void AddFlap(QPointF p, QPointF q, QPointF offsetP, QPointF offsetQ, int glue = 0);
    void AddEdge(bool flap, int glue, QPointF a, QPointF b, QPointF inward, QPointF offsetA, QPointF offsetB);
    void AddPicture(double x1, double y1, double x2, double y2, const QImage* picture);
    bool HighRise() const { return m_highRiseModule && !m_highRiseModule->isNull(); }
    void AddFacadeModules(double x, double width, double storeyFloor);
    void AddModulePyramid(double baseX, double baseY, double baseWidth);
    double Offset(double v) const;

    const TPaperHouseParams& m_p;
    TNetDevice m_device;
    std::vector<TNetShape> m_shapes;
    std::vector<TNetMark> m_marks;
    QString m_ridgeCaption;
    const QImage* m_highRiseModule = nullptr;
};

// The high-rise module: 0.9 m × 1.46 m, drawn 0.995 times its width.
constexpr double kHighRiseModuleWidth = 0.9;
constexpr double kHighRiseModuleHeight = 1.46;
constexpr double kHighRiseModuleDrawnShare = 0.995;
// Most modules placed in one row of a facade storey or of the pyramid.
constexpr int kMaxModulesPerRow = 1000;

// The two drawing targets. The canvas draws with its default pen.
void DrawNetShapes(const std::vector<TNetShape>& shapes, MCanvas& canvas);
void DrawNetShapes(const std::vector<TNetShape>& shapes, PdfWriter& pdf);

}  // namespace tandrel::paperhouse
