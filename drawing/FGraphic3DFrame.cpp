#include "drawing/FGraphic3DFrame.h"

#include "app/KontaloRegistry.h"
#include "drawing/ModelRep.h"
#include "drawing/Rounding.h"
#include "drawing/VirtualView.h"
#include "platform/Dialogs.h"
#include "platform/Services.h"

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
    {
        MKontaloRegistry reg;
        StoredBackColor = tandrel::platform::ColorRef(
            reg.ReadInteger(QString::fromLatin1(kSection), QStringLiteral("BackColor"), int(kDefaultBackColor)));
    }
    MPVModelRep& model = CreateModel();
    MVirtualView& view = *model.View();
    view.FitToDevice(&PaintBox->Canvas(), PaintBox->width(), PaintBox->height(), 100);
    SetScrollRanges(RoundToInt(view.WorldWidth() * view.xdehnung2d), RoundToInt(view.WorldHeight() * view.ydehnung2d));
    SetBackColor(StoredBackColor);
}

void TGraphic3DFrame::FinishFrame()
{
    try {
        MKontaloRegistry reg;
        reg.WriteInteger(QString::fromLatin1(kSection), QStringLiteral("BackColor"), int(BackColor()));
    } catch (const RegistryError& e) {
        tandrel::platform::dialogs().showMessage(QString::fromUtf8(e.what()));
    }
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
