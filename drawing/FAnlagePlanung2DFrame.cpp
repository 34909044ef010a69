#include "drawing/FAnlagePlanung2DFrame.h"

#include "drawing/ModelRep.h"
#include "drawing/VirtualView.h"

TAnlagePlanung2DFrame::TAnlagePlanung2DFrame(QWidget* parent)
    : TGraphicFrame(parent)
{
    setObjectName(QStringLiteral("AnlagePlanung2DFrame"));
}

void TAnlagePlanung2DFrame::InitFrame(QWidget* parent, TBaseFrame* owner, TBaseFrameFactory* factory, int frameId)
{
    TGraphicFrame::InitFrame(parent, owner, factory, frameId);
    FrameName = QStringLiteral("2D-Anlagenplanung");
    FrameDescription = QStringLiteral("CAD-Planung der PV-Anlage in einer 2D-Ansicht");
    PanelLeft->hide();
    ArrangeControls();
    LoadStoredBackColor(kSection, kDefaultBackColor);
    SetBackColor(StoredBackColor);
    CreateFittedModel();
    InteractorStack()->Create<MMoveIA>(this);
    InteractorStack()->Create<MGraphicIA>(this);
    Paint();
}

void TAnlagePlanung2DFrame::FinishFrame()
{
    SaveBackColor(kSection);
    TGraphicFrame::FinishFrame();
}
