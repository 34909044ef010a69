#pragma once

#include <QByteArray>
#include <QString>

namespace tandrel::pdf {

// Windows-1252 bytes for the base-14 fonts' WinAnsi encoding. Characters the
// code page lacks become '?', control characters a blank.
QByteArray toCp1252(const QString& text);

} // namespace tandrel::pdf
