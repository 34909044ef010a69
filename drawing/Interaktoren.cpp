#include "drawing/Interaktoren.h"

#include "drawing/Canvas.h"
#include "drawing/Rounding.h"
#include "drawing/VirtualView.h"

#include <algorithm>
#include <cstdlib>

// ---------------------------------------------------------------- interactor

MBaseInteractor::~MBaseInteractor() = default;

int MBaseInteractor::RightButtonDown(QObject*, int, int, int) { return 0; }
int MBaseInteractor::MiddleButtonDown(QObject*, int, int, int) { return 0; }
int MBaseInteractor::LeftButtonDown(QObject*, int, int, int) { return 0; }
int MBaseInteractor::MouseMove(QObject*, int, int, int) { return 0; }
int MBaseInteractor::RightButtonUp(QObject*, int, int, int) { return 0; }
int MBaseInteractor::MiddleButtonUp(QObject*, int, int, int) { return 0; }
int MBaseInteractor::LeftButtonUp(QObject*, int, int, int) { return 0; }

void MBaseInteractor::FreeSelf()
{
    if (Stack)
        Stack->Remove(this);
}

// ---------------------------------------------------------------- stack

MBaseInteractorStack::MBaseInteractorStack(QString name, MGraphicFrameHost* frame)
    : m_name(std::move(name))
    , m_frame(frame)
{
}

MBaseInteractorStack::~MBaseInteractorStack()
{
    while (!m_items.empty())
        Remove(m_items.front().get());
}

bool MBaseInteractorStack::Contains(const MBaseInteractor* interactor) const
{
    return std::any_of(m_items.begin(), m_items.end(), [interactor](const auto& p) { return p.get() == interactor; });
}

void MBaseInteractorStack::Push(std::unique_ptr<MBaseInteractor> interactor)
{
    if (!interactor)
        return;
    interactor->Stack = this;
    interactor->m_serial = m_nextSerial++;
    m_items.insert(m_items.begin(), std::move(interactor));
}

void MBaseInteractorStack::Remove(MBaseInteractor* interactor)
{
    const auto it = std::find_if(m_items.begin(), m_items.end(),
                                 [interactor](const auto& p) { return p.get() == interactor; });
    if (it == m_items.end())
        return;
    std::unique_ptr<MBaseInteractor> owned = std::move(*it);
    m_items.erase(it);
    if (m_frame)
        m_frame->InteractorRemoved(owned.get());
    owned.reset(); // its destructor may still draw through the frame
}

void MBaseInteractorStack::RemoveTransient()
{
    const std::vector<Entry> snapshot = TakeSnapshot();
    for (const Entry& e : snapshot)
        if (Alive(e) && e.Interactor->IsTransient())
            Remove(e.Interactor);
}

std::vector<MBaseInteractorStack::Entry> MBaseInteractorStack::TakeSnapshot() const
{
    std::vector<Entry> snapshot;
    snapshot.reserve(m_items.size());
    for (const auto& p : m_items)
        snapshot.push_back({p.get(), p->m_serial});
    return snapshot;
}

bool MBaseInteractorStack::Alive(const Entry& e) const
{
    // The serial tells a freed interactor from a new one at the same address.
    return std::any_of(m_items.begin(), m_items.end(),
                       [&e](const auto& p) { return p.get() == e.Interactor && p->m_serial == e.Serial; });
}

template <class F>
int MBaseInteractorStack::Dispatch(F&& handler)
{
    const std::vector<Entry> snapshot = TakeSnapshot();
    for (const Entry& e : snapshot) {
        if (!Alive(e))
            continue;
        if (handler(*e.Interactor) == 1)
            return 1;
    }
    return 0;
}

int MBaseInteractorStack::RightButtonDown(QObject* sender, int shift, int x, int y)
{
    return Dispatch([&](MBaseInteractor& ia) { return ia.RightButtonDown(sender, shift, x, y); });
}

