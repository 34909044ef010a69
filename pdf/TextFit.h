#pragma once

#include <QString>
#include <QStringList>
#include <functional>

namespace tandrel::pdf {

// Width of a text in the current font; widths of pieces add up (no kerning).
using TextMeasure = std::function<double(const QString&)>;

// Breaks a text into lines no wider than `width` at blanks; a word wider than
// the whole width is broken between characters. Each word and, in an
// over-long word, each character is measured once, so the time grows with
// the text's length alone.
QStringList WrapText(const QString& text, double width, const TextMeasure& measure);

// The text, or as much of its start as fits in `width` followed by "…".
QString ElideText(const QString& text, double width, const TextMeasure& measure);

// At most `maxLines` lines of `text` in `width` at font size `size` or, when
// that needs more lines, at the largest smaller size down to `minSize` that
// fits (widths grow with the size). What does not fit even then is cut, the
// last line ending in "…". `measure` measures at `size`; answers the size used.
double FitLines(const QString& text, double width, double size, double minSize, int maxLines,
                const TextMeasure& measure, QStringList* lines);

// Several fields, each starting on a line of its own, in at most `maxLines`
// lines of `width`: every field is wrapped when all of them fit so; else
// each keeps its first line and the lines left over go to the fields in
// order, a field cut short ending in "…".
QStringList FitFields(const QStringList& fields, double width, int maxLines, const TextMeasure& measure);

} // namespace tandrel::pdf
