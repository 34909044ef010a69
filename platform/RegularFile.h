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

// The picture in a regular file; a null image for anything else, a missing
// file or one that is no picture.
QImage loadPictureFile(const QString& path);

} // namespace tandrel::platform
