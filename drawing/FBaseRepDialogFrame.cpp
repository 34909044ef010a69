#include "drawing/FBaseRepDialogFrame.h"

#include "app/CommonFunctions.h"
#include "app/FInterfaceFrame.h"
#include "drawing/BaseRep.h"
#include "drawing/FFlaecheRepDialogFrame.h"
#include "drawing/FGruppeRepDialogFrame.h"
#include "drawing/RepDialogRegistry.h"
#include "platform/Dialogs.h"
#include "platform/Services.h"

#include <QLineEdit>
#include <QLocale>

using tandrel::platform::ColorRef;

namespace {

template <class T>
TBaseFrame* CreateFrame(MBaseRep& rep, QWidget* parent, TBaseFrame* owner, TBaseFrameFactory* factory)
{
    auto* frame = new T(parent); // owned by parent
    frame->InitRepFrame(parent, owner, &rep, TBaseRepDialogFrame::kFrameID, factory);
    return frame;
}

} // namespace

void RegisterRepDialogFrames()
{
    RegisterRepDialogFrame(MRepDialog::Area, &CreateFrame<TFlaecheRepDialogFrame>);
    RegisterRepDialogFrame(MRepDialog::Group, &CreateFrame<TGruppeRepDialogFrame>);
}

std::optional<ColorRef> ChooseFrameColor(TBaseFrame& frame, ColorRef initial)
{
    if (TInterfaceFrame* i = frame.GetInterfaceFrame()) {
        const ColorRef chosen = i->ChooseColor(initial);
        if (chosen == initial)
            return std::nullopt;
        return chosen;
    }
    const auto chosen = tandrel::platform::dialogs().chooseColor(tandrel::platform::toQColor(initial));
    if (!chosen || !chosen->isValid())
        return std::nullopt;
    return tandrel::platform::fromQColor(*chosen);
}

std::optional<double> ReadFloatEdit(const QLineEdit* edit)
{
    const QString text = edit ? edit->text() : QString();
    try {
        return TypedToFloat(text);
    } catch (const ConversionError&) {
        tandrel::platform::dialogs().showMessage(QStringLiteral("Bitte geben Sie eine Zahl ein, zum Beispiel 1,5."));
        return std::nullopt;
    }
}

std::optional<int> ReadIntegerEdit(const QLineEdit* edit)
{
    const QString text = edit ? edit->text() : QString();
    bool ok = false;
    const int value = text.trimmed().toInt(&ok, 10);
    if (!ok) {
        tandrel::platform::dialogs().showMessage(QStringLiteral("Bitte geben Sie eine ganze Zahl ein."));
        return std::nullopt;
    }
    return value;
}

TBaseRepDialogFrame::TBaseRepDialogFrame(QWidget* parent)
    : TBaseFrame(parent)
{
    PanelFrameTop->hide();
}

TBaseRepDialogFrame::~TBaseRepDialogFrame()
{
    if (m_rep && m_rep->DialogFrame == this)
        m_rep->DialogFrame = nullptr;
}

void TBaseRepDialogFrame::InitRepFrame(QWidget* parent, TBaseFrame* owner, MBaseRep* rep, int frameId,
                                       TBaseFrameFactory* factory)
{
    InitFrame(parent, owner, factory, frameId);
    m_rep = rep;
    if (m_rep)
        m_rep->DialogFrame = this;
    FrameName = QStringLiteral("Elementansicht");
    FrameDescription = QStringLiteral("Basisfunktionalität für Elementansicht");
    PanelLeft->hide();
    ArrangeControls();
}

void TBaseRepDialogFrame::ArrangeControls()
{
    PanelMain->setGeometry(rect());
}
