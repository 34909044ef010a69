#pragma once

#include "addresses/Adresse.h"

#include "app/FInterfaceFrame.h"

#include <QDialog>
#include <QPointer>

class QLabel;
class QPushButton;
class QToolButton;
class TAdressFrame;
class TBaseFrame;

// Shows one directory company with its contact data, categories and logo and
// starts a letter to it. One modeless instance lives for the whole program.
class TShowAdressDlg : public QDialog {
    Q_OBJECT
public:
    explicit TShowAdressDlg(QWidget* parent = nullptr);
    ~TShowAdressDlg() override;

    // The address book frame gives letters their sender; null or any other frame for none.
    void ShowAddressDetails(const MAdresse& entry, TInterfaceFrame* workspace, TBaseFrame* addressBook);
    // Keeps the address book and workspace for letters when none are kept yet.
    void SetAddressBook(TBaseFrame* addressBook, TInterfaceFrame* workspace);
    void SpeedButtonInternetClick();
    void SpeedButtonEMailClick();
    void BitBtnAnschreibenClick();

    const MAdresse& Entry() const { return m_entry; }
    TAdressFrame* AddressBook() const;

    QLabel* LabelName1 = nullptr;
    QLabel* LabelName2 = nullptr;
    QLabel* LabelStrasse = nullptr;
    QLabel* LabelPLZOrt = nullptr;
    QLabel* LabelTel = nullptr;
    QLabel* LabelFax = nullptr;
    QLabel* LabelMobil = nullptr;
    QLabel* LabelEmail = nullptr;
    QLabel* LabelInternet = nullptr;
    QLabel* LabelBemerkung1 = nullptr;
    QLabel* LabelBemerkung2 = nullptr;
    QLabel* LabelTaetigkeit = nullptr;
    QLabel* Image1 = nullptr;
    QToolButton* SpeedButtonInternet = nullptr;
    QToolButton* SpeedButtonEMail = nullptr;
    QPushButton* BitBtnAnschreiben = nullptr;
    QPushButton* BitBtnOK = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    MAdresse m_entry;
    QPointer<TInterfaceFrame> m_workspace;
    QPointer<TAdressFrame> m_addressBook;
};

// The program's details dialog; null before it is created and after it is gone.
// Once a parent is set, the first call makes the dialog as its child.
TShowAdressDlg* ShowAdressDlg();
void SetShowAdressDlgParent(QWidget* parent);