int MBaseInteractorStack::MiddleButtonDown(QObject* sender, int shift, int x, int y)
{
    return Dispatch([&](MBaseInteractor& ia) { return ia.MiddleButtonDown(sender, shift, x, y); });
}

int MBaseInteractorStack::LeftButtonDown(QObject* sender, int shift, int x, int y)
{
    return Dispatch([&](MBaseInteractor& ia) { return ia.LeftButtonDown(sender, shift, x, y); });
}

int MBaseInteractorStack::MouseMove(QObject* sender, int shift, int x, int y)
{
    return Dispatch([&](MBaseInteractor& ia) { return ia.MouseMove(sender, shift, x, y); });
}

int MBaseInteractorStack::RightButtonUp(QObject* sender, int shift, int x, int y)
{
    return Dispatch([&](MBaseInteractor& ia) { return ia.RightButtonUp(sender, shift, x, y); });
}

int MBaseInteractorStack::MiddleButtonUp(QObject* sender, int shift, int x, int y)
{
    return Dispatch([&](MBaseInteractor& ia) { return ia.MiddleButtonUp(sender, shift, x, y); });
}

int MBaseInteractorStack::LeftButtonUp(QObject* sender, int shift, int x, int y)
{
    return Dispatch([&](MBaseInteractor& ia) { return ia.LeftButtonUp(sender, shift, x, y); });
}

// ---------------------------------------------------------------- handles

MTracker::MTracker(double x, double y, std::int32_t size, bool hideWhenNarrow, bool hideWhenLow)
    : X(x)
    , Y(y)
    , Size(size)
    , HideWhenNarrow(hideWhenNarrow)
    , HideWhenLow(hideWhenLow)
{
}

void MTracker::Draw(MVirtualView& view, int w, int h)
{
    MCanvas* c = view.Canvas;
    if (!c)
        return;
    if (HideWhenNarrow && w < 50)
        return;
    if (HideWhenLow && h < 50)
        return;
    if (w < 100 || h < 100)
        Size = 8;
    if (w < 50 || h < 50)
        Size = 4;
    if (w < 30 || h < 30)
        Size = 3;
    if (w < 20 || h < 20)
        Size = 2;
    c->SetPenColor(0);
    c->SetPenWidth(1);
    c->SetBrushColor(0);
    c->SetBrushStyle(MBrushStyle::Solid);
    const int px = view.WorldToDeviceX(X), py = view.WorldToDeviceY(Y);
    c->Rectangle(px - Size, py - Size, px + Size, py + Size);
}

// ---------------------------------------------------------------- selection

int MSelectionList::Clear()
{
    if (IsEmpty())
        return 1;
    ClearList();
    m_handles.clear();
    return 0;
}

int MSelectionList::SelectOnly(MBaseRep* rep)
{
    ClearList();
    if (rep)
        MBaseStructur::Append(rep);
    BuildHandles();
    return 0;
}

int MSelectionList::Add(MBaseRep* rep)
{
    if (!rep || IndexOf(rep) >= 0)
        return 1;
    MBaseStructur::Append(rep);
    BuildHandles();
    return 0;
}

bool MSelectionList::Remove(MBaseRep* rep)
{
    if (!Take(rep))
        return false;
    if (IsEmpty())
        m_handles.clear();
    return true;
}

int MSelectionList::IsOutside(double x, double y) const
{
    if (IsEmpty())
        return 1;
    const MWorldBox b = GetBounds();
    return (x <= b.MinX || x >= b.MaxX || y <= b.MinY || y >= b.MaxY) ? 1 : 0;
}

void MSelectionList::MoveHandles(double dx, double dy)
{
    for (auto& h : m_handles) {
        h->X += dx;
        h->Y += dy;
    }
}

