#include "platform/RegistryStore.h"

#include "platform/Dialogs.h"
#include "platform/Logging.h"
#include "platform/Paths.h"
#include "platform/RegistryFileIo.h"
#include "platform/Services.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QMutex>
#include <QSet>
#include <optional>

namespace tandrel::platform {

namespace {

QString native(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

QString lockPath(const QString& file)
{
    return file + QStringLiteral(".lock");
}

// "<file>.corrupt-YYYYMMDD-HHMMSS", with "-2", "-3" … when that exists.
QString asideName(const QString& file)
{
    const QString base = file + QStringLiteral(".corrupt-")
        + QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString name = base;
    for (int n = 2; QFileInfo::exists(name) || QFileInfo(name).isSymLink(); ++n)
        name = base + QLatin1Char('-') + QString::number(n);
    return name;
}

// A file that can be neither read nor moved aside is reported once per
// process, not by every store object made afterwards.
bool firstReportOfStuck(const QString& file)
{
    static QMutex mutex;
    static QSet<QString> reported;
    QMutexLocker guard(&mutex);
    if (reported.contains(file))
        return false;
    reported.insert(file);
    return true;
}

// What this process last read of each value (or knew it to hold after its
// own commit), per settings file: the base of the three-way merge in
// commit(). A value written unchanged from that base was not changed by this
// process and must not overwrite what another copy stored meanwhile.
class ReadValues {
public:
    static ReadValues& instance()
    {
        static ReadValues values;
        return values;
    }
    void remember(const QString& file, const QString& foldedKey, const QString& foldedName, const RegistryValue* v)
    {
        QMutexLocker guard(&m_mutex);
        m_values[file][id(foldedKey, foldedName)] = v ? std::optional<RegistryValue>(*v) : std::nullopt;
    }
    // Whether the process last saw this value exactly as `v`.
    bool unchanged(const QString& file, const QString& foldedKey, const QString& foldedName, const RegistryValue& v)
    {
        QMutexLocker guard(&m_mutex);
        const auto f = m_values.constFind(file);
        if (f == m_values.cend())
            return false;
        const auto it = f->constFind(id(foldedKey, foldedName));
        return it != f->cend() && it->has_value() && **it == v;
    }

private:
    static QString id(const QString& key, const QString& name) { return key + QChar(0) + name; }

    QMutex m_mutex;
    QHash<QString, QHash<QString, std::optional<RegistryValue>>> m_values;
};

enum class ReadOutcome { Good, Missing, Bad };

// The last file parsed: every store object reads the whole file, and it
// rarely changes between two of them.
class ParsedFile {
public:
    static ParsedFile& instance()
    {
        static ParsedFile parsed;
        return parsed;
    }
    bool parse(const QString& file, const QByteArray& bytes, RegistryTree& tree)
    {
        QMutexLocker guard(&m_mutex);
        if (file == m_file && bytes == m_bytes) {
            tree = m_tree;
            return true;
        }
        if (!regfile::parse(bytes, tree).ok)
            return false;
        m_file = file;
        m_bytes = bytes;
        m_tree = tree;
        return true;
    }

private:
    QMutex m_mutex;
    QString m_file;
    QByteArray m_bytes;
    RegistryTree m_tree;
};

ReadOutcome readTree(const QString& file, RegistryTree& tree, QByteArray* raw)
{
    QByteArray bytes;
    QString why;
    const auto status = fileio::readWholeFile(file, bytes, &why, RegistryStore::kMaxFileSize);
    tree.clear();
    if (status == fileio::ReadStatus::Missing)
        return ReadOutcome::Missing;
    if (status == fileio::ReadStatus::Unreadable || !ParsedFile::instance().parse(file, bytes, tree)) {
        tree.clear();
        return ReadOutcome::Bad;
    }
    if (raw)
        *raw = std::move(bytes);
    return ReadOutcome::Good;
}

} // namespace

RegistryStore::RegistryStore() : RegistryStore(registryFile()) {}

RegistryStore::RegistryStore(QString file) : m_file(std::move(file))
{
    try {
        QString message;
        m_stuck = load(m_tree, &m_raw, false, &message) == LoadResult::Stuck;
        if (!message.isEmpty())
            dialogs().showMessage(message);
    } catch (const std::exception& e) {
        // Reading never raises; without knowing the file, never write over it.
        qCWarning(lcTandrelSettings) << "settings file" << m_file << "not read:" << e.what();
        m_tree.clear();
        m_stuck = true;
    }
}

RegistryStore::LoadResult RegistryStore::load(RegistryTree& tree, QByteArray* raw, bool locked, QString* message)
{
    if (raw)
        raw->clear();
    ReadOutcome outcome = readTree(m_file, tree, raw);
    std::unique_ptr<fileio::InterProcessLock> lock;
    if (outcome == ReadOutcome::Bad && !locked) {
        // Another process may be replacing the file right now: look again
        // under the lock before declaring it damaged.
        lock = fileio::lockFile(lockPath(m_file), kLockTimeoutMs, nullptr);
        if (lock)
            outcome = readTree(m_file, tree, raw);
    }
    if (outcome != ReadOutcome::Bad)
        return LoadResult::Loaded;

    tree.clear();
    const QString aside = asideName(m_file);
    if ((locked || lock) && fileio::renameNoReplace(m_file, aside, nullptr)) {
        *message = QStringLiteral("Die Einstellungsdatei „%1“ ist beschädigt oder nicht lesbar. "
                                  "Sie wurde als „%2“ aufbewahrt; das Programm verwendet die Standardeinstellungen.")
                       .arg(native(m_file), native(aside));
        return LoadResult::KeptAside;
    }
    if (firstReportOfStuck(m_file)) {
        *message = QStringLiteral("Die Einstellungsdatei „%1“ ist beschädigt oder nicht lesbar und konnte nicht "
                                  "beiseitegelegt werden. Das Programm verwendet die Standardeinstellungen; "
                                  "Änderungen der Einstellungen werden nicht gespeichert.")
                       .arg(native(m_file));
    }
    return LoadResult::Stuck;
}

bool RegistryStore::keyExists(const QString& path) const
{
    bool ok = false;
    const QString key = regfile::normalizeKeyPath(path, &ok);
    if (!ok)
        return false;
    if (key.isEmpty())
        return true; // the hive itself
    const QString folded = regfile::foldKey(key);
    auto it = m_tree.lower_bound(folded);
    if (it == m_tree.end())
        return false;
    return it->first == folded || it->first.startsWith(folded + QChar(regfile::kFoldedSeparator));
}

bool RegistryStore::createKey(const QString& path)
{
    bool ok = false;
    const QString key = regfile::normalizeKeyPath(path, &ok);
    if (!ok)
        return false;
    if (keyExists(key))
        return true;
    Op op;
    op.key = key;
    apply(m_tree, op);
    // A store that may not write keeps the new key in memory only.
    if (!m_stuck)
        m_ops.push_back(std::move(op));
    return true;
}

const RegistryValue* RegistryStore::value(const QString& key, const QString& name) const
{
    bool ok = false;
    const QString path = regfile::normalizeKeyPath(key, &ok);
    if (!ok)
        return nullptr;
    const QString foldedKey = regfile::foldKey(path);
    auto k = m_tree.find(foldedKey);
    const RegistryValue* found = nullptr;
    if (k != m_tree.end()) {
        auto v = k->second.values.find(regfile::foldName(name));
        if (v != k->second.values.end())
            found = &v->second.value;
    }
    ReadValues::instance().remember(m_file, foldedKey, regfile::foldName(name), found);
    return found;
}

void RegistryStore::setValue(const QString& key, const QString& name, const RegistryValue& value)
{
    bool ok = false;
    const QString path = regfile::normalizeKeyPath(key, &ok);
    if (!ok)
        throw RegistryStoreError(QStringLiteral("Ungültiger Name eines Registrierungsschlüssels: „%1“")
                                     .arg(key).toStdString());
    if (!regfile::isValidValueName(name))
        throw RegistryStoreError(QStringLiteral("Ungültiger Name eines Registrierungswerts: „%1“")
                                     .arg(name).toStdString());
    if (m_stuck)
        throw RegistryStoreError(QStringLiteral("Die Einstellungsdatei „%1“ ist beschädigt und konnte nicht "
                                                "beiseitegelegt werden; es wird nichts gespeichert.")
                                     .arg(native(m_file)).toStdString());
    Op op;
    op.key = path;
    op.name = name;
    op.value = value;
    op.setsValue = true;
    const auto k = m_tree.find(regfile::foldKey(path));
    op.wasThere = k != m_tree.end() && k->second.values.count(regfile::foldName(name)) > 0;
    apply(m_tree, op);
    m_ops.push_back(std::move(op));
}

QStringList RegistryStore::keyPaths() const
{
    QStringList out;
    for (const auto& [folded, key] : m_tree)
        out << key.path;
    return out;
}

QStringList RegistryStore::valueNames(const QString& key) const
{
    QStringList out;
    bool ok = false;
    const QString path = regfile::normalizeKeyPath(key, &ok);
    auto k = ok ? m_tree.find(regfile::foldKey(path)) : m_tree.end();
    if (k != m_tree.end()) {
        for (const auto& [folded, entry] : k->second.values)
            out << entry.name;
    }
    return out;
}

bool RegistryStore::hasPendingValues() const
{
    for (const Op& op : m_ops) {
        if (op.setsValue)
            return true;
    }
    return false;
}

void RegistryStore::apply(RegistryTree& tree, const Op& op)
{
    auto [key, newKey] = tree.try_emplace(regfile::foldKey(op.key));
    if (newKey)
        key->second.path = op.key;
    if (!op.setsValue)
        return;
    auto [entry, newValue] = key->second.values.try_emplace(regfile::foldName(op.name));
    if (newValue)
        entry->second.name = op.name;
    entry->second.value = op.value;
}

QString RegistryStore::writeTarget() const
{
    // Write through a symbolic link instead of replacing the link.
    const QFileInfo info(m_file);
    return info.isSymLink() ? info.symLinkTarget() : m_file;
}

// Settings written back as they were read, into a file nobody changed since:
// the merge would change nothing, so neither lock nor write is needed.
bool RegistryStore::nothingToWrite() const
{
    ReadValues& base = ReadValues::instance();
    for (const Op& op : m_ops)
        if (!op.setsValue || !op.wasThere
            || !base.unchanged(m_file, regfile::foldKey(op.key), regfile::foldName(op.name), op.value))
            return false;
    QByteArray onDisk;
    QString why;
    return fileio::readWholeFile(m_file, onDisk, &why, kMaxFileSize) == fileio::ReadStatus::Ok && onDisk == m_raw;
}

void RegistryStore::commit()
{
    if (m_ops.empty())
        return;
    if (nothingToWrite()) {
        m_ops.clear();
        return;
    }
    auto fail = [this](const QString& why) {
        return RegistryStoreError(QStringLiteral("Die Einstellungen konnten nicht in „%1“ gespeichert werden: %2")
                                      .arg(native(m_file), why)
                                      .toStdString());
    };
    QString why;
    if (!fileio::ensureParentFolder(m_file, &why))
        throw fail(why);
    QString message;
    bool written = false;
    {
        auto lock = fileio::lockFile(lockPath(m_file), kLockTimeoutMs, &why);
        if (lock) {
            // Merge into the file as it is now, not as it was when this object read it.
            RegistryTree tree;
            QByteArray onDisk;
            if (load(tree, &onDisk, true, &message) == LoadResult::Stuck) {
                why = QStringLiteral("die vorhandene Datei ist beschädigt und konnte nicht beiseitegelegt werden");
            } else {
                // Three-way merge: a value set to what this process last read
                // of it is no change of ours and leaves the file's current
                // value alone (unless the file lost it); any other value wins.
                ReadValues& base = ReadValues::instance();
                std::vector<const Op*> changed;
                for (const Op& op : m_ops) {
                    if (op.setsValue) {
                        const QString foldedKey = regfile::foldKey(op.key), foldedName = regfile::foldName(op.name);
                        auto key = tree.find(foldedKey);
                        const bool inFile = key != tree.end() && key->second.values.count(foldedName) > 0;
                        if (inFile && base.unchanged(m_file, foldedKey, foldedName, op.value)) {
                            Op keyOnly;
                            keyOnly.key = op.key;
                            apply(tree, keyOnly);
                            continue;
                        }
                        changed.push_back(&op);
                    }
                    apply(tree, op);
                }
                const QByteArray data = regfile::serialize(tree);
                written = data == onDisk || fileio::writeFileAtomically(writeTarget(), data, &why);
                if (written) {
                    for (const Op* op : changed)
                        base.remember(m_file, regfile::foldKey(op->key), regfile::foldName(op->name), &op->value);
                    m_tree = std::move(tree);
                    m_raw = data;
                }
            }
        }
    }
    // Never hold the lock while a message box waits for the user.
    if (!message.isEmpty())
        dialogs().showMessage(message);
    if (!written)
        throw fail(why);
    m_ops.clear();
    m_stuck = false;
}

} // namespace tandrel::platform
