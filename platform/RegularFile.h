#pragma once

#include <QImage>
#include <QString>

class QFile;

namespace tandrel::platform {

// Stored and chosen file names may name a FIFO, a device or a socket, whose
// opening or reading can block forever or never end. Everything read from a
// file name goes through these, which open regular files only and never
// block while finding out.

// Opens `path` for reading into `file` if it is a regular file (links are
// followed). False with a reason otherwise; `file` stays closed then.
bool openRegularFile(QFile& file, const QString& path, QString* error = nullptr);

// Pictures larger than this on disk are refused, and a side longer than
// kMaxPictureSide is scaled down while decoding.
inline constexpr qint64 kMaxPictureFileSize = qint64(256) * 1024 * 1024;
inline constexpr int kMaxPictureSide = 8000;

// The picture in a regular file, turned as its orientation tag says; a null
// image for anything else, a missing file, one too large or one that is no
// picture, with the reason in `error`. The one way to read a picture file.
QImage loadPictureFile(const QString& path, QString* error = nullptr);

} // namespace tandrel::platform