void MSelectionList::BuildHandles()
{
    m_handles.clear();
    if (IsEmpty())
        return;
    const MWorldBox b = GetBounds();
    const double midX = b.MinX + (b.MaxX - b.MinX) / 2;
    const double midY = b.MinY + (b.MaxY - b.MinY) / 2;
    auto add = [this](double x, double y, bool narrow, bool low) {
        m_handles.push_back(std::make_unique<MTracker>(x, y, HandleSize, narrow, low));
    };
    add(b.MinX, b.MinY, false, false);
    add(b.MaxX, b.MinY, false, false);
    add(b.MaxX, b.MaxY, false, false);
    add(b.MinX, b.MaxY, false, false);
    add(midX, b.MinY, true, false);
    add(midX, b.MaxY, true, false);
    add(b.MinX, midY, false, true);
    add(b.MaxX, midY, false, true);
}

void MSelectionList::DrawAll(MVirtualView& view)
{
    MCanvas* c = view.Canvas;
    if (!c || IsEmpty())
        return;
    const auto penColor = c->PenColor();
    const int penWidth = c->PenWidth();
    const MBrushStyle brushStyle = c->BrushStyle();
    const auto brushColor = c->BrushColor();

    c->SetPenColor(0);
    c->SetPenWidth(1);
    c->SetBrushStyle(MBrushStyle::Clear);
    const MWorldBox b = GetBounds();
    const int x1 = view.WorldToDeviceX(b.MinX), x2 = view.WorldToDeviceX(b.MaxX);
    const int y1 = view.WorldToDeviceY(b.MaxY), y2 = view.WorldToDeviceY(b.MinY);
    c->Rectangle(SaturatedSub(x1, HandleSize), SaturatedSub(y1, HandleSize), SaturatedAdd(x2, HandleSize),
                 SaturatedAdd(y2, HandleSize));
    if (!m_handles.empty()) {
        const int w = SaturatedSub(x2, x1), h = SaturatedSub(y2, y1);
        for (auto& handle : m_handles)
            handle->Draw(view, w, h);
    }

    c->SetPenColor(penColor);
    c->SetPenWidth(penWidth);
    c->SetBrushStyle(brushStyle);
    c->SetBrushColor(brushColor);
}

// ---------------------------------------------------------------- selecting

namespace {

// Pen and brush settings an interactor changes for a not-xor figure.
struct SavedPen {
    explicit SavedPen(MCanvas& c)
        : canvas(c)
        , mode(c.PenMode())
        , color(c.PenColor())
        , width(c.PenWidth())
        , style(c.PenStyle())
        , brushStyle(c.BrushStyle())
        , brushColor(c.BrushColor())
    {
    }
    ~SavedPen()
    {
        canvas.SetPenMode(mode);
        canvas.SetPenColor(color);
        canvas.SetPenWidth(width);
        canvas.SetPenStyle(style);
        canvas.SetBrushStyle(brushStyle);
        canvas.SetBrushColor(brushColor);
    }
    SavedPen(const SavedPen&) = delete;
    SavedPen& operator=(const SavedPen&) = delete;

    MCanvas& canvas;
    MPenMode mode;
    tandrel::platform::ColorRef color;
    int width, style;
    MBrushStyle brushStyle;
    tandrel::platform::ColorRef brushColor;
};

bool InsideSelection(MGraphicFrameHost* frame, double wx, double wy)
{
    MSelectionList* sel = frame->Selection();
    return sel && sel->IsOutside(wx, wy) == 0;
}

} // namespace

MGraphicIA::MGraphicIA(MGraphicFrameHost* frame)
    : Frame(frame)
{
}

MBaseInteractor* MGraphicIA::CloneFor(MGraphicFrameHost* frame) const
{
    if (!frame || !frame->InteractorStack())
        return nullptr;
    return &frame->InteractorStack()->Create<MGraphicIA>(frame);
}

void MGraphicIA::DrawBand(int x, int y)
{
    MVirtualView* view = Frame ? Frame->View() : nullptr;
    if (!view || !view->Canvas)
        return;
    CurX = x;
    CurY = y;
    MCanvas& c = *view->Canvas;
    {
        SavedPen saved(c);
        c.SetPenMode(MPenMode::NotXor);
        c.SetPenColor(0);
        c.SetPenWidth(1);
        c.SetPenStyle(kPenDot);
        c.SetBrushStyle(MBrushStyle::Clear);
        c.Rectangle(StartX, StartY, CurX, CurY);
    }
    Frame->UpdateScreen();
}

