#include "app/FBaseFrame.h"

#include "app/CommonFunctions.h"

#include "app/BaseFrameFactory.h"
#include "app/FInterfaceFrame.h"
#include "platform/Dialogs.h"
#include "platform/Services.h"

#include <QResizeEvent>

using tandrel::platform::ColorRef;

TBaseFrame::TBaseFrame(QWidget* parent) : QFrame(parent)
{
    PanelMain = new QFrame(this);
    PanelMain->setObjectName(QStringLiteral("PanelMain"));
    PanelLeft = new QFrame(this);
    PanelLeft->setObjectName(QStringLiteral("PanelLeft"));
    PanelLeft->setFixedWidth(129);
    PanelFrameTop = new QFrame(this);
    PanelFrameTop->setObjectName(QStringLiteral("PanelFrameTop"));
    SetPanelColor(PanelMain, 15259082);
    SetPanelColor(PanelLeft, 13215892);
}

TBaseFrame::~TBaseFrame() = default;

void TBaseFrame::SetPanelColor(QWidget* panel, ColorRef color)
{
    ::SetPanelColor(panel, color);
}

void TBaseFrame::InitFrame(QWidget* parent, TBaseFrame* owner, TBaseFrameFactory* factory, int frameId)
{
    if (parentWidget() != parent)
        setParent(parent);
    OwnerFrame = owner;
    Factory = factory;
    FrameID = frameId;
    ApplyPanelColors();
    if (parent) {
        parent->installEventFilter(this);
        setGeometry(parent->rect());
    }
}

bool TBaseFrame::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Resize && watched == parentWidget())
        setGeometry(parentWidget()->rect());
    return QFrame::eventFilter(watched, event);
}

void TBaseFrame::ActivateFrame()
{
    if (Factory)
        Factory->SetCurrentFrame(this);
}

void TBaseFrame::NotifyOwner()
{
    if (OwnerFrame)
        OwnerFrame->NotifyOwner();
}

void TBaseFrame::SetFilename(const QString& fileName)
{
    tandrel::platform::dialogs().showMessage(
        QString::asprintf("Kein SetFilename(%s) für Frame: ID:%d Name:%s implementiert",
                          fileName.toUtf8().constData(), FrameID, FrameName.toUtf8().constData()));
}

void TBaseFrame::PdfDump()
{
    tandrel::platform::dialogs().showMessage(
        QString::asprintf("Kein PDF-Dump für Frame: ID:%d Name:%s implementiert", FrameID,
                          FrameName.toUtf8().constData()));
}

TInterfaceFrame* TBaseFrame::GetInterfaceFrame() const
{
    return Factory ? Factory->GetInterfaceFrame() : nullptr;
}

QString TBaseFrame::GetMainConnectionString() const
{
    TInterfaceFrame* i = GetInterfaceFrame();
    return i ? i->GetMainConnectionString() : QString();
}

TBaseFrame* TBaseFrame::FindFrame(int frameId) const
{
    return Factory ? Factory->FindFrame(frameId) : nullptr;
}

ColorRef TBaseFrame::ChooseColor(ColorRef color)
{
    TInterfaceFrame* i = GetInterfaceFrame();
    return i ? i->ChooseColor(color) : color;
}

void TBaseFrame::ApplyPanelColors()
{
    TInterfaceFrame* i = GetInterfaceFrame();
    if (!i)
        return;
    SetPanelColor(PanelMain, i->GetPanelColor1());
    SetPanelColor(PanelLeft, i->GetPanelColor2());
    SetPanelColor(PanelFrameTop, i->GetPanelColor3());
}

void TBaseFrame::FrameResize()
{
    ArrangeControls();
}

void TBaseFrame::NotifyCommandsChanged()
{
    if (Factory)
        Factory->NotifyCommandsChanged();
}

void TBaseFrame::resizeEvent(QResizeEvent* event)
{
    QFrame::resizeEvent(event);
    // The left panel is aligned left over the full height.
    PanelLeft->setGeometry(0, 0, PanelLeft->width(), height());
    FrameResize();
}
