#pragma once

#include "addresses/Adresse.h"

#include <QObject>
#include <QString>

// What the address book offers the other frames, reached with
// qobject_cast<IAddressBook*>(FindFrame(FrameId::Adress)).
class IAddressBook {
public:
    virtual ~IAddressBook() = default;
    // The selected row, or without one the edit fields, as the book's own record.
    virtual MAdresse* GetCurrentAddress() = 0;
    // The postcode as it stands in the book's edit field.
    virtual QString PostcodeText() const = 0;
};

#define IAddressBook_iid "de.norvi.tandrel.IAddressBook"
Q_DECLARE_INTERFACE(IAddressBook, IAddressBook_iid)
