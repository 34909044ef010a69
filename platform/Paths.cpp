#include "platform/Paths.h"

#include <QDir>
#include <QStandardPaths>

namespace tandrel::platform {

QString applicationDataFolder()
{
    QString over = qEnvironmentVariable("TANDREL_APPDATA");
    if (!over.isEmpty())
        return QDir::toNativeSeparators(over);
    // The generic per-user data folder (~/.local/share), like the roaming
    // application-data folder: the program adds its own sub-folders.
    return QDir::toNativeSeparators(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation));
}

QString registryFile()
{
    QString over = qEnvironmentVariable("TANDREL_REGISTRY");
    if (!over.isEmpty())
        return over;
    QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return config + QStringLiteral("/Norvi/Tandrel/registry.reg");
}

QString pathSeparator()
{
    return QString(QDir::separator());
}

QString joinPath(const QString& a, const QString& b)
{
    if (a.isEmpty())
        return b;
    const QString sep = pathSeparator();
    QString left = a;
    while (left.endsWith(sep) && left.size() > 1)
        left.chop(1);
    QString right = b;
    while (right.startsWith(sep))
        right.remove(0, 1);
    return left + sep + right;
}

} // namespace tandrel::platform
