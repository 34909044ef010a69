#include "drawing/ModelRep.h"

#include "app/KontaloRegistry.h"
#include "app/SettingsFields.h"
#include "drawing/Canvas.h"
#include "drawing/DrawConventions.h"
#include "drawing/PVElementeReps.h"
#include "drawing/PVFlaecheReps.h"
#include "drawing/Rounding.h"
#include "drawing/VirtualView.h"
#include "drawing/RepTypes.h"
#include "platform/Dialogs.h"
#include "platform/Logging.h"
#include "platform/RegularFile.h"
#include "platform/Services.h"

#include <algorithm>
#include <cmath>

namespace {

QString SubKey(const QString& key, int i)
{
    return key + QLatin1Char('\\') + QString::number(i);
}

// The model's own values; the count and the view around them stay with the
// writer and the loader, which check them.
const MSettingsFields<MModelRep> kModelFields{
    {QStringLiteral("ModellName"), &MModelRep::Name1, QStringLiteral("- Modell -"), kNoLengthLimit},
    {QStringLiteral("ModellID"), &MModelRep::ModellID, 10},
};

} // namespace

// ---------------------------------------------------------------- model

MModelRep::MModelRep(MBaseStructur* owner, std::int32_t objectID, std::int32_t typeNum, double x, double y)
    : MBaseRep(owner, objectID, typeNum, x, y)
{
    RepTyp = kRepTypModel;
    ZPos = 0;
    XSize = 90;
    YSize = 100;
    ZSize = 20;
    PenColor = 0;
    AuxColor1 = 0x008000;
    FillColor = 0x808080;
    PenWidth = 3;
    PenStyle = 0;
}

MModelRep::~MModelRep() = default;

MModelRep::MModelRep(const MModelRep& other)
    : MBaseRep(other)
    , ModellID(other.ModellID)
    , m_view(other.m_view)
{
}

MBaseRep& MModelRep::Clone(MStructur& target) const
{
    return target.CreateCopy(*this);
}

void MModelRep::LoadSettings(MKontaloRegistry&, const QString&)
{
    tandrel::platform::dialogs().showMessage(QStringLiteral("Laden des Modells ist nicht implementiert!"));
}

void MModelRep::SaveSettings(MKontaloRegistry& /*store*/, const QString& key)
{
    MKontaloRegistry store;
    kModelFields.Save(store, key, *this);
    store.WriteInteger(key, QStringLiteral("RepAnzahl"), m_structure.Count());
    const MVirtualView* view = View();
    store.WriteInteger(key, QStringLiteral("xver2d"), view ? view->xver2d : 0);
    store.WriteInteger(key, QStringLiteral("yver2d"), view ? view->yver2d : 0);
    store.WriteFloat(key, QStringLiteral("xdehnung2d"), view ? view->xdehnung2d : 0.0);
    store.WriteFloat(key, QStringLiteral("ydehnung2d"), view ? view->ydehnung2d : 0.0);
    for (int i = 0; i < m_structure.Count(); ++i) {
        MBaseRep* rep = m_structure.Items(i);
        const QString sub = SubKey(key, i);
        rep->SaveSettings(store, sub);
        rep->SaveBase(store, sub);
        if (rep->RepTyp == kRepTypBackPlane)
            if (const auto* back = dynamic_cast<const MBackPlaneRep*>(rep))
                store.WriteString(sub, QStringLiteral("FileName"), back->FileName);
    }
    store.Flush();
}

void MModelRep::Draw(MVirtualView& view)
{
    MCanvas* c = view.Canvas;
    if (!c)
        return;
    c->SetPenColor(PenColor);
    c->SetBrushColor(FillColor);
    c->SetPenWidth(PenWidth);
    c->SetPenStyle(PenStyle);
    c->Rectangle(view.WorldToDeviceX(XPos), view.WorldToDeviceY(YPos), view.WorldToDeviceX(XPos + XSize),
                 view.WorldToDeviceY(YPos + YSize));
}

void MModelRep::Draw3D(MVirtualView& view)
{
    const std::vector<MBaseRep*> reps = m_structure.Reps();
    for (MBaseRep* rep : reps)
        rep->Draw3D(view);
}

// ---------------------------------------------------------------- PV model

namespace {

std::unique_ptr<MVirtualView> NewModelView()
{
    auto view = std::make_unique<MVirtualView>();
    view->xver2d = 1000;
    view->yver2d = 1000;
    view->xdehnung2d = 1.0;
    view->ydehnung2d = 1.0;
    return view;
}

} // namespace

