#include "drawing/FBaseGraphicFrame.h"

#include "app/CommonFunctions.h"

#include "app/FInterfaceFrame.h"
#include "drawing/DRepEigenschaftenDlg.h"
#include "drawing/FBaseRepDialogFrame.h"
#include "drawing/ModelRep.h"
#include "drawing/PVFlaecheReps.h"
#include "drawing/Rounding.h"
#include "drawing/VirtualView.h"
#include "platform/Dialogs.h"
#include "platform/Services.h"

#include <QAction>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <algorithm>
#include <cmath>

using tandrel::platform::ColorRef;

// ---------------------------------------------------------------- paint box

TGraphicPaintBox::TGraphicPaintBox(TBaseGraphicFrame* frame, QWidget* parent)
    : QWidget(parent)
    , m_frame(frame)
{
    setObjectName(QStringLiteral("PaintBox"));
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

bool TGraphicPaintBox::SyncCanvasSize()
{
    const int w = std::max(1, width()), h = std::max(1, height());
    if (m_canvas.Width() == w && m_canvas.Height() == h)
        return false;
    m_canvas.Resize(w, h);
    return true;
}

int TGraphicPaintBox::ShiftState(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons)
{
    int s = 0;
    if (modifiers & Qt::ShiftModifier)
        s |= kShiftShift;
    if (modifiers & Qt::AltModifier)
        s |= kShiftAlt;
    if (modifiers & Qt::ControlModifier)
        s |= kShiftCtrl;
    if (buttons & Qt::LeftButton)
        s |= kShiftLeft;
    if (buttons & Qt::RightButton)
        s |= kShiftRight;
    if (buttons & Qt::MiddleButton)
        s |= kShiftMiddle;
    return s;
}

void TGraphicPaintBox::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.drawImage(0, 0, m_canvas.Image());
}

void TGraphicPaintBox::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (SyncCanvasSize())
        m_frame->Paint();
}

void TGraphicPaintBox::mousePressEvent(QMouseEvent* event)
{
    const QPoint p = event->position().toPoint();
    m_frame->PaintBoxMouseDown(event->button(), ShiftState(event->modifiers(), event->buttons()), p.x(), p.y());
}

void TGraphicPaintBox::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint p = event->position().toPoint();
    m_frame->PaintBoxMouseMove(ShiftState(event->modifiers(), event->buttons()), p.x(), p.y());
}

void TGraphicPaintBox::mouseReleaseEvent(QMouseEvent* event)
{
    const QPoint p = event->position().toPoint();
    m_frame->PaintBoxMouseUp(event->button(), ShiftState(event->modifiers(), event->buttons()), p.x(), p.y());
}

void TGraphicPaintBox::mouseDoubleClickEvent(QMouseEvent* event)
{
    // As on the platform the drawings were made for: the double click
    // first, then the second press.
    if (event->button() == Qt::LeftButton)
        m_frame->PaintBoxDblClick();
    mousePressEvent(event);
}

// ---------------------------------------------------------------- frame

