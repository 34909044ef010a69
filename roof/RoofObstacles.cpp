#include "roof/RoofObstacles.h"

#include "app/KontaloRegistry.h"
#include "drawing/ModelRep.h"
#include "drawing/PVFlaecheReps.h"
#include "drawing/Structur.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace tandrel::roof {

const std::array<TObstacleKind, kObstacleKindCount>& ObstacleKinds()
{
    static const std::array<TObstacleKind, kObstacleKindCount> kinds{{
        {"SpeedButtonSchornstein", "Schornstein", "Schornstein (0,6 × 0,6 m) auf das Dach setzen", 0.6, 0.6},
        {"SpeedButtonDachfenster", "Dachfenster", "Dachfenster (0,78 × 1,18 m) auf das Dach setzen", 0.78, 1.18},
        {"SpeedButtonGaube", "Gaube", "Gaube (2,0 × 1,6 m) auf das Dach setzen", 2.0, 1.6},
        {"SpeedButtonLuefter", "Lüfter / Antenne", "Lüfter oder Antenne (0,3 × 0,3 m) auf das Dach setzen", 0.3, 0.3},
        {"SpeedButtonFreieFlaeche", "Freie Fläche",
         "Freie Fläche auf das Dach setzen; die Größe unter \"Eigenschaften...\" festlegen", 1.0, 1.0},
    }};
    return kinds;
}

std::vector<MSperrFlaecheRep*> Obstacles(const MBaseStructur& structure)
{
    std::vector<MSperrFlaecheRep*> out;
    for (MBaseRep* r : structure.Reps())
        if (auto* a = dynamic_cast<MSperrFlaecheRep*>(r))
            out.push_back(a);
    return out;
}

void ObstaclesOnTop(MStructur& structure)
{
    std::vector<MBaseRep*> order = structure.Reps();
    std::stable_partition(order.begin(), order.end(),
                          [](const MBaseRep* r) { return dynamic_cast<const MSperrFlaecheRep*>(r) == nullptr; });
    for (int t = 0; t < int(order.size()); ++t)
        structure.MoveRep(structure.IndexOf(order[std::size_t(t)]), t);
}

QString NextObstacleName(const MBaseStructur& structure, const QString& caption)
{
    std::vector<int> used;
    const QString prefix = caption + QLatin1Char(' ');
    for (const MSperrFlaecheRep* a : Obstacles(structure))
        if (a->Name1.startsWith(prefix)) {
            bool ok = false;
            const int n = a->Name1.mid(prefix.size()).toInt(&ok);
            if (ok)
                used.push_back(n);
        }
    int n = 1;
    while (std::find(used.begin(), used.end(), n) != used.end())
        ++n;
    return prefix + QString::number(n);
}

namespace {

double Snap(double v)
{
    return std::round(v / kObstacleSnap) * kObstacleSnap;
}

// The centre's range along one side: the area's half inside the roof.
double Hold(double centre, double half, double side)
{
    if (2 * half >= side)
        return half;
    return std::clamp(centre, half, side - half);
}

bool Usable(const MSperrFlaecheRep& a)
{
    const double values[] = {a.XPos, a.YPos, a.Laenge1, a.Breite1, a.Aussenabstand, a.Nordrichtung};
    for (double v : values)
        if (!std::isfinite(v))
            return false;
    return a.Laenge1 > 0 && a.Breite1 > 0 && a.Aussenabstand >= 0 && a.Laenge1 < 1000 && a.Breite1 < 1000 &&
           std::abs(a.XPos) < 1e6 && std::abs(a.YPos) < 1e6;
}

void Apply(MSperrFlaecheRep& a, const TObstacleState& s)
{
    a.Name1 = s.Name;
    a.XPos = s.X;
    a.YPos = s.Y;
    a.Laenge1 = s.Width;
    a.Breite1 = s.Height;
    a.Laenge2 = s.Laenge2;
    a.Laenge3 = s.Laenge3;
    a.Nordrichtung = s.Rotation;
    a.Aussenabstand = s.Aussenabstand;
    a.Innenabstand = 0;
    a.ZeichneZweiteFlaeche = true;
    // Grey boxes with a darker outline.
    a.PenColor = 0x505050;
    a.FillColor = 0xA0A0A0;
    a.AuxColor2 = 0xA0A0A0;
    a.PenWidth = 2;
    a.BuildOutline(s.Form);
}

} // namespace

