#include "app/FOverviewFrame.h"

#include "app/BaseFrameFactory.h"
#include "app/CommonFunctions.h"
#include "app/DBackgroundDlg.h"
#include "app/FInterfaceFrame.h"
#include "app/FrameIds.h"
#include "app/KontaloRegistry.h"
#include "app/Links.h"
#include "app/OneClick.h"
#include "app/UiPictures.h"
#include "app/WaitCursor.h"
#include "pdf/PdfWriter.h"
#include "platform/Dialogs.h"
#include "platform/Services.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QDate>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QToolButton>
#include <algorithm>

namespace {

const char* const kSection = "overview";

} // namespace

TOverviewFrame::TOverviewFrame(QWidget* parent) : TBaseFrame(parent)
{
    setObjectName(QStringLiteral("OverviewFrame"));
    PanelTop = new QFrame(PanelMain);
    PanelTop->setObjectName(QStringLiteral("PanelTop"));
    SetPanelColor(PanelTop, BackColor);

    ImageBackground = new QLabel(PanelTop);
    ImageBackground->setObjectName(QStringLiteral("ImageBackground"));
    ImageBackground->setScaledContents(true);

    auto marker = [this](const char* name, const char* picture) {
        auto* l = new QLabel(PanelTop);
        l->setObjectName(QString::fromLatin1(name));
        l->setAttribute(Qt::WA_TranslucentBackground);
        l->setPixmap(UiPicture(QString::fromLatin1(picture)));
        if (l->pixmap().isNull())
            l->resize(420, 150);
        else
            l->resize(l->pixmap().size());
        return l;
    };
    ImageMarkierungPVAnlagen = marker("ImageMarkierungPVAnlagen", "marker-pv");
    ImageMarkierungListen = marker("ImageMarkierungListen", "marker-lists");

    auto button = [this](const char* name, const QString& caption, const char* picture, int frameId) {
        auto* b = new QToolButton(PanelTop);
        b->setObjectName(QString::fromLatin1(name));
        b->setText(caption);
        b->setAutoRaise(true);
        b->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        QFont f = b->font();
        f.setBold(true);
        f.setPointSizeF(f.pointSizeF() * 1.15);
        b->setFont(f);
        const QPixmap pix = UiPicture(QString::fromLatin1(picture));
        if (!pix.isNull()) {
            b->setIcon(QIcon(pix));
            b->setIconSize(pix.size());
        }
        b->resize(150, 112);
        b->installEventFilter(this);
        if (frameId != 0)
            connect(b, &QToolButton::clicked, this, [this, frameId] {
                if (Factory)
                    Factory->ShowFrame(frameId);
            });
        return b;
    };
    SpeedButtonHaus3D = button("SpeedButtonHaus3D", QStringLiteral("Haus &3D"), "start-house3d", FrameId::PapierHaus);
    SpeedButtonPVAnlage = button("SpeedButtonPVAnlage", QStringLiteral("PV-&Anlage"), "start-pvplant", FrameId::Dachplanung2D);
    SpeedButtonEigenverbrauch = button("SpeedButtonEigenverbrauch", QStringLiteral("Eigenverbrauch"), "start-kev", FrameId::KEV);
    BitBtnEigenverbrauch = button("BitBtnEigenverbrauch", QStringLiteral("Eigen&verbrauch"), "start-selfconsumption",
                                  FrameId::Eigenverbrauch);
    BitBtnKundenmappe = button("BitBtnKundenmappe", QStringLiteral("Kunden&mappe"), "start-folder", 0);
    OneActionPerClick(BitBtnKundenmappe);
    connect(BitBtnKundenmappe, &QToolButton::clicked, this, [this] {
        if (Factory && Factory->GetMainWindow())
            Factory->GetMainWindow()->ShowCustomerFolderDialog();
    });

    // Underlined by its font: plain text needs no text document to show.
    LabelLink = new QLabel(QString::fromLatin1(links::kMakerWebAddress), PanelTop);
    LabelLink->setObjectName(QStringLiteral("LabelLink"));
    LabelLink->setTextFormat(Qt::PlainText);
    QFont underlined = LabelLink->font();
    underlined.setUnderline(true);
    LabelLink->setFont(underlined);
    LabelLink->setCursor(Qt::PointingHandCursor);
    LabelLink->installEventFilter(this);
    LabelSoftware = new QLabel(QStringLiteral("Software in der Solartechnik"), PanelTop);
    LabelSoftware->setObjectName(QStringLiteral("LabelSoftware"));
    LabelSoftware->setCursor(Qt::PointingHandCursor);
    LabelSoftware->installEventFilter(this);
    ImageMobileApp = new QLabel(PanelTop);
    ImageMobileApp->setObjectName(QStringLiteral("ImageMobileApp"));
    ImageMobileApp->setPixmap(UiPicture(QStringLiteral("mobileapp")));
    ImageMobileApp->adjustSize();
    ImageMobileApp->setToolTip(QStringLiteral("Norvi GmbH - Software in der Solartechnik"));
    ImageMobileApp->setCursor(Qt::PointingHandCursor);
    ImageMobileApp->installEventFilter(this);
    for (QWidget* link : {static_cast<QWidget*>(LabelLink), static_cast<QWidget*>(LabelSoftware),
                          static_cast<QWidget*>(ImageMobileApp)})
        OneActionPerClick(link);

    PopupMenu = new QMenu(this);
    PopupMenu->setObjectName(QStringLiteral("PopupMenuOverview"));
    auto item = [this](const char* name, const QString& text, auto slot) {
        QAction* a = PopupMenu->addAction(text);
        a->setObjectName(QString::fromLatin1(name));
        connect(a, &QAction::triggered, this, slot);
    };
    item("MenuHintergrundbild", QStringLiteral("Hintergrund&bild..."), [this] { ChooseBackgroundPicture(); });
    item("MenuHintergrundfarbe", QStringLiteral("Hintergrund&farbe..."), [this] { ChooseBackgroundColor(); });
    PopupMenu->addSeparator();
    item("MenuTaschenrechner", QStringLiteral("&Taschenrechner"), [] { StartCalculator(); });
    PopupMenu->addSeparator();
    item("MenuFAQ", QStringLiteral("FA&Q (Internet)"), [] { OpenURL(QString::fromLatin1(links::kFaqPage)); });
    PopupMenu->addSeparator();
    item("MenuSoftwareInfo", QStringLiteral("Software &Info..."), [this] {
        if (Factory && Factory->GetMainWindow())
            Factory->GetMainWindow()->ShowInfoDialog();
    });
    for (QWidget* w : {static_cast<QWidget*>(PanelTop), static_cast<QWidget*>(ImageBackground)}) {
        w->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(w, &QWidget::customContextMenuRequested, this,
                [this, w](const QPoint& pos) { PopupMenu->popup(w->mapToGlobal(pos)); });
    }
}

