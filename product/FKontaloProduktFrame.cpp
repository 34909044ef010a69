#include "product/FKontaloProduktFrame.h"

#include "addresses/AddressBook.h"
#include "addresses/DAdressAuswahlDlg.h"
#include "app/BaseFrameFactory.h"
#include "app/CommonFunctions.h"
#include "app/FInterfaceFrame.h"
#include "app/FrameIds.h"
#include "app/Links.h"
#include "app/OneClick.h"
#include "app/PictureLabel.h"
#include "app/Pictures.h"
#include "app/WaitCursor.h"
#include "pdf/PdfWriter.h"
#include "platform/Dialogs.h"
#include "platform/Services.h"
#include "product/KontaloBestellformular.h"
#include "product/KontaloTexts.h"

#include <QApplication>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QScopeGuard>
#include <QScrollArea>
#include <QTabWidget>
#include <QTextBrowser>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

using namespace tandrel::kontalo;
using tandrel::platform::dialogs;

namespace {

const int kLeftWidth = 214;
const int kStepWidth = 330;

QString screenPicture(int screen)
{
    return QStringLiteral("product/screen-") + QString::fromLatin1(kScreens[screen].key);
}

// A picture button that gives up height on a low window: its picture shrinks
// to the room the layout leaves instead of being drawn over its neighbours.
class TShrinkingPictureButton : public QToolButton {
public:
    using QToolButton::QToolButton;

    QSize sizeHint() const override { return m_full.isEmpty() ? QToolButton::sizeHint() : m_full + m_padding; }
    QSize minimumSizeHint() const override
    {
        const QSize hint = sizeHint();
        return {hint.width(), std::min(hint.height(), kMinHeight)};
    }
    void SetPicture(const QPixmap& pix)
    {
        setIcon(QIcon(pix));
        setIconSize(pix.size());
        m_full = pix.size();
        const QSize hint = QToolButton::sizeHint();
        m_padding = QSize(std::max(0, hint.width() - m_full.width()), std::max(0, hint.height() - m_full.height()));
        updateGeometry();
    }

protected:
    void resizeEvent(QResizeEvent* event) override
    {
        QToolButton::resizeEvent(event);
        if (!m_full.isEmpty())
            setIconSize(m_full.scaled((size() - m_padding).expandedTo(QSize(1, 1)), Qt::KeepAspectRatio));
    }

private:
    static constexpr int kMinHeight = 60;
    QSize m_full;
    QSize m_padding;
};

// A clickable built-in picture that is decoded only while it is shown (a
// page not in front costs nothing), at the size it is shown.
class TLazyPictureButton : public QToolButton {
public:
    TLazyPictureButton(QWidget* parent, const QString& picture, const QSize& shown) : QToolButton(parent)
    {
        m_picture = new TPictureLabel(this);
        m_picture->setObjectName(QStringLiteral("Picture"));
        m_picture->setAttribute(Qt::WA_TransparentForMouseEvents);
        m_picture->SetPictureName(picture);
        m_shown = shown;
        setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    }

    QSize sizeHint() const override { return m_shown + QSize(2 * kPad, 2 * kPad); }
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void resizeEvent(QResizeEvent* event) override
    {
        QToolButton::resizeEvent(event);
        m_picture->setGeometry(rect().adjusted(kPad, kPad, -kPad, -kPad));
    }

private:
    static constexpr int kPad = 3;
    TPictureLabel* m_picture = nullptr;
    QSize m_shown;
};

void makeClickable(QToolButton* b, const char* name, const QString& tip)
{
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoRaise(true);
    b->setCursor(Qt::PointingHandCursor);
    b->setToolTip(tip);
}

// The size a built-in picture is shown at when it is `width` wide.
QSize atWidth(const QString& picture, int width)
{
    const QSize full = tandrel::pictures::size(picture);
    if (full.isEmpty())
        return {width, width / 2};
    return {width, std::max(1, int(std::lround(double(full.height()) * width / full.width())))};
}

// A picture that reacts to a click and shrinks on a low window.
QToolButton* pictureButton(QWidget* parent, const char* name, const QPixmap& pix, const QString& tip)
{
    auto* b = new TShrinkingPictureButton(parent);
    b->SetPicture(pix);
    makeClickable(b, name, tip);
    return b;
}

QLabel* wrappedLabel(QWidget* parent, const char* name, const QString& text, bool bold = false)
{
    auto* l = new QLabel(text, parent);
    l->setObjectName(QString::fromLatin1(name));
    l->setWordWrap(true);
    if (bold) {
        QFont f = l->font();
        f.setBold(true);
        l->setFont(f);
    }
    return l;
}

const char* const kTabStyle =
    "QTabWidget::pane { border: none; }"
    "QTabBar::tab { background: #e6eeeb; color: #1e2a28; border: 1px solid #9fb8ae; border-radius: 3px;"
    " padding: 5px 14px; margin: 4px 3px 4px 0; }"
    "QTabBar::tab:hover { background: #f4f8f6; }"
    "QTabBar::tab:selected { background: #1f6f5c; color: white; border-color: #1f6f5c; }";

const char* const kHotspotStyle =
    "QToolButton { border: 2px solid transparent; background: transparent; }"
    "QToolButton:hover { border: 2px solid #e8722c; border-radius: 4px; background: rgba(232, 114, 44, 28); }";

} // namespace

