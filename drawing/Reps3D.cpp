#include "drawing/Reps3D.h"

#include "app/KontaloRegistry.h"
#include "app/SettingsFields.h"
#include "drawing/Canvas.h"
#include "drawing/VirtualView.h"

#include <QPoint>
#include <algorithm>
#include <cmath>
#include <numeric>

namespace {

constexpr double kDegToRad = 0.017453292519943295;

void DrawLayered(MStructur& faces, void (MBaseRep::*draw)(MVirtualView&), MVirtualView& view)
{
    const std::vector<MBaseRep*> reps = faces.Reps();
    for (MBaseRep* r : reps)
        if (r->Layer < 0)
            (r->*draw)(view);
    for (MBaseRep* r : reps)
        if (r->Layer == 0)
            (r->*draw)(view);
    for (MBaseRep* r : reps)
        if (r->Layer == 1)
            (r->*draw)(view);
    for (MBaseRep* r : reps)
        if (r->Layer > 1)
            (r->*draw)(view);
}

} // namespace

// ---------------------------------------------------------------- face

MFlaeche3DRep::MFlaeche3DRep(MBaseStructur* owner, std::int32_t objectID, std::int32_t typeNum, double x, double y)
    : MBaseRep(owner, objectID, typeNum, x, y)
{
    RepTyp = kRepTypFlaeche3D;
    XSize = 1.3;
    YSize = 0.85;
    ZSize = 0.5;
    PenColor = 0;
    FillColor = 0xFF0000;
    PenWidth = 1;
    PenStyle = 0;
}

void MFlaeche3DRep::SetCorners(std::vector<double> xs, std::vector<double> ys, std::vector<double> zs)
{
    SrcX = std::move(xs);
    SrcY = std::move(ys);
    SrcZ = std::move(zs);
    X = SrcX;
    Y = SrcY;
    Z = SrcZ;
    Punkteanzahl = std::int32_t(SrcX.size());
}

void MFlaeche3DRep::SetWall(double x0, double y0, double z0, double dx, double dy, double height)
{
    SetCorners({x0, x0 + dx, x0 + dx, x0}, {y0, y0 + dy, y0 + dy, y0}, {z0, z0, z0 + height, z0 + height});
}

void MFlaeche3DRep::SetTriangle(double x0, double y0, double z0, double ax, double ay, double bx, double by,
                                double bz)
{
    SetCorners({x0, x0 + ax, x0 + bx}, {y0, y0 + ay, y0 + by}, {z0, z0, z0 + bz});
}

void MFlaeche3DRep::SetQuad(double x0, double y0, double z0, double ax, double ay, double bx, double by, double bz)
{
    SetCorners({x0, x0 + ax, x0 + ax + bx, x0 + bx}, {y0, y0 + ay, y0 + ay + by, y0 + by},
               {z0, z0, z0 + bz, z0 + bz});
}

void MFlaeche3DRep::RotateAbout(double cx, double cy, double angle)
{
    const double c = std::cos(angle), s = std::sin(angle);
    const std::size_t n = SrcX.size();
    X.resize(n);
    Y.resize(n);
    Z = SrcZ;
    for (std::size_t i = 0; i < n; ++i) {
        X[i] = cx + c * (SrcX[i] - cx) - s * (SrcY[i] - cy);
        Y[i] = cy + s * (SrcX[i] - cx) + c * (SrcY[i] - cy);
    }
}

void MFlaeche3DRep::ComputeDepth(const MVirtualView& view)
{
    const std::size_t n = X.size();
    if (n == 0) {
        FaceDepth = DepthBias;
        return;
    }
    const double sx = std::accumulate(X.begin(), X.end(), 0.0);
    const double sy = std::accumulate(Y.begin(), Y.end(), 0.0);
    const double sz = std::accumulate(Z.begin(), Z.end(), 0.0);
    FaceDepth = (view.c6 * sx + view.c7 * sy + view.c8 * sz) / double(n) + DepthBias;
}

