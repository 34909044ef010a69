#pragma once

#include "drawing/Structur.h"
#include "platform/ColorRef.h"

#include <QImage>
#include <QString>
#include <Qt>
#include <cstdint>
#include <memory>
#include <vector>

class MBaseInteractor;
class MBaseInteractorStack;
class MCanvas;
class MSelectionList;
class MVirtualView;
class QObject;

// Modifier keys and buttons held during a mouse event.
enum MShiftFlag : int {
    kShiftShift = 1,
    kShiftAlt = 2,
    kShiftCtrl = 4,
    kShiftLeft = 8,
    kShiftRight = 16,
    kShiftMiddle = 32,
};

// What the interactors need of their graphic frame. The frames of the widget
// library implement it; the engine sees nothing else of them.
class MGraphicFrameHost {
public:
    virtual ~MGraphicFrameHost() = default;

    // Null while the frame has no model (before InitFrame, after FinishFrame).
    virtual MVirtualView* View() = 0;
    virtual MStructur* Structure() = 0;
    virtual MSelectionList* Selection() = 0;
    virtual MBaseInteractorStack* InteractorStack() = 0;
    virtual void ClearSelection() = 0;
    virtual void SelectOnly(MBaseRep* rep) = 0;
    virtual void AddToSelection(MBaseRep* rep) = 0;
    virtual void NotifyOwner() = 0;
    // Opens the menu for list at the paint box point (x, y).
    virtual void ShowContextMenu(int x, int y, MBaseStructur& list) = 0;
    // Draws everything anew into the backing store and shows it.
    virtual void Repaint() = 0;
    // Shows the backing store after drawing into it directly.
    virtual void UpdateScreen() = 0;
    virtual void SetStatusText(const QString& text) = 0;
    virtual void SetCursor(Qt::CursorShape cursor) = 0;
    virtual Qt::CursorShape Cursor() const = 0;
    virtual tandrel::platform::ColorRef BackColor() const = 0;
    virtual void InteractorRemoved(MBaseInteractor* interactor) = 0;
};

// A mouse handler on a frame's interactor stack. Handlers return 1 for
// "handled" (the events stops there) and 0 otherwise; x and y are device
// pixels of the paint box, shift the MShiftFlag set.
class MBaseInteractor {
public:
    MBaseInteractor() = default;
    virtual ~MBaseInteractor();
    MBaseInteractor(const MBaseInteractor&) = delete;
    MBaseInteractor& operator=(const MBaseInteractor&) = delete;

    MBaseInteractorStack* Stack = nullptr;

    // A new interactor of the same class pushed on frame's stack; null
    // without a frame.
    virtual MBaseInteractor* CloneFor(MGraphicFrameHost* frame) const = 0;
    virtual bool IsTransient() const { return true; }
    virtual int RightButtonDown(QObject* sender, int shift, int x, int y);
    virtual int MiddleButtonDown(QObject* sender, int shift, int x, int y);
    virtual int LeftButtonDown(QObject* sender, int shift, int x, int y);
    virtual int MouseMove(QObject* sender, int shift, int x, int y);
    virtual int RightButtonUp(QObject* sender, int shift, int x, int y);
    virtual int MiddleButtonUp(QObject* sender, int shift, int x, int y);
    virtual int LeftButtonUp(QObject* sender, int shift, int x, int y);

protected:
    // Takes the interactor off its stack and destroys it; the caller must not
    // touch any member afterwards.
    void FreeSelf();

private:
    friend class MBaseInteractorStack;
    std::uint64_t m_serial = 0;
};

// The interactors of one frame, newest first. Every routed event goes to a
// snapshot of the list, so interactors may free themselves (or others) while
// they handle it.
class MBaseInteractorStack {
public:
    MBaseInteractorStack(QString name, MGraphicFrameHost* frame);
    ~MBaseInteractorStack();
    MBaseInteractorStack(const MBaseInteractorStack&) = delete;
    MBaseInteractorStack& operator=(const MBaseInteractorStack&) = delete;

    const QString& Name() const { return m_name; }
    MGraphicFrameHost* Frame() const { return m_frame; }
    int Count() const { return int(m_items.size()); }
    MBaseInteractor* Items(int i) const { return m_items.at(std::size_t(i)).get(); }
    bool Contains(const MBaseInteractor* interactor) const;

    // Creates an interactor and pushes it (index 0).
    template <class T, class... Args>
    T& Create(Args&&... args)
    {
        auto ia = std::make_unique<T>(std::forward<Args>(args)...);
        T& ref = *ia;
        Push(std::move(ia));
        return ref;
    }
    void Push(std::unique_ptr<MBaseInteractor> interactor);
    // Takes the interactor out, tells the frame and destroys it.
    void Remove(MBaseInteractor* interactor);
    // Frees every transient interactor.
    void RemoveTransient();

    int RightButtonDown(QObject* sender, int shift, int x, int y);
    int MiddleButtonDown(QObject* sender, int shift, int x, int y);
    int LeftButtonDown(QObject* sender, int shift, int x, int y);
    int MouseMove(QObject* sender, int shift, int x, int y);
    int RightButtonUp(QObject* sender, int shift, int x, int y);
    int MiddleButtonUp(QObject* sender, int shift, int x, int y);
    int LeftButtonUp(QObject* sender, int shift, int x, int y);

private:
    struct Entry {
        MBaseInteractor* Interactor;
        std::uint64_t Serial;
    };
    std::vector<Entry> TakeSnapshot() const;
    bool Alive(const Entry& e) const;
    template <class F>
    int Dispatch(F&& handler);

