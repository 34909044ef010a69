#include "drawing/PVElementeReps.h"

#include "app/KontaloRegistry.h"
#include "app/SettingsFields.h"
#include "drawing/Canvas.h"
#include "drawing/PVFlaecheReps.h"
#include "drawing/VirtualView.h"
#include "platform/Logging.h"

#include <QPoint>
#include <cmath>

// ---------------------------------------------------------------- module

MPVModulRep::MPVModulRep(MBaseStructur* owner, std::int32_t objectID, std::int32_t typeNum, double x, double y)
    : MBaseRep(owner, objectID, typeNum, x, y)
{
    RepTyp = kRepTypPVModul;
    XSize = 1.3;
    YSize = 0.85;
    ZSize = 0.5;
    PenColor = 0;
    FillColor = 0xFF0000;
    PenWidth = 1;
    PenStyle = 0;
}

bool MPVModulRep::IsInsideArea(const MStandardFlaecheRep& area) const
{
    return area.IsUsable(XPos + XSize / 2, YPos + YSize / 2) && area.IsUsable(XPos, YPos)
        && area.IsUsable(XPos, YPos + YSize) && area.IsUsable(XPos + XSize, YPos + YSize)
        && area.IsUsable(XPos + XSize, YPos);
}

void MPVModulRep::Draw(MVirtualView& view)
{
    MCanvas* c = view.Canvas;
    if (!c)
        return;
    c->SetPenColor(PenColor);
    c->SetPenWidth(PenWidth);
    c->SetPenStyle(PenStyle);
    c->SetBrushColor(FillColor);
    if (!ModulInnerhalb)
        return;
    const int x1 = view.WorldToDeviceX(XPos), y1 = view.WorldToDeviceY(YPos);
    const int x2 = view.WorldToDeviceX(XPos + XSize), y2 = view.WorldToDeviceY(YPos + YSize);
    if (ModulStatus == 1) {
        c->SetBrushStyle(MBrushStyle::Solid);
        c->Rectangle(x1, y1, x2, y2);
        if (Group && Group->ModulePicture)
            c->StretchDraw(x1, y2, x2, y1, *Group->ModulePicture);
    } else if (ModulStatus == 0) {
        c->SetBrushStyle(MBrushStyle::DiagCross);
        c->Rectangle(x1, y1, x2, y2);
        c->SetBrushStyle(MBrushStyle::Solid);
    }
}

MBaseRep& MPVModulRep::Clone(MStructur& target) const
{
    auto& m = target.CreateCopy(*this);
    m.Group = nullptr; // the copy belongs to no group
    return m;
}

namespace {

const MSettingsFields<MPVModulRep> kModulFields{
    {QStringLiteral("ModulID"), &MPVModulRep::ModulID, 0},
    {QStringLiteral("ModulInnerhalb"), &MPVModulRep::ModulInnerhalb, 1},
    {QStringLiteral("ModulStatus"), &MPVModulRep::ModulStatus, 1},
    {QStringLiteral("GruppeRepID"), &MPVModulRep::GruppeRepID, 0},
    {QStringLiteral("RowNr"), &MPVModulRep::RowNr, 0},
    {QStringLiteral("ColNr"), &MPVModulRep::ColNr, 0},
    {QStringLiteral("WRNr"), &MPVModulRep::WRNr, 0},
    {QStringLiteral("StringNr"), &MPVModulRep::StringNr, 0},
};

} // namespace

void MPVModulRep::LoadSettings(MKontaloRegistry& store, const QString& key)
{
    LoadGuarded(key, [&] { kModulFields.Load(store, key, *this); });
}

void MPVModulRep::SaveSettings(MKontaloRegistry& store, const QString& key)
{
    SaveGuarded([&] { kModulFields.Save(store, key, *this); });
}

// ---------------------------------------------------------------- group

MGruppeRep::MGruppeRep(MBaseStructur* owner, std::int32_t objectID, std::int32_t typeNum, double x, double y)
    : MPVModelRep(owner, objectID, typeNum, x, y)
{
    RepTyp = kRepTypGruppe;
    Name1.clear();
    Name2.clear();
    XSize = 1.1;
    YSize = 1.6;
    ZSize = 0.06;
    PenColor = 0x0000FF;
    FillColor = 0xF0DCF0;
    PenWidth = 1;
    PenStyle = 0;
}

