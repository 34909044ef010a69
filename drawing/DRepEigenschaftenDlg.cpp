#include "drawing/DRepEigenschaftenDlg.h"

#include "app/DialogFit.h"
#include "app/KontaloRegistry.h"
#include "drawing/BaseRep.h"
#include "drawing/DrawConventions.h"
#include "drawing/FBaseRepDialogFrame.h"
#include "drawing/Structur.h"
#include "platform/Logging.h"
#include "text/FormatText.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

QString Fixed(double v)
{
    return FormatText(QStringLiteral("%.6f"), {v});
}

} // namespace

TRepEigenschaftenDlg::TRepEigenschaftenDlg(QWidget* parent)
    : QDialog(parent)
{
    RegisterRepDialogFrames();
    setObjectName(QStringLiteral("RepEigenschaftenDlg"));
    setWindowTitle(QStringLiteral("Eigenschaften"));
    resize(460, 480);

    auto* body = new QWidget;
    body->setObjectName(QStringLiteral("PanelInhalt"));
    auto* layout = new QVBoxLayout(body);
    layout->setContentsMargins(0, 0, 0, 0);
    PageControl = new QTabWidget(body);
    PageControl->setObjectName(QStringLiteral("PageControl"));
    auto tab = [this](const QString& caption, const QString& name) {
        auto* w = new QWidget;
        w->setObjectName(name);
        PageControl->addTab(w, caption);
        return w;
    };
    TabSheetEigenschaften = tab(QStringLiteral("Eigenschaften"), QStringLiteral("TabSheetEigenschaften"));
    TabSheetGrafik = tab(QStringLiteral("Grafik"), QStringLiteral("TabSheetGrafik"));
    TabSheetObjekt = tab(QStringLiteral("Objekt"), QStringLiteral("TabSheetObjekt"));
    TabSheetRep = tab(QStringLiteral("Rep"), QStringLiteral("TabSheetRep"));
    auto* repLayout = new QVBoxLayout(TabSheetRep);
    repLayout->setContentsMargins(0, 0, 0, 0);

    auto* props = new QVBoxLayout(TabSheetEigenschaften);
    LabelAnzahlReps = new QLabel;
    LabelAnzahlReps->setObjectName(QStringLiteral("LabelAnzahlReps"));
    LabelRepInfos = new QLabel;
    LabelRepInfos->setObjectName(QStringLiteral("LabelRepInfos"));
    props->addWidget(LabelAnzahlReps);
    props->addWidget(LabelRepInfos);
    props->addStretch(1);
    layout->addWidget(PageControl);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    ButtonOK = new QPushButton(QStringLiteral("OK"));
    ButtonOK->setObjectName(QStringLiteral("ButtonOK"));
    ButtonOK->setDefault(true);
    ButtonAbbrechen = new QPushButton(QStringLiteral("Abbrechen"));
    ButtonAbbrechen->setObjectName(QStringLiteral("ButtonAbbrechen"));
    buttons->addWidget(ButtonOK);
    buttons->addWidget(ButtonAbbrechen);
    FitDialogToScreen(this, body, buttons);
    connect(ButtonOK, &QPushButton::clicked, this, [this] { OkClick(); });
    connect(ButtonAbbrechen, &QPushButton::clicked, this, &QDialog::reject);

    MKontaloRegistry reg;
    const QString section = QString::fromLatin1(kSection);
    move(reg.ReadInteger(section, QStringLiteral("left"), 220), reg.ReadInteger(section, QStringLiteral("top"), 120));
}

TRepEigenschaftenDlg::~TRepEigenschaftenDlg()
{
    try {
        MKontaloRegistry reg;
        const QString section = QString::fromLatin1(kSection);
        reg.WriteInteger(section, QStringLiteral("left"), x());
        reg.WriteInteger(section, QStringLiteral("top"), y());
    } catch (const std::exception& e) {
        // A position that cannot be stored is not worth a message at closing.
        qCWarning(lcTandrelSettings) << "dialog position not stored:" << e.what();
    }
    delete m_repFrame; // also clears the representation's DialogFrame
}

void TRepEigenschaftenDlg::Setup(TBaseFrameFactory* factory, MBaseStructur& selection)
{
    const int n = selection.Count();
    LabelAnzahlReps->setText(QStringLiteral("Anzahl der Elemente: %1").arg(n));
    m_rep = nullptr;
    if (n == 1) {
        m_rep = selection.Items(0);
        LabelRepInfos->setText(QStringLiteral("x: %1  y:%2  RepID: %3")
                                   .arg(Fixed(m_rep->XPos), Fixed(m_rep->YPos))
                                   .arg(m_rep->RepID));
    } else if (n > 1) {
        LabelRepInfos->setText(QStringLiteral("Es wurden mehrere Objekte selektiert"));
    } else {
        LabelRepInfos->setText(QStringLiteral("Es wurde kein Objekt selektiert"));
    }
    if (!m_rep)
        return;
    TBaseFrame* frame = m_rep->CreateDialogFrame(TabSheetRep, nullptr, factory);
    m_repFrame = qobject_cast<TBaseRepDialogFrame*>(frame);
    if (frame) {
        TabSheetRep->layout()->addWidget(frame);
        frame->show();
    }
}

void TRepEigenschaftenDlg::OkClick()
{
    if (m_rep && m_rep->DialogFrame) {
        auto* frame = qobject_cast<TBaseRepDialogFrame*>(m_rep->DialogFrame);
        if (frame && !frame->ApplyRepFrame())
            return;
    }
    accept();
}
