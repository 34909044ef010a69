#include "platform/RegularFile.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace tandrel::platform {

bool openRegularFile(QFile& file, const QString& path, QString* error)
{
    auto fail = [error](const QString& why) {
        if (error)
            *error = why;
        return false;
    };
    if (path.isEmpty())
        return fail(QStringLiteral("kein Dateiname"));
#ifdef Q_OS_UNIX
    // O_NONBLOCK: opening a FIFO without a writer would otherwise wait.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return fail(QString::fromLocal8Bit(std::strerror(errno)));
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return fail(QStringLiteral("keine gewöhnliche Datei"));
    }
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags != -1)
        ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return fail(file.errorString());
    }
    return true;
#else
    if (!QFileInfo(path).isFile())
        return fail(QStringLiteral("keine gewöhnliche Datei"));
    file.setFileName(path);
    if (!file.open(QIODevice::ReadOnly))
        return fail(file.errorString());
    return true;
#endif
}

QImage loadPictureFile(const QString& path)
{
    QFile file;
    if (!openRegularFile(file, path))
        return {};
    QImageReader reader(&file);
    reader.setDecideFormatFromContent(true);
    return reader.read();
}

} // namespace tandrel::platform
