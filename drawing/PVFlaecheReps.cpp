#include "drawing/PVFlaecheReps.h"

#include "app/KontaloRegistry.h"
#include "app/SettingsFields.h"
#include "drawing/AreaGeometry.h"
#include "drawing/Canvas.h"
#include "drawing/PVElementeReps.h"
#include "drawing/Structur.h"
#include "drawing/VirtualView.h"
#include "platform/Logging.h"

#include <QPoint>
#include <algorithm>
#include <array>
#include <cmath>

namespace {

constexpr double kDegToRad = 0.017453292519943295;
constexpr double kMinEdge = 1e-6;

// Unit vectors at corner i: a from the previous corner, b from the next one.
struct CornerVectors {
    bool skip = false; // the edge to the previous corner is degenerate
    double ax = 0, ay = 0, bx = 0, by = 0;
};

CornerVectors Corner(const std::vector<double>& xs, const std::vector<double>& ys, std::size_t i)
{
    const std::size_t n = xs.size();
    const std::size_t prev = (i + n - 1) % n, next = (i + 1) % n;
    CornerVectors v;
    const double pdx = xs[i] - xs[prev], pdy = ys[i] - ys[prev];
    const double lp = std::hypot(pdx, pdy);
    if (!(lp > kMinEdge)) {
        v.skip = true;
        return v;
    }
    v.ax = pdx / lp;
    v.ay = pdy / lp;
    const double ndx = xs[i] - xs[next], ndy = ys[i] - ys[next];
    double ln = std::hypot(ndx, ndy);
    if (ln < kMinEdge)
        ln = kMinEdge;
    v.bx = ndx / ln;
    v.by = ndy / ln;
    return v;
}

// A skipped corner coincides with its predecessor: it takes that corner's
// offset point (or its own position when no corner could be computed).
void ResolveSkipped(const std::vector<double>& xs, const std::vector<double>& ys, const std::array<bool, 4>& done,
                    std::vector<double>& ox, std::vector<double>& oy)
{
    const std::size_t n = xs.size();
    for (std::size_t i = 0; i < n; ++i) {
        if (done[i])
            continue;
        ox[i] = xs[i];
        oy[i] = ys[i];
        for (std::size_t k = 1; k < n; ++k) {
            const std::size_t p = (i + n - k) % n;
            if (done[p]) {
                ox[i] = ox[p];
                oy[i] = oy[p];
                break;
            }
        }
    }
}

void BoundingSize(const std::vector<double>& xs, const std::vector<double>& ys, double& w, double& h)
{
    if (xs.empty()) {
        w = h = 0;
        return;
    }
    const auto [xmin, xmax] = std::minmax_element(xs.begin(), xs.end());
    const auto [ymin, ymax] = std::minmax_element(ys.begin(), ys.end());
    w = *xmax - *xmin;
    h = *ymax - *ymin;
}

std::vector<QPoint> ToDevice(const MVirtualView& view, const std::vector<double>& xs, const std::vector<double>& ys)
{
    std::vector<QPoint> pts(xs.size());
    for (std::size_t i = 0; i < xs.size(); ++i)
        pts[i] = QPoint(view.WorldToDeviceX(xs[i]), view.WorldToDeviceY(ys[i]));
    return pts;
}

void Shift(std::vector<double>& v, double d)
{
    for (double& x : v)
        x += d;
}

// The mounting area's stored values; the length and width names end in a
// backslash.
const MSettingsFields<MStandardFlaecheRep> kStandardFields{
    {QStringLiteral("FlaechenForm"), &MStandardFlaecheRep::FlaechenForm, 0},
    {QStringLiteral("Innenabstand1\\"), &MStandardFlaecheRep::Innenabstand1, 0.5},
    {QStringLiteral("Laenge1\\"), &MStandardFlaecheRep::Laenge1, 0},
    {QStringLiteral("Breite1\\"), &MStandardFlaecheRep::Breite1, 0},
    {QStringLiteral("Laenge2\\"), &MStandardFlaecheRep::Laenge2, 0},
    {QStringLiteral("Breite2\\"), &MStandardFlaecheRep::Breite2, 0},
    {QStringLiteral("Laenge3\\"), &MStandardFlaecheRep::Laenge3, 0},
    {QStringLiteral("Breite3\\"), &MStandardFlaecheRep::Breite3, 0},
    {QStringLiteral("Laenge4\\"), &MStandardFlaecheRep::Laenge4, 0},
    {QStringLiteral("Breite4\\"), &MStandardFlaecheRep::Breite4, 0},
    {QStringLiteral("Nordrichtung"), &MStandardFlaecheRep::Nordrichtung, 0},
    {QStringLiteral("Modulrichtung"), &MStandardFlaecheRep::Modulrichtung, 0},
    {QStringLiteral("Blickrichtung"), &MStandardFlaecheRep::Blickrichtung, 0},
};
// The wind rose is read but never written.
const MSettingsFields<MStandardFlaecheRep> kWindroseFields{
    {QStringLiteral("WindroseWeltX"), &MStandardFlaecheRep::WindroseWeltX, 0},
    {QStringLiteral("WindroseWeltY"), &MStandardFlaecheRep::WindroseWeltY, 0},
    {QStringLiteral("WindroseWeltgroesse"), &MStandardFlaecheRep::WindroseWeltgroesse, 60},
    {QStringLiteral("WindroseFarbe1"), &MStandardFlaecheRep::WindroseFarbe1, tandrel::platform::ColorRef(0)},
    {QStringLiteral("WindroseFarbe2"), &MStandardFlaecheRep::WindroseFarbe2, tandrel::platform::ColorRef(0xFFFFFF)},
    {QStringLiteral("WindroseFarbe3"), &MStandardFlaecheRep::WindroseFarbe3, tandrel::platform::ColorRef(0)},
    {QStringLiteral("WindroseBreiteProzent"), &MStandardFlaecheRep::WindroseBreiteProzent, 20},
};

const MSettingsFields<MSperrFlaecheRep> kSperrFields{
    {QStringLiteral("FlaechenForm"), &MSperrFlaecheRep::FlaechenForm, 0},
    {QStringLiteral("Aussenabstand"), &MSperrFlaecheRep::Aussenabstand, 0.3},
    {QStringLiteral("ZeichneFlaecheAussen"), &MSperrFlaecheRep::ZeichneFlaecheAussen, true},
    {QStringLiteral("Innenabstand"), &MSperrFlaecheRep::Innenabstand, 0.5},
    {QStringLiteral("ZeichneZweiteFlaeche"), &MSperrFlaecheRep::ZeichneZweiteFlaeche, true},
    {QStringLiteral("Nordrichtung"), &MSperrFlaecheRep::Nordrichtung, 0},
    {QStringLiteral("Laenge1\\"), &MSperrFlaecheRep::Laenge1, 0},
    {QStringLiteral("Breite1\\"), &MSperrFlaecheRep::Breite1, 0},
    {QStringLiteral("Laenge2\\"), &MSperrFlaecheRep::Laenge2, 0},
    {QStringLiteral("Breite2\\"), &MSperrFlaecheRep::Breite2, 0},
    {QStringLiteral("Laenge3\\"), &MSperrFlaecheRep::Laenge3, 0},
    {QStringLiteral("Breite3\\"), &MSperrFlaecheRep::Breite3, 0},
    {QStringLiteral("Laenge4\\"), &MSperrFlaecheRep::Laenge4, 0},
    {QStringLiteral("Breite4\\"), &MSperrFlaecheRep::Breite4, 0},
};

} // namespace

