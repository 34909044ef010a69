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

namespace {

// The ruler boxes: the horizontal one along the top, the vertical one down
// the left side; ticks grow from the edge facing the drawing.
constexpr int kBoxEdge = 4, kHorzBottom = 34, kVertTop = 42, kVertRight = 40;
constexpr int kFullTick = 9, kHalfTick = 5, kLabelGap = 2;

} // namespace

QRect TGraphicFrame::DrawingArea(int W, int H)
{
    return QRect(QPoint(kVertRight + kBoxEdge, kHorzBottom + kBoxEdge), QPoint(W - 1 - kBoxEdge, H - 1 - kBoxEdge));
}

TRulerMarks TGraphicFrame::LayoutRulers(const TRulerLayout& r, int W, int H,
                                        const std::function<QSize(const QString&)>& textSize)
{
    TRulerMarks m;
    const int left = kBoxEdge, right = W - kBoxEdge, top = kVertTop, bottom = H - kBoxEdge;
    m.HorzBox = QRect(QPoint(left, kBoxEdge), QPoint(right, kHorzBottom));
    m.VertBox = QRect(QPoint(kBoxEdge, top), QPoint(kVertRight, bottom));
    // Ticks outside a ruler's box are left out and labels kept inside it:
    // the first and last steps of the layout may reach past the box.
    for (const TRulerTick& t : r.HorzHalfTicks)
        if (t.Pos >= left && t.Pos <= right)
            m.Lines.emplace_back(t.Pos, kHorzBottom, t.Pos, kHorzBottom - kHalfTick);
    const int horzLabelBottom = kHorzBottom - kFullTick - kLabelGap;
    for (const TRulerTick& t : r.HorzTicks) {
        if (t.Pos < left || t.Pos > right)
            continue;
        m.Lines.emplace_back(t.Pos, kHorzBottom, t.Pos, kHorzBottom - kFullTick);
        const QSize size = textSize(t.Label);
        const int x = std::clamp(t.Pos - size.width() / 2, left + 2, std::max(left + 2, right - 1 - size.width()));
        const int y = std::max(kBoxEdge + 1, horzLabelBottom - size.height());
        m.Labels.emplace_back(QRect(x, y, size.width(), size.height()), t.Label);
    }
    for (const TRulerTick& t : r.VertHalfTicks)
        if (t.Pos >= top && t.Pos <= bottom)
            m.Lines.emplace_back(kVertRight, t.Pos, kVertRight - kHalfTick, t.Pos);
    const int vertLabelRight = kVertRight - kFullTick - kLabelGap;
    for (const TRulerTick& t : r.VertTicks) {
        if (t.Pos < top || t.Pos > bottom)
            continue;
        m.Lines.emplace_back(kVertRight, t.Pos, kVertRight - kFullTick, t.Pos);
        const QSize size = textSize(t.Label);
        const int x = std::max(kBoxEdge + 1, vertLabelRight - size.width());
        const int y = std::clamp(t.Pos - size.height() / 2, top + 1, std::max(top + 1, bottom - size.height()));
        m.Labels.emplace_back(QRect(x, y, size.width(), size.height()), t.Label);
    }
    return m;
}

void TGraphicFrame::DrawOverlay()
{
    MVirtualView* view = View();
    if (!view || !view->Canvas)
        return;
    MCanvas& c = *view->Canvas;
    const int W = ScrollBox->viewport()->width();
    const int H = height();
    SetRepFont(c);
    const TRulerMarks m = LayoutRulers(ComputeRulers(*view, W, H), W, H, [&c](const QString& text) {
        return QSize(c.TextWidth(text), c.TextHeight(text));
    });
    c.SetPenColor(0);
    c.SetPenWidth(1);
    c.SetPenStyle(kPenSolid);
    c.SetBrushColor(0xC0C0C0);
    c.SetBrushStyle(MBrushStyle::Solid);
    for (const QRect& box : {m.HorzBox, m.VertBox})
        c.Rectangle(box.left(), box.top(), box.right(), box.bottom());
    for (const QLine& l : m.Lines)
        c.Line(l.x1(), l.y1(), l.x2(), l.y2());
    c.SetBrushStyle(MBrushStyle::Clear);
    for (const auto& [rect, text] : m.Labels)
        c.TextOut(rect.left(), rect.top(), text);
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
