#pragma once

#include "addresses/Adresse.h"
#include "addresses/LetterPdf.h"
#include "addresses/StoredLetter.h"

#include "app/FInterfaceFrame.h"

#include <QDialog>
#include <QPointer>
#include <memory>

class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QTextEdit;
class TAdressFrame;
class TBaseFrame;

// Shows a one-page letter to a company as it will be printed, lets the user
// change sender, recipient, subject, date and body, and writes it as PDF.
class TAnschreibenDialog : public QDialog {
    Q_OBJECT
public:
    static inline const QString kDefaultBetreff = letter::kDefaultBetreff;
    static const QString kDefaultInhalt;
    // Preview pixels per millimetre of the page.
    static constexpr double kPreviewScale = 3.0;

    explicit TAnschreibenDialog(QWidget* parent = nullptr);
    ~TAnschreibenDialog() override;

    // A missing record leaves the dialog's own one unchanged. The address
    // book frame lets the user choose sender and recipient; null or any
    // other frame for none.
    void PrepareLetter(const MAdresse* sender, const MAdresse* recipient, TBaseFrame* addressBook,
                       TInterfaceFrame* workspace);
    void FillLetterPreview();
    void BitBtnAbsenderDlgClick();
    void BitBtnEmpfaengerDlgClick();
    void CreateLetterPdf();

    // What the letter prints, from the dialog's records and controls.
    LetterContent Content() const;
    QStringList BodyLines() const;
    const MAdresse& Sender() const { return *m_sender; }
    const MAdresse& Recipient() const { return *m_recipient; }

    QTabWidget* PageControl = nullptr;
    QFrame* PanelSeite = nullptr;
    QLabel* LabelAbsender = nullptr;
    QTextEdit* MemoAbsender = nullptr;
    QLabel* LabelAbsenderZeile = nullptr;
    QTextEdit* MemoEmpfaenger = nullptr;
    QLabel* ImageLogo = nullptr;
    QLineEdit* EditBetreff = nullptr;
    QLabel* LabelDatum = nullptr;
    QLineEdit* EditDatum = nullptr;
    QTextEdit* MemoInhalt = nullptr;
    QPushButton* BitBtnAbsenderDlg = nullptr;
    QPushButton* BitBtnEmpfaengerDlg = nullptr;
    QCheckBox* CheckBoxShowAbsender = nullptr;
    QCheckBox* CheckBoxShowAbsenderZeile = nullptr;
    QCheckBox* CheckBoxshowBetreff = nullptr;
    QCheckBox* CheckBoxShowDatum = nullptr;
    QPushButton* BitBtnPdf = nullptr;
    QPushButton* BitBtnAbbrechen = nullptr;

protected:
    void done(int result) override;

private:
    void BuildControls();
    void BuildPreview(QWidget* page);
    void LoadSettings();
    void SaveSettings();
    void ApplyCheckBoxes();
    void SetBodyText(const QStringList& lines);
    void PlaceDatum();
    // Asks for an address in the address book; true on OK.
    bool ChooseAddress(const QString& prompt, MAdresse& target);

    std::unique_ptr<MAdresse> m_sender;
    std::unique_ptr<MAdresse> m_recipient;
    QPointer<TAdressFrame> m_addressBook;
    QPointer<TInterfaceFrame> m_workspace;
};
