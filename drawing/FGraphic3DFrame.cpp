#include "drawing/FGraphic3DFrame.h"

#include "drawing/ModelRep.h"
#include "drawing/VirtualView.h"

TGraphic3DFrame::TGraphic3DFrame(QWidget* parent)
    : TGraphicFrame(parent)
{
    setObjectName(QStringLiteral("Graphic3DFrame"));
}

void TGraphic3DFrame::InitFrame(QWidget* parent, TBaseFrame* owner, TBaseFrameFactory* factory, int frameId)
{
    TGraphicFrame::InitFrame(parent, owner, factory, frameId);
    FrameName = QStringLiteral("Grafikansicht");
    FrameDescription = QStringLiteral("Basisfunktionalität für Grafikansicht");
    PanelLeft->hide();
    ArrangeControls();
    LoadStoredBackColor(kSection, kDefaultBackColor);
    CreateFittedModel();
    SetBackColor(StoredBackColor);
}

void TGraphic3DFrame::FinishFrame()
{
    SaveBackColor(kSection);
    TGraphicFrame::FinishFrame();
}

void TGraphic3DFrame::Paint()
{
    if (!Model)
        return;
    PaintBox->SyncCanvasSize();
    MCanvas& c = PaintBox->Canvas();
    c.SetBrushColor(BackColor());
    c.SetBrushStyle(MBrushStyle::Solid);
    c.FillRect(0, 0, c.Width(), c.Height());
    MVirtualView* view = Model->View();
    if (view && view->Canvas)
        Model->Structure().DrawAll3D(*view);
    UpdateScreen();
}
