// Where the address book meets the business directory and the postcode map:
// the nearby companies are the directory's, placed with the map's postcodes.
#include "addresses/FAdressFrame.h"
#include "geo/FAdressGeoFrame.h"
#include "geo/FBranchenbuchFrame.h"

std::vector<TAdressFrame::NearbyEntry> TAdressFrame::DirectoryEntries() const
{
    std::vector<NearbyEntry> out;
    auto* dir = qobject_cast<TBranchenbuchFrame*>(m_directoryFrame.data());
    if (!dir)
        return out;
    for (const auto& c : dir->Directory().Companies())
        out.push_back({c->Name1, c->Name2, c->Strasse, c->Plz, c->Ort, c->Tel});
    return out;
}

std::optional<QPoint> TAdressFrame::PostcodePosition(int plz) const
{
    auto* map = qobject_cast<TAdressGeoFrame*>(m_mapFrame.data());
    if (!map)
        return std::nullopt;
    return QPoint(map->PostcodeX(plz), map->PostcodeY(plz));
}
