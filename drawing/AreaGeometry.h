#pragma once

#include <vector>

// Polygon helpers shared by the mounting and blocked areas.

// Even-odd rule: walks the edges from the last corner to the first and on,
// toggling for every edge crossed to the right of the point.
bool PointInPolygon(const std::vector<double>& xs, const std::vector<double>& ys, double x, double y);

// The four corners of an area's polygon from its position: form 10 is a
// trapezoid with the long side l1 at y and the short side l3 at y + b1,
// starting l2 in; every other form a rectangle l1 × b1.
void BasePolygon(int form, double x, double y, double l1, double b1, double l2, double l3,
                 std::vector<double>& xs, std::vector<double>& ys);

// dst = src rotated by angle (radians) about (cx, cy).
void RotatePolygon(const std::vector<double>& srcX, const std::vector<double>& srcY, double cx, double cy,
                   double angle, std::vector<double>& dstX, std::vector<double>& dstY);

// Twice the signed area (positive when counter-clockwise with y upwards).
double SignedArea2(const std::vector<double>& xs, const std::vector<double>& ys);