// ---------------------------------------------------------------- mounting area

MStandardFlaecheRep::MStandardFlaecheRep(MBaseStructur* owner, std::int32_t objectID, std::int32_t typeNum,
                                         double x, double y)
    : MBaseRep(owner, objectID, typeNum, x, y)
{
    RepTyp = kRepTypStandardFlaeche;
    XSize = 30;
    YSize = 25;
    ZSize = 5;
    PenColor = 0x0000FF;
    FillColor = 0xF0DCF0;
    PenWidth = 1;
    PenStyle = 0;
}

void MStandardFlaecheRep::BuildOutline(std::int32_t form)
{
    Rotation = (Nordrichtung - Blickrichtung) * kDegToRad;
    FlaechenForm = form;
    CornerCount = 4;
    BasePolygon(form, XPos, YPos, Laenge1, Breite1, Laenge2, Laenge3, OutlineX, OutlineY);
    InnerX.assign(4, 0);
    InnerY.assign(4, 0);
    std::array<bool, 4> done{};
    for (std::size_t i = 0; i < 4; ++i) {
        const CornerVectors v = Corner(OutlineX, OutlineY, i);
        if (v.skip)
            continue;
        InnerX[i] = OutlineX[i] - Innenabstand1 * (v.ax + v.bx);
        InnerY[i] = OutlineY[i] - Innenabstand1 * (v.ay + v.by);
        done[i] = true;
    }
    ResolveSkipped(OutlineX, OutlineY, done, InnerX, InnerY);
    BoundingSize(OutlineX, OutlineY, XSize, YSize);
    RotCenterX = XPos + XSize / 2;
    RotCenterY = YPos + YSize / 2;
    RotatePolygon(OutlineX, OutlineY, RotCenterX, RotCenterY, Rotation, ShapeX, ShapeY);
    RotatePolygon(InnerX, InnerY, RotCenterX, RotCenterY, Rotation, InnerRotX, InnerRotY);
}

