#include "pdf/TextFit.h"

#include <algorithm>
#include <vector>

namespace tandrel::pdf {

namespace {

const QString kEllipsis = QStringLiteral("…");

// One character as drawn: a surrogate pair stays together.
qsizetype charLength(const QString& text, qsizetype at)
{
    return at + 1 < text.size() && text.at(at).isHighSurrogate() && text.at(at + 1).isLowSurrogate() ? 2 : 1;
}

} // namespace

QStringList WrapText(const QString& text, double width, const TextMeasure& measure)
{
    if (text.isEmpty() || measure(text) <= width)
        return {text};
    const double blank = measure(QStringLiteral(" "));
    QStringList out;
    QString current;
    double currentWidth = 0;
    bool started = false;
    for (const QString& word : text.split(QLatin1Char(' '))) {
        const double wordWidth = measure(word);
        const double candidate = started ? currentWidth + blank + wordWidth : wordWidth;
        if (candidate <= width) {
            if (started)
                current += QLatin1Char(' ');
            current += word;
            currentWidth = candidate;
            started = true;
            continue;
        }
        if (started)
            out << current;
        current.clear();
        currentWidth = 0;
        started = true;
        if (wordWidth <= width) {
            current = word;
            currentWidth = wordWidth;
            continue;
        }
        // Between characters; a piece holds at least one of them.
        for (qsizetype at = 0; at < word.size();) {
            const qsizetype n = charLength(word, at);
            const QString ch = word.mid(at, n);
            const double w = measure(ch);
            if (!current.isEmpty() && currentWidth + w > width) {
                out << current;
                current.clear();
                currentWidth = 0;
            }
            current += ch;
            currentWidth += w;
            at += n;
        }
    }
    out << current;
    return out;
}

QString ElideText(const QString& text, double width, const TextMeasure& measure)
{
    if (measure(text) <= width)
        return text;
    double room = width - measure(kEllipsis);
    qsizetype end = 0;
    while (end < text.size()) {
        const qsizetype n = charLength(text, end);
        const double w = measure(text.mid(end, n));
        if (w > room)
            break;
        room -= w;
        end += n;
    }
    return text.left(end) + kEllipsis;
}

double FitLines(const QString& text, double width, double size, double minSize, int maxLines,
                const TextMeasure& measure, QStringList* lines)
{
    maxLines = std::max(1, maxLines);
    minSize = std::min(minSize, size);
    double used = size;
    QStringList wrapped = WrapText(text, width, measure);
    // Smaller steps by a tenth: at size s the text is measured as at `size`
    // in a width of width * size / s.
    while (wrapped.size() > maxLines && used > minSize) {
        used = std::max(minSize, used * 0.9);
        wrapped = WrapText(text, width * size / used, measure);
    }
    if (wrapped.size() > maxLines) {
        wrapped = wrapped.mid(0, maxLines);
        const double scaledWidth = width * size / used;
        wrapped.back() = ElideText(wrapped.back() + kEllipsis, scaledWidth, measure);
    }
    if (lines)
        *lines = wrapped;
    return used;
}

QStringList FitFields(const QStringList& fields, double width, int maxLines, const TextMeasure& measure)
{
    std::vector<QStringList> wrapped;
    qsizetype total = 0;
    for (const QString& f : fields) {
        wrapped.push_back(WrapText(f, width, measure));
        total += wrapped.back().size();
    }
    qsizetype spare = std::max<qsizetype>(0, maxLines - fields.size());
    QStringList out;
    for (const QStringList& lines : wrapped) {
        if (total <= maxLines) {
            out << lines;
            continue;
        }
        const qsizetype take = std::min(lines.size(), 1 + spare);
        spare -= take - 1;
        QStringList kept = lines.mid(0, take);
        if (take < lines.size())
            kept.back() = ElideText(kept.back() + kEllipsis, width, measure);
        out << kept;
    }
    return out;
}

} // namespace tandrel::pdf
