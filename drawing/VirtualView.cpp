#include "drawing/VirtualView.h"

#include "drawing/Rounding.h"

#include <cmath>
#include <numbers>

MVirtualView::MVirtualView(MCanvas* canvas)
    : Canvas(canvas)
{
    SetProjection(10, 20, 30);
}

std::int32_t MVirtualView::WorldToDeviceX(double x) const
{
    return SaturatedAdd(RoundToInt(x * xdehnung2d), xver2d);
}

std::int32_t MVirtualView::WorldToDeviceY(double y) const
{
    return SaturatedSub(yver2d, RoundToInt(y * ydehnung2d));
}

double MVirtualView::DeviceToWorldX(std::int32_t px) const
{
    return (double(px) - double(xver2d)) / xdehnung2d;
}

double MVirtualView::DeviceToWorldY(std::int32_t py) const
{
    return (double(yver2d) - double(py)) / ydehnung2d;
}

void MVirtualView::SetWorldRect(double xmin, double ymin, double xmax, double ymax)
{
    WorldXMin = xmin;
    WorldYMin = ymin;
    WorldXMax = xmax;
    WorldYMax = ymax;
}

void MVirtualView::FitToDevice(MCanvas* canvas, double W, double H, double zoomPercent)
{
    Canvas = canvas;
    const double w = WorldWidth() * 1.18;
    const double h = WorldHeight() * 1.18;
    // NaN fails every comparison, so it is caught here as well.
    if (!(w > 0) || !(h > 0) || !std::isfinite(w) || !std::isfinite(h) || !(W > 0) || !(H > 0)
        || !(zoomPercent > 0) || !std::isfinite(W * H * zoomPercent))
        return;
    const std::int32_t margin = RoundToInt((1.18 - 1) * 0.65 * W / 2);
    double sx = (W / w) * (zoomPercent / 100);
    double sy = (H / h) * (zoomPercent / 100);
    if (sy > sx)
        sy = sx;
    else
        sx = sy;
    xdehnung2d = sx;
    ydehnung2d = sy;
    xver2d = SaturatedSub(margin, RoundToInt(WorldXMin * sx));
    yver2d = SaturatedAdd(margin, RoundToInt(WorldYMax * sy));
}

void MVirtualView::AssignView(const MVirtualView& other)
{
    xver2d = other.xver2d;
    yver2d = other.yver2d;
    xdehnung2d = other.xdehnung2d;
    ydehnung2d = other.ydehnung2d;
    WorldXMin = other.WorldXMin;
    WorldYMin = other.WorldYMin;
    WorldXMax = other.WorldXMax;
    WorldYMax = other.WorldYMax;
    Scale3D = other.Scale3D;
    Azimuth = other.Azimuth;
    Elevation = other.Elevation;
    Origin3DX = other.Origin3DX;
    Origin3DY = other.Origin3DY;
    SetProjection(Scale3D, Azimuth, Elevation);
}

void MVirtualView::Magnify(double factor)
{
    xver2d = RoundToInt(xver2d * factor);
    yver2d = RoundToInt(yver2d * factor);
    xdehnung2d *= factor;
    ydehnung2d *= factor;
    WorldXMin *= factor;
    WorldYMin *= factor;
    WorldXMax *= factor;
    WorldYMax *= factor;
}

void MVirtualView::SetProjection(double scale3D, double azimuthDeg, double elevationDeg)
{
    Scale3D = scale3D;
    const double a = azimuthDeg / 360 * 2 * std::numbers::pi;
    const double e = elevationDeg / 360 * 2 * std::numbers::pi;
    const double s = scale3D;
    c1 = s * std::cos(a);
    c2 = -s * std::sin(a);
    c3 = s * std::sin(e) * std::sin(a);
    c4 = s * std::sin(e) * std::cos(a);
    c5 = s * std::cos(e);
    c6 = std::cos(e) * std::sin(a);
    c7 = std::cos(e) * std::cos(a);
    c8 = -std::sin(e);
}

std::int32_t MVirtualView::ProjectX(double x, double y) const
{
    return SaturatedSub(Origin3DX, RoundToInt(c1 * x + c2 * y));
}

std::int32_t MVirtualView::ProjectY(double x, double y, double z) const
{
    return SaturatedSub(Origin3DY, RoundToInt(c3 * x + c4 * y + c5 * z));
}
