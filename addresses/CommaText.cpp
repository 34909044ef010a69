#include "addresses/CommaText.h"

namespace {

constexpr QChar kQuote = QLatin1Char('"');
constexpr QChar kComma = QLatin1Char(',');

bool isBlank(QChar c)
{
    return c.unicode() >= 1 && c.unicode() <= 32;
}

bool needsQuotes(const QString& line)
{
    for (QChar c : line)
        if (c.unicode() <= 32 || c == kQuote || c == kComma)
            return true;
    return false;
}

} // namespace

QString ToCommaText(const QStringList& lines)
{
    if (lines.size() == 1 && lines.first().isEmpty())
        return QStringLiteral("\"\"");
    QStringList parts;
    parts.reserve(lines.size());
    for (const QString& line : lines) {
        if (needsQuotes(line))
            parts << kQuote + QString(line).replace(kQuote, QStringLiteral("\"\"")) + kQuote;
        else
            parts << line;
    }
    return parts.join(kComma);
}

QStringList FromCommaText(const QString& text)
{
    QStringList lines;
    const qsizetype n = text.size();
    qsizetype p = 0;
    auto skipBlanks = [&] {
        while (p < n && isBlank(text[p]))
            ++p;
    };
    skipBlanks();
    while (p < n && text[p] != QChar(0)) {
        QString item;
        if (text[p] == kQuote) {
            ++p;
            while (p < n) {
                if (text[p] == kQuote) {
                    if (p + 1 < n && text[p + 1] == kQuote) {
                        item += kQuote;
                        p += 2;
                        continue;
                    }
                    ++p;
                    break;
                }
                item += text[p++];
            }
        } else {
            const qsizetype start = p;
            while (p < n && text[p].unicode() > 32 && text[p] != kComma)
                ++p;
            item = text.mid(start, p - start);
        }
        lines << item;
        skipBlanks();
        if (p < n && text[p] == kComma) {
            if (p + 1 == n)
                lines << QString();
            ++p;
            skipBlanks();
        }
    }
    return lines;
}
