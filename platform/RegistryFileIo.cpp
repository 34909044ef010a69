#include "platform/RegistryFileIo.h"

#include "platform/RegularFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QThread>
#include <QElapsedTimer>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#else
#include <QLockFile>
#include <QSaveFile>
#endif

namespace tandrel::platform::fileio {

ReadStatus readWholeFile(const QString& path, QByteArray& out, QString* error, qint64 maxSize)
{
    out.clear();
    QFile f;
    QString why;
    if (!openRegularFile(f, path, &why)) {
        // Nothing there, or the folder does not exist: a first start.
        if (!QFileInfo::exists(path) && !QFileInfo(path).isSymLink())
            return ReadStatus::Missing;
        if (error)
            *error = why;
        return ReadStatus::Unreadable;
    }
    if (f.size() > maxSize) {
        if (error)
            *error = QStringLiteral("Datei zu groß");
        return ReadStatus::Unreadable;
    }
    out = f.readAll();
    if (f.error() != QFileDevice::NoError) {
        if (error)
            *error = f.errorString();
        out.clear();
        return ReadStatus::Unreadable;
    }
    return ReadStatus::Ok;
}

bool ensureParentFolder(const QString& file, QString* error)
{
    const QString folder = QFileInfo(file).absolutePath();
    if (QFileInfo(folder).isDir() || QDir().mkpath(folder))
        return true;
    if (error)
        *error = QStringLiteral("Ordner kann nicht angelegt werden: %1").arg(QDir::toNativeSeparators(folder));
    return false;
}

bool renameNoReplace(const QString& path, const QString& newPath, QString* error)
{
    if (QFileInfo::exists(newPath) || QFileInfo(newPath).isSymLink()) {
        if (error)
            *error = QStringLiteral("Ziel existiert bereits");
        return false;
    }
#ifdef Q_OS_UNIX
    if (::rename(QFile::encodeName(path).constData(), QFile::encodeName(newPath).constData()) != 0) {
        if (error)
            *error = QString::fromLocal8Bit(std::strerror(errno));
        return false;
    }
    return true;
#else
    if (!QDir().rename(path, newPath)) {
        if (error)
            *error = QStringLiteral("Umbenennen fehlgeschlagen");
        return false;
    }
    return true;
#endif
}

#ifdef Q_OS_UNIX

namespace {

QString errnoText()
{
    return QString::fromLocal8Bit(std::strerror(errno));
}

class FlockLock final : public InterProcessLock {
public:
    explicit FlockLock(int fd) : m_fd(fd) {}
    ~FlockLock() override
    {
        ::flock(m_fd, LOCK_UN);
        ::close(m_fd);
    }

private:
    int m_fd;
};

bool writeAll(int fd, const char* data, qint64 size)
{
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size_t(size));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        data += n;
        size -= n;
    }
    return true;
}

} // namespace

std::unique_ptr<InterProcessLock> lockFile(const QString& lockFile, int timeoutMs, QString* error)
{
    const int fd = ::open(QFile::encodeName(lockFile).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0) {
        if (error)
            *error = QStringLiteral("Sperrdatei %1: %2").arg(QDir::toNativeSeparators(lockFile), errnoText());
        return nullptr;
    }
    QElapsedTimer clock;
    clock.start();
    int pause = 1;
    for (;;) {
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0)
            return std::make_unique<FlockLock>(fd);
        if (errno != EWOULDBLOCK && errno != EINTR) {
            if (error)
                *error = QStringLiteral("Sperre %1: %2").arg(QDir::toNativeSeparators(lockFile), errnoText());
            break;
        }
        if (clock.elapsed() >= timeoutMs) {
            if (error)
                *error = QStringLiteral("Die Einstellungsdatei ist von einem anderen Programm gesperrt");
            break;
        }
        QThread::msleep(pause);
        pause = std::min(pause * 2, 20);
    }
    ::close(fd);
    return nullptr;
}

bool writeFileAtomically(const QString& path, const QByteArray& data, QString* error)
{
    QByteArray target = QFile::encodeName(path);
    QByteArray temp = target + ".tmp-XXXXXX";
    const int fd = ::mkostemp(temp.data(), O_CLOEXEC);
    if (fd < 0) {
        if (error)
            *error = errnoText();
        return false;
    }
    // Keep the permissions of the file being replaced.
    struct stat old;
    if (::stat(target.constData(), &old) == 0)
        ::fchmod(fd, old.st_mode & 07777);
    bool ok = writeAll(fd, data.constData(), data.size()) && ::fsync(fd) == 0;
    QString why = ok ? QString() : errnoText();
    if (::close(fd) != 0 && ok) {
        ok = false;
        why = errnoText();
    }
    if (ok && ::rename(temp.constData(), target.constData()) != 0) {
        ok = false;
        why = errnoText();
    }
    if (!ok) {
        ::unlink(temp.constData());
        if (error)
            *error = why;
        return false;
    }
    // Make the rename itself durable.
    const QByteArray folder = QFile::encodeName(QFileInfo(path).absolutePath());
    const int dir = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return true;
}

#else

namespace {

class QtLock final : public InterProcessLock {
public:
    explicit QtLock(std::unique_ptr<QLockFile> f) : m_file(std::move(f)) {}

private:
    std::unique_ptr<QLockFile> m_file;
};

} // namespace

std::unique_ptr<InterProcessLock> lockFile(const QString& lockFile, int timeoutMs, QString* error)
{
    auto f = std::make_unique<QLockFile>(lockFile);
    if (!f->tryLock(timeoutMs)) {
        if (error)
            *error = QStringLiteral("Sperre %1 nicht erhalten").arg(QDir::toNativeSeparators(lockFile));
        return nullptr;
    }
    return std::make_unique<QtLock>(std::move(f));
}

bool writeFileAtomically(const QString& path, const QByteArray& data, QString* error)
{
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(data) != data.size() || !f.commit()) {
        if (error)
            *error = f.errorString();
        return false;
    }
    return true;
}

#endif

} // namespace tandrel::platform::fileio