TKontaloProduktFrame::TKontaloProduktFrame(QWidget* parent) : TBaseFrame(parent)
{
    setObjectName(QStringLiteral("KontaloProduktFrame"));
    PanelLeft->setFixedWidth(kLeftWidth);
    PageControl1 = new QTabWidget(PanelMain);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    PageControl1->setDocumentMode(true);
    PageControl1->setStyleSheet(QString::fromLatin1(kTabStyle));
    auto* mainLayout = new QVBoxLayout(PanelMain);
    mainLayout->setContentsMargins(6, 4, 6, 6);
    mainLayout->addWidget(PageControl1);

    BuildLeftColumn();
    BuildDescription();
    BuildProcedure();
    BuildScreens();
    BuildTest();
}

TKontaloProduktFrame::~TKontaloProduktFrame() = default;

void TKontaloProduktFrame::BuildLeftColumn()
{
    auto* v = new QVBoxLayout(PanelLeft);
    v->setContentsMargins(10, 10, 10, 10);
    v->setSpacing(6);
    ImageLogo = new QLabel(PanelLeft);
    ImageLogo->setObjectName(QStringLiteral("ImageLogo"));
    ImageLogo->setAlignment(Qt::AlignCenter);
    v->addWidget(ImageLogo);

    ImageCover = pictureButton(PanelLeft, "ImageCover", tandrel::pictures::pixmap(QString::fromLatin1(kCoverPicture)),
                               QStringLiteral("Kontalo pro im Internet"));
    connect(ImageCover, &QToolButton::clicked, this, [] { OpenURL(QString::fromUtf8(links::kSiblingProductWebSite)); });
    v->addWidget(ImageCover, 0, Qt::AlignHCenter);

    LabelStand = wrappedLabel(PanelLeft, "LabelStand", QStringLiteral("Software zur Photovoltaikanlagenplanung Stand 2012"),
                              true);
    v->addWidget(LabelStand);
    LabelWeitereInfo = wrappedLabel(PanelLeft, "LabelWeitereInfo", QStringLiteral("Weitere Informationen:"));
    v->addWidget(LabelWeitereInfo);
    LabelProduktseite = new QToolButton(PanelLeft);
    LabelProduktseite->setObjectName(QStringLiteral("LabelProduktseite"));
    LabelProduktseite->setText(QString::fromUtf8(links::kMakerWebAddress) + QStringLiteral("/produkte"));
    LabelProduktseite->setAutoRaise(true);
    LabelProduktseite->setCursor(Qt::PointingHandCursor);
    LabelProduktseite->setStyleSheet(QStringLiteral("QToolButton { color: #1a4f9c; text-decoration: underline; border: none; }"));
    connect(LabelProduktseite, &QToolButton::clicked, this, [] { OpenURL(QString::fromUtf8(links::kMakerProductsPage)); });
    v->addWidget(LabelProduktseite, 0, Qt::AlignLeft);

    MemoWerbung = wrappedLabel(PanelLeft, "MemoWerbung", kontalo_texts::Werbetext());
    MemoWerbung->setFrameShape(QFrame::StyledPanel);
    MemoWerbung->setMargin(6);
    MemoWerbung->setAutoFillBackground(true);
    QPalette pal = MemoWerbung->palette();
    pal.setColor(QPalette::Window, QColor(0xfb, 0xfc, 0xf6));
    MemoWerbung->setPalette(pal);
    v->addWidget(MemoWerbung);
    v->addStretch(1);

    LabelBriefFax = wrappedLabel(PanelLeft, "LabelBriefFax", QStringLiteral("Per Brief oder Fax bestellen:"), true);
    v->addWidget(LabelBriefFax);
    BitBtnBestellformularPdf = new QPushButton(QStringLiteral("Bestellformular als PDF"), PanelLeft);
    BitBtnBestellformularPdf->setObjectName(QStringLiteral("BitBtnBestellformularPdf"));
    connect(BitBtnBestellformularPdf, &QPushButton::clicked, this, [this] { BitBtnBestellformularPdfClick(); });
    OneActionPerClick(BitBtnBestellformularPdf);
    v->addWidget(BitBtnBestellformularPdf);
    v->addSpacing(6);
    LabelInternet = wrappedLabel(PanelLeft, "LabelInternet", QStringLiteral("Per Internet bestellen:"), true);
    v->addWidget(LabelInternet);
    BitBtnOnlineBestellformular = new QPushButton(QStringLiteral("Online Bestellformular"), PanelLeft);
    BitBtnOnlineBestellformular->setObjectName(QStringLiteral("BitBtnOnlineBestellformular"));
    connect(BitBtnOnlineBestellformular, &QPushButton::clicked, this,
            [] { OpenURL(QString::fromUtf8(links::kSiblingOrderPage)); });
    v->addWidget(BitBtnOnlineBestellformular);
}