bool MStandardFlaecheRep::IsUsable(double x, double y) const
{
    if (!(x >= XPos - 0.4 * XSize && x <= XPos + 1.4 * XSize))
        return false;
    if (!(y >= YPos - 0.4 * YSize && y <= YPos + 1.4 * YSize))
        return false;
    return PointInPolygon(InnerRotX, InnerRotY, x, y);
}

void MStandardFlaecheRep::UpdateGroups(MBaseStructur& structure)
{
    const std::vector<MBaseRep*> reps = structure.Reps();
    for (MBaseRep* r : reps)
        if (auto* g = dynamic_cast<MGruppeRep*>(r))
            g->UpdateModuleStates(structure);
}

bool MStandardFlaecheRep::ContainsPoint(double x, double y) const
{
    return MBaseRep::ContainsPoint(x, y) && PointInPolygon(ShapeX, ShapeY, x, y);
}

void MStandardFlaecheRep::MoveBy(double dx, double dy)
{
    MBaseRep::MoveBy(dx, dy);
    for (auto* v : {&OutlineX, &InnerX, &ShapeX, &InnerRotX})
        Shift(*v, dx);
    for (auto* v : {&OutlineY, &InnerY, &ShapeY, &InnerRotY})
        Shift(*v, dy);
    if (Owner)
        UpdateGroups(*Owner);
}

void MStandardFlaecheRep::NormalizeTileSize()
{
    if (!(TileWidth >= 0.1 && TileWidth <= 10))
        TileWidth = 0.4;
    if (!(TileHeight >= 0.1 && TileHeight <= 10))
        TileHeight = 0.5;
}

MStandardFlaecheRep::Tiles MStandardFlaecheRep::ComputeTiles() const
{
    Tiles t;
    t.Clip = {XPos, YPos, XPos + XSize, YPos + YSize};
    const double stepX = TileWidth - TileOverlapX;
    const double stepY = TileHeight - TileOverlapY;
    if (!(stepX > 1e-3) || !(stepY > 1e-3))
        return t;
    const double qx = std::trunc(XSize / stepX);
    const double qy = std::trunc(YSize / stepY);
    if (!std::isfinite(qx) || !std::isfinite(qy) || (qx + 2) * (qy + 2) > double(kMaxTiles))
        return t;
    const int nx = int(qx), ny = int(qy);
    if (nx < -1 || ny < -1)
        return t;
    t.Columns = nx + 2;
    t.Rows = ny + 2;
    t.Boxes.reserve(std::size_t(t.Columns) * std::size_t(t.Rows));
    for (int k = 0; k <= ny + 1; ++k) {
        const double shift = TileOverlapX == 0 ? TileWidth * (k % 2) * 0.5 : 0;
        const double y = YPos + stepY * k;
        for (int c = 0; c <= nx + 1; ++c) {
            const double x = XPos + shift + XSize - TileWidth - stepX * c;
            t.Boxes.push_back({x, y, x + TileWidth, y + TileHeight});
        }
    }
    return t;
}