TBaseGraphicFrame::TBaseGraphicFrame(QWidget* parent)
    : TBaseFrame(parent)
{
    RegisterRepDialogFrames();
    PanelFrameTop->hide();
    PanelLeft->setMinimumWidth(0);
    PanelLeft->setMaximumWidth(QWIDGETSIZE_MAX);

    ScrollBox = new QScrollArea(PanelMain);
    ScrollBox->setObjectName(QStringLiteral("ScrollBox"));
    ScrollBox->setFrameShape(QFrame::NoFrame);
    ScrollBox->setWidgetResizable(false);
    ScrollBox->setAutoFillBackground(true);
    ScrollBox->viewport()->setAutoFillBackground(true);
    PaintBox = new TGraphicPaintBox(this, nullptr);
    ScrollBox->setWidget(PaintBox);
    ScrollBox->viewport()->installEventFilter(this);

    LabelStatustext = new QLabel(PanelLeft);
    LabelStatustext->setObjectName(QStringLiteral("LabelStatustext"));

    ActionHintergrundfarbe = new QAction(QStringLiteral("&Hintergrundfarbe..."), this);
    ActionHintergrundfarbe->setObjectName(QStringLiteral("ActionHintergrundfarbe"));
    Speichern1 = new QAction(QStringLiteral("&Speichern"), this);
    Speichern1->setObjectName(QStringLiteral("Speichern1"));
    ActionAnsicht100Prozent = new QAction(QStringLiteral("&Ansicht 100%"), this);
    ActionAnsicht100Prozent->setObjectName(QStringLiteral("ActionAnsicht100Prozent"));
    ActionRepLoeschen = new QAction(QStringLiteral("&Löschen"), this);
    ActionRepLoeschen->setObjectName(QStringLiteral("ActionRepLoeschen"));
    ActionEigenschaften = new QAction(QStringLiteral("&Eigenschaften..."), this);
    ActionEigenschaften->setObjectName(QStringLiteral("ActionEigenschaften"));
    RepListLoeschen = new QAction(QStringLiteral("Löschen"), this);
    RepListLoeschen->setObjectName(QStringLiteral("RepListLoeschen"));

    connect(ActionHintergrundfarbe, &QAction::triggered, this, [this] { HintergrundfarbeClick(); });
    connect(Speichern1, &QAction::triggered, this, [this] { SpeichernClick(); });
    connect(ActionAnsicht100Prozent, &QAction::triggered, this, [this] { Ansicht100ProzentClick(); });
    connect(ActionRepLoeschen, &QAction::triggered, this, [this] { RepLoeschenClick(); });
    connect(ActionEigenschaften, &QAction::triggered, this, [this] { EigenschaftenClick(); });

    GraphicPopupMenu = new QMenu(this);
    GraphicPopupMenu->setObjectName(QStringLiteral("GraphicPopupMenu"));
    GraphicPopupMenu->addAction(ActionHintergrundfarbe);
    GraphicPopupMenu->addAction(Speichern1);
    GraphicPopupMenu->addAction(ActionAnsicht100Prozent);

    PopupMenuEinzelneRep = new QMenu(this);
    PopupMenuEinzelneRep->setObjectName(QStringLiteral("PopupMenuEinzelneRep"));
    PopupMenuEinzelneRep->addAction(ActionRepLoeschen);
    PopupMenuEinzelneRep->addSeparator();
    PopupMenuEinzelneRep->addAction(ActionEigenschaften);

    RepListPopupMenu = new QMenu(this);
    RepListPopupMenu->setObjectName(QStringLiteral("RepListPopupMenu"));
    RepListPopupMenu->addAction(RepListLoeschen);
    RepListPopupMenu->addAction(ActionEigenschaften);

    SetBackColor(m_backColor);
}

TBaseGraphicFrame::~TBaseGraphicFrame()
{
    m_stack.reset();
    Model = nullptr;
    m_container.reset();
    m_selection.reset();
}

void TBaseGraphicFrame::InitFrame(QWidget* parent, TBaseFrame* owner, TBaseFrameFactory* factory, int frameId)
{
    TBaseFrame::InitFrame(parent, owner, factory, frameId);
    FrameName = QStringLiteral("Grafikansicht");
    FrameDescription = QStringLiteral("Basisfunktionalität für Grafikansicht");
    DrawOverlayEnabled = true;
    PanelLeft->setVisible(true);
    if (!m_selection)
        m_selection = std::make_unique<MSelectionList>();
    if (!m_stack)
        m_stack = std::make_unique<MBaseInteractorStack>(QStringLiteral("Tandrel"), this);
    if (!m_container)
        m_container = std::make_unique<MStructur>();
    ArrangeControls();
}

void TBaseGraphicFrame::FinishFrame()
{
    m_stack.reset();
    Model = nullptr;
    m_container.reset();
    m_selection.reset();
    TBaseFrame::FinishFrame();
}

void TBaseGraphicFrame::ArrangeControls()
{
    const QRect r = rect();
    if (PanelLeft->isVisibleTo(this)) {
        const int h = std::min(22, r.height());
        PanelLeft->setGeometry(0, r.height() - h, r.width(), h);
        LabelStatustext->setGeometry(4, 0, std::max(0, r.width() - 8), h);
        PanelMain->setGeometry(0, 0, r.width(), r.height() - h);
    } else {
        PanelMain->setGeometry(r);
    }
    ScrollBox->setGeometry(PanelMain->rect());
    UpdatePaintBoxSize();
}

void TBaseGraphicFrame::UpdatePaintBoxSize()
{
    const QSize vp = ScrollBox->maximumViewportSize();
    const int bar = ScrollBox->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, ScrollBox);
    bool needH = m_horzRange > vp.width();
    const bool needV = m_vertRange > vp.height() - (needH ? bar : 0);
    if (needV && !needH)
        needH = m_horzRange > vp.width() - bar;
    const int w = std::max(vp.width() - (needV ? bar : 0), std::min(m_horzRange, kMaxPaintBoxSide));
    const int h = std::max(vp.height() - (needH ? bar : 0), std::min(m_vertRange, kMaxPaintBoxSide));
    PaintBox->resize(std::max(1, w), std::max(1, h));
    if (PaintBox->SyncCanvasSize())
        Paint();
}