MBaseRep& MFlaeche3DRep::Clone(MStructur& target) const
{
    return target.CreateCopy(*this);
}

namespace {

const MSettingsFields<MFlaeche3DRep> kFlaeche3DFields{
    {QStringLiteral("GruppeRepID"), &MFlaeche3DRep::GruppeRepID, 0},
    {QStringLiteral("Punkteanzahl"), &MFlaeche3DRep::Punkteanzahl, 4},
};

} // namespace

void MFlaeche3DRep::LoadSettings(MKontaloRegistry& store, const QString& key)
{
    LoadGuarded(key, [&] { kFlaeche3DFields.Load(store, key, *this); });
}

void MFlaeche3DRep::SaveSettings(MKontaloRegistry& store, const QString& key)
{
    SaveGuarded([&] { kFlaeche3DFields.Save(store, key, *this); });
}

void MFlaeche3DRep::Draw(MVirtualView& view)
{
    MCanvas* c = view.Canvas;
    if (!c || X.empty())
        return;
    c->SetPenColor(PenColor);
    c->SetPenWidth(PenWidth);
    c->SetPenStyle(PenStyle);
    c->SetBrushColor(FillColor);
    c->SetBrushStyle(MBrushStyle::Solid);
    std::vector<QPoint> points;
    points.reserve(X.size());
    for (std::size_t i = 0; i < X.size(); ++i)
        points.emplace_back(view.WorldToDeviceX(X[i]), view.WorldToDeviceY(Y[i]));
    c->Polygon(points);
}

void MFlaeche3DRep::Draw3D(MVirtualView& view)
{
    MCanvas* c = view.Canvas;
    if (!c || X.empty())
        return;
    c->SetPenColor(PenColor);
    c->SetPenWidth(1);
    c->SetPenStyle(kPenSolid);
    c->SetBrushColor(FillColor);
    c->SetBrushStyle(MBrushStyle::Solid);
    std::vector<QPoint> points;
    points.reserve(X.size());
    for (std::size_t i = 0; i < X.size(); ++i)
        points.emplace_back(view.ProjectX(X[i], Y[i]), view.ProjectY(X[i], Y[i], Z[i]));
    c->Polygon(points);
}

void MFlaeche3DRep::MoveBy(double dx, double dy)
{
    MBaseRep::MoveBy(dx, dy);
    for (double& v : SrcX)
        v += dx;
    for (double& v : X)
        v += dx;
    for (double& v : SrcY)
        v += dy;
    for (double& v : Y)
        v += dy;
}

// ---------------------------------------------------------------- building

MGebaeudeRep::MGebaeudeRep(MBaseStructur* owner, std::int32_t objectID, std::int32_t typeNum, double x, double y)
    : MModelRep(owner, objectID, typeNum, x, y)
{
    RepTyp = kRepTypGebaeude;
    XSize = 1.1;
    YSize = 1.6;
    ZSize = 0.06;
    PenColor = 0x0000FF;
    FillColor = 0xF0DCF0;
    PenWidth = 1;
    PenStyle = 0;
}

MGebaeudeRep::RoofShape MGebaeudeRep::ComputeRoofShape() const
{
    const double W = GebaeudeBreite;
    const double p = Elevationgrad * kDegToRad;
    RoofShape s;
    if (GebaeudeTypEntry == 0) {
        if (Elevationgrad > 60) {
            s.RidgeHeight = 0.7 * W;
            s.Run = std::cos(p) * (0.7 * W) / std::sin(p);
        } else {
            s.RidgeHeight = (std::sin(p) / std::cos(p)) * W * 0.5;
            s.Run = W / 2;
        }
    } else if (GebaeudeTypEntry == 1) {
        s.RidgeHeight = std::sin(p) * W;
        s.Run = W / 2;
    }
    return s;
}

