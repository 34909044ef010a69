// Where the address book meets the business directory (m_directoryFrame) and
// the postcode map (m_mapFrame). Until those frames exist there is nothing to list.
#include "addresses/FAdressFrame.h"

std::vector<MAdresse> TAdressFrame::DirectoryEntries() const
{
    return {};
}

std::optional<QPoint> TAdressFrame::PostcodePosition(int) const
{
    return std::nullopt;
}