bool TBaseGraphicFrame::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Resize && watched == ScrollBox->viewport())
        Paint();
    return TBaseFrame::eventFilter(watched, event);
}

void TBaseGraphicFrame::SetScrollRanges(int horizontal, int vertical)
{
    m_horzRange = std::max(0, horizontal);
    m_vertRange = std::max(0, vertical);
    UpdatePaintBoxSize();
}

void TBaseGraphicFrame::NotifyOwner()
{
    TBaseFrame::NotifyOwner();
}

MStructur* TBaseGraphicFrame::Structure()
{
    return Model ? &Model->Structure() : nullptr;
}

MVirtualView* TBaseGraphicFrame::View()
{
    return Model ? Model->View() : nullptr;
}

MPVModelRep& TBaseGraphicFrame::CreateModel()
{
    if (!m_container)
        m_container = std::make_unique<MStructur>();
    Model = &m_container->Create<MPVModelRep>(0, 0, 0.0, 0.0);
    return *Model;
}

void TBaseGraphicFrame::SetBackColor(ColorRef color)
{
    m_backColor = color;
    ::SetPanelColor(ScrollBox, color);
    ::SetPanelColor(ScrollBox->viewport(), color);
    Paint();
}

void TBaseGraphicFrame::Paint()
{
    if (!Model)
        return;
    PaintBox->SyncCanvasSize();
    MCanvas& c = PaintBox->Canvas();
    c.SetBrushColor(m_backColor);
    c.SetBrushStyle(MBrushStyle::Solid);
    c.FillRect(0, 0, c.Width(), c.Height());
    MVirtualView* view = Model->View();
    if (view && view->Canvas) {
        Model->Structure().DrawAll(*view);
        if (m_selection)
            m_selection->DrawAll(*view);
        if (DrawOverlayEnabled)
            DrawOverlay();
    }
    UpdateScreen();
}

void TBaseGraphicFrame::UpdateScreen()
{
    PaintBox->update();
}

void TBaseGraphicFrame::SetStatusText(const QString& text)
{
    LabelStatustext->setText(text);
}

void TBaseGraphicFrame::SetCursor(Qt::CursorShape cursor)
{
    ScrollBox->setCursor(cursor);
}

Qt::CursorShape TBaseGraphicFrame::Cursor() const
{
    return ScrollBox->cursor().shape();
}

void TBaseGraphicFrame::ClearSelection()
{
    if (m_selection && m_selection->Clear() == 0)
        Paint();
}

void TBaseGraphicFrame::SelectOnly(MBaseRep* rep)
{
    if (!m_selection)
        return;
    m_selection->SelectOnly(rep);
    Paint();
}

void TBaseGraphicFrame::AddToSelection(MBaseRep* rep)
{
    if (m_selection && m_selection->Add(rep) == 0)
        Paint();
}

void TBaseGraphicFrame::Zoom(double percent)
{
    MVirtualView* view = View();
    if (!view || !(view->WorldWidth() > 0) || view->xdehnung2d == 0)
        return;
    const double k = (double(width()) / view->WorldWidth()) * (percent / 100.0) / view->xdehnung2d;
    if (!std::isfinite(k) || !(k > 0))
        return;
    view->xdehnung2d *= k;
    view->ydehnung2d *= k;
    view->xver2d = RoundToInt(view->xver2d * k);
    view->yver2d = RoundToInt(view->yver2d * k);
    m_horzRange = RoundToInt(m_horzRange * k);
    m_vertRange = RoundToInt(m_vertRange * k);
    UpdatePaintBoxSize();
    Paint();
}

void TBaseGraphicFrame::ShowContextMenu(int x, int y, MBaseStructur& list)
{
    QMenu* menu = nullptr;
    if (list.Count() == 0)
        menu = GraphicPopupMenu;
    else if (list.Count() == 1)
        menu = list.Items(0) ? PopupMenuEinzelneRep : nullptr;
    else
        menu = RepListPopupMenu;
    if (!menu)
        return;
    const QPoint global = mapToGlobal(QPoint(x - ScrollBox->horizontalScrollBar()->value(),
                                             y - ScrollBox->verticalScrollBar()->value()));
    if (MenuPopup)
        MenuPopup(*menu, global);
    else
        menu->popup(global);
}

void TBaseGraphicFrame::HintergrundfarbeClick()
{
    const auto chosen = ChooseFrameColor(*this, m_backColor);
    if (chosen)
        SetBackColor(*chosen);
}

