#pragma once

#include "app/FBaseFrame.h"
#include "drawing/Canvas.h"
#include "drawing/Interaktoren.h"

#include <QWidget>
#include <functional>
#include <memory>

class MPVModelRep;
class QAction;
class QLabel;
class QMenu;
class QScrollArea;
class TBaseGraphicFrame;

// The drawing surface of a graphic frame. Everything is drawn into a
// backing store (a canvas over an image of the widget's size), which the
// widget shows; the interactors draw their not-xor figures into it too.
class TGraphicPaintBox : public QWidget {
    Q_OBJECT
public:
    TGraphicPaintBox(TBaseGraphicFrame* frame, QWidget* parent);

    MCanvas& Canvas() { return m_canvas; }
    const QImage& BackingStore() const { return m_canvas.Image(); }
    // Gives the backing store the widget's size; true if it changed.
    bool SyncCanvasSize();
    // The MShiftFlag set of a mouse event.
    static int ShiftState(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    TBaseGraphicFrame* m_frame;
    MCanvas m_canvas{1, 1};
};

// A frame that shows one model through its view in a scrollable paint box,
// routes the mouse to its interactor stack, keeps a selection and offers the
// context menus for the background, one representation or several.
class TBaseGraphicFrame : public TBaseFrame, public MGraphicFrameHost {
    Q_OBJECT
public:
    explicit TBaseGraphicFrame(QWidget* parent = nullptr);
    ~TBaseGraphicFrame() override;

    void InitFrame(QWidget* parent, TBaseFrame* owner, TBaseFrameFactory* factory, int frameId) override;
    void FinishFrame() override;
    void ArrangeControls() override;
    void NotifyOwner() override;
    void RefreshFrame() override { Paint(); }

    // The edit commands and their enable queries (filled by TGraphicFrame).
    virtual void EditCommand1() = 0;
    virtual void EditCommand2() = 0;
    virtual void EditCommand3() = 0;
    virtual void EditCommand4() = 0;
    virtual void EditCommand5() = 0;
    virtual void EditCommand6() = 0;
    virtual void EditCommand7() = 0;
    virtual void EditCommand8() = 0;
    virtual bool CanEditCommand1() = 0;
    virtual bool CanEditCommand2() = 0;
    virtual bool CanEditCommand3() = 0;
    virtual bool CanEditCommand4() = 0;
    virtual bool CanEditCommand5() = 0;
    virtual bool CanEditCommand6() = 0;
    virtual bool CanEditCommand7() = 0;
    virtual bool CanEditCommand8() = 0;
    // 0 entries: background menu; 1: single representation; more: the list menu.
    void ShowContextMenu(int x, int y, MBaseStructur& list) override;
    virtual void ContextHook() {}
    void InteractorRemoved(MBaseInteractor*) override {}
    virtual void DrawOverlay() {}
    // Background, the structure, the selection and the overlay.
    virtual void Paint();

    // Operations other frames and the interactors use.
    MBaseInteractorStack* InteractorStack() override { return m_stack.get(); }
    MPVModelRep* ModelRep() const { return Model; }
    MStructur* Structure() override;
    MVirtualView* View() override;
    MSelectionList* Selection() override { return m_selection.get(); }
    void SetBackColor(tandrel::platform::ColorRef color);
    tandrel::platform::ColorRef BackColor() const override { return m_backColor; }
    void Repaint() override { Paint(); }
    void UpdateScreen() override;
    void SetStatusText(const QString& text) override;
    void SetCursor(Qt::CursorShape cursor) override;
    Qt::CursorShape Cursor() const override;
    void ClearSelection() override;
    void SelectOnly(MBaseRep* rep) override;
    void AddToSelection(MBaseRep* rep) override;
    // The world width spans the frame's client width at 100 %.
    void Zoom(double percent);

    // Scroll ranges of the scroll box (the paint box grows to them).
    void SetScrollRanges(int horizontal, int vertical);
    int HorzScrollRange() const { return m_horzRange; }
    int VertScrollRange() const { return m_vertRange; }
    // The paint box does not grow beyond this (the backing store would).
    static constexpr int kMaxPaintBoxSide = 4096;

    // Menu commands.
    void HintergrundfarbeClick();
    void SpeichernClick();
    void Ansicht100ProzentClick() { Zoom(100); }
    void RepLoeschenClick();
    void EigenschaftenClick();
    void PaintBoxDblClick();

    // Mouse routing from the paint box.
    void PaintBoxMouseDown(Qt::MouseButton button, int shift, int x, int y);
    void PaintBoxMouseMove(int shift, int x, int y);
    void PaintBoxMouseUp(Qt::MouseButton button, int shift, int x, int y);

    // Opens a context menu at a screen point; tests replace it to observe
    // the menu without showing it. Empty: the menu pops up.
    std::function<void(QMenu& menu, const QPoint& globalPos)> MenuPopup;

    QScrollArea* ScrollBox = nullptr;
    TGraphicPaintBox* PaintBox = nullptr;
    QLabel* LabelStatustext = nullptr;
    QMenu* GraphicPopupMenu = nullptr;
    QMenu* PopupMenuEinzelneRep = nullptr;
    QMenu* RepListPopupMenu = nullptr;
    QAction* ActionHintergrundfarbe = nullptr;
    QAction* Speichern1 = nullptr;
    QAction* ActionAnsicht100Prozent = nullptr;
    QAction* ActionRepLoeschen = nullptr;
    QAction* ActionEigenschaften = nullptr;
    QAction* RepListLoeschen = nullptr; // no action attached

    bool DrawOverlayEnabled = true;

protected:
    // Creates the frame's model into the container (the concrete frames).
    MPVModelRep& CreateModel();
    // Removes the selected representations from the structure; modules
    // blocked by a removed area are checked again.
    void DeleteSelection();
    void UpdatePaintBoxSize();
    // The rulers depend on the visible area: a resized viewport repaints.
    bool eventFilter(QObject* watched, QEvent* event) override;

    MPVModelRep* Model = nullptr;

private:
    // Declared so that the stack goes first, then the model, then the
    // selection: interactors may still draw through the view while they go.
    std::unique_ptr<MSelectionList> m_selection;
    std::unique_ptr<MStructur> m_container;
    std::unique_ptr<MBaseInteractorStack> m_stack;
    tandrel::platform::ColorRef m_backColor = 0x0000FF;
    int m_horzRange = 0;
    int m_vertRange = 0;
};
