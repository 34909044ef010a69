#include "drawing/FGraphicFrame.h"

#include "app/KontaloRegistry.h"
#include "drawing/DrawConventions.h"
#include "drawing/ModelRep.h"
#include "drawing/Rounding.h"
#include "drawing/VirtualView.h"
#include "platform/Dialogs.h"
#include "platform/Services.h"

#include <QScrollArea>
#include <algorithm>

TGraphicFrame::TGraphicFrame(QWidget* parent)
    : TBaseGraphicFrame(parent)
{
}

void TGraphicFrame::InitFrame(QWidget* parent, TBaseFrame* owner, TBaseFrameFactory* factory, int frameId)
{
    TBaseGraphicFrame::InitFrame(parent, owner, factory, frameId);
    FrameName = QStringLiteral("Grafikansicht");
    FrameDescription = QStringLiteral("Basisfunktionalität für Grafikansicht");
}

void TGraphicFrame::EditCommand2()
{
    tandrel::platform::dialogs().showMessage(QStringLiteral("Jetzt sollte der Modellreport starten."));
}

void TGraphicFrame::DeleteSelected()
{
    MStructur* structure = Structure();
    if (!structure || structure->IsEmpty() || !Selection())
        return;
    DeleteSelection();
    Selection()->Clear();
    Paint();
}

bool TGraphicFrame::CanEditCommand4()
{
    return Selection() && !Selection()->IsEmpty();
}

bool TGraphicFrame::CanEditCommand7()
{
    return CanEditCommand4();
}

void TGraphicFrame::EditCommand8()
{
    MStructur* structure = Structure();
    MSelectionList* selection = Selection();
    if (!structure || !selection)
        return;
    selection->Clear();
    for (MBaseRep* rep : structure->Reps())
        selection->Add(rep);
    Paint();
}

bool TGraphicFrame::CanEditCommand8()
{
    return Structure() && !Structure()->IsEmpty();
}

TRulerLayout TGraphicFrame::ComputeRulers(const MVirtualView& view, int W, int H)
{
    TRulerLayout r;
    // Horizontal ruler from x 4 to W - 4; its step serves both rulers.
    const double s0 = view.DeviceToWorldX(4);
    const double range = view.DeviceToWorldX(W - 4) - s0;
    r.Step = RoundTickStep(range, W - 8);
    r.HorzCount = std::clamp(TickCount(range, r.Step), 0, kMaxTicks);
    const double first = s0 - TickFrac(s0, r.Step);
    for (int k = 0; k <= r.HorzCount; ++k) {
        const double half = first + (k + 0.5) * r.Step;
        r.HorzHalfTicks.push_back({half, view.WorldToDeviceX(half), {}});
        const double full = first + k * r.Step;
        r.HorzTicks.push_back({full, view.WorldToDeviceX(full), TickLabel(full, r.Step)});
    }
    // Vertical ruler from the bottom (H - 4) up to y 42.
    const double v0 = view.DeviceToWorldY(H - 4);
    const double vrange = view.DeviceToWorldY(42) - v0;
    r.VertCount = std::clamp(TickCount(vrange, r.Step), 0, kMaxTicks);
    const double vfirst = v0 - TickFrac(v0, r.Step);
    for (int k = 0; k <= r.VertCount; ++k) {
        const double half = vfirst + (k + 0.5) * r.Step;
        r.VertHalfTicks.push_back({half, view.WorldToDeviceY(half), {}});
        const double full = vfirst + k * r.Step;
        r.VertTicks.push_back({full, view.WorldToDeviceY(full), TickLabel(full, r.Step)});
    }
    return r;
}

void TGraphicFrame::DrawOverlay()
{
    MVirtualView* view = View();
    if (!view || !view->Canvas)
        return;
    MCanvas& c = *view->Canvas;
    const int W = ScrollBox->viewport()->width();
    const int H = height();
    const TRulerLayout r = ComputeRulers(*view, W, H);
    c.SetPenColor(0);
    c.SetPenWidth(1);
    c.SetPenStyle(kPenSolid);
    c.SetBrushColor(0xC0C0C0);
    c.SetBrushStyle(MBrushStyle::Solid);

    // Ticks outside a ruler's box are left out and labels kept inside it:
    // the first and last steps of the layout may reach past the box.
    const int left = 4, right = W - 4, top = 42, bottom = H - 4;
    c.Rectangle(left, 4, right, 34);
    for (const TRulerTick& t : r.HorzHalfTicks)
        if (t.Pos >= left && t.Pos <= right)
            c.Line(t.Pos, 4, t.Pos, 21);
    for (const TRulerTick& t : r.HorzTicks) {
        if (t.Pos < left || t.Pos > right)
            continue;
        c.Line(t.Pos, 4, t.Pos, 28);
        const int w = c.TextWidth(t.Label);
        c.TextOut(std::clamp(t.Pos - (w / 2 + 1), left + 1, std::max(left + 1, right - w)), 8, t.Label);
    }

    c.Rectangle(4, top, 38, bottom);
    for (const TRulerTick& t : r.VertHalfTicks)
        if (t.Pos >= top && t.Pos <= bottom)
            c.Line(4, t.Pos, 23, t.Pos);
    for (const TRulerTick& t : r.VertTicks) {
        if (t.Pos < top || t.Pos > bottom)
            continue;
        c.Line(4, t.Pos, 12, t.Pos);
        const int h = c.TextHeight(t.Label);
        c.TextOut(7, std::clamp(t.Pos - h / 2, top + 1, std::max(top + 1, bottom - h)), t.Label);
    }
    SetRepFont(c);
}

void TGraphicFrame::LoadStoredBackColor(const char* section, tandrel::platform::ColorRef def)
{
    MKontaloRegistry reg;
    StoredBackColor = tandrel::platform::ColorRef(
        reg.ReadInteger(QString::fromLatin1(section), QStringLiteral("BackColor"), int(def)));
}

void TGraphicFrame::SaveBackColor(const char* section)
{
    try {
        MKontaloRegistry reg;
        reg.WriteInteger(QString::fromLatin1(section), QStringLiteral("BackColor"), int(BackColor()));
    } catch (const RegistryError& e) {
        tandrel::platform::dialogs().showMessage(QString::fromUtf8(e.what()));
    }
}

MPVModelRep& TGraphicFrame::CreateFittedModel()
{
    MPVModelRep& model = CreateModel();
    MVirtualView& view = *model.View();
    view.FitToDevice(&PaintBox->Canvas(), PaintBox->width(), PaintBox->height(), 100);
    SetScrollRanges(RoundToInt(view.WorldWidth() * view.xdehnung2d), RoundToInt(view.WorldHeight() * view.ydehnung2d));
    return model;
}