bool KeepInsideRoof(MSperrFlaecheRep& area, double roofWidth, double roofHeight)
{
    const double x = Hold(Snap(area.XPos), area.XSize / 2, roofWidth);
    const double y = Hold(Snap(area.YPos), area.YSize / 2, roofHeight);
    if (x == area.XPos && y == area.YPos)
        return false;
    area.MoveBy(x - area.XPos, y - area.YPos);
    return true;
}

bool IsAcceptableEdit(const MSperrFlaecheRep& area, double roofWidth, double roofHeight)
{
    constexpr double kTolerance = 1e-6;
    const double values[] = {area.XPos, area.YPos, area.Laenge1, area.Breite1, area.Aussenabstand, area.Nordrichtung};
    for (double v : values)
        if (!std::isfinite(v))
            return false;
    return area.Laenge1 > 0 && area.Breite1 > 0 && area.Aussenabstand >= 0 && area.XSize <= roofWidth + kTolerance &&
           area.YSize <= roofHeight + kTolerance && area.XPos >= 0 && area.XPos <= roofWidth && area.YPos >= 0 &&
           area.YPos <= roofHeight;
}

bool LiesOutsideRoof(const MSperrFlaecheRep& area, double roofWidth, double roofHeight)
{
    constexpr double kTolerance = 1e-6;
    const MWorldBox b = area.Box();
    return b.MinX < -kTolerance || b.MinY < -kTolerance || b.MaxX > roofWidth + kTolerance ||
           b.MaxY > roofHeight + kTolerance;
}

MSperrFlaecheRep& PlaceObstacle(MStructur& structure, int kind, double x, double y, double roofWidth,
                                double roofHeight)
{
    const TObstacleKind& k = ObstacleKinds().at(std::size_t(kind));
    TObstacleState s;
    s.Name = NextObstacleName(structure, QString::fromUtf8(k.Caption));
    s.X = x;
    s.Y = y;
    s.Width = k.Width;
    s.Height = k.Height;
    auto& a = structure.Create<MSperrFlaecheRep>(0, 0, x, y);
    Apply(a, s);
    KeepInsideRoof(a, roofWidth, roofHeight);
    MSperrFlaecheRep::RecheckGroups(structure);
    return a;
}

namespace {

TRoofObstacleKind KindOfName(const QString& name)
{
    static constexpr TRoofObstacleKind kKinds[kObstacleKindCount] = {
        TRoofObstacleKind::Chimney, TRoofObstacleKind::RoofWindow, TRoofObstacleKind::Dormer, TRoofObstacleKind::Vent,
        TRoofObstacleKind::FreeArea};
    for (int i = 0; i < kObstacleKindCount; ++i) {
        const QString prefix = QString::fromUtf8(ObstacleKinds()[std::size_t(i)].Caption) + QLatin1Char(' ');
        if (!name.startsWith(prefix))
            continue;
        bool number = false;
        name.mid(prefix.size()).toInt(&number);
        if (number)
            return kKinds[i];
    }
    return TRoofObstacleKind::Other;
}

} // namespace

std::vector<TRoofObstacle> ObstacleValues(const MBaseStructur& structure)
{
    std::vector<TRoofObstacle> out;
    for (const MSperrFlaecheRep* a : Obstacles(structure)) {
        TRoofObstacle o;
        o.Name = a->Name1;
        o.Kind = KindOfName(a->Name1);
        o.X = a->XPos;
        o.Y = a->YPos;
        o.Width = a->Laenge1;
        o.Height = a->Breite1;
        o.RotationDeg = a->Nordrichtung;
        for (std::size_t i = 0; i < std::min(a->ShapeX.size(), a->ShapeY.size()); ++i)
            o.Outline.emplace_back(a->ShapeX[i], a->ShapeY[i]);
        out.push_back(std::move(o));
    }
    return out;
}

