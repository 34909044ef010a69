#include "addresses/DAnschreibenDlg.h"

#include "addresses/CommaText.h"
#include "addresses/DAdressAuswahlDlg.h"
#include "addresses/FAdressFrame.h"
#include "app/BaseFrameFactory.h"
#include "app/CommonFunctions.h"
#include "app/DialogFit.h"
#include "app/DialogPosition.h"
#include "app/FInterfaceFrame.h"
#include "app/KontaloRegistry.h"
#include "app/OneClick.h"
#include "app/WaitCursor.h"
#include "pdf/PdfWriter.h"
#include "platform/Dialogs.h"
#include "platform/Services.h"

#include <QCheckBox>
#include <QDate>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QScopeGuard>
#include <QScrollArea>
#include <QTabWidget>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>
#include <QVBoxLayout>

namespace {

const QString kSection = letter::kSettingsSection;
constexpr double kMmPerPt = 25.4 / 72.0;

int px(double mm)
{
    return qRound(mm * TAnschreibenDialog::kPreviewScale);
}

QFont previewFont(double pt, bool bold = false, bool italic = false)
{
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(std::max(1, qRound(pt * kMmPerPt * TAnschreibenDialog::kPreviewScale)));
    f.setBold(bold);
    f.setItalic(italic);
    return f;
}

QString colorName(int colorRef)
{
    return QColor(colorRef & 0xFF, (colorRef >> 8) & 0xFF, (colorRef >> 16) & 0xFF).name();
}

// A read-only text block without frame or margins on the white page.
QTextEdit* pageMemo(QWidget* page, const char* name)
{
    auto* memo = new QTextEdit(page);
    memo->setObjectName(QString::fromLatin1(name));
    memo->setFrameShape(QFrame::NoFrame);
    memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    memo->document()->setDocumentMargin(0);
    memo->setStyleSheet(QStringLiteral("QTextEdit { background: transparent; color: black; }"));
    return memo;
}

QLineEdit* pageEdit(QWidget* page, const char* name, const QFont& font)
{
    auto* edit = new QLineEdit(page);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setFrame(false);
    edit->setFont(font);
    edit->setTextMargins(0, 0, 0, 0);
    edit->setStyleSheet(QStringLiteral("QLineEdit { background: transparent; color: black; padding: 0; }"));
    return edit;
}

// Writes lines into a memo with the letter's line steps and sizes, so the
// preview sets them where the PDF will.
struct PreviewLine {
    QString text;
    double pt;
    double step;
    double topGap = 0;
};

void setLines(QTextEdit* memo, const std::vector<PreviewLine>& lines, Qt::Alignment align)
{
    memo->clear();
    QTextCursor cursor(memo->document());
    for (size_t i = 0; i < lines.size(); ++i) {
        QTextBlockFormat block;
        block.setAlignment(align);
        block.setLineHeight(px(lines[i].step), QTextBlockFormat::FixedHeight);
        block.setTopMargin(px(lines[i].topGap));
        QTextCharFormat chars;
        chars.setFont(previewFont(lines[i].pt));
        if (i == 0)
            cursor.setBlockFormat(block);
        else
            cursor.insertBlock(block);
        cursor.insertText(lines[i].text, chars);
    }
}

} // namespace

const QString TAnschreibenDialog::kDefaultInhalt = letter::kDefaultInhalt;