QWidget* TKontaloProduktFrame::AddPage(const char* name, const QString& caption)
{
    auto* page = new QWidget;
    page->setObjectName(QString::fromLatin1(name));
    PageControl1->addTab(page, caption);
    return page;
}

void TKontaloProduktFrame::BuildDescription()
{
    TabSheetBeschreibung = AddPage("TabSheetBeschreibung", QStringLiteral("Beschreibung"));
    auto* v = new QVBoxLayout(TabSheetBeschreibung);
    MemoBeschreibung = new QTextBrowser(TabSheetBeschreibung);
    MemoBeschreibung->setObjectName(QStringLiteral("MemoBeschreibung"));
    MemoBeschreibung->setOpenLinks(false);
    MemoBeschreibung->setHtml(kontalo_texts::Beschreibung());
    v->addWidget(MemoBeschreibung, 1);
    auto* row = new QHBoxLayout;
    ButtonVorgehensmodell = new QPushButton(QStringLiteral("Vorgehensmodell von Kontalo pro"), TabSheetBeschreibung);
    ButtonVorgehensmodell->setObjectName(QStringLiteral("ButtonVorgehensmodell"));
    ButtonBildschirmseiten = new QPushButton(QStringLiteral("Bildschirmseiten von Kontalo pro"), TabSheetBeschreibung);
    ButtonBildschirmseiten->setObjectName(QStringLiteral("ButtonBildschirmseiten"));
    connect(ButtonVorgehensmodell, &QPushButton::clicked, this, [this] { PageControl1->setCurrentWidget(TabSheetVorgehen); });
    connect(ButtonBildschirmseiten, &QPushButton::clicked, this,
            [this] { PageControl1->setCurrentWidget(TabSheetBildschirmansichten); });
    row->addWidget(ButtonVorgehensmodell);
    row->addWidget(ButtonBildschirmseiten);
    row->addStretch(1);
    v->addLayout(row);
}

void TKontaloProduktFrame::BuildProcedure()
{
    TabSheetVorgehen = AddPage("TabSheetVorgehen", QStringLiteral("Vorgehen Kontalo pro"));
    auto* scroll = new QScrollArea(TabSheetVorgehen);
    scroll->setObjectName(QStringLiteral("ScrollBoxVorgehen"));
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    auto* outer = new QVBoxLayout(TabSheetVorgehen);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(scroll);
    auto* content = new QWidget;
    auto* v = new QVBoxLayout(content);
    v->addWidget(wrappedLabel(content, "LabelVorgehen", kontalo_texts::VorgehenEinleitung()));
    auto* grid = new QGridLayout;
    static const char* const names[4] = {"ImageSchritt1", "ImageSchritt2", "ImageSchritt3", "ImageSchritt4"};
    static const char* const captions[4] = {"LabelSchritt1", "LabelSchritt2", "LabelSchritt3", "LabelSchritt4"};
    static const Screen targets[4] = {Standortdialog, Generatorausrichtung, Finanzierung, Diagrammansicht};
    for (int i = 0; i < 4; ++i) {
        // The step pictures are the screens they lead to.
        const QString picture = screenPicture(targets[i]);
        ImageSchritt[i] = new TLazyPictureButton(content, picture, atWidth(picture, kStepWidth));
        makeClickable(ImageSchritt[i], names[i],
                      QStringLiteral("Zur Bildschirmseite „%1“").arg(QString::fromUtf8(kScreens[targets[i]].caption)));
        const Screen target = targets[i];
        connect(ImageSchritt[i], &QToolButton::clicked, this, [this, target] { ShowScreen(target); });
        auto* caption = wrappedLabel(content, captions[i], kontalo_texts::Schritt(i));
        caption->setFixedWidth(kStepWidth);
        caption->setMinimumHeight(caption->heightForWidth(kStepWidth));
        grid->addWidget(ImageSchritt[i], (i / 2) * 2, i % 2, Qt::AlignLeft);
        grid->addWidget(caption, (i / 2) * 2 + 1, i % 2, Qt::AlignLeft | Qt::AlignTop);
    }
    v->addLayout(grid);
    v->addStretch(1);
    scroll->setWidget(content);
}

