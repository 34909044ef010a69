#include "addresses/DShowAdressDlg.h"

#include "addresses/DAnschreibenDlg.h"
#include "addresses/FAdressFrame.h"
#include "app/DialogFit.h"
#include "app/DialogPosition.h"
#include "app/CommonFunctions.h"
#include "app/FInterfaceFrame.h"

#include "platform/Logging.h"

#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScopeGuard>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

const QString kSection = QStringLiteral("ShowAdressDlg");
QPointer<TShowAdressDlg> g_instance;
QPointer<QWidget> g_parent;

QLabel* valueLabel(QWidget* parent, const char* name)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

} // namespace

TShowAdressDlg* ShowAdressDlg()
{
    if (!g_instance && g_parent)
        new TShowAdressDlg(g_parent); // owned by the parent; registers itself
    return g_instance;
}

void SetShowAdressDlgParent(QWidget* parent)
{
    g_parent = parent;
}

TShowAdressDlg::TShowAdressDlg(QWidget* parent) : QDialog(parent)
{
    if (!g_instance)
        g_instance = this;
    setObjectName(QStringLiteral("ShowAdressDlg"));
    setWindowTitle(QStringLiteral("Adresse"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setModal(false);

    auto* body = new QWidget;
    body->setObjectName(QStringLiteral("PanelInhalt"));
    auto* outer = new QVBoxLayout(body);
    outer->setContentsMargins(0, 0, 0, 0);
    auto* top = new QHBoxLayout;
    outer->addLayout(top);
    auto* address = new QVBoxLayout;
    top->addLayout(address, 1);
    LabelName1 = valueLabel(this, "LabelName1");
    QFont big = LabelName1->font();
    big.setBold(true);
    big.setPointSizeF(big.pointSizeF() * 1.3);
    LabelName1->setFont(big);
    // Plain text, no buddy: an '&' in a company name shows as it is.
    LabelName1->setTextFormat(Qt::PlainText);
    LabelName2 = valueLabel(this, "LabelName2");
    LabelStrasse = valueLabel(this, "LabelStrasse");
    LabelPLZOrt = valueLabel(this, "LabelPLZOrt");
    for (QLabel* l : {LabelName1, LabelName2, LabelStrasse, LabelPLZOrt})
        address->addWidget(l);
    address->addStretch(1);

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setFixedSize(180, 60);
    Image1->setScaledContents(true);
    Image1->setCursor(Qt::PointingHandCursor);
    Image1->installEventFilter(this);
    top->addWidget(Image1, 0, Qt::AlignTop);

    auto* contact = new QGridLayout;
    outer->addLayout(contact);
    auto row = [&](int r, QWidget* caption, QLabel* value) {
        contact->addWidget(caption, r, 0);
        contact->addWidget(value, r, 1);
    };
    LabelTel = valueLabel(this, "LabelTel");
    LabelFax = valueLabel(this, "LabelFax");
    LabelMobil = valueLabel(this, "LabelMobil");
    LabelEmail = valueLabel(this, "LabelEmail");
    LabelInternet = valueLabel(this, "LabelInternet");
    row(0, new QLabel(QStringLiteral("Tel:"), this), LabelTel);
    row(1, new QLabel(QStringLiteral("Fax:"), this), LabelFax);
    row(2, new QLabel(QStringLiteral("Mobil:"), this), LabelMobil);
    SpeedButtonEMail = new QToolButton(this);
    SpeedButtonEMail->setObjectName(QStringLiteral("SpeedButtonEMail"));
    SpeedButtonEMail->setText(QStringLiteral("E-Mail:"));
    SpeedButtonEMail->setAutoRaise(true);
    SpeedButtonEMail->setCursor(Qt::PointingHandCursor);
    connect(SpeedButtonEMail, &QToolButton::clicked, this, &TShowAdressDlg::SpeedButtonEMailClick);
    row(3, SpeedButtonEMail, LabelEmail);
    SpeedButtonInternet = new QToolButton(this);
    SpeedButtonInternet->setObjectName(QStringLiteral("SpeedButtonInternet"));
    SpeedButtonInternet->setText(QStringLiteral("Internet:"));
    SpeedButtonInternet->setAutoRaise(true);
    SpeedButtonInternet->setCursor(Qt::PointingHandCursor);
    connect(SpeedButtonInternet, &QToolButton::clicked, this, &TShowAdressDlg::SpeedButtonInternetClick);
    row(4, SpeedButtonInternet, LabelInternet);
    contact->setColumnStretch(1, 1);

    LabelBemerkung1 = valueLabel(this, "LabelBemerkung1");
    LabelBemerkung1->setWordWrap(true);
    LabelBemerkung2 = valueLabel(this, "LabelBemerkung2");
    LabelBemerkung2->setWordWrap(true);
    outer->addWidget(LabelBemerkung1);
    outer->addWidget(LabelBemerkung2);

    auto* fields = new QGroupBox(QStringLiteral("Tätigkeitsfelder:"), this);
    fields->setObjectName(QStringLiteral("GroupBoxTaetigkeit"));
    auto* fieldsLayout = new QVBoxLayout(fields);
    LabelTaetigkeit = valueLabel(fields, "LabelTaetigkeit");
    LabelTaetigkeit->setWordWrap(true);
    fieldsLayout->addWidget(LabelTaetigkeit);
    outer->addWidget(fields);

    auto* buttons = new QHBoxLayout;
    BitBtnAnschreiben = new QPushButton(QStringLiteral("Anschreiben erstellen"), this);
    BitBtnAnschreiben->setObjectName(QStringLiteral("BitBtnAnschreiben"));
    connect(BitBtnAnschreiben, &QPushButton::clicked, this, &TShowAdressDlg::BitBtnAnschreibenClick);
    BitBtnOK = new QPushButton(QStringLiteral("OK"), this);
    BitBtnOK->setObjectName(QStringLiteral("BitBtnOK"));
    BitBtnOK->setDefault(true);
    connect(BitBtnOK, &QPushButton::clicked, this, &QWidget::hide);
    buttons->addWidget(BitBtnAnschreiben);
    buttons->addStretch(1);
    buttons->addWidget(BitBtnOK);
    resize(460, 420);
    FitDialogToScreen(this, body, buttons);

    RestoreDialogPosition(this, kSection, 220, 120);
}

TShowAdressDlg::~TShowAdressDlg()
{
    SaveDialogPosition(this, kSection);
}

void TShowAdressDlg::ShowAddressDetails(const MAdresse& entry, TInterfaceFrame* workspace, TBaseFrame* addressBook)
{
    CopyAddress(entry, m_entry);
    m_workspace = workspace;
    m_addressBook = qobject_cast<TAdressFrame*>(addressBook);
    LabelName1->setText(entry.Name1);
    LabelName2->setText(entry.Name2);
    LabelStrasse->setText(entry.Strasse);
    LabelPLZOrt->setText(entry.Plz + QLatin1Char(' ') + entry.Ort);
    LabelTel->setText(entry.Tel);
    LabelFax->setText(entry.Fax);
    LabelMobil->setText(entry.Mobil);
    LabelEmail->setText(entry.EMail);
    LabelInternet->setText(entry.Internet);
    LabelBemerkung1->setText(entry.Bemerkung1);
    LabelBemerkung2->setText(entry.Bemerkung2);
    Image1->setToolTip(QStringLiteral("Zur Internetseite: ") + entry.Internet);
    LabelTaetigkeit->setText(BrancheTexts(entry.Branche));
    Image1->clear();
    try {
        if (workspace && entry.Logo > 0)
            if (const PictureEntry* logo = workspace->FindPicture(LogoPictureId(entry)))
                Image1->setPixmap(QPixmap::fromImage(logo->picture()));
    } catch (const std::exception& e) {
        // A missing logo leaves the picture empty.
        qCWarning(lcTandrelFrames) << "company logo:" << e.what();
    }
}

TAdressFrame* TShowAdressDlg::AddressBook() const
{
    return m_addressBook;
}

void TShowAdressDlg::SetAddressBook(TBaseFrame* addressBook, TInterfaceFrame* workspace)
{
    if (!m_addressBook)
        m_addressBook = qobject_cast<TAdressFrame*>(addressBook);
    if (!m_workspace)
        m_workspace = workspace;
}

void TShowAdressDlg::SpeedButtonInternetClick()
{
    OpenURL(LabelInternet->text());
}

void TShowAdressDlg::SpeedButtonEMailClick()
{
    OpenMail(LabelEmail->text());
}

void TShowAdressDlg::BitBtnAnschreibenClick()
{
    // The sender comes from the address book: nothing to do without it.
    if (!m_addressBook)
        return;
    QPointer<TAnschreibenDialog> letter = new TAnschreibenDialog(this);
    const auto freeLetter = qScopeGuard([&letter] { delete letter.data(); });
    letter->PrepareLetter(m_addressBook->GetCurrentAddress(), &m_entry, m_addressBook, m_workspace);
    letter->exec();
}

bool TShowAdressDlg::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == Image1 && event->type() == QEvent::MouseButtonRelease) {
        SpeedButtonInternetClick();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}