std::int64_t MGruppeRep::ColumnGaps(std::int64_t j) const
{
    if (ColCountPeriode == 0)
        return 0;
    return (std::int64_t(ColCountPeriode) + j - ColCountAnfang) / ColCountPeriode;
}

void MGruppeRep::BuildRaster()
{
    if (ColCountPeriode == 0)
        return;
    const bool empty = Structure().IsEmpty();
    const double pitchX = ElementBreite + ColDistance;
    const double pitchY = ElementHoehe + RowDistance;
    XSize = pitchX * (ColCount - 1.0) + double(ColumnGaps(std::int64_t(ColCount) - 1)) * ColPeriodeAbstand
        + ElementBreite;
    YSize = pitchY * (RowCount - 1.0) + ElementHoehe;
    if (!empty || RowCount <= 0 || ColCount <= 0 || std::int64_t(RowCount) * ColCount > kMaxModules)
        return;
    Structure().Reserve(std::size_t(RowCount) * std::size_t(ColCount));
    double shift = 0;
    for (int i = 0; i < RowCount; ++i) {
        if (RasterTyp == 1)
            shift += XVersatz;
        else if (RasterTyp == 2)
            shift = (i % 2 == 1) ? XVersatz : 0;
        const double dy = pitchY * i;
        for (int j = 0; j < ColCount; ++j) {
            double dx = pitchX * j + double(ColumnGaps(j)) * ColPeriodeAbstand;
            if (RasterTyp != 0)
                dx += shift;
            auto& m = Structure().Create<MPVModulRep>(1014, 20, XPos + dx, YPos + dy);
            m.ModulID = GruppeModulID;
            m.XSize = ElementBreite;
            m.YSize = ElementHoehe;
            m.Group = this;
            m.GruppeRepID = RepID;
            m.ModulStatus = 1;
            m.RowNr = i;
            m.ColNr = j;
            m.FillColor = FillColor;
        }
    }
}

void MGruppeRep::UpdateModuleStates(MBaseStructur& /*list*/)
{
    if (!Owner)
        return;
    MarkInside(*Owner);
    RecheckBlocked(*Owner);
}

const std::vector<MPVModulRep*>& MGruppeRep::CollectModules()
{
    m_modules.clear();
    m_modules.reserve(std::size_t(Structure().Count()));
    for (MBaseRep* rep : Structure().Reps())
        if (auto* m = dynamic_cast<MPVModulRep*>(rep))
            m_modules.push_back(m);
    return m_modules;
}

void MGruppeRep::MarkInside(MBaseStructur& structure)
{
    const auto& modules = CollectModules();
    for (MBaseRep* r : structure.Reps()) {
        const auto* area = dynamic_cast<const MStandardFlaecheRep*>(r);
        if (!area)
            continue;
        for (MPVModulRep* m : modules)
            m->ModulInnerhalb = m->IsInsideArea(*area) ? 1 : 0;
    }
}

void MGruppeRep::RecheckBlocked(MBaseStructur& structure)
{
    const auto& modules = CollectModules();
    for (MPVModulRep* m : modules)
        m->ModulStatus = 1;
    for (MBaseRep* r : structure.Reps())
        if (const auto* blocked = dynamic_cast<const MSperrFlaecheRep*>(r))
            Block(modules, *blocked);
}

void MGruppeRep::BlockModules(const MSperrFlaecheRep& blockedArea)
{
    Block(CollectModules(), blockedArea);
}

namespace {

// Closed boxes that certainly do not meet (NaN never counts as apart).
bool Apart(const MWorldBox& a, const MWorldBox& b)
{
    return a.MaxX < b.MinX || a.MinX > b.MaxX || a.MaxY < b.MinY || a.MinY > b.MaxY;
}

} // namespace