    QString m_name;
    MGraphicFrameHost* m_frame = nullptr; // not owned
    std::vector<std::unique_ptr<MBaseInteractor>> m_items;
    std::uint64_t m_nextSerial = 1;
};

// A grip handle of the selection, in world coordinates.
class MTracker {
public:
    MTracker(double x, double y, std::int32_t size, bool hideWhenNarrow, bool hideWhenLow);

    double X = 0, Y = 0;
    std::int32_t Size = 6; // half the side of the square, pixels
    bool HideWhenNarrow = false;
    bool HideWhenLow = false;

    // w and h: device width and height of the selection box.
    void Draw(MVirtualView& view, int w, int h);
};

// The selected representations (referred to, never freed) and their handles.
class MSelectionList : public MBaseStructur {
public:
    std::int32_t HandleSize = 6;

    const std::vector<std::unique_ptr<MTracker>>& Handles() const { return m_handles; }

    // 1 if it was empty already, else empties the list and the handles, 0.
    int Clear();
    int SelectOnly(MBaseRep* rep);
    // 1 if rep is selected already, else adds it and rebuilds the handles, 0.
    int Add(MBaseRep* rep);
    // Appends without rebuilding the handles (a band selection).
    void Append(MBaseRep* rep) { MBaseStructur::Append(rep); }
    // Takes rep out of the selection (for a representation that goes away).
    bool Remove(MBaseRep* rep);
    // 1 if empty or (x, y) is not strictly inside the selection's box.
    int IsOutside(double x, double y) const;
    void MoveHandles(double dx, double dy);
    void BuildHandles();
    // The selection frame and the handles.
    void DrawAll(MVirtualView& view) override;

private:
    std::vector<std::unique_ptr<MTracker>> m_handles;
};

// Selects: click, Ctrl+click, rubber band, context menu.
class MGraphicIA : public MBaseInteractor {
public:
    explicit MGraphicIA(MGraphicFrameHost* frame);

    enum : std::int32_t { kIdle = 1, kBand = 3 };

    MGraphicFrameHost* Frame = nullptr;
    std::int32_t StartX = 0, StartY = 0, CurX = 0, CurY = 0;
    std::int32_t Mode = kIdle;
    bool BandActive = false;
    std::int32_t BandDrawn = 0;

    MBaseInteractor* CloneFor(MGraphicFrameHost* frame) const override;
    bool IsTransient() const override { return false; }
    int LeftButtonDown(QObject* sender, int shift, int x, int y) override;
    int MouseMove(QObject* sender, int shift, int x, int y) override;
    int LeftButtonUp(QObject* sender, int shift, int x, int y) override;
    int RightButtonDown(QObject* sender, int shift, int x, int y) override;

private:
    // Not-xor: drawing the same band twice erases it.
    void DrawBand(int x, int y);
    void EraseBand();
};

// Drags the selection by its outlines.
class MMoveIA : public MBaseInteractor {
public:
    explicit MMoveIA(MGraphicFrameHost* frame);

    enum : std::int32_t { kIdle = 1, kArmed = 10, kDragging = 11 };

    MGraphicFrameHost* Frame = nullptr;
    std::int32_t StartX = 0, StartY = 0, PrevX = 0, PrevY = 0;
    std::int32_t Mode = kIdle;
    std::int32_t MoveSteps = 0;

    MBaseInteractor* CloneFor(MGraphicFrameHost* frame) const override;
    bool IsTransient() const override { return false; }
    int LeftButtonDown(QObject* sender, int shift, int x, int y) override;
    int MouseMove(QObject* sender, int shift, int x, int y) override;
    int LeftButtonUp(QObject* sender, int shift, int x, int y) override;

private:
    // The outlines of the selection moved by the world offset from the start
    // to device point (x, y), in not-xor mode.
    void DrawOutlines(int x, int y);
};

// Renders a rectangle of the drawing, placed with the mouse, into a picture.
// Transient; frees itself on the left press or release.
class MDetailIA : public MBaseInteractor {
public:
    // Use Start: without a frame no interactor is made.
    MDetailIA(MGraphicFrameHost* frame, QImage* target);
    ~MDetailIA() override;

    // Creates the interactor on frame's stack; null without a frame.
    static MDetailIA* Start(MGraphicFrameHost* frame, QImage* target);

    enum : std::int32_t { kPlacing = 1, kDone = 3 };

    MGraphicFrameHost* Frame = nullptr;
    QImage* Target = nullptr; // not owned
    std::unique_ptr<MVirtualView> DetailView;
    Qt::CursorShape SavedCursor = Qt::ArrowCursor;
    std::int32_t RectWidth = 0, RectHalfWidth = 0, RectHeight = 0, RectHalfHeight = 0;
    double CenterX = 0, CenterY = 0;
    std::int32_t Mode = kPlacing;

    void SetRectSize(int width, int height);
    // Renders the rectangle centred on device point (x, y) into the target
    // at once, as placing it there with the mouse would.
    void RenderAt(int x, int y);

    MBaseInteractor* CloneFor(MGraphicFrameHost* frame) const override;
    int LeftButtonDown(QObject* sender, int shift, int x, int y) override;
    int MouseMove(QObject* sender, int shift, int x, int y) override;
    int LeftButtonUp(QObject* sender, int shift, int x, int y) override;

private:
    // Not-xor; toggles the rectangle on the frame's canvas.
    void DrawRect();
    void EraseRect();
    void Render();

    std::unique_ptr<MCanvas> m_targetCanvas;
    bool m_rectShown = false;
};