void TBaseGraphicFrame::SpeichernClick()
{
    MVirtualView* view = View();
    if (!view)
        return;
    QString folder;
    if (TInterfaceFrame* i = GetInterfaceFrame())
        folder = i->ExportPath;
    QString file = tandrel::platform::dialogs().getSaveFileName(
        QStringLiteral("Grafik speichern"), folder, QStringLiteral("PNG-Bild (*.png);;BMP-Bild (*.bmp)"));
    if (file.isEmpty())
        return;
    const QString suffix = QFileInfo(file).suffix().toLower();
    const char* format = "PNG";
    if (suffix == QLatin1String("bmp"))
        format = "BMP";
    else if (suffix != QLatin1String("png"))
        file += QStringLiteral(".png");

    // The drawing goes into a picture of the paint box's size; the
    // background fill stays on the paint box.
    MCanvas picture(std::max(1, PaintBox->width()), std::max(1, PaintBox->height()));
    MCanvas* screen = view->Canvas;
    view->Canvas = &picture;
    Paint();
    view->Canvas = screen;
    const bool written = picture.Image().save(file, format);
    Paint();
    if (!written)
        tandrel::platform::dialogs().showMessage(
            QStringLiteral("Die Grafik konnte nicht in die Datei \"%1\" geschrieben werden.").arg(file));
}

void TBaseGraphicFrame::DeleteSelection()
{
    MStructur* structure = Structure();
    if (!structure || !m_selection)
        return;
    bool blockedAreaGone = false;
    for (MBaseRep* rep : m_selection->Reps())
        if (dynamic_cast<MSperrFlaecheRep*>(rep))
            blockedAreaGone = true;
    structure->RemoveReps(*m_selection);
    // The modules an area switched off come back on.
    if (blockedAreaGone)
        MSperrFlaecheRep::RecheckGroups(*structure);
}

void TBaseGraphicFrame::RepLoeschenClick()
{
    DeleteSelection();
    ClearSelection();
}

void TBaseGraphicFrame::EigenschaftenClick()
{
    if (!m_selection)
        return;
    TRepEigenschaftenDlg dlg(this);
    dlg.Setup(Factory, *m_selection);
    if (dlg.exec() == QDialog::Accepted && m_selection && m_selection->Count() == 1) {
        MBaseRep* rep = m_selection->Items(0);
        ClearSelection();
        SelectOnly(rep);
    }
    Paint();
}

void TBaseGraphicFrame::PaintBoxDblClick()
{
    if (m_selection && !m_selection->IsEmpty()) {
        EigenschaftenClick();
        return;
    }
    if (MVirtualView* view = View()) {
        view->xdehnung2d *= 1.2;
        view->ydehnung2d *= 1.2;
        view->xver2d = RoundToInt(view->xver2d * 1.2);
        view->yver2d = RoundToInt(view->yver2d * 1.2);
    }
    m_horzRange = RoundToInt(m_horzRange * 1.2);
    m_vertRange = RoundToInt(m_vertRange * 1.2);
    UpdatePaintBoxSize();
    Paint();
}

void TBaseGraphicFrame::PaintBoxMouseDown(Qt::MouseButton button, int shift, int x, int y)
{
    if (!m_stack)
        return;
    switch (button) {
    case Qt::LeftButton:
        m_stack->LeftButtonDown(PaintBox, shift, x, y);
        break;
    case Qt::RightButton:
        // A frame without interactors (the 3D view) still offers its
        // background menu; otherwise the selecting interactor opens the menus.
        if (m_stack->Count() == 0 && m_selection)
            ShowContextMenu(x, y, *m_selection);
        else
            m_stack->RightButtonDown(PaintBox, shift, x, y);
        break;
    case Qt::MiddleButton:
        m_stack->MiddleButtonDown(PaintBox, shift, x, y);
        break;
    default:
        break;
    }
}

void TBaseGraphicFrame::PaintBoxMouseMove(int shift, int x, int y)
{
    if (m_stack)
        m_stack->MouseMove(PaintBox, shift, x, y);
}

void TBaseGraphicFrame::PaintBoxMouseUp(Qt::MouseButton button, int shift, int x, int y)
{
    if (!m_stack)
        return;
    switch (button) {
    case Qt::LeftButton:
        m_stack->LeftButtonUp(PaintBox, shift, x, y);
        break;
    case Qt::RightButton:
        m_stack->RightButtonUp(PaintBox, shift, x, y);
        break;
    case Qt::MiddleButton:
        m_stack->MiddleButtonUp(PaintBox, shift, x, y);
        break;
    default:
        break;
    }
}