void MGraphicIA::EraseBand()
{
    if (BandDrawn > 0)
        DrawBand(CurX, CurY);
    BandDrawn = 0;
}

int MGraphicIA::LeftButtonDown(QObject*, int shift, int x, int y)
{
    if (Mode != kIdle) {
        // The release of the last band was lost (a context menu took the
        // mouse): drop the stale band and start over instead of giving up
        // selecting for the rest of the session.
        EraseBand();
        BandActive = false;
        Mode = kIdle;
    }
    MVirtualView* view = Frame->View();
    MStructur* structure = Frame->Structure();
    if (!view || !structure)
        return 0;
    StartX = CurX = x;
    StartY = CurY = y;
    const double wx = view->DeviceToWorldX(x), wy = view->DeviceToWorldY(y);
    if (InsideSelection(Frame, wx, wy)) {
        Frame->NotifyOwner(); // the drag interactor takes over
        return 0;
    }
    if (MBaseRep* rep = structure->FindAt(wx, wy)) {
        if (shift & kShiftCtrl)
            Frame->AddToSelection(rep);
        else
            Frame->SelectOnly(rep);
        Frame->NotifyOwner();
        return 0;
    }
    Frame->ClearSelection();
    Mode = kBand;
    BandActive = true;
    BandDrawn = 0;
    Frame->NotifyOwner();
    return 0;
}

int MGraphicIA::MouseMove(QObject*, int shift, int x, int y)
{
    if (Mode != kBand || !BandActive || !(shift & kShiftLeft))
        return 0;
    if (BandDrawn > 0)
        DrawBand(CurX, CurY);
    DrawBand(x, y);
    ++BandDrawn;
    return 1;
}

int MGraphicIA::LeftButtonUp(QObject*, int, int, int)
{
    if (Mode != kBand || !BandActive) {
        Mode = kIdle;
        return 0;
    }
    Mode = kIdle;
    BandActive = false;
    EraseBand();
    MVirtualView* view = Frame->View();
    MStructur* structure = Frame->Structure();
    MSelectionList* selection = Frame->Selection();
    if (view && structure && selection) {
        structure->CollectInRect(*selection, view->DeviceToWorldX(StartX), view->DeviceToWorldY(StartY),
                                 view->DeviceToWorldX(CurX), view->DeviceToWorldY(CurY));
        if (!selection->IsEmpty())
            Frame->Repaint();
    }
    Frame->NotifyOwner();
    return 1;
}

int MGraphicIA::RightButtonDown(QObject*, int, int x, int y)
{
    MVirtualView* view = Frame->View();
    MStructur* structure = Frame->Structure();
    MSelectionList* selection = Frame->Selection();
    if (!view || !structure || !selection)
        return 0;
    const double wx = view->DeviceToWorldX(x), wy = view->DeviceToWorldY(y);
    if (selection->IsOutside(wx, wy) == 0) {
        Frame->ShowContextMenu(x, y, *selection);
        return 1;
    }
    int result = 0;
    if (MBaseRep* rep = structure->FindAt(wx, wy)) {
        Frame->ClearSelection();
        Frame->AddToSelection(rep);
        Frame->ShowContextMenu(x, y, *selection);
        result = 1;
    } else {
        Frame->ShowContextMenu(x, y, *selection);
    }
    Frame->NotifyOwner();
    return result;
}

// ---------------------------------------------------------------- dragging

MMoveIA::MMoveIA(MGraphicFrameHost* frame)
    : Frame(frame)
{
}

MBaseInteractor* MMoveIA::CloneFor(MGraphicFrameHost* frame) const
{
    if (!frame || !frame->InteractorStack())
        return nullptr;
    return &frame->InteractorStack()->Create<MMoveIA>(frame);
}