void MStandardFlaecheRep::Draw(MVirtualView& view)
{
    MCanvas* c = view.Canvas;
    if (!c || ShapeX.size() < 4)
        return;
    auto X = [&view](double x) { return view.WorldToDeviceX(x); };
    auto Y = [&view](double y) { return view.WorldToDeviceY(y); };
    c->SetBrushColor(FillColor);
    c->SetBrushStyle(MBrushStyle::Solid);
    c->SetPenColor(PenColor);
    c->SetPenWidth(PenWidth);
    c->SetPenStyle(PenStyle);
    if (FlaechenForm == kFormRechteck) {
        c->Rectangle(X(ShapeX[0]), Y(ShapeY[0]), X(ShapeX[2]), Y(ShapeY[2]));
        c->SetBrushColor(AuxColor2);
        c->Polygon(ToDevice(view, ShapeX, ShapeY));
    } else if (FlaechenForm == kFormTrapez) {
        c->SetBrushColor(AuxColor2);
        c->SetPenColor(0);
        c->Polygon(ToDevice(view, ShapeX, ShapeY));
        c->SetBrushColor(FillColor);
        c->SetPenColor(PenColor);
        c->Polygon(ToDevice(view, InnerRotX, InnerRotY));
        if (CoveringPicture && !CoveringPicture->isNull()) {
            NormalizeTileSize();
            const Tiles tiles = ComputeTiles();
            const auto previous = c->ClipRect();
            QRect clip(QPoint(X(tiles.Clip.MinX), Y(tiles.Clip.MaxY)),
                       QPoint(X(tiles.Clip.MaxX) - 1, Y(tiles.Clip.MinY) - 1));
            if (previous)
                clip &= *previous;
            c->SetClipRect(clip.left(), clip.top(), clip.right() + 1, clip.bottom() + 1);
            if (!clip.isEmpty())
                for (const MWorldBox& b : tiles.Boxes)
                    c->StretchDraw(X(b.MinX), Y(b.MaxY), X(b.MaxX), Y(b.MinY), *CoveringPicture);
            if (previous)
                c->SetClipRect(previous->left(), previous->top(), previous->right() + 1, previous->bottom() + 1);
            else
                c->ClearClip();
        }
    } else {
        c->SetPenColor(0x0000FF);
        c->Rectangle(X(OutlineX[0]), Y(OutlineY[0]), X(OutlineX[2]), Y(OutlineY[2]));
    }
    c->SetPenWidth(1);
}

MBaseRep& MStandardFlaecheRep::Clone(MStructur& target) const
{
    auto& a = target.CreateCopy(*this);
    a.BuildOutline(FlaechenForm);
    return a;
}

void MStandardFlaecheRep::LoadSettings(MKontaloRegistry& store, const QString& key)
{
    LoadGuarded(key, [&] {
        kStandardFields.Load(store, key, *this);
        kWindroseFields.Load(store, key, *this);
    });
    BuildOutline(FlaechenForm);
}

void MStandardFlaecheRep::SaveSettings(MKontaloRegistry& store, const QString& key)
{
    SaveGuarded([&] { kStandardFields.Save(store, key, *this); });
}

// ---------------------------------------------------------------- blocked area

MSperrFlaecheRep::MSperrFlaecheRep(MBaseStructur* owner, std::int32_t objectID, std::int32_t typeNum, double x,
                                   double y)
    : MBaseRep(owner, objectID, typeNum, x, y)
{
    RepTyp = kRepTypSperrFlaeche;
    XSize = 2.2;
    YSize = 1.85;
    ZSize = 1.5;
    PenColor = 0x0000FF;
    FillColor = 0x8C8CDC;
    AuxColor2 = 0xC0C0C0;
    PenWidth = 1;
    PenStyle = 0;
}