MPVModelRep::MPVModelRep(MBaseStructur* owner, std::int32_t objectID, std::int32_t typeNum, double x, double y)
    : MModelRep(owner, objectID, typeNum, x, y)
    , m_ownView(NewModelView())
{
    SetView(m_ownView.get());
}

MPVModelRep::MPVModelRep(const MPVModelRep& other)
    : MModelRep(other)
    , Damaged(other.Damaged)
    , m_ownView(NewModelView())
{
    if (other.View())
        m_ownView->AssignView(*other.View());
    SetView(m_ownView.get());
}

MPVModelRep::~MPVModelRep()
{
    SetView(nullptr);
}

MBaseRep& MPVModelRep::Clone(MStructur& target) const
{
    return target.CreateCopy(*this);
}

namespace {

// How deep the loader is in nested models right now (groups hold models).
thread_local int g_loadDepth = 0;

struct LoadDepth {
    LoadDepth() { ++g_loadDepth; }
    ~LoadDepth() { --g_loadDepth; }
};

} // namespace

void MPVModelRep::LoadSettings(MKontaloRegistry& store, const QString& key)
{
    const LoadDepth depth;
    Damaged = false;
    try {
        // Out of the list, not freed: something may still refer to them.
        Structure().RemoveReps(Structure());
        if (g_loadDepth > kMaxNestingDepth) {
            Damaged = true;
            qCWarning(lcTandrelDrawing) << "model" << key << "nested deeper than" << kMaxNestingDepth << "- not loaded";
            return;
        }
        const int n = store.ReadInteger(key, QStringLiteral("RepAnzahl"), 0);
        if (n < 0 || n > kMaxModelReps) {
            // No roof holds that many: the entry is damaged. Reading it would
            // create every missing entry and could push the file past the
            // store's limit, which resets all settings on the next start.
            Damaged = true;
            qCWarning(lcTandrelDrawing) << "model" << key << "claims" << n << "representations - not loaded";
            return;
        }
        kModelFields.Load(store, key, *this);
        const double xd = store.ReadFloat(key, QStringLiteral("xdehnung2d"), 1);
        if (xd != 0 && View()) {
            const int xv = store.ReadInteger(key, QStringLiteral("xver2d"), 0);
            const int yv = store.ReadInteger(key, QStringLiteral("yver2d"), 0);
            const double yd = store.ReadFloat(key, QStringLiteral("ydehnung2d"), 1);
            // A zero or broken scale would make the view unusable: keep the one we have.
            if (std::isfinite(xd) && std::isfinite(yd) && yd != 0) {
                View()->xver2d = xv;
                View()->yver2d = yv;
                View()->xdehnung2d = xd;
                View()->ydehnung2d = yd;
            }
        }
        for (int i = 0; i < n; ++i) {
            const QString sub = SubKey(key, i);
            // A missing entry reads as empty; it is not created by reading it.
            if (!store.SectionExists(sub))
                continue;
            const int t = store.ReadInteger(sub, QStringLiteral("RepTyp"), kRepTypEmpty);
            store.ReadInteger(sub, QStringLiteral("RepID"), 0);
            const MRepTypeInfo* type = FindRepType(t);
            if (!type || !type->Create)
                continue;
            try {
                MBaseRep& rep = type->Create(Structure(), store, sub);
                rep.LoadBase(store, sub);
                rep.LoadSettings(store, sub);
            } catch (const std::exception& e) {
                // One bad entry must not cost the others.
                qCWarning(lcTandrelDrawing) << "entry" << sub << "not loaded:" << e.what();
            }
        }
        if (View())
            Structure().FitViewToContents(*View());
    } catch (const std::exception& e) {
        qCWarning(lcTandrelDrawing) << "model" << key << "not loaded:" << e.what();
    }
}

// ---------------------------------------------------------------- background picture

MBackPlaneRep::MBackPlaneRep(MBaseStructur* owner, const QString& fileName, std::int32_t objectID,
                             std::int32_t typeNum, double x, double y)
    : MBaseRep(owner, objectID, typeNum, x, y)
    , FileName(fileName)
{
    RepTyp = kRepTypBackPlane;
    ZPos = 0;
    XSize = 2629.12;
    YSize = 2174.08;
    ZSize = 10;
    PenColor = 0x0000FF;
    FillColor = 0xFF0000;
    PenWidth = 1;
    PenStyle = 0;
    LoadPicture();
}

void MBackPlaneRep::LoadPicture()
{
    if (FileName.isEmpty())
        return;
    // Only from a regular file: a stored name may meanwhile name a FIFO.
    const QImage image = tandrel::platform::loadPictureFile(FileName);
    if (!image.isNull()) {
        Picture = image;
        PictureLoaded = true;
    }
}