void MGebaeudeRep::BuildFaces(std::int32_t variant)
{
    Variant = variant;
    const double L = GebaudeLaenge, W = GebaeudeBreite, H = GebaeudeHoehe;
    const double ox = DachUeberstandx, oy = DachUeberstandy;
    const RoofShape shape = ComputeRoofShape();
    const double hr = shape.RidgeHeight, r = shape.Run;
    XSize = L;
    YSize = W;
    ZSize = H + hr;

    MStructur& faces = Structure();
    if (faces.IsEmpty()) {
        auto face = [&faces](tandrel::platform::ColorRef color, std::int32_t layer) -> MFlaeche3DRep& {
            auto& f = faces.Create<MFlaeche3DRep>(1014, 20, 0.0, 0.0);
            f.FillColor = color;
            f.Layer = layer;
            return f;
        };
        face(GroundColor, -1).SetQuad(-L, W, 0, 2 * L, 0, 0, -2 * W, 0);
        face(0x8C7878, -1).SetQuad(-L / 2, W / 2, 0, L, 0, 0, -W, 0);
        face(0x648CC8, 0).SetQuad(-L / 2, W / 2, H, L, 0, 0, -W, 0);
        face(WallColor, 0).SetWall(-L / 2, W / 2, 0, L, 0, H);
        face(WallColor, 0).SetWall(L / 2, W / 2, 0, 0, -W, H);
        face(WallColor, 0).SetWall(L / 2, -W / 2, 0, -L, 0, H);
        face(WallColor, 0).SetWall(-L / 2, -W / 2, 0, 0, W, H);

        const double o = 0.49 * W > r ? r : W;
        face(GableColor, 0).SetTriangle(-L / 2, W / 2, H, 0, -o, 0, -r, hr);
        face(GableColor, 0).SetTriangle(L / 2, W / 2, H, 0, -o, 0, -r, hr);

        const double s = std::sqrt(hr * hr + r * r);
        double u = 0, v = 0;
        if (hr + r != 0 && s > 0) {
            u = oy * r / s;
            v = oy * hr / s;
        }
        const double bias = -(W + L) / 2;
        auto& front = face(RoofColor, 0);
        front.DepthBias = bias;
        front.SetQuad(-L / 2 - ox, W / 2 + u, H - v, L + 2 * ox, 0, 0, -r - u, hr + v);

        // A flat roof without width has no slope to inset the field along.
        const double e = s > 0 ? 0.8 * hr / s : 0;
        const double f = s > 0 ? 0.8 * r / s : 0;
        auto& solar = face(SolarColor, 0);
        solar.DepthBias = bias - 1;
        solar.SetQuad(-L / 2 + 0.8, W / 2 - f + 0.5, H + e + 0.5, L - 1.6, 0, 0, 2 * f - r, hr - 2 * e);

        if (0.9 * W <= o) {
            auto& back = face(RoofColor, 0);
            back.DepthBias = bias;
            back.SetQuad(-L / 2 - ox, -W / 2 - u, H - v, L + 2 * ox, 0, 0, r + u, hr + v);
        }
    }

    Rotation = Nordrichtung * kDegToRad;
    for (MBaseRep* rep : faces.Reps())
        if (auto* f = dynamic_cast<MFlaeche3DRep*>(rep))
            f->RotateAbout(0, 0, Rotation);
}

void MGebaeudeRep::ComputeDepth(const MVirtualView& view)
{
    const std::vector<MBaseRep*>& reps = Structure().Reps();
    double sum = 0;
    for (MBaseRep* rep : reps) {
        rep->ComputeDepth(view);
        sum += rep->Depth();
    }
    AverageDepth = reps.empty() ? 0 : sum / double(reps.size());
}

MGebaeudeRep::ProjectedExtent MGebaeudeRep::Extent(const MVirtualView& view) const
{
    ProjectedExtent e;
    for (const MBaseRep* rep : Structure().Reps()) {
        const auto* face = dynamic_cast<const MFlaeche3DRep*>(rep);
        if (!face)
            continue;
        for (std::size_t i = 0; i < face->X.size(); ++i) {
            const double u = view.c1 * face->X[i] + view.c2 * face->Y[i];
            const double v = view.c3 * face->X[i] + view.c4 * face->Y[i] + view.c5 * face->Z[i];
            if (!std::isfinite(u) || !std::isfinite(v))
                continue;
            if (e.Empty) {
                e = {u, u, v, v, false};
                continue;
            }
            e.MinU = std::min(e.MinU, u);
            e.MaxU = std::max(e.MaxU, u);
            e.MinV = std::min(e.MinV, v);
            e.MaxV = std::max(e.MaxV, v);
        }
    }
    return e;
}

