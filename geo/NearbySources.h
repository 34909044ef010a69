#pragma once

#include "addresses/Adresse.h"

#include <QObject>
#include <QPoint>
#include <optional>
#include <vector>

// What the directory and the map offer the address book's nearby list,
// reached with qobject_cast on FindFrame(FrameId::Branchenbuch) and
// FindFrame(FrameId::AdressGeo).
class ICompanyDirectory {
public:
    virtual ~ICompanyDirectory() = default;
    // The companies in the directory list's order.
    virtual std::vector<MAdresse> DirectoryEntries() const = 0;
};

class IPostcodeMap {
public:
    virtual ~IPostcodeMap() = default;
    // The map position of a postcode; none for one without a listed postcode.
    virtual std::optional<QPoint> PostcodePosition(int plz) const = 0;
};

#define ICompanyDirectory_iid "de.norvi.tandrel.ICompanyDirectory"
Q_DECLARE_INTERFACE(ICompanyDirectory, ICompanyDirectory_iid)
#define IPostcodeMap_iid "de.norvi.tandrel.IPostcodeMap"
Q_DECLARE_INTERFACE(IPostcodeMap, IPostcodeMap_iid)