MBaseRep& MBackPlaneRep::Clone(MStructur& target) const
{
    return target.CreateCopy(*this); // shares the loaded picture
}

namespace {

// Not cut to the line-edit limit: a path is kept whole.
const MSettingsFields<MBackPlaneRep> kBackPlaneFields{
    {QStringLiteral("BackBitmapFilename"), &MBackPlaneRep::FileName, QString(), kNoLengthLimit},
};

} // namespace

void MBackPlaneRep::LoadSettings(MKontaloRegistry& store, const QString& key)
{
    LoadGuarded(key, [&] {
        kBackPlaneFields.Load(store, key, *this);
        LoadPicture();
    });
}

void MBackPlaneRep::SaveSettings(MKontaloRegistry& store, const QString& key)
{
    SaveGuarded([&] { kBackPlaneFields.Save(store, key, *this); });
}

void MBackPlaneRep::Draw(MVirtualView& view)
{
    MCanvas* c = view.Canvas;
    if (!c)
        return;
    c->SetPenColor(PenColor);
    c->SetBrushColor(FillColor);
    c->SetPenWidth(PenWidth);
    c->SetPenStyle(PenStyle);
    if (Picture.isNull())
        return;
    c->StretchDraw(view.WorldToDeviceX(XPos), view.WorldToDeviceY(YPos + YSize), view.WorldToDeviceX(XPos + XSize),
                   view.WorldToDeviceY(YPos), Picture);
}

// ---------------------------------------------------------------- scale bar

MMasstabRep::MMasstabRep(MBaseStructur* owner, std::int32_t objectID, std::int32_t typeNum, double x, double y)
    : MBaseRep(owner, objectID, typeNum, x, y)
{
    RepTyp = kRepTypMasstab;
    ZPos = 0;
    XSize = 1650;
    YSize = 1850;
    ZSize = 5;
    PenColor = 0;
    FillColor = tandrel::platform::kColorInfoBk;
    PenWidth = 1;
    PenStyle = 0;
}

MMasstabRep::Layout MMasstabRep::ComputeLayout(const MVirtualView& view) const
{
    Layout l;
    auto X = [&view](double x) { return view.WorldToDeviceX(x); };
    const int y0 = view.WorldToDeviceY(YPos);
    const int d = view.WorldToDeviceX(view.WorldXMax - view.WorldXMin);
    l.H = RoundToInt(d * BarHeightPercent / 100);
    const int h = l.H;
    l.BarX1 = X(XPos);
    l.BarY1 = SaturatedAdd(y0, h);
    l.BarX2 = X(XPos + XSize);
    l.BarY2 = SaturatedAdd(y0, SaturatedAdd(h, h));
    l.EndX1 = SaturatedSub(X(XPos), h);
    l.EndY1 = y0;
    l.EndX2 = SaturatedSub(X(XPos), SaturatedAdd(h, h));
    l.EndY2 = view.WorldToDeviceY(YPos + YSize);
    const int p = RoundToInt(XSize * view.xdehnung2d);
    l.Step = RoundTickStep(XSize, p);
    const int count = std::min(TickCount(XSize, l.Step), kMaxTicks);
    const double first = XPos - TickFrac(XPos, l.Step);
    const int tickEnd = SaturatedAdd(y0, RoundToInt(1.7 * h));
    for (int k = 0; k <= count; ++k) {
        const double xk = first + k * l.Step;
        l.Ticks.push_back({xk, X(xk), l.BarY1, tickEnd, TickLabel(xk, l.Step)});
    }
    return l;
}

void MMasstabRep::Draw(MVirtualView& view)
{
    MCanvas* c = view.Canvas;
    if (!c)
        return;
    c->SetPenColor(PenColor);
    c->SetBrushColor(FillColor);
    c->SetBrushStyle(MBrushStyle::Solid);
    c->SetPenWidth(PenWidth);
    c->SetPenStyle(PenStyle);
    const Layout l = ComputeLayout(view);
    BarHeightPx = l.H;
    c->Rectangle(l.BarX1, l.BarY1, l.BarX2, l.BarY2);
    for (const Tick& t : l.Ticks) {
        c->Line(t.X, t.Y1, t.X, t.Y2);
        c->TextOut(SaturatedSub(t.X, c->TextWidth(t.Label) / 2), t.Y1, t.Label);
    }
    c->Rectangle(l.EndX1, l.EndY1, l.EndX2, l.EndY2);
}

MBaseRep& MMasstabRep::Clone(MStructur& target) const
{
    return target.CreateCopy(*this);
}