void TKontaloProduktFrame::BuildScreens()
{
    TabSheetBildschirmansichten = AddPage("TabSheetBildschirmansichten", QStringLiteral("Bildschirmansichten"));
    auto* v = new QVBoxLayout(TabSheetBildschirmansichten);
    v->setContentsMargins(0, 0, 0, 0);
    PageControl2 = new QTabWidget(TabSheetBildschirmansichten);
    PageControl2->setObjectName(QStringLiteral("PageControl2"));
    PageControl2->setDocumentMode(true);
    PageControl2->setUsesScrollButtons(true);
    PageControl2->setStyleSheet(QStringLiteral("QTabBar::tab { padding: 3px 9px; }"));
    v->addWidget(PageControl2);
    std::vector<QLabel*> images;
    for (int s = 0; s < ScreenCount; ++s) {
        const QString key = QString::fromLatin1(kScreens[s].key);
        auto* scroll = new QScrollArea;
        scroll->setObjectName(QStringLiteral("TabSheet") + key);
        scroll->setBackgroundRole(QPalette::Dark);
        scroll->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        auto* image = new TPictureLabel;
        image->setObjectName(QStringLiteral("Image") + key);
        image->SetPictureName(screenPicture(s));
        image->resize(kScreenWidth, kScreenHeight);
        scroll->setWidget(image);
        PageControl2->addTab(scroll, QString::fromUtf8(kScreens[s].caption));
        ScreenSheets.push_back(scroll);
        images.push_back(image);
    }
    for (const Hotspot& h : kHotspots) {
        auto* b = new QToolButton(images[h.screen]);
        b->setObjectName(QString::fromLatin1(h.name));
        b->setGeometry(h.rect.x - 2, h.rect.y - 2, h.rect.w + 4, h.rect.h + 4);
        b->setAutoRaise(true);
        b->setStyleSheet(QString::fromLatin1(kHotspotStyle));
        b->setCursor(Qt::PointingHandCursor);
        b->setToolTip(QStringLiteral("%1: weiter zu „%2“").arg(QString::fromUtf8(h.what), QString::fromUtf8(kScreens[h.target].caption)));
        const Screen target = h.target;
        connect(b, &QToolButton::clicked, this, [this, target] { ShowScreen(target); });
        Hotspots.push_back(b);
    }
}

void TKontaloProduktFrame::BuildTest()
{
    TabSheetTestuebersicht = AddPage("TabSheetTestuebersicht", QStringLiteral("Testübersicht"));
    auto* v = new QVBoxLayout(TabSheetTestuebersicht);
    const QString test = QString::fromLatin1(kTestPicture);
    ImageTest = new TLazyPictureButton(TabSheetTestuebersicht, test, tandrel::pictures::size(test));
    makeClickable(ImageTest, "ImageTest", QStringLiteral("Testberichte im Internet"));
    connect(ImageTest, &QToolButton::clicked, this, [] { OpenURL(QString::fromUtf8(links::kSiblingTestPage)); });
    v->addWidget(ImageTest, 0, Qt::AlignLeft | Qt::AlignTop);
    auto* note = wrappedLabel(TabSheetTestuebersicht, "LabelTestHinweis", kontalo_texts::TestHinweis());
    note->setMaximumWidth(640);
    v->addWidget(note);
    v->addStretch(1);
}

