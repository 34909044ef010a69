#pragma once

#include "drawing/ModelRep.h"

#include <vector>

// A flat polygon in space (RepTyp 802): a face of a building.
class MFlaeche3DRep : public MBaseRep {
public:
    MFlaeche3DRep(MBaseStructur* owner, std::int32_t objectID, std::int32_t typeNum, double x, double y);

    std::vector<double> SrcX, SrcY, SrcZ; // corners before rotation
    std::vector<double> X, Y, Z;          // corners after rotation
    std::int32_t GruppeRepID = 0;
    std::int32_t Punkteanzahl = 4;
    double FaceDepth = 0;
    double DepthBias = 0;

    // The shape operations set the corners before rotation (and, until the
    // first rotation, after it too).
    void SetWall(double x0, double y0, double z0, double dx, double dy, double height);
    void SetTriangle(double x0, double y0, double z0, double ax, double ay, double bx, double by, double bz);
    void SetQuad(double x0, double y0, double z0, double ax, double ay, double bx, double by, double bz);
    // Any flat polygon, corner by corner.
    void SetPolygon(std::vector<double> xs, std::vector<double> ys, std::vector<double> zs)
    {
        SetCorners(std::move(xs), std::move(ys), std::move(zs));
    }
    // Turns the corners about the vertical axis through (cx, cy); radians.
    void RotateAbout(double cx, double cy, double angle);

    double Depth() const override { return FaceDepth; }
    void ComputeDepth(const MVirtualView& view) override;

    MBaseRep& Clone(MStructur& target) const override;
    void LoadSettings(MKontaloRegistry& store, const QString& key) override;
    void SaveSettings(MKontaloRegistry& store, const QString& key) override;
    void Draw(MVirtualView& view) override;
    void Draw3D(MVirtualView& view) override;
    void MoveBy(double dx, double dy) override;

private:
    void SetCorners(std::vector<double> xs, std::vector<double> ys, std::vector<double> zs);
};

// A house with a gable roof and a solar field (RepTyp 810), built from a few
// dimensions into faces in its structure. One world unit is one metre; the
// building stands on z = 0 centred on the origin, its length along x.
class MGebaeudeRep : public MModelRep {
public:
    MGebaeudeRep(MBaseStructur* owner, std::int32_t objectID, std::int32_t typeNum, double x, double y);

    std::int32_t GebaeudeTypEntry = 0; // 0 gable roof
    double GebaudeLaenge = 12;
    double GebaeudeBreite = 8;
    double GebaeudeHoehe = 7;
    double DachUeberstandx = 0;
    double DachUeberstandy = 0; // along the slope
    double Nordrichtung = 0;    // degrees
    double Elevationgrad = 0;   // roof pitch, degrees
    double AverageDepth = 0;
    std::int32_t Variant = 0;
    tandrel::platform::ColorRef GroundColor = 0, WallColor = 0, GableColor = 0, RoofColor = 0, SolarColor = 0;

    // Ridge height and horizontal run of the roof for the current values.
    struct RoofShape {
        double RidgeHeight = 0;
        double Run = 0;
    };
    RoofShape ComputeRoofShape() const;

    // Creates the faces when there are none yet and turns all faces to
    // Nordrichtung. Every variant builds the arrangement of variant 0.
    void BuildFaces(std::int32_t variant);

    double Depth() const override { return AverageDepth; }
    void ComputeDepth(const MVirtualView& view) override;

    // What the faces cover once projected with the view's coefficients, as
    // offsets from its 3D origin (device x = Origin3DX - U, y = Origin3DY - V);
    // empty without faces.
    struct ProjectedExtent {
        double MinU = 0, MaxU = 0, MinV = 0, MaxV = 0;
        bool Empty = true;
    };
    ProjectedExtent Extent(const MVirtualView& view) const;

    MBaseRep& Clone(MStructur& target) const override;
    TBaseFrame* CreateDialogFrame(QWidget*, TBaseFrame*, TBaseFrameFactory*) override { return nullptr; }
    void LoadSettings(MKontaloRegistry& store, const QString& key) override;
    void SaveSettings(MKontaloRegistry& store, const QString& key) override;
    void Draw(MVirtualView& view) override;
    // Orders the faces by depth (the farthest first) and paints them in the
    // four layer passes; ComputeDepth must have run for the view.
    void Draw3D(MVirtualView& view) override;
    void DrawMoveOutline(MVirtualView& view, double dx, double dy) override;
    void MoveBy(double dx, double dy) override;
    bool ContainsPoint(double x, double y) const override;
};
