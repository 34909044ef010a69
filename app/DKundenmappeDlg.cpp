#include "app/DKundenmappeDlg.h"

#include "app/DialogFit.h"
#include "app/DialogPosition.h"
#include "app/FInterfaceFrame.h"
#include "app/OneClick.h"
#include "app/WaitCursor.h"
#include "pdf/PdfWriter.h"
#include "pdf/WholePage.h"
#include "platform/Dialogs.h"
#include "platform/Services.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QString kPositionSection = QStringLiteral("KundenmappeDlg");

} // namespace

TKundenmappeDialog::TKundenmappeDialog(QWidget* parent, TInterfaceFrame* workspace, std::function<TBaseFrame*(int)> frame)
    : QDialog(parent), m_workspace(workspace), m_frame(std::move(frame))
{
    setObjectName(QStringLiteral("KundenmappeDialog"));
    setWindowTitle(QStringLiteral("Kundenmappe erstellen"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setModal(true);

    auto* content = new QWidget(this);
    auto* column = new QVBoxLayout(content);

    auto* kunde = new QGroupBox(QStringLiteral("Kunde"), content);
    auto* form = new QFormLayout(kunde);
    auto edit = [&](const char* name, const QString& caption) {
        auto* e = new QLineEdit(kunde);
        e->setObjectName(QString::fromLatin1(name));
        e->setMaxLength(200);
        e->setMinimumWidth(260);
        auto* label = new QLabel(caption, kunde);
        label->setBuddy(e);
        form->addRow(label, e);
        return e;
    };
    EditKundeName = edit("EditKundeName", QStringLiteral("&Name:"));
    EditKundeStrasse = edit("EditKundeStrasse", QStringLiteral("S&traße:"));
    EditKundePLZ = edit("EditKundePLZ", QStringLiteral("P&LZ:"));
    EditKundeOrt = edit("EditKundeOrt", QStringLiteral("&Ort:"));
    column->addWidget(kunde);

    auto* teile = new QGroupBox(QStringLiteral("Teile der Mappe"), content);
    auto* boxes = new QVBoxLayout(teile);
    auto check = [&](const char* name, const QString& caption) {
        auto* c = new QCheckBox(caption, teile);
        c->setObjectName(QString::fromLatin1(name));
        boxes->addWidget(c);
        return c;
    };
    CheckBoxMappeAnschreiben = check("CheckBoxMappeAnschreiben", QStringLiteral("&Anschreiben"));
    CheckBoxMappeErtrag = check("CheckBoxMappeErtrag", QStringLiteral("&Ertragsprognose"));
    CheckBoxMappeDachplanung = check("CheckBoxMappeDachplanung", QStringLiteral("&Dachplanung"));
    CheckBoxMappePapierhaus = check("CheckBoxMappePapierhaus", QStringLiteral("&Papierhaus"));
    CheckBoxMappeHochhaus = check("CheckBoxMappeHochhaus", QStringLiteral("Papier-&Hochhaus"));
    CheckBoxMappeEigenverbrauch = check("CheckBoxMappeEigenverbrauch", QStringLiteral("Präsentation Eigen&verbrauch"));
    CheckBoxMappeKEV = check("CheckBoxMappeKEV", QStringLiteral("Präsentation &KEV"));
    column->addWidget(teile);
    column->addStretch(1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    BitBtnPdf = new QPushButton(QStringLiteral("PDF e&rstellen"), this);
    BitBtnPdf->setObjectName(QStringLiteral("BitBtnPdf"));
    BitBtnPdf->setDefault(true);
    BitBtnAbbrechen = new QPushButton(QStringLiteral("Abbre&chen"), this);
    BitBtnAbbrechen->setObjectName(QStringLiteral("BitBtnAbbrechen"));
    buttons->addWidget(BitBtnPdf);
    buttons->addWidget(BitBtnAbbrechen);
    OneActionPerClick(BitBtnPdf);
    connect(BitBtnPdf, &QPushButton::clicked, this, &TKundenmappeDialog::BitBtnPdfClick);
    connect(BitBtnAbbrechen, &QPushButton::clicked, this, &TKundenmappeDialog::reject);

    resize(440, 500);
    FitDialogToScreen(this, content, buttons);
    RestoreDialogPosition(this, kPositionSection, 240, 120);
    ShowSettings(MFolderSettings::Load());
}

std::array<QCheckBox*, kFolderPartCount> TKundenmappeDialog::PartBoxes() const
{
    return {CheckBoxMappeAnschreiben, CheckBoxMappeErtrag,         CheckBoxMappeDachplanung, CheckBoxMappePapierhaus,
            CheckBoxMappeHochhaus,    CheckBoxMappeEigenverbrauch, CheckBoxMappeKEV};
}

MFolderSettings TKundenmappeDialog::Settings() const
{
    MFolderSettings s;
    s.Customer = {EditKundeName->text(), EditKundeStrasse->text(), EditKundePLZ->text(), EditKundeOrt->text()};
    const auto boxes = PartBoxes();
    for (int k = 0; k < kFolderPartCount; ++k)
        s.Parts[k] = boxes[k]->isChecked();
    return s;
}

void TKundenmappeDialog::ShowSettings(const MFolderSettings& s)
{
    EditKundeName->setText(s.Customer.Name);
    EditKundeStrasse->setText(s.Customer.Strasse);
    EditKundePLZ->setText(s.Customer.PLZ);
    EditKundeOrt->setText(s.Customer.Ort);
    const auto boxes = PartBoxes();
    for (int k = 0; k < kFolderPartCount; ++k)
        boxes[k]->setChecked(s.Parts[k]);
}

void TKundenmappeDialog::reject()
{
    // While the folder is written, "Abbrechen" stops it; the writing closes.
    if (m_writing) {
        m_cancel = true;
        return;
    }
    SaveDialogPosition(this, kPositionSection);
    QDialog::reject();
}

void TKundenmappeDialog::BitBtnPdfClick()
{
    if (m_writing)
        return;
    const bool written = CreateFolderPdf();
    if (m_cancel) {
        m_cancel = false;
        reject();
        return;
    }
    if (written) {
        SaveDialogPosition(this, kPositionSection);
        accept();
    }
}

bool TKundenmappeDialog::CreateFolderPdf()
{
    tandrel::platform::Dialogs& dialogs = tandrel::platform::dialogs();
    const MFolderSettings settings = Settings();
    settings.Save();
    const MFolderCustomer& c = settings.Customer;
    if (std::none_of(settings.Parts.begin(), settings.Parts.end(), [](bool b) { return b; })) {
        dialogs.showMessage(QStringLiteral("Bitte wählen Sie mindestens einen Teil der Kundenmappe aus."));
        return false;
    }
    if (c.Name.trimmed().isEmpty()) {
        dialogs.showMessage(QStringLiteral("Bitte geben Sie den Namen des Kunden ein."));
        EditKundeName->setFocus();
        return false;
    }
    if (settings.Parts[std::size_t(FolderPart::Anschreiben)] &&
        (c.Strasse.trimmed().isEmpty() || c.PLZ.trimmed().isEmpty() || c.Ort.trimmed().isEmpty())) {
        dialogs.showMessage(QStringLiteral("Für das Anschreiben fehlt die Anschrift des Kunden. "
                                           "Bitte geben Sie Straße, PLZ und Ort ein oder wählen Sie das Anschreiben ab."));
        return false;
    }
    if (!m_workspace)
        return false;

    WaitCursor cursor(Qt::BusyCursor);
    m_writing = true;
    m_cancel = false;
    BitBtnPdf->setEnabled(false);
    struct Done {
        TKundenmappeDialog* d;
        ~Done()
        {
            d->m_writing = false;
            d->BitBtnPdf->setEnabled(true);
        }
    } done{this};

    m_workspace->ShowProgress(QStringLiteral("Kundenmappe erstellen"));
    m_workspace->SetProgress(0);
    QStringList missing;
    const std::vector<MFolderSection> sections = FolderSections(settings, m_workspace, m_frame, &missing);
    if (sections.empty()) {
        m_workspace->SetProgress(100);
        dialogs.showMessage(QStringLiteral("Die gewählten Teile der Kundenmappe konnten nicht erstellt werden."));
        return false;
    }
    const MFolderCover cover = FolderCover(c, m_workspace);

    m_workspace->SetPdfPageSize(297, 210);
    PdfWriter* pdf = m_workspace->OpenPdfDocument(QStringLiteral("Kundenmappe"));
    if (!pdf)
        return false;
    const int n = int(sections.size());
    auto step = [this, n](int k) {
        m_workspace->SetProgress(5 + 90 * k / n);
        // Lets a click on "Abbrechen" through between the parts.
        QCoreApplication::processEvents();
        return !m_cancel;
    };
    try {
        if (!UseWholePage(*pdf))
            return false;
        if (!DrawCustomerFolder(*pdf, cover, sections, step)) {
            pdf->Abort();
            m_workspace->SetProgress(100);
            return false;
        }
        pdf->EndDoc();
    } catch (const PdfError& e) {
        if (pdf->Printing())
            pdf->Abort();
        m_workspace->SetProgress(100);
        dialogs.showMessage(QString::fromUtf8(e.what()));
        return false;
    }
    m_workspace->SetProgress(100);
    if (!missing.isEmpty())
        dialogs.showMessage(QStringLiteral("Nicht in der Kundenmappe: %1.").arg(missing.join(QStringLiteral(", "))));
    return true;
}
