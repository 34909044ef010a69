#include "geo/MapPainting.h"

#include "drawing/Canvas.h"
#include "drawing/Rounding.h"
#include "geo/MapProjection.h"

#include <cstdlib>

namespace {

void PaintStandort(MCanvas& canvas, const QImage& marker, const MMapView& view, int penWidth)
{
    const int x = view.StandortX, y = view.StandortY;
    if (!marker.isNull())
        canvas.StretchDraw(x - 7, y - 7, x - 7 + marker.width(), y - 7 + marker.height(), marker);
    const int c = RadiusPixels(view.RadiusKm);
    canvas.SetPenColor(6599780);
    canvas.SetPenWidth(penWidth);
    canvas.SetPenStyle(kPenSolid);
    canvas.SetBrushStyle(MBrushStyle::Clear);
    canvas.Ellipse(x - c, y - c, x + c, y + c);
}

} // namespace

int RadiusPixels(int radiusKm)
{
    return RoundToInt(radiusKm * tandrel::geo::kMapPixelsPerKm);
}

void PaintMap(MCanvas& canvas, const QImage& map, const QImage& marker, const MMapView& view,
              const std::vector<std::unique_ptr<MAdresse>>* companies)
{
    if (!map.isNull())
        canvas.StretchDraw(0, 0, map.width(), map.height(), map);
    if (view.ShowStandort)
        PaintStandort(canvas, marker, view, 3);
    if (!view.ShowCompanies || !companies)
        return;
    canvas.SetPenStyle(kPenSolid);
    for (const auto& c : *companies) {
        if (!c->InRadius)
            continue;
        const int x = c->MapX, y = c->MapY;
        canvas.SetPenColor(32768);
        canvas.SetPenWidth(1);
        canvas.SetBrushStyle(MBrushStyle::Solid);
        canvas.SetBrushColor(10223610);
        canvas.Rectangle(x - 3, y - 3, x + 3, y + 3);
        if (!c->Selected)
            continue;
        canvas.SetPenColor(0);
        canvas.Line(x - 11, y, x + 12, y);
        canvas.Line(x, y - 11, x, y + 12);
        canvas.SetPenColor(16711680);
        canvas.SetPenWidth(2);
        canvas.SetBrushStyle(MBrushStyle::Clear);
        canvas.Ellipse(x - 7, y - 7, x + 7, y + 7);
    }
}

QImage PaintRadiusMap(const QImage& map, const QImage& marker, const MMapView& view, int width, int height)
{
    QImage full = map.isNull() ? QImage(tandrel::geo::kMapWidth, tandrel::geo::kMapHeight, QImage::Format_RGB32)
                               : map.convertToFormat(QImage::Format_RGB32);
    if (map.isNull())
        full.fill(Qt::white);
    {
        MCanvas canvas(full);
        PaintStandort(canvas, marker, view, 8);
    }
    return full.scaled(width, height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

std::vector<MAdresse*> CompaniesAt(const std::vector<std::unique_ptr<MAdresse>>& companies, int x, int y)
{
    std::vector<MAdresse*> out;
    for (const auto& c : companies)
        if (std::abs(c->MapX - x) < 5 && std::abs(c->MapY - y) < 5)
            out.push_back(c.get());
    return out;
}

void MarkCompanies(MCanvas& canvas, const std::vector<MAdresse*>& companies)
{
    canvas.SetPenColor(255);
    canvas.SetPenWidth(3);
    canvas.SetPenStyle(kPenSolid);
    canvas.SetBrushStyle(MBrushStyle::Clear);
    for (const MAdresse* c : companies)
        canvas.Rectangle(c->MapX - 3, c->MapY - 3, c->MapX + 3, c->MapY + 3);
}
