#pragma once

#include <cstdint>

class MCanvas;

// Maps world coordinates (x to the right, y upwards) to device pixels of one
// drawing surface (y downwards) and back, and carries a small parallel 3D
// projection. Every "round" is ties-to-even (RoundToInt).
class MVirtualView {
public:
    explicit MVirtualView(MCanvas* canvas = nullptr);

    MCanvas* Canvas = nullptr; // not owned; may be absent
    std::int32_t xver2d = 0;   // device x of world x = 0
    std::int32_t yver2d = 0;   // device y of world y = 0
    double xdehnung2d = 0.5;   // pixels per world unit in x
    double ydehnung2d = 0.5;
    double WorldXMin = 0;
    double WorldYMin = 0;
    double WorldXMax = 2180;
    double WorldYMax = 2960;
    double Scale3D = 10;
    double Azimuth = 20;
    double Elevation = 30;
    std::int32_t Origin3DX = 10;
    std::int32_t Origin3DY = 400;
    double c1 = 0, c2 = 0, c3 = 0, c4 = 0, c5 = 0; // projection
    double c6 = 0, c7 = 0, c8 = 0;                 // unit viewing direction

    std::int32_t WorldToDeviceX(double x) const;
    std::int32_t WorldToDeviceY(double y) const;
    double DeviceToWorldX(std::int32_t px) const;
    double DeviceToWorldY(std::int32_t py) const;
    double WorldWidth() const { return WorldXMax - WorldXMin; }
    double WorldHeight() const { return WorldYMax - WorldYMin; }
    void SetWorldRect(double xmin, double ymin, double xmax, double ymax);

    // Fits the world rectangle plus 18 % into the device at zoomPercent with a
    // uniform scale. An empty or degenerate world, or a device without area,
    // keeps the previous transform (the canvas is taken over in every case).
    void FitToDevice(MCanvas* canvas, double deviceWidth, double deviceHeight, double zoomPercent);
    void AssignView(const MVirtualView& other);
    void Magnify(double factor);
    void SetProjection(double scale3D, double azimuthDeg, double elevationDeg);
    std::int32_t ProjectX(double x, double y) const;
    std::int32_t ProjectY(double x, double y, double z) const;
};