TOverviewFrame::~TOverviewFrame() = default;

void TOverviewFrame::InitFrame(QWidget* parent, TBaseFrame* owner, TBaseFrameFactory* factory, int frameId)
{
    TBaseFrame::InitFrame(parent, owner, factory, frameId);
    FrameName = QStringLiteral("Übersicht");
    FrameDescription = QStringLiteral("Übersichtsseite zum Ansteuern der einzelnen Programmteile");
    PanelLeft->setVisible(false);
    PanelFrameTop->setVisible(false);
    {
        MKontaloRegistry reg;
        BackImageID = reg.ReadInteger(kSection, QStringLiteral("BackImageID"), 3140);
        BackImageLight = reg.ReadInteger(kSection, QStringLiteral("BackImageLight"), 100);
        BackColor = tandrel::platform::ColorRef(reg.ReadInteger(kSection, QStringLiteral("BackColor"), 14991288));
    }
    if (TInterfaceFrame* i = GetInterfaceFrame())
        i->AssignPicture(ImageBackground, BackImageID);
    ImageBackground->resize(800, 600);
    SetPanelColor(PanelTop, BackColor);
    SpeedButtonEigenverbrauch->setText(QStringLiteral("KEV"));
    ArrangeControls();
}

void TOverviewFrame::FinishFrame()
{
    MKontaloRegistry reg;
    reg.WriteInteger(kSection, QStringLiteral("BackImageID"), BackImageID);
    reg.WriteInteger(kSection, QStringLiteral("BackImageLight"), BackImageLight);
    reg.WriteInteger(kSection, QStringLiteral("BackColor"), int(BackColor));
    TBaseFrame::FinishFrame();
}