TObstacleSnapshot CaptureObstacles(const MBaseStructur& structure)
{
    TObstacleSnapshot out;
    for (const MSperrFlaecheRep* a : Obstacles(structure))
        out.push_back({a->Name1, a->XPos, a->YPos, a->Laenge1, a->Breite1, a->Nordrichtung, a->FlaechenForm,
                       a->Laenge2, a->Laenge3, a->Aussenabstand});
    return out;
}

void RestoreObstacles(MStructur& structure, const TObstacleSnapshot& snapshot)
{
    for (MSperrFlaecheRep* a : Obstacles(structure))
        structure.RemoveRep(a);
    for (const TObstacleState& s : snapshot)
        Apply(structure.Create<MSperrFlaecheRep>(0, 0, s.X, s.Y), s);
    MSperrFlaecheRep::RecheckGroups(structure);
}

QString ObstaclesKey(const QString& section)
{
    return section + QStringLiteral("\\Hindernisse");
}

void SaveObstacles(const MBaseStructur& structure, MKontaloRegistry& store, const QString& key)
{
    MStructur holder;
    auto& model = holder.Create<MPVModelRep>(0, 0, 0.0, 0.0);
    for (const MSperrFlaecheRep* a : Obstacles(structure))
        a->Clone(model.Structure());
    model.SaveSettings(store, key);
}

TObstacleLoad LoadObstacles(MStructur& structure, MKontaloRegistry& store, const QString& key)
{
    TObstacleLoad result;
    for (MSperrFlaecheRep* a : Obstacles(structure))
        structure.RemoveRep(a);
    if (!store.SectionExists(key))
        return result;
    const int claimed = store.ReadInteger(key, QStringLiteral("RepAnzahl"), 0);
    if (claimed < 0 || claimed > kMaxObstacles) {
        result.Dropped = 1;
        return result;
    }
    // The model writer's layout, read entry by entry: a value that is no
    // number would read as its default and put the obstacle elsewhere.
    for (int i = 0; i < claimed; ++i) {
        const QString sub = key + QLatin1Char('\\') + QString::number(i);
        if (!store.SectionExists(sub) || store.ReadInteger(sub, QStringLiteral("RepTyp"), 0) != kRepTypSperrFlaeche)
            continue;
        bool numbers = true;
        for (const char* name : {"XPos", "YPos", "Laenge1\\", "Breite1\\", "Aussenabstand", "Nordrichtung"})
            numbers = numbers &&
                      std::isfinite(store.ReadFloat(sub, QString::fromLatin1(name), std::numeric_limits<double>::quiet_NaN()));
        if (!numbers)
            continue;
        MStructur holder;
        auto& a = holder.Create<MSperrFlaecheRep>(0, 0, 0.0, 0.0);
        a.LoadBase(store, sub);
        a.LoadSettings(store, sub);
        if (!Usable(a))
            continue;
        Apply(structure.Create<MSperrFlaecheRep>(0, 0, a.XPos, a.YPos),
              {a.Name1, a.XPos, a.YPos, a.Laenge1, a.Breite1, a.Nordrichtung, a.FlaechenForm, a.Laenge2, a.Laenge3,
               a.Aussenabstand});
        ++result.Loaded;
    }
    result.Dropped = std::max(0, claimed - result.Loaded);
    MSperrFlaecheRep::RecheckGroups(structure);
    return result;
}

void TObstacleHistory::Reset(const TObstacleSnapshot& current)
{
    m_current = current;
    m_undo.clear();
    m_redo.clear();
}

bool TObstacleHistory::Commit(const TObstacleSnapshot& current)
{
    if (current == m_current)
        return false;
    m_undo.push_back(std::move(m_current));
    m_current = current;
    m_redo.clear();
    return true;
}

const TObstacleSnapshot& TObstacleHistory::Undo()
{
    if (!m_undo.empty()) {
        m_redo.push_back(std::move(m_current));
        m_current = std::move(m_undo.back());
        m_undo.pop_back();
    }
    return m_current;
}

const TObstacleSnapshot& TObstacleHistory::Redo()
{
    if (!m_redo.empty()) {
        m_undo.push_back(std::move(m_current));
        m_current = std::move(m_redo.back());
        m_redo.pop_back();
    }
    return m_current;
}

} // namespace tandrel::roof