void MGruppeRep::Block(const std::vector<MPVModulRep*>& modules, const MSperrFlaecheRep& blockedArea)
{
    const MWorldBox reach = blockedArea.BlockingBox();
    const MWorldBox hitPoints = blockedArea.HitPointsBox();
    for (MPVModulRep* m : modules) {
        if (m->ModulStatus == 0)
            continue;
        // The test points lie around the module's centre (XPos/YPos is its
        // lower-left corner).
        const double hx = m->XSize / 2, hy = m->YSize / 2;
        const double x = m->XPos + hx, y = m->YPos + hy;
        const double ax = 0.3 * m->XSize, ay = 0.3 * m->YSize;
        // Most modules lie far from the area: skip the exact tests then.
        const MWorldBox around{x - std::fabs(hx), y - std::fabs(hy), x + std::fabs(hx), y + std::fabs(hy)};
        MWorldBox hitBox = m->Box();
        hitBox.MinX += m->OffsetX;
        hitBox.MaxX += m->OffsetX;
        hitBox.MinY += m->OffsetY;
        hitBox.MaxY += m->OffsetY;
        if (Apart(around, reach) && Apart(hitBox, hitPoints))
            continue;
        const bool blocked = blockedArea.IsBlocked(x, y) || blockedArea.IsBlocked(x - hx, y - hy)
            || blockedArea.IsBlocked(x + hx, y - hy) || blockedArea.IsBlocked(x + hx, y + hy)
            || blockedArea.IsBlocked(x - hx, y + hy) || blockedArea.IsBlocked(x - ax, y - ay)
            || blockedArea.IsBlocked(x + ax, y - ay) || blockedArea.IsBlocked(x + ax, y + ay)
            || blockedArea.IsBlocked(x - ax, y + ay) || blockedArea.HitsModule(*m);
        if (blocked)
            m->ModulStatus = 0;
    }
}

void MGruppeRep::Draw(MVirtualView& view)
{
    MCanvas* c = view.Canvas;
    if (!c)
        return;
    c->SetPenColor(PenColor);
    c->SetPenWidth(PenWidth);
    c->SetPenStyle(PenStyle);
    c->SetBrushStyle(MBrushStyle::Clear);
    if (!ShowModules)
        return;
    for (MBaseRep* rep : Structure().Reps())
        rep->Draw(view);
}

void MGruppeRep::MoveBy(double dx, double dy)
{
    MBaseRep::MoveBy(dx, dy);
    for (MBaseRep* rep : Structure().Reps())
        rep->MoveBy(dx, dy);
    if (Owner)
        UpdateModuleStates(*Owner);
}

bool MGruppeRep::ContainsPoint(double x, double y) const
{
    for (const MBaseRep* rep : Structure().Reps())
        if (rep->ContainsPoint(x, y))
            return true;
    return false;
}

void MGruppeRep::DrawMoveOutline(MVirtualView& view, double dx, double dy)
{
    for (MBaseRep* rep : Structure().Reps())
        rep->DrawMoveOutline(view, dx, dy);
}

MBaseRep& MGruppeRep::Clone(MStructur& target) const
{
    // The copy starts without modules and builds its own raster.
    auto& g = target.CreateCopy(*this);
    g.BuildRaster();
    g.UpdateModuleStates(target);
    return g;
}

namespace {

const MSettingsFields<MGruppeRep> kGruppeFields{
    {QStringLiteral("GruppeModulID"), &MGruppeRep::GruppeModulID, 0},
    {QStringLiteral("RasterTyp"), &MGruppeRep::RasterTyp, 0},
    {QStringLiteral("RowCount"), &MGruppeRep::RowCount, 2},
    {QStringLiteral("ColCount"), &MGruppeRep::ColCount, 8},
    {QStringLiteral("RowDistance"), &MGruppeRep::RowDistance, 0.05},
    {QStringLiteral("ColDistance"), &MGruppeRep::ColDistance, 0.05},
    {QStringLiteral("XVersatz"), &MGruppeRep::XVersatz, 0.3},
    {QStringLiteral("RowElevationAngle"), &MGruppeRep::RowElevationAngle, 0},
    {QStringLiteral("ColElevationAngle"), &MGruppeRep::ColElevationAngle, 0},
    {QStringLiteral("ColCountAnfang"), &MGruppeRep::ColCountAnfang, 10},
    {QStringLiteral("ColCountPeriode"), &MGruppeRep::ColCountPeriode, 10},
    {QStringLiteral("ColPeriodeAbstand"), &MGruppeRep::ColPeriodeAbstand, 0.6},
    {QStringLiteral("RowCountAnfang"), &MGruppeRep::RowCountAnfang, 10},
    {QStringLiteral("RowCountPeriode"), &MGruppeRep::RowCountPeriode, 10},
    {QStringLiteral("RowPeriodeAbstand"), &MGruppeRep::RowPeriodeAbstand, 0.6},
    {QStringLiteral("ElementBreite"), &MGruppeRep::ElementBreite, 0.9},
    {QStringLiteral("ElementHoehe"), &MGruppeRep::ElementHoehe, 1.6},
};

} // namespace

