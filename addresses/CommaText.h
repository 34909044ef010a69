#pragma once

#include <QString>
#include <QStringList>

// Lines joined by commas; a line with a blank, comma, double quote or control
// character goes in double quotes (inner quotes doubled), an empty line is
// nothing between two commas. One single empty line is written as "".
QString ToCommaText(const QStringList& lines);

// The reverse: splits at commas and, outside quotes, also at blanks and
// control characters.
QStringList FromCommaText(const QString& text);
