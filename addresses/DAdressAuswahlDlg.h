#pragma once

#include "app/FInterfaceFrame.h"

#include <QDialog>
#include <QPointer>
#include <memory>

class QFrame;
class QLabel;
class BorrowedAddressBook;
class TAdressFrame;
class TBaseFrame;

// Lets the user pick or type an address in the address book frame, which it
// borrows for the time it is open.
class TAdressAuswahlDialog : public QDialog {
    Q_OBJECT
public:
    explicit TAdressAuswahlDialog(QWidget* parent = nullptr);
    ~TAdressAuswahlDialog() override;

    // Moves the address book frame into the dialog; it goes back to its old
    // parent when the dialog is destroyed, however the dialog ended. Any
    // other frame is not taken.
    void EmbedAddressBook(TBaseFrame* frame);
    void SetPrompt(const QString& text);

    QFrame* PanelMain = nullptr;
    QLabel* LabelCaption = nullptr;

protected:
    void showEvent(QShowEvent* event) override;

private:
    QPointer<TAdressFrame> m_frame;
    std::unique_ptr<BorrowedAddressBook> m_borrowed;
};

// Borrows the address book frame for a selection dialog and gives it back to
// its old parent (and place) however the dialog ends.
class BorrowedAddressBook {
public:
    explicit BorrowedAddressBook(TAdressFrame* frame);
    ~BorrowedAddressBook();
    BorrowedAddressBook(const BorrowedAddressBook&) = delete;
    BorrowedAddressBook& operator=(const BorrowedAddressBook&) = delete;

private:
    QPointer<TAdressFrame> m_frame;
    QPointer<QWidget> m_parent;
    QRect m_geometry;
    bool m_visible = false;
};