void TOverviewFrame::ArrangeControls()
{
    PanelMain->setGeometry(rect());
    PanelTop->setGeometry(PanelMain->rect());
    const int w = PanelTop->width(), h = PanelTop->height();
    const int left = w / 2 - ImageBackground->width() / 2;
    const int top = h / 2 - ImageBackground->height() / 2;
    ImageBackground->move(left, top);
    // The plates hang above the centred background; in a low panel the
    // group moves down together so the upper plate starts at the top edge.
    const int groupTop = std::max(top - 220, 0);
    const int shift = groupTop - (top - 220);
    ImageMarkierungPVAnlagen->move(w / 2 - ImageMarkierungPVAnlagen->width() / 2, top - 220 + shift);
    ImageMarkierungListen->move(w / 2 - ImageMarkierungListen->width() / 2, top - 60 + shift);

    const QRect pv = ImageMarkierungPVAnlagen->geometry();
    const QRect lists = ImageMarkierungListen->geometry();
    SpeedButtonHaus3D->move(pv.left() + 25, pv.top() + pv.height() + 1);
    SpeedButtonPVAnlage->move(pv.left() + pv.width() - SpeedButtonHaus3D->width() - 25, pv.top() + pv.height() + 1);
    BitBtnEigenverbrauch->move(lists.left() + 25, lists.top() + lists.height() + 1);
    BitBtnKundenmappe->move(lists.left() + (lists.width() - BitBtnKundenmappe->width()) / 2, lists.top() + lists.height() + 1);
    SpeedButtonEigenverbrauch->move(lists.left() + lists.width() - SpeedButtonEigenverbrauch->width() - 25,
                                    lists.top() + lists.height() + 1);
    // Nothing the user clicks may leave the panel; the top and left edges
    // win where the panel is smaller than the control.
    for (QWidget* c : {static_cast<QWidget*>(ImageMarkierungPVAnlagen), static_cast<QWidget*>(ImageMarkierungListen),
                       static_cast<QWidget*>(SpeedButtonHaus3D), static_cast<QWidget*>(SpeedButtonPVAnlage),
                       static_cast<QWidget*>(SpeedButtonEigenverbrauch), static_cast<QWidget*>(BitBtnEigenverbrauch),
                       static_cast<QWidget*>(BitBtnKundenmappe)}) {
        const int x = std::max(0, std::min(c->x(), w - c->width()));
        const int y = std::max(0, std::min(c->y(), h - c->height()));
        c->move(x, y);
    }

    LabelLink->adjustSize();
    LabelSoftware->adjustSize();
    LabelLink->move(w - LabelLink->width() - 16, h - LabelLink->height() - 10);
    LabelSoftware->move(w - LabelSoftware->width() - 16, LabelLink->y() - LabelSoftware->height() - 2);
    ImageMobileApp->move(12, h - ImageMobileApp->height() - 8);
    for (QWidget* c : {static_cast<QWidget*>(ImageMarkierungPVAnlagen), static_cast<QWidget*>(ImageMarkierungListen),
                       static_cast<QWidget*>(SpeedButtonHaus3D), static_cast<QWidget*>(SpeedButtonPVAnlage),
                       static_cast<QWidget*>(SpeedButtonEigenverbrauch), static_cast<QWidget*>(BitBtnKundenmappe)})
        c->raise();
}

