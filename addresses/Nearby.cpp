#include "addresses/Nearby.h"

std::optional<std::vector<const MAdresse*>> NearbyAddresses(const QString& homePlz, const std::vector<MAdresse>& entries,
                                                            const PostcodePositionFn& position)
{
    bool ok = false;
    const int plz = homePlz.trimmed().toInt(&ok);
    if (!ok || plz == 0)
        return std::nullopt;
    const std::optional<QPoint> home = position(plz);
    if (!home)
        return std::nullopt;
    std::vector<const MAdresse*> found;
    for (const MAdresse& entry : entries) {
        const int entryPlz = entry.Plz.trimmed().toInt(&ok);
        if (!ok)
            continue;
        const std::optional<QPoint> there = position(entryPlz);
        if (!there)
            continue;
        const QPoint d = *home - *there;
        if (d.x() * d.x() + d.y() * d.y() < kNearbyMapPixels * kNearbyMapPixels)
            found.push_back(&entry);
    }
    return found;
}