MBaseRep& MGebaeudeRep::Clone(MStructur& target) const
{
    // Same view; the copy builds faces of its own.
    auto& g = target.CreateCopy(*this);
    g.BuildFaces(Variant);
    return g;
}

namespace {

const MSettingsFields<MGebaeudeRep> kGebaeudeFields{
    {QStringLiteral("GebaeudeTypEntry"), &MGebaeudeRep::GebaeudeTypEntry, 0},
    {QStringLiteral("Nordrichtung"), &MGebaeudeRep::Nordrichtung, 0},
    {QStringLiteral("Elevationgrad"), &MGebaeudeRep::Elevationgrad, 30},
    {QStringLiteral("GebaudeLaenge"), &MGebaeudeRep::GebaudeLaenge, 12},
    {QStringLiteral("GebaeudeBreite"), &MGebaeudeRep::GebaeudeBreite, 8},
    {QStringLiteral("GebaeudeHoehe"), &MGebaeudeRep::GebaeudeHoehe, 7},
    {QStringLiteral("DachUeberstandx"), &MGebaeudeRep::DachUeberstandx, 0},
    {QStringLiteral("DachUeberstandy"), &MGebaeudeRep::DachUeberstandy, 0},
};

} // namespace

void MGebaeudeRep::LoadSettings(MKontaloRegistry& store, const QString& key)
{
    if (!LoadGuarded(key, [&] { kGebaeudeFields.Load(store, key, *this); }))
        return;
    MModelRep::LoadSettings(store, key);
    BuildFaces(0);
}

void MGebaeudeRep::SaveSettings(MKontaloRegistry& store, const QString& key)
{
    if (!SaveGuarded([&] { kGebaeudeFields.Save(store, key, *this); }))
        return;
    MModelRep::SaveSettings(store, key);
}

void MGebaeudeRep::Draw(MVirtualView& view)
{
    if (MCanvas* c = view.Canvas) {
        c->SetPenColor(PenColor);
        c->SetPenWidth(PenWidth);
        c->SetPenStyle(PenStyle);
        c->SetBrushStyle(MBrushStyle::Clear);
    }
    DrawLayered(Structure(), &MBaseRep::Draw, view);
}

void MGebaeudeRep::Draw3D(MVirtualView& view)
{
    // Farthest first; equal depths keep their order. (Moving a face behind
    // every deeper one it meets does not sort: the solar field could end up
    // under its roof plane.)
    MStructur& faces = Structure();
    const int n = faces.Count();
    for (int i = 0; i + 1 < n; ++i) {
        int deepest = i;
        for (int j = i + 1; j < n; ++j)
            if (faces.Items(j)->Depth() > faces.Items(deepest)->Depth())
                deepest = j;
        faces.MoveRep(deepest, i);
    }
    DrawLayered(faces, &MBaseRep::Draw3D, view);
}

void MGebaeudeRep::DrawMoveOutline(MVirtualView& view, double dx, double dy)
{
    const std::vector<MBaseRep*> reps = Structure().Reps();
    for (MBaseRep* rep : reps)
        rep->DrawMoveOutline(view, dx, dy);
}

void MGebaeudeRep::MoveBy(double dx, double dy)
{
    MBaseRep::MoveBy(dx, dy);
    const std::vector<MBaseRep*> reps = Structure().Reps();
    for (MBaseRep* rep : reps)
        rep->MoveBy(dx, dy);
}

bool MGebaeudeRep::ContainsPoint(double x, double y) const
{
    for (const MBaseRep* rep : Structure().Reps())
        if (rep->ContainsPoint(x, y))
            return true;
    return false;
}
