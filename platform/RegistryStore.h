#pragma once

#include "platform/RegFileFormat.h"

#include <QString>
#include <QStringList>
#include <stdexcept>
#include <vector>

namespace tandrel::platform {

// Raised when settings cannot be written.
class RegistryStoreError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The current user's registry keys and values, kept in one export-format
// file (registryFile()). Key and value names are case-insensitive and keep
// the case they were first written with; a backslash in a key path makes a
// sub-key.
//
// The file is read when the object is made; changes are recorded and reach
// the disk in commit(), which merges them value by value into the file as it
// is on the disk at that moment, under an inter-process lock, and replaces
// the file atomically. The merge is three-way: a value set to exactly what
// this process last read of it counts as unchanged and leaves the file's
// current value alone, so a program copy that rewrites a whole section at
// exit does not undo what another copy changed meanwhile; a changed value
// wins. Several objects or processes therefore never lose one another's
// changes. A damaged or unreadable file is moved aside (the user is
// told where) and the store starts empty; reading never raises.
class RegistryStore {
public:
    explicit RegistryStore(QString file);
    RegistryStore();
    RegistryStore(const RegistryStore&) = delete;
    RegistryStore& operator=(const RegistryStore&) = delete;

    const QString& filePath() const { return m_file; }

    // Whether the key, or a sub-key below it, exists.
    bool keyExists(const QString& path) const;
    // Opens the key, creating it (and so its parents) when missing. False when
    // the path is no valid key name.
    bool createKey(const QString& path);
    // The value, or null when the key or the value is missing.
    const RegistryValue* value(const QString& key, const QString& name) const;
    // Sets a value, creating the key when missing. Raises RegistryStoreError
    // for an invalid key or value name and when the file on the disk could be
    // neither read nor moved aside.
    void setValue(const QString& key, const QString& name, const RegistryValue& value);

    QStringList keyPaths() const;
    QStringList valueNames(const QString& key) const;

    bool hasPendingChanges() const { return !m_ops.empty(); }
    // Whether a value was set since the last commit (not only keys created).
    bool hasPendingValues() const;

    // Writes the recorded changes; raises RegistryStoreError when that fails
    // (the changes stay recorded). Afterwards the object shows the merged file.
    void commit();

    // How long commit() waits for another writer.
    static constexpr int kLockTimeoutMs = 10000;
    // Larger files are not settings files.
    static constexpr qint64 kMaxFileSize = 64 * 1024 * 1024;

private:
    struct Op {
        QString key;   // normalized
        QString name;  // null QString for "create the key"
        RegistryValue value;
        bool setsValue = false;
        bool wasThere = false; // the value existed when it was set
    };

    enum class LoadResult { Loaded, KeptAside, Stuck };
    // Reads the file into `tree`; a damaged one is moved aside. What the user
    // must be told goes to `message`, to be shown once no lock is held.
    LoadResult load(RegistryTree& tree, QByteArray* raw, bool locked, QString* message);
    QString writeTarget() const;
    bool nothingToWrite() const;
    static void apply(RegistryTree& tree, const Op& op);

    QString m_file;
    RegistryTree m_tree;
    QByteArray m_raw; // the file as this object last read or wrote it
    std::vector<Op> m_ops;
    bool m_stuck = false; // a damaged file could not be moved aside
};

} // namespace tandrel::platform
