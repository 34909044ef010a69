#include "app/InfoDlg.h"

#include "app/CommonFunctions.h"
#include "app/Links.h"
#include "app/OneClick.h"
#include "app/UiPictures.h"
#include "platform/ColorRef.h"

#include <QEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>

namespace {

QPushButton* linkButton(QWidget* parent, const char* name, const QString& caption, const QRect& geometry)
{
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setFlat(true);
    b->setCursor(Qt::PointingHandCursor);
    b->setStyleSheet(QStringLiteral("QPushButton { color: #1a4f9c; text-align: left; text-decoration: underline; }"));
    b->setGeometry(geometry);
    return b;
}

} // namespace

TInfoDialog1::TInfoDialog1(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("InfoDialog1"));
    setWindowTitle(QStringLiteral("Info über Tandrel"));
    setFixedSize(658, 386);
    setModal(false);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    SetPanelColor(this, 15527137);
    setMouseTracking(true);
    installEventFilter(this);

    ImageProduct = new QLabel(this);
    ImageProduct->setObjectName(QStringLiteral("ImageProduct"));
    ImageProduct->setToolTip(QStringLiteral("Tandrel"));
    ImageProduct->setPixmap(UiPicture(QStringLiteral("product")));
    ImageProduct->setCursor(Qt::PointingHandCursor);
    ImageProduct->setMouseTracking(true);
    m_pictureFrame = QRect(16, 16, 220, 165);
    SetPictureStretched(true);
    ImageProduct->installEventFilter(this);
    OneActionPerClick(ImageProduct);

    auto* title = new QLabel(QStringLiteral("Tandrel"), this);
    title->setObjectName(QStringLiteral("LabelTitle"));
    QFont big = title->font();
    big.setPointSizeF(big.pointSizeF() * 2.4);
    big.setBold(true);
    title->setFont(big);
    title->setGeometry(256, 14, 380, 48);
    auto* subtitle = new QLabel(QStringLiteral("PV-Anlagen planen, präsentieren und berechnen"), this);
    subtitle->setGeometry(258, 60, 380, 20);

    auto* versionPanel = new QFrame(this);
    versionPanel->setObjectName(QStringLiteral("PanelVersion"));
    SetPanelColor(versionPanel, 12114648);
    versionPanel->setGeometry(256, 88, 380, 28);
    VersionLabel = new QLabel(QStringLiteral("Version 0.5.02"), versionPanel);
    VersionLabel->setObjectName(QStringLiteral("VersionLabel"));
    VersionLabel->setToolTip(QStringLiteral(" Version 0.5.02"));
    VersionLabel->setGeometry(8, 4, 360, 20);

    auto* maker = new QLabel(QStringLiteral("© 2012 Norvi GmbH - Software in der Solartechnik"), this);
    maker->setObjectName(QStringLiteral("LabelMaker"));
    maker->setGeometry(256, 124, 380, 20);
    auto* licence = new QLabel(QStringLiteral("Lizenz: Einzelplatzversion"), this);
    licence->setObjectName(QStringLiteral("LabelLizenz"));
    licence->setGeometry(256, 146, 380, 20);

    MemoInfo = new QPlainTextEdit(this);
    MemoInfo->setObjectName(QStringLiteral("MemoInfo"));
    MemoInfo->setReadOnly(true);
    MemoInfo->setGeometry(256, 174, 380, 60);
    MemoInfo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    MemoInfo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    auto* product = linkButton(this, "ButtonProduct", QStringLiteral("Tandrel"), QRect(16, 190, 220, 26));
    product->setToolTip(QString::fromLatin1(links::kProductWebSite));
    connect(product, &QPushButton::clicked, this, [] { OpenURL(QString::fromLatin1(links::kProductWebSite)); });

    (new QLabel(QStringLiteral("Norvi Homepage:"), this))->setGeometry(256, 246, 120, 24);
    auto* web = linkButton(this, "ButtonHomepage", QString::fromLatin1(links::kMakerWebAddress), QRect(380, 244, 256, 26));
    connect(web, &QPushButton::clicked, this, [web] { OpenURL(web->text()); });
    (new QLabel(QStringLiteral("Norvi E-Mail:"), this))->setGeometry(256, 274, 120, 24);
    auto* mail = linkButton(this, "ButtonEMail", QString::fromLatin1(links::kMakerEmail), QRect(380, 272, 256, 26));
    connect(mail, &QPushButton::clicked, this, [mail] { OpenMail(mail->text()); });

    auto* appPicture = new QPushButton(this);
    appPicture->setObjectName(QStringLiteral("ButtonMobileAppPicture"));
    appPicture->setFlat(true);
    appPicture->setIcon(QIcon(UiPicture(QStringLiteral("mobileapp"))));
    appPicture->setIconSize(QSize(36, 52));
    appPicture->setGeometry(16, 226, 48, 60);
    connect(appPicture, &QPushButton::clicked, this, [] { OpenURL(QString::fromLatin1(links::kMobileAppPage)); });
    auto* app = linkButton(this, "ButtonMobileApp", QStringLiteral("Norvi Mobile-App"), QRect(70, 244, 166, 26));
    connect(app, &QPushButton::clicked, this, [] { OpenURL(QString::fromLatin1(links::kMobileAppPage)); });

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("ButtonOK"));
    ok->setDefault(true);
    ok->setGeometry(658 - 112, 386 - 44, 96, 30);
    connect(ok, &QPushButton::clicked, this, &QWidget::hide);
}

TInfoDialog1::~TInfoDialog1() = default;

void TInfoDialog1::InitInfo(TInterfaceFrame* interfaceFrame, const QString& text)
{
    m_interface = interfaceFrame;
    m_text = text;
    MemoInfo->clear();
    MemoInfo->appendPlainText(QStringLiteral("KEV in der Schweiz"));
    MemoInfo->appendPlainText(QStringLiteral("Stand Januar 2012"));
    VersionLabel->setText(QStringLiteral(" Version: 2012"));
}

void TInfoDialog1::ShowInfo()
{
    if (!isVisible()) {
        if (QScreen* s = screen())
            move(s->availableGeometry().center() - rect().center());
    }
    show();
    raise();
    activateWindow();
}

void TInfoDialog1::SetPictureStretched(bool stretched)
{
    const QPixmap& pix = ImageProduct->pixmap();
    if (stretched || pix.isNull()) {
        ImageProduct->setScaledContents(true);
        ImageProduct->setGeometry(m_pictureFrame);
    } else {
        ImageProduct->setScaledContents(false);
        ImageProduct->setGeometry(QRect(m_pictureFrame.topLeft(), pix.size()));
        ImageProduct->raise();
    }
}

bool TInfoDialog1::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseMove) {
        if (watched == ImageProduct) {
            SetPictureStretched(false);
            // Handled here: the label would pass the move on to the dialog,
            // whose handler would stretch the picture again at once.
            return true;
        }
        if (watched == this) {
            const QPoint at = static_cast<QMouseEvent*>(event)->position().toPoint();
            if (!ImageProduct->geometry().contains(at))
                SetPictureStretched(true);
        }
    } else if (watched == ImageProduct && event->type() == QEvent::MouseButtonRelease) {
        OpenURL(QString::fromLatin1(links::kProductWebSite));
        return true;
    }
    return QDialog::eventFilter(watched, event);
}