void MMoveIA::DrawOutlines(int x, int y)
{
    MVirtualView* view = Frame->View();
    MSelectionList* selection = Frame->Selection();
    if (!view || !view->Canvas || !selection)
        return;
    const double dx = view->DeviceToWorldX(x) - view->DeviceToWorldX(StartX);
    const double dy = view->DeviceToWorldY(y) - view->DeviceToWorldY(StartY);
    MCanvas& c = *view->Canvas;
    const MPenMode mode = c.PenMode();
    c.SetPenMode(MPenMode::NotXor);
    const std::vector<MBaseRep*> reps = selection->Reps();
    for (MBaseRep* rep : reps)
        rep->DrawMoveOutline(*view, dx, dy);
    c.SetPenMode(mode);
    Frame->UpdateScreen();
}

int MMoveIA::LeftButtonDown(QObject*, int, int x, int y)
{
    if (Mode != kIdle)
        return 0;
    StartX = PrevX = x;
    StartY = PrevY = y;
    MVirtualView* view = Frame->View();
    if (view && InsideSelection(Frame, view->DeviceToWorldX(x), view->DeviceToWorldY(y)))
        Mode = kArmed;
    return 0;
}

int MMoveIA::MouseMove(QObject*, int shift, int x, int y)
{
    const bool left = shift & kShiftLeft;
    if (!left) {
        // The release went elsewhere: take the outlines off the screen.
        if (Mode == kDragging)
            DrawOutlines(PrevX, PrevY);
        Mode = kIdle;
    }
    if (Mode == kDragging) {
        DrawOutlines(PrevX, PrevY);
        DrawOutlines(x, y);
        ++MoveSteps;
    } else if (Mode == kArmed && (std::abs(x - StartX) > 2 || std::abs(y - StartY) > 2)) {
        Mode = kDragging;
        MoveSteps = 1;
        Frame->SetCursor(Qt::SizeAllCursor);
        DrawOutlines(x, y);
    }
    MVirtualView* view = Frame->View();
    const bool inside = view && InsideSelection(Frame, view->DeviceToWorldX(x), view->DeviceToWorldY(y));
    Frame->SetCursor(inside ? Qt::SizeAllCursor : Qt::ArrowCursor);
    PrevX = x;
    PrevY = y;
    return 0;
}

int MMoveIA::LeftButtonUp(QObject*, int, int x, int y)
{
    if (Mode != kDragging) {
        Mode = kIdle;
        return 0;
    }
    MVirtualView* view = Frame->View();
    MSelectionList* selection = Frame->Selection();
    if (view && selection) {
        const double dx = view->DeviceToWorldX(x) - view->DeviceToWorldX(StartX);
        const double dy = view->DeviceToWorldY(y) - view->DeviceToWorldY(StartY);
        const std::vector<MBaseRep*> reps = selection->Reps();
        for (MBaseRep* rep : reps)
            rep->MoveBy(dx, dy);
        selection->MoveHandles(dx, dy);
    }
    Frame->Repaint();
    Mode = kIdle;
    Frame->SetCursor(Qt::ArrowCursor);
    return 1;
}

// ---------------------------------------------------------------- detail

MDetailIA::MDetailIA(MGraphicFrameHost* frame, QImage* target)
    : Frame(frame)
    , Target(target)
{
    SetRectSize(40, 40);
    if (Target && !Target->isNull())
        m_targetCanvas = std::make_unique<MCanvas>(*Target);
    DetailView = std::make_unique<MVirtualView>(m_targetCanvas.get());
    if (Frame) {
        if (MVirtualView* view = Frame->View())
            DetailView->AssignView(*view);
        Frame->SetStatusText(QStringLiteral("Rechteck für Detailansicht platzieren"));
        SavedCursor = Frame->Cursor();
        Frame->SetCursor(Qt::DragMoveCursor);
    }
    Mode = kPlacing;
}

MDetailIA::~MDetailIA()
{
    if (!Frame)
        return;
    EraseRect();
    Frame->SetStatusText(QString());
    Frame->SetCursor(SavedCursor);
}

