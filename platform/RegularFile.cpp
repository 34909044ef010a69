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

QImage loadPictureFile(const QString& path, QString* error)
{
    QFile file;
    QString why;
    auto fail = [&](const QString& reason) {
        if (error)
            *error = reason;
        return QImage();
    };
    if (!openRegularFile(file, path, &why))
        return fail(why);
    if (file.size() > kMaxPictureFileSize)
        return fail(QStringLiteral("Datei zu groß"));
    QImageReader reader(&file);
    reader.setDecideFormatFromContent(true);
    reader.setAutoTransform(true);
    const QSize size = reader.size();
    if (size.isValid() && (size.width() > kMaxPictureSide || size.height() > kMaxPictureSide))
        reader.setScaledSize(size.scaled(kMaxPictureSide, kMaxPictureSide, Qt::KeepAspectRatio).expandedTo(QSize(1, 1)));
    QImage image = reader.read();
    if (image.isNull())
        return fail(reader.errorString());
    // Turned by its orientation tag, or a format that ignores the scaled size.
    if (image.width() > kMaxPictureSide || image.height() > kMaxPictureSide)
        image = image.scaled(kMaxPictureSide, kMaxPictureSide, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    return image;
}

} // namespace tandrel::platform