TAnschreibenDialog::TAnschreibenDialog(QWidget* parent)
    : QDialog(parent), m_sender(std::make_unique<MAdresse>()), m_recipient(std::make_unique<MAdresse>())
{
    setObjectName(QStringLiteral("AnschreibenDialog"));
    setWindowTitle(QStringLiteral("Anschreiben bearbeiten"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    BuildControls();
    LoadSettings();
}

TAnschreibenDialog::~TAnschreibenDialog()
{
    try {
        SaveSettings();
    } catch (const std::exception& e) {
        ReportSettingsError(e);
    }
}

void TAnschreibenDialog::BuildControls()
{
    auto* body = new QWidget;
    body->setObjectName(QStringLiteral("PanelInhalt"));
    auto* middle = new QHBoxLayout(body);
    middle->setContentsMargins(0, 0, 0, 0);

    PageControl = new QTabWidget(body);
    PageControl->setObjectName(QStringLiteral("PageControl"));
    middle->addWidget(PageControl, 1);
    auto* letterTab = new QWidget;
    letterTab->setObjectName(QStringLiteral("TabSheetAnschreiben"));
    PageControl->addTab(letterTab, QStringLiteral("Anschreiben"));
    auto* scroll = new QScrollArea(letterTab);
    scroll->setObjectName(QStringLiteral("ScrollBoxSeite"));
    scroll->setWidgetResizable(true);
    auto* tabLayout = new QVBoxLayout(letterTab);
    tabLayout->setContentsMargins(0, 0, 0, 0);
    tabLayout->addWidget(scroll);
    auto* holder = new QWidget;
    holder->setObjectName(QStringLiteral("PanelAblage"));
    holder->setStyleSheet(QStringLiteral("#PanelAblage { background: #8a8f96; }"));
    auto* holderLayout = new QVBoxLayout(holder);
    holderLayout->setContentsMargins(16, 16, 16, 16);
    PanelSeite = new QFrame(holder);
    PanelSeite->setObjectName(QStringLiteral("PanelSeite"));
    PanelSeite->setFixedSize(px(letter::kPageWidth), px(letter::kPageHeight));
    PanelSeite->setStyleSheet(QStringLiteral("#PanelSeite { background: white; border: 1px solid #5c6168; }"));
    holderLayout->addWidget(PanelSeite, 0, Qt::AlignHCenter);
    scroll->setWidget(holder);
    BuildPreview(PanelSeite);

    auto* plantTab = new QWidget;
    plantTab->setObjectName(QStringLiteral("TabSheetAnlagedaten"));
    auto* plantLayout = new QVBoxLayout(plantTab);
    auto* plantGroup = new QGroupBox(QStringLiteral("Anlagendaten:"), plantTab);
    plantGroup->setObjectName(QStringLiteral("GroupBoxAnlagendaten"));
    plantLayout->addWidget(plantGroup);
    PageControl->addTab(plantTab, QStringLiteral("Anlagedaten"));
    for (int i = 3; i <= 5; ++i) {
        auto* tab = new QWidget;
        tab->setObjectName(QStringLiteral("TabSheet%1").arg(i));
        PageControl->addTab(tab, QString());
    }

    auto* side = new QVBoxLayout;
    middle->addLayout(side);
    BitBtnAbsenderDlg = new QPushButton(QStringLiteral("Absender ändern"), this);
    BitBtnAbsenderDlg->setObjectName(QStringLiteral("BitBtnAbsenderDlg"));
    BitBtnEmpfaengerDlg = new QPushButton(QStringLiteral("Empfänger ändern"), this);
    BitBtnEmpfaengerDlg->setObjectName(QStringLiteral("BitBtnEmpfaengerDlg"));
    connect(BitBtnAbsenderDlg, &QPushButton::clicked, this, &TAnschreibenDialog::BitBtnAbsenderDlgClick);
    connect(BitBtnEmpfaengerDlg, &QPushButton::clicked, this, &TAnschreibenDialog::BitBtnEmpfaengerDlgClick);
    side->addWidget(BitBtnAbsenderDlg);
    side->addWidget(BitBtnEmpfaengerDlg);
    side->addSpacing(16);
    auto check = [&](const char* name, const char* text) {
        auto* box = new QCheckBox(QString::fromUtf8(text), this);
        box->setObjectName(QString::fromLatin1(name));
        connect(box, &QCheckBox::toggled, this, &TAnschreibenDialog::ApplyCheckBoxes);
        side->addWidget(box);
        return box;
    };
    CheckBoxShowAbsender = check("CheckBoxShowAbsender", "Absender anzeigen");
    CheckBoxShowAbsenderZeile = check("CheckBoxShowAbsenderZeile", "Absenderzeile anzeigen");
    CheckBoxshowBetreff = check("CheckBoxshowBetreff", "Betreff anzeigen");
    CheckBoxShowDatum = check("CheckBoxShowDatum", "Datum anzeigen");
    side->addStretch(1);

    auto* bottom = new QHBoxLayout;
    bottom->addStretch(1);
    BitBtnPdf = new QPushButton(QStringLiteral("PDF erstellen"), this);
    BitBtnPdf->setObjectName(QStringLiteral("BitBtnPdf"));
    BitBtnPdf->setDefault(true);
    connect(BitBtnPdf, &QPushButton::clicked, this, &QDialog::accept);
    OneActionPerClick(BitBtnPdf);
    BitBtnAbbrechen = new QPushButton(QStringLiteral("Abbrechen"), this);
    BitBtnAbbrechen->setObjectName(QStringLiteral("BitBtnAbbrechen"));
    connect(BitBtnAbbrechen, &QPushButton::clicked, this, &QDialog::reject);
    bottom->addWidget(BitBtnPdf);
    bottom->addWidget(BitBtnAbbrechen);

    // As much of the page as the screen allows; the page scrolls in its tab.
    resize(px(letter::kPageWidth) + 300, kMaxDialogSize.height());
    FitDialogToScreen(this, body, bottom);
}

void TAnschreibenDialog::BuildPreview(QWidget* page)
{
    using namespace letter;
    const double right = kPageWidth - kRightGap;

    LabelAbsender = new QLabel(QStringLiteral("Absender:"), page);
    LabelAbsender->setObjectName(QStringLiteral("LabelAbsender"));
    LabelAbsender->setFont(previewFont(kAbsenderLabelPt, false, true));
    LabelAbsender->setStyleSheet(QStringLiteral("color: %1;").arg(colorName(kGreyText)));
    LabelAbsender->adjustSize();
    LabelAbsender->move(px(kAbsenderLabelX), px(kAbsenderLabelY));

    MemoAbsender = pageMemo(page, "MemoAbsender");
    MemoAbsender->setReadOnly(true);
    MemoAbsender->setGeometry(px(kPageWidth / 2), px(kAbsenderTop), px(right - kPageWidth / 2) + 1, px(40));

    LabelAbsenderZeile = new QLabel(page);
    LabelAbsenderZeile->setObjectName(QStringLiteral("LabelAbsenderZeile"));
    LabelAbsenderZeile->setFont(previewFont(kZeilePt, false, true));
    LabelAbsenderZeile->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    LabelAbsenderZeile->setStyleSheet(QStringLiteral("color: %1;").arg(colorName(kGreyText)));
    // The underline sits where the PDF draws its line and hides with the label.
    auto* underline = new QFrame(LabelAbsenderZeile);
    underline->setObjectName(QStringLiteral("ShapeAbsenderZeile"));
    underline->setStyleSheet(QStringLiteral("background: %1;").arg(colorName(kGreyText)));

    ImageLogo = new QLabel(page);
    ImageLogo->setObjectName(QStringLiteral("ImageLogo"));
    ImageLogo->setScaledContents(true);
    ImageLogo->setGeometry(px(kLogoLeft), px(kLogoTop), px(kLogoRight - kLogoLeft), px(kLogoBottom - kLogoTop));

    MemoEmpfaenger = pageMemo(page, "MemoEmpfaenger");
    MemoEmpfaenger->setReadOnly(true);
    MemoEmpfaenger->setGeometry(px(kLeft), px(kEmpfaengerTop), px(100), px(4 * kEmpfaengerStep + 2));

    EditBetreff = pageEdit(page, "EditBetreff", previewFont(kBetreffPt, true));
    EditBetreff->setGeometry(px(kLeft), px(kBetreffY), px(105), px(6));

    LabelDatum = new QLabel(QStringLiteral("Datum: "), page);
    LabelDatum->setObjectName(QStringLiteral("LabelDatum"));
    LabelDatum->setFont(previewFont(kDatumPt));
    LabelDatum->setStyleSheet(QStringLiteral("color: black;"));
    LabelDatum->adjustSize();
    EditDatum = pageEdit(page, "EditDatum", previewFont(kDatumPt));
    EditDatum->setLayoutDirection(Qt::RightToLeft);
    EditDatum->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    connect(EditDatum, &QLineEdit::textChanged, this, &TAnschreibenDialog::PlaceDatum);

    MemoInhalt = pageMemo(page, "MemoInhalt");
    MemoInhalt->setAcceptRichText(false);
    MemoInhalt->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    MemoInhalt->setFont(previewFont(kBodyPt));
    MemoInhalt->setGeometry(px(kLeft), px(kBodyTop), px(right - kLeft), px(kPageHeight - kBottomGap - kBodyTop));
}

void TAnschreibenDialog::PlaceDatum()
{
    using namespace letter;
    const int right = px(kPageWidth - kRightGap);
    const int h = px(6);
    const int w = EditDatum->fontMetrics().horizontalAdvance(EditDatum->text()) + 4;
    EditDatum->setGeometry(right - w, px(kDatumY), w, h);
    LabelDatum->move(right - w - LabelDatum->width(), px(kDatumY) + (h - LabelDatum->height()) / 2);
}

void TAnschreibenDialog::LoadSettings()
{
    RestoreDialogPosition(this, kSection, 220, 120);
    MKontaloRegistry reg;
    CheckBoxShowAbsenderZeile->setChecked(reg.ReadBool(kSection, QStringLiteral("ShowAbsenderZeile"), true));
    CheckBoxShowAbsender->setChecked(reg.ReadBool(kSection, QStringLiteral("ShowAbsender"), true));
    CheckBoxshowBetreff->setChecked(reg.ReadBool(kSection, QStringLiteral("ShowBetreff"), true));
    CheckBoxShowDatum->setChecked(reg.ReadBool(kSection, QStringLiteral("ShowDatum"), true));
    QString betreff = reg.ReadString(kSection, QStringLiteral("Betreff"), kDefaultBetreff, kAddressFieldMax);
    if (betreff.isEmpty())
        betreff = kDefaultBetreff;
    EditBetreff->setText(betreff);
    QString inhalt = reg.ReadString(kSection, QStringLiteral("MemoInhalt"), kDefaultInhalt);
    if (inhalt.isEmpty())
        inhalt = kDefaultInhalt;
    SetBodyText(FromCommaText(inhalt));
}

void TAnschreibenDialog::SaveSettings()
{
    SaveDialogPosition(this, kSection);
    MKontaloRegistry reg;
    reg.WriteBool(kSection, QStringLiteral("ShowAbsenderZeile"), CheckBoxShowAbsenderZeile->isChecked());
    reg.WriteBool(kSection, QStringLiteral("ShowAbsender"), CheckBoxShowAbsender->isChecked());
    reg.WriteBool(kSection, QStringLiteral("ShowBetreff"), CheckBoxshowBetreff->isChecked());
    reg.WriteBool(kSection, QStringLiteral("ShowDatum"), CheckBoxShowDatum->isChecked());
    reg.WriteString(kSection, QStringLiteral("Betreff"), EditBetreff->text());
    reg.WriteString(kSection, QStringLiteral("MemoInhalt"), ToCommaText(BodyLines()));
}

void TAnschreibenDialog::SetBodyText(const QStringList& lines)
{
    MemoInhalt->setPlainText(lines.join(QLatin1Char('\n')));
    // Every block, and each new one typed later, keeps the letter's line step.
    QTextCursor cursor(MemoInhalt->document());
    cursor.select(QTextCursor::Document);
    QTextBlockFormat block;
    block.setLineHeight(px(letter::kBodyStep), QTextBlockFormat::FixedHeight);
    cursor.mergeBlockFormat(block);
}

QStringList TAnschreibenDialog::BodyLines() const
{
    const QString text = MemoInhalt->toPlainText();
    if (text.isEmpty())
        return {};
    return text.split(QLatin1Char('\n'));
}

void TAnschreibenDialog::PrepareLetter(const MAdresse* sender, const MAdresse* recipient, TBaseFrame* addressBook,
                                       TInterfaceFrame* workspace)
{
    if (sender)
        CopyAddress(*sender, *m_sender);
    if (recipient)
        CopyAddress(*recipient, *m_recipient);
    m_addressBook = qobject_cast<TAdressFrame*>(addressBook);
    m_workspace = workspace;
    FillLetterPreview();
    EditDatum->setText(TodayText());
    ApplyCheckBoxes();
    for (int i = 1; i < PageControl->count(); ++i)
        PageControl->setTabVisible(i, false);
}

void TAnschreibenDialog::FillLetterPreview()
{
    using namespace letter;
    std::vector<PreviewLine> to;
    const auto recipient = EmpfaengerLines(*m_recipient);
    for (const LetterLine& l : recipient)
        to.push_back({l.text, kEmpfaengerPt, kEmpfaengerStep});
    to.front().topGap = recipient.front().y - kEmpfaengerTop;
    setLines(MemoEmpfaenger, to, Qt::AlignLeft);

    std::vector<PreviewLine> from;
    const auto names = AbsenderNameLines(*m_sender);
    for (const LetterLine& l : names)
        from.push_back({l.text, kAbsenderPt, kAbsenderStep});
    for (const LetterLine& l : AbsenderContactLines(*m_sender, 0))
        from.push_back({l.text, kAbsenderContactPt, kAbsenderContactStep});
    setLines(MemoAbsender, from, Qt::AlignRight);

    LabelAbsenderZeile->setText(AbsenderZeileText(*m_sender));
    LabelAbsenderZeile->adjustSize();
    const int width = LabelAbsenderZeile->sizeHint().width();
    const int lineAt = px(kZeileUnderlineY - kZeileY);
    LabelAbsenderZeile->setGeometry(px(kLeft), px(kZeileY), width, lineAt + 1);
    if (auto* underline = LabelAbsenderZeile->findChild<QFrame*>(QStringLiteral("ShapeAbsenderZeile")))
        underline->setGeometry(0, lineAt, width, 1);

    ImageLogo->clear();
    if (m_workspace)
        if (const PictureEntry* logo = m_workspace->FindPicture(10); logo && !logo->picture().isNull())
            ImageLogo->setPixmap(QPixmap::fromImage(logo->picture()));
}

void TAnschreibenDialog::ApplyCheckBoxes()
{
    MemoAbsender->setVisible(CheckBoxShowAbsender->isChecked());
    LabelAbsender->setVisible(CheckBoxShowAbsender->isChecked());
    LabelAbsenderZeile->setVisible(CheckBoxShowAbsenderZeile->isChecked());
    EditBetreff->setVisible(CheckBoxshowBetreff->isChecked());
    EditDatum->setVisible(CheckBoxShowDatum->isChecked());
    LabelDatum->setVisible(CheckBoxShowDatum->isChecked());
    PlaceDatum();
}

bool TAnschreibenDialog::ChooseAddress(const QString& prompt, MAdresse& target)
{
    if (!m_addressBook)
        return false;
    // Owned by this dialog and freed right after; the selection dialog gives
    // the frame back to its parent when it goes, however that happens.
    QPointer<TAdressAuswahlDialog> dialog = new TAdressAuswahlDialog(this);
    const auto freeDialog = qScopeGuard([&dialog] { delete dialog.data(); });
    dialog->SetPrompt(prompt);
    dialog->EmbedAddressBook(m_addressBook);
    const int result = dialog->exec();
    if (!dialog || result != QDialog::Accepted || !m_addressBook)
        return false;
    if (const MAdresse* chosen = m_addressBook->GetCurrentAddress())
        CopyAddress(*chosen, target);
    FillLetterPreview();
    return true;
}

void TAnschreibenDialog::BitBtnAbsenderDlgClick()
{
    ChooseAddress(QStringLiteral("Bitte wählen Sie Ihre Absenderadresse aus oder geben Sie eine ein:"), *m_sender);
}

void TAnschreibenDialog::BitBtnEmpfaengerDlgClick()
{
    ChooseAddress(QStringLiteral("Bitte wählen Sie die Empfängeradresse aus:"), *m_recipient);
}

LetterContent TAnschreibenDialog::Content() const
{
    LetterContent c;
    c.sender = *m_sender;
    c.recipient = *m_recipient;
    c.showAbsender = CheckBoxShowAbsender->isChecked();
    c.showAbsenderZeile = CheckBoxShowAbsenderZeile->isChecked();
    c.showBetreff = CheckBoxshowBetreff->isChecked();
    c.showDatum = CheckBoxShowDatum->isChecked();
    c.betreff = EditBetreff->text();
    c.datum = EditDatum->text();
    c.body = BodyLines();
    return c;
}

void TAnschreibenDialog::done(int result)
{
    if (result == QDialog::Accepted)
        CreateLetterPdf();
    QDialog::done(result);
}

void TAnschreibenDialog::CreateLetterPdf()
{
    WaitCursor wait;
    if (!m_workspace)
        return;
    m_workspace->ShowProgress(QStringLiteral("PDF-Datei erstellen"));
    PdfWriter* pdf = m_workspace->OpenPdfDocument(QStringLiteral("Anschreiben"));
    if (!pdf)
        return;
    // The letter's own page size takes effect with a fresh begin.
    m_workspace->SetPdfPageSize(letter::kPageHeight, letter::kPageWidth);
    try {
        pdf->BeginDoc();
    } catch (const PdfError& e) {
        tandrel::platform::dialogs().showMessage(QString::fromUtf8(e.what()));
        return;
    }
    if (!pdf->Printing())
        return;
    QImage logo;
    if (const PictureEntry* entry = m_workspace->FindPicture(10))
        logo = entry->picture();
    WriteLetter(*pdf, Content(), logo);
    m_workspace->SetProgress(20);
    m_workspace->SetProgress(40);
    m_workspace->SetProgress(60);
    try {
        pdf->EndDoc();
    } catch (const PdfError& e) {
        tandrel::platform::dialogs().showMessage(QString::fromUtf8(e.what()));
    }
    m_workspace->SetProgress(100);
}
