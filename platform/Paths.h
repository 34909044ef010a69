#pragma once

#include <QString>

namespace tandrel::platform {

// The per-user application-data folder (the Windows special folder 26);
// TANDREL_APPDATA overrides it. Empty when it cannot be told.
QString applicationDataFolder();

// The settings file of the current user; TANDREL_REGISTRY overrides it.
QString registryFile();

// The platform's path separator as text ("/" here, "\\" on Windows).
QString pathSeparator();

// Joins two path parts with exactly one separator between them.
QString joinPath(const QString& a, const QString& b);

} // namespace tandrel::platform
