#include "drawing/FAnlagePlanung2DFrame.h"

#include "app/KontaloRegistry.h"
#include "drawing/ModelRep.h"
#include "drawing/Rounding.h"
#include "drawing/VirtualView.h"
#include "platform/Dialogs.h"
#include "platform/Services.h"

TAnlagePlanung2DFrame::TAnlagePlanung2DFrame(QWidget* parent)
    : TGraphicFrame(parent)
{
    setObjectName(QStringLiteral("AnlagePlanung2DFrame"));
}

void TAnlagePlanung2DFrame::InitFrame(QWidget* parent, TBaseFrame* owner, TBaseFrameFactory* factory, int frameId)
{
    TGraphicFrame::InitFrame(parent, owner, factory, frameId);
    FrameName = QStringLiteral("2D-Anlagenplanung");
    FrameDescription = QStringLiteral("CAD-Planung der PV-Anlage in einer 2D Ansicht");
    PanelLeft->hide();
    ArrangeControls();
    {
        MKontaloRegistry reg;
        StoredBackColor = tandrel::platform::ColorRef(
            reg.ReadInteger(QString::fromLatin1(kSection), QStringLiteral("BackColor"), int(kDefaultBackColor)));
    }
    SetBackColor(StoredBackColor);
    MPVModelRep& model = CreateModel();
    MVirtualView& view = *model.View();
    view.FitToDevice(&PaintBox->Canvas(), PaintBox->width(), PaintBox->height(), 100);
    SetScrollRanges(RoundToInt(view.WorldWidth() * view.xdehnung2d), RoundToInt(view.WorldHeight() * view.ydehnung2d));
    InteractorStack()->Create<MMoveIA>(this);
    InteractorStack()->Create<MGraphicIA>(this);
    Paint();
}

void TAnlagePlanung2DFrame::FinishFrame()
{
    try {
        MKontaloRegistry reg;
        reg.WriteInteger(QString::fromLatin1(kSection), QStringLiteral("BackColor"), int(BackColor()));
    } catch (const RegistryError& e) {
        tandrel::platform::dialogs().showMessage(QString::fromUtf8(e.what()));
    }
    TGraphicFrame::FinishFrame();
}
