#include "paperhouse/NetGeometry.h"

#include "drawing/Canvas.h"
#include "drawing/Rounding.h"
#include "pdf/PdfWriter.h"

#include <QLocale>
#include <algorithm>
#include <cmath>
#include <numbers>

namespace tandrel::paperhouse {

namespace {

// Keeps absurd measures far off the page instead of overflowing the
// device's integer coordinates.
constexpr double kDeviceLimit = 4.0e6;

double Clamp(double v)
{
    if (std::isnan(v))
        return 0;
    return std::clamp(v, -kDeviceLimit, kDeviceLimit);
}

double Radians(double degrees)
{
    return degrees * std::numbers::pi / 180.0;
}

double Degrees(double radians)
{
    return radians * 180.0 / std::numbers::pi;
}

// trunc(v) limited to 0 … limit; no division result can overflow it.
int CountUpTo(double v, int limit)
{
    if (!(v > 0))
        return 0;
    return v >= limit ? limit : int(v);
}

}  // namespace

double TNetDevice::X(double x) const
{
    const double scaled = Clamp(x * UnitsPerMetre);
    return Clamp((WholeUnits ? RoundToInt(scaled) : scaled) + OriginX);
}

double TNetDevice::Y(double y) const
{
    const double scaled = Clamp(y * UnitsPerMetre);
    return Clamp(OriginY - (WholeUnits ? RoundToInt(scaled) : scaled));
}

TNetDevice TNetDevice::Screen(double pixelsPerMetre, double pixelsPerMillimetre, int flapSizeMm)
{
    TNetDevice d;
    d.OriginX = 40;
    d.OriginY = RoundToInt(100 * pixelsPerMillimetre);
    d.UnitsPerMetre = pixelsPerMetre;
    d.FlapSize = flapSizeMm * pixelsPerMillimetre;
    d.WholeUnits = true;
    return d;
}

TNetDevice TNetDevice::Pdf(double millimetresPerMetre, double originX, double originY, int flapSizeMm)
{
    TNetDevice d;
    d.OriginX = originX;
    d.OriginY = originY;
    d.UnitsPerMetre = millimetresPerMetre;
    d.FlapSize = flapSizeMm;
    d.WholeUnits = false;
    return d;
}

TWindowGrid WindowGrid(const TPaperHouseParams& p, double wallWidth, double wallHeight)
{
    TWindowGrid g;
    g.storeys = CountUpTo(wallHeight / (p.Etagenhoehe * 0.01), kMaxStoreys);
    g.columns = CountUpTo(wallWidth / ((p.FensterBreite + p.FensterAbstand) * 0.01), kMaxWindowColumns);
    return g;
}

TNetGeometry::TNetGeometry(const TPaperHouseParams& params, const TNetDevice& device)
    : m_p(params)
    , m_device(device)
{
}

double TNetGeometry::Offset(double v) const
{
    return RoundToInt(Clamp(v));
}

void TNetGeometry::AddRect(double x1, double y1, double x2, double y2, ColorRef fill, TNetShape::Role role)
{
    TNetShape s;
    s.kind = TNetShape::Kind::Rectangle;
    s.role = role;
    s.points = {{m_device.X(x1), m_device.Y(y1)}, {m_device.X(x2), m_device.Y(y2)}};
    s.fill = fill;
    m_shapes.push_back(std::move(s));
}

void TNetGeometry::AddFlap(QPointF p, QPointF q, QPointF offsetP, QPointF offsetQ, int glue)
{
    TNetShape s;
    s.kind = TNetShape::Kind::Polygon;
    s.role = TNetShape::Role::Flap;
    s.glue = glue;
    s.points = {p, p + offsetP, q + offsetQ, q};
    s.fill = m_p.ColorLaschen;
    m_shapes.push_back(std::move(s));
}

void TNetGeometry::AddEdge(bool flap, int glue, QPointF a, QPointF b, QPointF inward, QPointF offsetA, QPointF offsetB)
{
    if (flap)
        AddFlap(a, b, offsetA, offsetB, glue);
    else if (glue > 0)
        m_marks.push_back({a, b, inward, glue});
}

void TNetGeometry::AddPicture(double x1, double y1, double x2, double y2, const QImage* picture)
{
    TNetShape s;
    s.kind = TNetShape::Kind::Picture;
    s.points = {{m_device.X(x1), m_device.Y(y2)}, {m_device.X(x2), m_device.Y(y1)}};
    s.picture = picture;
    m_shapes.push_back(std::move(s));
}

void TNetGeometry::AddFacadeModules(double x, double width, double storeyFloor)
{
    if (!HighRise() || !(storeyFloor - 0.5 > 0))
        return;
    const int n = CountUpTo(width / kHighRiseModuleWidth, kMaxModulesPerRow);
    const double half = kHighRiseModuleWidth / 2 * kHighRiseModuleDrawnShare;
    const double frame = m_p.FensterRahmen / 100;
    for (int q = 1; q <= n; ++q) {
        const double cx = x + width * (q - 1) / n;
        AddPicture(cx - half, storeyFloor - 0.5 - frame, cx + half, storeyFloor - 0.5 + frame + kHighRiseModuleHeight,
                   m_highRiseModule);
    }
}

void TNetGeometry::AddModulePyramid(double baseX, double baseY, double baseWidth)
{
    if (!HighRise())
        return;
    const int n = CountUpTo(baseWidth / kHighRiseModuleWidth, kMaxModulesPerRow);
    const double half = kHighRiseModuleWidth / 2 * kHighRiseModuleDrawnShare;
    for (int i = 0; i <= 11; ++i) {
        const double bottom = baseY + ((i - 1) * 146 + 52) / 100.0;
        if (!(bottom > -12.8))
            continue;
        for (int j = i + 2; j <= n - i; ++j) {
            const double cx = baseX + baseWidth * (j - 1) / n;
            AddPicture(cx - half, bottom, cx + half, bottom + kHighRiseModuleHeight, m_highRiseModule);
        }
    }
}

void TNetGeometry::AddWall(const TNetWall& w, const TNetGlue& glue)
{
    const double x = w.x, y = w.y, width = w.width, height = w.height;
    AddRect(x, y, x + width, y + height, w.fill, TNetShape::Role::Piece);
    if (w.picture && !w.picture->isNull())
        AddPicture(x, y, x + width, y + height, w.picture);

    if (w.showElements) {
        const double cm = 0.01;
        AddRect(x, y, x + width, y + m_p.SockelHoehe * cm, m_p.ColorHaussockel, TNetShape::Role::Decoration);

        bool door = false;
        double doorLeft = 0, doorRight = 0;
        if (w.doorCount > 0) {
            const double frame = m_p.TuerenRahmen * cm;
            const double doorWidth = m_p.TuerenBreite * cm;
            const double doorHeight = m_p.TuerenHoehe * cm;
            const double t = x + frame + (width - (2 * frame + doorWidth)) * w.doorPositionPercent / 100.0;
            AddRect(t - frame, y, t + doorWidth + frame, y + doorHeight + frame, m_p.ColorFensterRahmen);
            AddRect(t, y, t + doorWidth, y + doorHeight, m_p.ColorHausTuer);
            door = true;
            doorLeft = m_device.X(t - frame);
            doorRight = m_device.X(t + doorWidth + frame);
        }

        const TWindowGrid grid = WindowGrid(m_p, width, height);
        const double storey = m_p.Etagenhoehe * cm;
        const double sill = m_p.FensterUnten * cm;
        const double paneWidth = m_p.FensterBreite * cm;
        const double paneHeight = m_p.FensterHoehe * cm;
        const double frame = m_p.FensterRahmen * cm;
        for (int k = 0; k < grid.storeys; ++k) {
            const double yk = y + k * storey;
            for (int j = 1; j <= grid.columns; ++j) {
                const double cx = x + width * (j - 0.5) / grid.columns;
                const double fx1 = cx - (paneWidth + frame) / 2;
                const double fx2 = cx + (paneWidth + frame) / 2;
                if (k == 0 && door) {
                    const double x1 = m_device.X(fx1), x2 = m_device.X(fx2);
                    const double d1 = doorLeft, d2 = doorRight;
                    const bool overlap = (d1 < x1 && x1 < d2) || (d1 < x2 && x2 < d2) || (x1 < d1 && d1 < x2)
                                         || (x1 < d2 && d2 < x2);
                    if (overlap)
                        continue;
                }
                AddRect(fx1, yk + sill - frame, fx2, yk + sill + frame + paneHeight, m_p.ColorFensterRahmen);
                AddRect(cx - paneWidth / 2, yk + sill, cx + paneWidth / 2, yk + sill + paneHeight, m_p.ColorFenster);
            }
            AddFacadeModules(x, width, yk);
        }
    }

    const double f = m_device.FlapSize;
    const double a = Radians(m_p.LaschenWinkel);
    const double along = Offset(f * std::cos(a));
    const double depth = Offset(f * std::sin(a));
    const QPointF topLeft(m_device.X(x), m_device.Y(y + height));
    const QPointF topRight(m_device.X(x + width), m_device.Y(y + height));
    const QPointF bottomLeft(m_device.X(x), m_device.Y(y));
    const QPointF bottomRight(m_device.X(x + width), m_device.Y(y));
    AddEdge(w.flaps.top, glue.top, topLeft, topRight, {0, 1}, {along, -depth}, {-along, -depth});
    AddEdge(w.flaps.bottom, glue.bottom, bottomLeft, bottomRight, {0, -1}, {along, depth}, {-along, depth});
    AddEdge(w.flaps.left, glue.left, bottomLeft, topLeft, {1, 0}, {-depth, -along}, {-depth, along});
    AddEdge(w.flaps.right, glue.right, bottomRight, topRight, {-1, 0}, {depth, -along}, {depth, along});
}

double TNetGeometry::AddGable(int ridgeSharePercent, double baseWidth, double pitchDegrees, double baseY, double baseX,
                              int glueLeft, int glueRight)
{
    const double b = baseWidth;
    const double a1 = b * ridgeSharePercent / 100.0;
    const double a2 = b - a1;
    const double ridge = b / 2 * std::tan(Radians(pitchDegrees));

    TNetShape tri;
    tri.kind = TNetShape::Kind::Polygon;
    const QPointF left(m_device.X(baseX), m_device.Y(baseY));
    const QPointF apex(m_device.X(baseX + a1), m_device.Y(baseY + ridge));
    const QPointF right(m_device.X(baseX + b), m_device.Y(baseY));
    tri.points = {left, apex, right};
    tri.role = TNetShape::Role::Piece;
    tri.fill = m_p.ColorGiebel;
    m_shapes.push_back(std::move(tri));

    const QLocale locale;
    m_ridgeCaption = QStringLiteral("Winkel: %1°  Firsthöhe: %2 m")
                         .arg(locale.toString(pitchDegrees, 'f', 1), locale.toString(ridge, 'f', 1));

    const double f = m_device.FlapSize;
    const double w = m_p.LaschenWinkel;
    const double phi1 = a1 < 0.0001 ? 89.0 : Degrees(std::atan(ridge / a1));
    const double phi2 = a2 < 0.0001 ? 89.0 : Degrees(std::atan(ridge / a2));
    auto offset = [&](double angle, double sign) {
        return QPointF(sign * Offset(f * std::cos(Radians(angle))), -Offset(f * std::sin(Radians(angle))));
    };
    AddFlap(left, apex, offset(phi1 + w, 1), offset(phi1 + 180 - w, 1), glueLeft);
    AddFlap(right, apex, offset(phi2 + w, -1), offset(phi2 + 180 - w, -1), glueRight);
    AddModulePyramid(baseX, baseY, b);
    return ridge;
}

void TNetGeometry::AddHouseNet(const std::array<const QImage*, 4>& pictures)
{
    const double l = m_p.Hauslaenge, b = m_p.Hausbreite, h = m_p.Haushoehe;
    const double starts[4] = {0, l, l + b, 2 * l + b};
    const double widths[4] = {l, b, l, b};
    for (int i = 0; i < 4; ++i) {
        TNetWall wall;
        wall.x = starts[i];
        wall.width = widths[i];
        wall.height = h;
        wall.fill = m_p.ColorHauswand;
        wall.picture = pictures[i];
        wall.showElements = m_p.ElementeAnzeigen[i];
        wall.doorPositionPercent = m_p.TuerPosition[i];
        wall.doorCount = m_p.TuerAnzahl[i];
        wall.flaps.left = i == 0;
        AddWall(wall);
    }
    TNetWall floor;
    floor.y = -b;
    floor.width = l;
    floor.height = b;
    floor.fill = m_p.ColorHauswand;
    floor.flaps = {true, false, true, true};
    AddWall(floor);
    AddGable(m_p.Schenkelanteil, b, m_p.DachNeigung, h, l);
    AddGable(100 - m_p.Schenkelanteil, b, m_p.DachNeigung, h, 2 * l + b);
}

void DrawNetShapes(const std::vector<TNetShape>& shapes, MCanvas& canvas)
{
    canvas.SetPenColor(platform::kColorBlack);
    canvas.SetPenWidth(1);
    canvas.SetPenStyle(kPenSolid);
    canvas.SetPenMode(MPenMode::Copy);
    canvas.SetBrushStyle(MBrushStyle::Solid);
    std::vector<QPoint> poly;
    for (const TNetShape& s : shapes) {
        switch (s.kind) {
        case TNetShape::Kind::Rectangle:
            canvas.SetBrushColor(s.fill);
            canvas.Rectangle(RoundToInt(s.points[0].x()), RoundToInt(s.points[0].y()), RoundToInt(s.points[1].x()),
                             RoundToInt(s.points[1].y()));
            break;
        case TNetShape::Kind::Polygon:
            canvas.SetBrushColor(s.fill);
            poly.clear();
            for (const QPointF& p : s.points)
                poly.emplace_back(RoundToInt(p.x()), RoundToInt(p.y()));
            canvas.Polygon(poly);
            break;
        case TNetShape::Kind::Picture:
            canvas.StretchDraw(RoundToInt(s.points[0].x()), RoundToInt(s.points[0].y()), RoundToInt(s.points[1].x()),
                               RoundToInt(s.points[1].y()), *s.picture);
            break;
        }
    }
}

void DrawNetShapes(const std::vector<TNetShape>& shapes, PdfWriter& pdf)
{
    for (const TNetShape& s : shapes) {
        switch (s.kind) {
        case TNetShape::Kind::Rectangle:
            pdf.SetBrush(s.fill);
            pdf.Rectangle(s.points[0].x(), s.points[0].y(), s.points[1].x(), s.points[1].y());
            break;
        case TNetShape::Kind::Polygon:
            pdf.SetBrush(s.fill);
            pdf.Polygon(s.points);
            break;
        case TNetShape::Kind::Picture:
            pdf.DrawImage(QRectF(s.points[0], s.points[1]).normalized(), *s.picture);
            break;
        }
    }
}

}  // namespace tandrel::paperhouse