MDetailIA* MDetailIA::Start(MGraphicFrameHost* frame, QImage* target)
{
    if (!frame || !frame->InteractorStack())
        return nullptr;
    return &frame->InteractorStack()->Create<MDetailIA>(frame, target);
}

MBaseInteractor* MDetailIA::CloneFor(MGraphicFrameHost* frame) const
{
    return Start(frame, Target);
}

void MDetailIA::SetRectSize(int width, int height)
{
    RectWidth = width;
    RectHeight = height;
    RectHalfWidth = width / 2;
    RectHalfHeight = height / 2;
}

void MDetailIA::DrawRect()
{
    MVirtualView* view = Frame->View();
    if (!view || !view->Canvas)
        return;
    MCanvas& c = *view->Canvas;
    const MPenMode mode = c.PenMode();
    const auto color = c.PenColor();
    const MBrushStyle brush = c.BrushStyle();
    c.SetPenMode(MPenMode::NotXor);
    c.SetPenColor(0);
    c.SetBrushStyle(MBrushStyle::Clear);
    const int cx = view->WorldToDeviceX(CenterX), cy = view->WorldToDeviceY(CenterY);
    c.Rectangle(SaturatedSub(cx, RectHalfWidth), SaturatedSub(cy, RectHalfHeight), SaturatedAdd(cx, RectHalfWidth),
                SaturatedAdd(cy, RectHalfHeight));
    c.SetPenMode(mode);
    c.SetPenColor(color);
    c.SetBrushStyle(brush);
    m_rectShown = !m_rectShown;
    Frame->UpdateScreen();
}

void MDetailIA::EraseRect()
{
    if (m_rectShown)
        DrawRect();
}

void MDetailIA::Render()
{
    MVirtualView* view = Frame->View();
    MStructur* structure = Frame->Structure();
    if (!m_targetCanvas || !view)
        return;
    MCanvas& c = *m_targetCanvas;
    const int W = c.Width(), H = c.Height();
    c.SetBrushColor(Frame->BackColor());
    c.SetBrushStyle(MBrushStyle::Solid);
    c.FillRect(0, 0, W, H);
    DetailView->AssignView(*view);
    // A rectangle without area has nothing to fit into the picture.
    if (RectWidth <= 0 || RectHeight <= 0 || !structure)
        return;
    const double k = std::min(double(W) / RectWidth, double(H) / RectHeight);
    DetailView->xdehnung2d *= k;
    DetailView->ydehnung2d *= k;
    DetailView->xver2d = W / 2 - RoundToInt(CenterX * DetailView->xdehnung2d);
    DetailView->yver2d = RoundToInt(DetailView->ydehnung2d * CenterY) + H / 2;
    structure->DrawAll(*DetailView);
}

void MDetailIA::RenderAt(int x, int y)
{
    MVirtualView* view = Frame ? Frame->View() : nullptr;
    if (!view)
        return;
    CenterX = view->DeviceToWorldX(x);
    CenterY = view->DeviceToWorldY(y);
    Render();
    Mode = kDone;
}

int MDetailIA::MouseMove(QObject*, int, int x, int y)
{
    if (Mode != kPlacing)
        return 1;
    MVirtualView* view = Frame->View();
    if (!view)
        return 1;
    EraseRect();
    CenterX = view->DeviceToWorldX(x);
    CenterY = view->DeviceToWorldY(y);
    DrawRect();
    Render();
    return 1;
}

int MDetailIA::LeftButtonDown(QObject*, int, int x, int y)
{
    if (Mode == kPlacing) {
        // Erased where it was drawn, even if the press is elsewhere.
        EraseRect();
        if (MVirtualView* view = Frame->View()) {
            CenterX = view->DeviceToWorldX(x);
            CenterY = view->DeviceToWorldY(y);
        }
        Mode = kDone;
        Frame->SetStatusText(QStringLiteral("Detailansicht starten"));
    }
    FreeSelf();
    return 1;
}

int MDetailIA::LeftButtonUp(QObject*, int, int, int)
{
    FreeSelf();
    return 1;
}
