// Where the address book meets the business directory and the postcode map.
// Until those frames exist there is nothing to list.
#include "addresses/FAdressFrame.h"

std::vector<TAdressFrame::NearbyEntry> TAdressFrame::DirectoryEntries() const
{
    return {};
}

std::optional<QPoint> TAdressFrame::PostcodePosition(int) const
{
    return std::nullopt;
}