bool TOverviewFrame::eventFilter(QObject* watched, QEvent* event)
{
    // Enter on a focused button does what a click does, as on a dialog.
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        auto* button = qobject_cast<QToolButton*>(watched);
        if (button && (key == Qt::Key_Return || key == Qt::Key_Enter) && button->parentWidget() == PanelTop) {
            button->click();
            return true;
        }
    }
    const bool isLink = watched == LabelLink || watched == LabelSoftware || watched == ImageMobileApp;
    if (isLink && (event->type() == QEvent::MouseButtonRelease ||
                   (event->type() == QEvent::MouseButtonDblClick && watched != ImageMobileApp))) {
        OpenMakerSite();
        return true;
    }
    return TBaseFrame::eventFilter(watched, event);
}

void TOverviewFrame::OpenMakerSite()
{
    OpenURL(QString::fromLatin1(kMakerWebSite));
}

void TOverviewFrame::ChooseBackgroundPicture()
{
    TBackgroundDlg dlg(window());
    dlg.SetInterfaceFrame(GetInterfaceFrame());
    dlg.SetSelectedID(BackImageID);
    if (dlg.exec() != QDialog::Accepted)
        return;
    BackImageID = dlg.GetSelectedID();
    BackImageLight = dlg.GetLight();
    if (TInterfaceFrame* i = GetInterfaceFrame())
        i->AssignPicture(ImageBackground, BackImageID);
}

void TOverviewFrame::ChooseBackgroundColor()
{
    BackColor = ChooseColor(BackColor);
    SetPanelColor(PanelTop, BackColor);
}

void TOverviewFrame::PdfDump()
{
    TInterfaceFrame* iface = GetInterfaceFrame();
    if (!iface || !Factory)
        return;
    WaitCursor wait;
    PdfWriter* pdf = iface->OpenPdfDocument(QStringLiteral("FrameListe.pdf"));
    if (!pdf)
        return;
    pdf->SetPaperSize(PdfWriter::kPaperCustom);
    pdf->SetPaperWidth(212);
    pdf->SetPaperHeight(299.8);
    try {
        pdf->BeginDoc();
    } catch (const PdfError&) {
        return;
    }
    if (!pdf->Printing())
        return;

    const double margin = 18, rowHeight = 20;
    pdf->SetFont(QStringLiteral("Arial"), 16, 14574692);
    pdf->TextOut(margin, 8, QStringLiteral("Pravik Framelist Dokumentation"));
    pdf->SetFont(QStringLiteral("Arial"), 12, 0);
    const QString date = QLocale().toString(QDate::currentDate(), QLocale::ShortFormat);
    const QString version = iface->GetVersion() + QLatin1Char(' ') + iface->GetSubVersion();
    pdf->TextOut(margin, 14, QString::asprintf("Datum:%s   Version: %s", date.toUtf8().constData(), version.toUtf8().constData()));
    pdf->TextOut(margin, 19, QString::asprintf("Frames (Anzahl: %d)", Factory->Count() - 1));

    int k = 0;
    for (TBaseFrame* f : Factory->Frames()) {
        ++k;
        double top = 15 + rowHeight * k;
        if (top > pdf->PageHeight() - 30) {
            pdf->NewPage();
            top = 15;
            k = 0;
        }
        pdf->TextOut(margin, top + 1, QString::asprintf("Name %s ID: %d", f->GetFrameName().toUtf8().constData(), f->GetFrameID()));
        pdf->TextOut(margin, top + 6, QString::asprintf("Beschreibung %s", f->GetFrameDescription().toUtf8().constData()));
        pdf->TextOut(margin, top + 12, QString::asprintf("Related1: %d  Related2: %d", f->GetRelatedFrame1(), f->GetRelatedFrame2()));
    }
    try {
        pdf->EndDoc();
    } catch (const PdfError& e) {
        tandrel::platform::dialogs().showMessage(
            QStringLiteral("Die PDF-Datei konnte nicht geschrieben werden:\n%1").arg(QString::fromUtf8(e.what())));
    }
}