void MGruppeRep::LoadSettings(MKontaloRegistry& store, const QString& key)
{
    LoadGuarded(key, [&] { kGruppeFields.Load(store, key, *this); });
    MPVModelRep::LoadSettings(store, key);
    BuildRaster();
}

void MGruppeRep::SaveSettings(MKontaloRegistry& store, const QString& key)
{
    SaveGuarded([&] { kGruppeFields.Save(store, key, *this); });
    // The modules' failures must reach the caller: they are the group's content.
    MModelRep::SaveSettings(store, key);
}

// ---------------------------------------------------------------- field

MPVFeldRep::MPVFeldRep(MBaseStructur* owner, std::int32_t objectID, std::int32_t typeNum, double x, double y)
    : MBaseRep(owner, objectID, typeNum, x, y)
{
    RepTyp = kRepTypPVFeld;
    XSize = 75.848;
    YSize = std::cos(30 * 0.017453292519943295) * 143.564;
    ZSize = 10;
    PenColor = 0x0000FF;
    FillColor = 0xFF0000;
}

std::vector<QPointF> MPVFeldRep::ElementPolygon(int row, int col) const
{
    const double y0 = row * YSize + row * 1.9 * YSize, y1 = y0 + YSize;
    const double x0 = col * XSize + col, x1 = x0 + XSize;
    const double c = std::cos(kAngle), s = std::sin(kAngle);
    std::vector<QPointF> pts;
    pts.reserve(4);
    for (const auto& [x, y] : {std::pair{x0, y0}, std::pair{x1, y0}, std::pair{x1, y1}, std::pair{x0, y1}})
        pts.emplace_back(XPos + c * x - s * y, YPos + s * x + c * y);
    return pts;
}

void MPVFeldRep::Draw(MVirtualView& view)
{
    MCanvas* cv = view.Canvas;
    if (!cv || RowCount <= 0 || ColCount <= 0 || std::int64_t(RowCount) * ColCount > kMaxElements)
        return;
    cv->SetPenColor(PenColor);
    cv->SetPenWidth(PenWidth);
    cv->SetPenStyle(PenStyle);
    cv->SetBrushColor(FillColor);
    cv->SetBrushStyle(MBrushStyle::Solid);
    std::vector<QPoint> device(4);
    for (int r = 0; r < RowCount; ++r)
        for (int c = 0; c < ColCount; ++c) {
            const auto world = ElementPolygon(r, c);
            for (int i = 0; i < 4; ++i)
                device[i] = QPoint(view.WorldToDeviceX(world[i].x()), view.WorldToDeviceY(world[i].y()));
            cv->Polygon(device);
        }
}

MBaseRep& MPVFeldRep::Clone(MStructur& target) const
{
    return target.CreateCopy(*this);
}

namespace {

const MSettingsFields<MPVFeldRep> kFeldFields{
    {QStringLiteral("RowCount"), &MPVFeldRep::RowCount, 2},
    {QStringLiteral("ColCount"), &MPVFeldRep::ColCount, 8},
};

} // namespace

void MPVFeldRep::LoadSettings(MKontaloRegistry& store, const QString& key)
{
    LoadGuarded(key, [&] { kFeldFields.Load(store, key, *this); });
}

void MPVFeldRep::SaveSettings(MKontaloRegistry& store, const QString& key)
{
    SaveGuarded([&] { kFeldFields.Save(store, key, *this); });
}
