#include "drawing/AreaGeometry.h"

#include <algorithm>
#include <cmath>

bool PointInPolygon(const std::vector<double>& xs, const std::vector<double>& ys, double x, double y)
{
    const std::size_t n = std::min(xs.size(), ys.size());
    bool inside = false;
    for (std::size_t i = 0, j = n - 1; i < n; j = i++) {
        const double xa = xs[j], ya = ys[j], xb = xs[i], yb = ys[i];
        if ((y <= ya) != (y <= yb) && ya != yb) {
            if (x <= (y * (xb - xa) - ya * xb + yb * xa) / (yb - ya))
                inside = !inside;
        }
    }
    return inside;
}

void BasePolygon(int form, double x, double y, double l1, double b1, double l2, double l3,
                 std::vector<double>& xs, std::vector<double>& ys)
{
    if (form == 10) {
        xs = {x, x + l2, x + l2 + l3, x + l1};
        ys = {y, y + b1, y + b1, y};
    } else {
        xs = {x, x, x + l1, x + l1};
        ys = {y, y + b1, y + b1, y};
    }
}

void RotatePolygon(const std::vector<double>& srcX, const std::vector<double>& srcY, double cx, double cy,
                   double angle, std::vector<double>& dstX, std::vector<double>& dstY)
{
    const double c = std::cos(angle), s = std::sin(angle);
    const std::size_t n = std::min(srcX.size(), srcY.size());
    dstX.resize(n);
    dstY.resize(n);
    for (std::size_t i = 0; i < n; ++i) {
        const double dx = srcX[i] - cx, dy = srcY[i] - cy;
        dstX[i] = cx + c * dx - s * dy;
        dstY[i] = cy + s * dx + c * dy;
    }
}

double SignedArea2(const std::vector<double>& xs, const std::vector<double>& ys)
{
    const std::size_t n = std::min(xs.size(), ys.size());
    double a = 0;
    for (std::size_t i = 0, j = n - 1; i < n; j = i++)
        a += xs[j] * ys[i] - xs[i] * ys[j];
    return a;
}