void TKontaloProduktFrame::InitFrame(QWidget* parent, TBaseFrame* owner, TBaseFrameFactory* factory, int frameId)
{
    TBaseFrame::InitFrame(parent, owner, factory, frameId);
    FrameName = QStringLiteral("Software Kontalo pro");
    FrameDescription = QStringLiteral("Softwareprodukte zur Finanzierungsrechnung von PV-Anlagen");
    PanelLeft->setVisible(true);
    PanelFrameTop->setVisible(false);
    if (TInterfaceFrame* i = GetInterfaceFrame()) {
        if (const PictureEntry* logo = i->FindPicture(30); logo && !logo->picture().isNull()) {
            ImageLogo->setPixmap(QPixmap::fromImage(
                logo->picture().scaledToWidth(kLeftWidth - 24, Qt::SmoothTransformation)));
            // A crowded column must not squeeze the logo and cut its top off.
            ImageLogo->setFixedHeight(ImageLogo->pixmap().height());
        }
    }
    // The logo changed the column after the frame got its size.
    PanelLeft->layout()->activate();
    ArrangeControls();
}

void TKontaloProduktFrame::ArrangeControls()
{
    PanelMain->setGeometry(PanelLeft->width(), 0, std::max(0, width() - PanelLeft->width()), height());
}

void TKontaloProduktFrame::ShowScreen(Screen screen)
{
    PageControl1->setCurrentWidget(TabSheetBildschirmansichten);
    PageControl2->setCurrentIndex(int(screen));
}

bool TKontaloProduktFrame::ChooseAddress(TBaseFrame* addressFrame)
{
    if (!qobject_cast<IAddressBook*>(addressFrame))
        return false;
    // The dialog gives the address book back to its place however it ends.
    QPointer<TAdressAuswahlDialog> dialog = new TAdressAuswahlDialog(this);
    const auto freeDialog = qScopeGuard([&dialog] { delete dialog.data(); });
    dialog->SetPrompt(QStringLiteral("Bitte wählen Sie die Adresse des Bestellers aus oder geben Sie eine ein:"));
    dialog->EmbedAddressBook(addressFrame);
    const int result = dialog->exec();
    return dialog && result == QDialog::Accepted;
}

void TKontaloProduktFrame::BitBtnBestellformularPdfClick()
{
    TBaseFrame* addressFrame = FindFrame(FrameId::Adress);
    if (!addressFrame && Factory) {
        // The address book stands on the directory and the map.
        Factory->ShowFrame(FrameId::Branchenbuch);
        Factory->ShowFrame(FrameId::AdressGeo);
        Factory->ShowFrame(FrameId::Adress);
        addressFrame = FindFrame(FrameId::Adress);
        Factory->ShowFrame(FrameID);
    }
    if (!addressFrame) {
        dialogs().showMessage(QStringLiteral("Die Adressverwaltung ist nicht verfügbar, das Bestellformular kann nicht "
                                             "erstellt werden."));
        return;
    }
    QPointer<TBaseFrame> chosen = addressFrame;
    if (!ChooseAddress(addressFrame) || !chosen)
        return;
    WriteOrderForm(chosen);
}

void TKontaloProduktFrame::WriteOrderForm(TBaseFrame* addressFrame)
{
    auto text = [addressFrame](const char* name) {
        const auto* e = addressFrame->findChild<QLineEdit*>(QString::fromLatin1(name));
        return e ? e->text() : QString();
    };
    MKontaloKunde k;
    k.Name1 = text("EditName1");
    k.Name2 = text("EditName2");
    k.Strasse = text("EditStrasse");
    k.Plz = text("EditPLZ");
    k.Ort = text("EditOrt");
    k.Tel = text("EditTel");
    k.Fax = text("EditFax");
    k.EMail = text("EditEMail");
    k.Bemerkung1 = text("EditBemerkung1");
    k.Bemerkung2 = text("EditBemerkung2");

    TInterfaceFrame* i = GetInterfaceFrame();
    if (!i)
        return;
    {
        WaitCursor wait;
        i->ShowProgress(QStringLiteral("PDF-Datei erstellen"));
        // The custom page before the document begins: set afterwards it would
        // only apply to pages that are never added.
        i->SetPdfPageSize(299.8, 212);
        if (PdfWriter* pdf = i->OpenPdfDocument(QStringLiteral("Kontalo_Bestellformular.pdf"))) {
            auto picture = [i](int id) {
                const PictureEntry* e = i->FindPicture(id);
                return e ? e->pdfPicture() : PdfPicture();
            };
            try {
                DrawKontaloBestellformular(*pdf, k, picture(30), picture(20), [i](int p) { i->SetProgress(p); });
                pdf->EndDoc();
            } catch (const PdfError& e) {
                pdf->Abort();
                dialogs().showMessage(QString::fromUtf8(e.what()));
            }
        }
    }
    i->SetProgress(100);
}
