#pragma once

#include "addresses/Adresse.h"

#include <QImage>
#include <memory>
#include <vector>

class MCanvas;

// What the postcode map shows on top of the map picture.
struct MMapView {
    bool ShowStandort = true;
    bool ShowCompanies = true;
    int StandortX = 0; // map position of the location
    int StandortY = 0;
    int RadiusKm = 0;
};

// The circle's radius in map pixels: round(R x 0.748).
int RadiusPixels(int radiusKm);

// The map picture, the location marker with its circle, and the companies
// inside the radius (squares; the selected one with cross and circle).
void PaintMap(MCanvas& canvas, const QImage& map, const QImage& marker, const MMapView& view,
              const std::vector<std::unique_ptr<MAdresse>>* companies);
// The radius panel's small map: the location marker and a circle drawn with a
// wide pen on a full-size copy of the map.
QImage PaintRadiusMap(const QImage& map, const QImage& marker, const MMapView& view, int width, int height);

// The companies closer than 5 pixels to (x, y) on both axes, in list order.
std::vector<MAdresse*> CompaniesAt(const std::vector<std::unique_ptr<MAdresse>>& companies, int x, int y);
// The red frames around the companies found by a click.
void MarkCompanies(MCanvas& canvas, const std::vector<MAdresse*>& companies);