void MSperrFlaecheRep::BuildOutline(std::int32_t form)
{
    Rotation = (Nordrichtung - NordOffset) * kDegToRad;
    FlaechenForm = form;
    CornerCount = 4;
    BasePolygon(form, XPos, YPos, Laenge1, Breite1, Laenge2, Laenge3, OutlineX, OutlineY);
    if (ZeichneZweiteFlaeche) {
        InnerX.assign(4, 0);
        InnerY.assign(4, 0);
        OuterX.assign(4, 0);
        OuterY.assign(4, 0);
        const double orientation = SignedArea2(OutlineX, OutlineY) < 0 ? 1.0 : -1.0;
        std::array<bool, 4> done{};
        for (std::size_t i = 0; i < 4; ++i) {
            const CornerVectors v = Corner(OutlineX, OutlineY, i);
            if (v.skip)
                continue;
            double dx = v.ax + v.bx, dy = v.ay + v.by;
            const double len = std::hypot(dx, dy);
            if (len > 1e-9) {
                dx /= len;
                dy /= len;
            } else {
                // A straight corner: the mitre is the edge's outward normal.
                dx = orientation * v.by;
                dy = -orientation * v.bx;
            }
            const double c = v.bx * dx + v.by * dy;
            double s = std::sqrt(std::max(0.0, 1 - c * c));
            if (!(s > 1e-6))
                s = 1; // a spike has no finite mitre
            InnerX[i] = OutlineX[i] - dx * Innenabstand / s;
            InnerY[i] = OutlineY[i] - dy * Innenabstand / s;
            OuterX[i] = OutlineX[i] + dx * Aussenabstand / s;
            OuterY[i] = OutlineY[i] + dy * Aussenabstand / s;
            done[i] = true;
        }
        ResolveSkipped(OutlineX, OutlineY, done, InnerX, InnerY);
        ResolveSkipped(OutlineX, OutlineY, done, OuterX, OuterY);
    } else {
        // Without the second outlines both follow the polygon itself.
        InnerX = OuterX = OutlineX;
        InnerY = OuterY = OutlineY;
    }
    BoundingSize(OutlineX, OutlineY, XSize, YSize);
    for (auto* v : {&OutlineX, &InnerX, &OuterX})
        Shift(*v, -XSize / 2);
    for (auto* v : {&OutlineY, &InnerY, &OuterY})
        Shift(*v, -YSize / 2);
    RotCenterX = XPos;
    RotCenterY = YPos;
    RotatePolygon(OutlineX, OutlineY, RotCenterX, RotCenterY, Rotation, ShapeX, ShapeY);
    RotatePolygon(InnerX, InnerY, RotCenterX, RotCenterY, Rotation, InnerRotX, InnerRotY);
    RotatePolygon(OuterX, OuterY, RotCenterX, RotCenterY, Rotation, OuterRotX, OuterRotY);
    BoundingSize(ShapeX, ShapeY, XSize, YSize);
}

bool MSperrFlaecheRep::IsBlocked(double x, double y) const
{
    const double hx = XSize / 2 + Aussenabstand, hy = YSize / 2 + Aussenabstand;
    if (!(x >= XPos - hx && x <= XPos + hx && y >= YPos - hy && y <= YPos + hy))
        return false;
    return PointInPolygon(OuterRotX, OuterRotY, x, y);
}

MWorldBox MSperrFlaecheRep::BlockingBox() const
{
    const double hx = XSize / 2 + Aussenabstand, hy = YSize / 2 + Aussenabstand;
    return {XPos - hx, YPos - hy, XPos + hx, YPos + hy};
}

