#pragma once

#include <QByteArray>
#include <QString>
#include <memory>

namespace tandrel::platform::fileio {

enum class ReadStatus { Ok, Missing, Unreadable };

// Reads the whole file. Missing when nothing is there; Unreadable (with a
// reason) when something is there that cannot be read or is too large.
ReadStatus readWholeFile(const QString& path, QByteArray& out, QString* error, qint64 maxSize);

// Creates the folder that holds `file`, with all missing parents.
bool ensureParentFolder(const QString& file, QString* error);

// An exclusive advisory lock between processes, held while the object lives.
class InterProcessLock {
public:
    virtual ~InterProcessLock() = default;
};

// Locks `lockFile` (created if missing), waiting up to `timeoutMs`. Null with
// a reason on failure.
std::unique_ptr<InterProcessLock> lockFile(const QString& lockFile, int timeoutMs, QString* error);

// Replaces `path` by `data` so that readers see either the old or the new
// file, never a part: writes a temporary file beside it, flushes it to the
// disk and renames it over the old one.
bool writeFileAtomically(const QString& path, const QByteArray& data, QString* error);

// Renames `path` to `newPath` unless `newPath` already exists.
bool renameNoReplace(const QString& path, const QString& newPath, QString* error);

} // namespace tandrel::platform::fileio
