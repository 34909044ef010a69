// Where the address book meets the business directory and the postcode map:
// the nearby companies are the directory's, placed with the map's postcodes.
#include "addresses/FAdressFrame.h"
#include "geo/FAdressGeoFrame.h"
#include "geo/FBranchenbuchFrame.h"

std::vector<MAdresse> TAdressFrame::DirectoryEntries() const
{
    std::vector<MAdresse> out;
    auto* dir = qobject_cast<TBranchenbuchFrame*>(m_directoryFrame.data());
    if (!dir)
        return out;
    out.reserve(dir->Directory().Companies().size());
    for (const auto& c : dir->Directory().Companies())
        out.push_back(*c);
    return out;
}

std::optional<QPoint> TAdressFrame::PostcodePosition(int plz) const
{
    auto* map = qobject_cast<TAdressGeoFrame*>(m_mapFrame.data());
    if (!map || map->Postcodes().NearestListed(plz) < 0)
        return std::nullopt;
    return QPoint(map->PostcodeX(plz), map->PostcodeY(plz));
}