MWorldBox MSperrFlaecheRep::HitPointsBox() const
{
    MWorldBox b{XPos, YPos, XPos, YPos};
    for (std::size_t i = 0; i < OuterRotX.size() && i < OuterRotY.size(); ++i) {
        b.MinX = std::min(b.MinX, OuterRotX[i]);
        b.MaxX = std::max(b.MaxX, OuterRotX[i]);
        b.MinY = std::min(b.MinY, OuterRotY[i]);
        b.MaxY = std::max(b.MaxY, OuterRotY[i]);
    }
    return b;
}

bool MSperrFlaecheRep::HitsModule(const MPVModulRep& module) const
{
    if (module.ContainsPoint(XPos, YPos))
        return true;
    for (std::size_t i = 0; i < OuterRotX.size(); ++i)
        if (module.ContainsPoint(OuterRotX[i], OuterRotY[i]))
            return true;
    return false;
}

void MSperrFlaecheRep::BlockGroups(MBaseStructur& structure) const
{
    const std::vector<MBaseRep*> reps = structure.Reps();
    for (MBaseRep* r : reps)
        if (auto* g = dynamic_cast<MGruppeRep*>(r))
            g->BlockModules(*this);
}

void MSperrFlaecheRep::RecheckGroups(MBaseStructur& structure)
{
    const std::vector<MBaseRep*> reps = structure.Reps();
    for (MBaseRep* r : reps)
        if (auto* g = dynamic_cast<MGruppeRep*>(r))
            g->RecheckBlocked(structure);
}

MWorldBox MSperrFlaecheRep::Box() const
{
    return {XPos - XSize / 2, YPos - YSize / 2, XPos + XSize / 2, YPos + YSize / 2};
}

bool MSperrFlaecheRep::ContainsPoint(double x, double y) const
{
    return MBaseRep::ContainsPoint(x, y) && PointInPolygon(ShapeX, ShapeY, x, y);
}

void MSperrFlaecheRep::MoveBy(double dx, double dy)
{
    MBaseRep::MoveBy(dx, dy);
    for (auto* v : {&OutlineX, &InnerX, &OuterX, &ShapeX, &InnerRotX, &OuterRotX})
        Shift(*v, dx);
    for (auto* v : {&OutlineY, &InnerY, &OuterY, &ShapeY, &InnerRotY, &OuterRotY})
        Shift(*v, dy);
    if (Owner)
        RecheckGroups(*Owner);
}

void MSperrFlaecheRep::Draw(MVirtualView& view)
{
    MCanvas* c = view.Canvas;
    if (!c || ShapeX.empty())
        return;
    c->SetPenColor(PenColor);
    c->SetPenWidth(PenWidth);
    c->SetPenStyle(PenStyle);
    if (ZeichneZweiteFlaeche) {
        c->SetPenColor(0);
        c->SetPenWidth(1);
        c->SetPenStyle(kPenDash);
        c->SetBrushStyle(MBrushStyle::Clear);
        c->Polygon(ToDevice(view, OuterRotX, OuterRotY));
    }
    c->SetPenColor(PenColor);
    c->SetPenWidth(PenWidth);
    c->SetPenStyle(kPenSolid);
    c->SetBrushStyle(MBrushStyle::Solid);
    c->SetBrushColor(FillColor);
    c->Polygon(ToDevice(view, ShapeX, ShapeY));
    if (ZeichneZweiteFlaeche) {
        c->SetBrushColor(AuxColor2);
        c->Polygon(ToDevice(view, InnerRotX, InnerRotY));
    }
}

MBaseRep& MSperrFlaecheRep::Clone(MStructur& target) const
{
    auto& a = target.CreateCopy(*this);
    a.BuildOutline(FlaechenForm);
    a.BlockGroups(target);
    return a;
}

void MSperrFlaecheRep::LoadSettings(MKontaloRegistry& store, const QString& key)
{
    LoadGuarded(key, [&] { kSperrFields.Load(store, key, *this); });
    BuildOutline(FlaechenForm);
}

void MSperrFlaecheRep::SaveSettings(MKontaloRegistry& store, const QString& key)
{
    SaveGuarded([&] { kSperrFields.Save(store, key, *this); });
}
