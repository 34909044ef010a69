#include "text/FormatText.h"

#include <vector>

QString FormatText(const QString& format, std::initializer_list<QVariant> args, const QLocale& locale)
{
    const std::vector<QVariant> values(args);
    std::size_t next = 0;
    QString out;
    out.reserve(format.size() + 16);
    const qsizetype n = format.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = format.at(i);
        if (c != QLatin1Char('%') || i + 1 >= n) {
            out += c;
            continue;
        }
        if (format.at(i + 1) == QLatin1Char('%')) {
            out += QLatin1Char('%');
            ++i;
            continue;
        }
        qsizetype j = i + 1;
        int width = 0;
        while (j < n && format.at(j).isDigit())
            width = width * 10 + format.at(j++).digitValue();
        int precision = -1;
        if (j < n && format.at(j) == QLatin1Char('.')) {
            ++j;
            precision = 0;
            while (j < n && format.at(j).isDigit())
                precision = precision * 10 + format.at(j++).digitValue();
        }
        if (j >= n) {
            out += format.mid(i);
            break;
        }
        const QChar kind = format.at(j);
        const QVariant value = next < values.size() ? values[next] : QVariant();
        QString text;
        switch (value.isValid() ? kind.unicode() : 's') {
        case 'd':
            text = QString::number(value.toLongLong());
            break;
        case 's':
            text = value.toString();
            break;
        case 'f':
        case 'n': {
            QLocale l = locale;
            l.setNumberOptions(kind == QLatin1Char('f') ? QLocale::OmitGroupSeparator : QLocale::DefaultNumberOptions);
            text = l.toString(value.toDouble(), 'f', precision < 0 ? 2 : precision);
            break;
        }
        default:
            // Not a conversion we know: keep it as written.
            out += format.mid(i, j - i + 1);
            i = j;
            continue;
        }
        ++next;
        if (text.size() < width)
            text = QString(width - text.size(), QLatin1Char(' ')) + text;
        out += text;
        i = j;
    }
    return out;
}

QString NumberText(double value, int decimals, const QLocale& locale)
{
    QLocale l = locale;
    l.setNumberOptions(QLocale::DefaultNumberOptions);
    return l.toString(value, 'f', decimals);
}

QString MonthName(int month)
{
    static const char* const names[] = {"Januar", "Februar", "März", "April", "Mai", "Juni",
                                        "Juli", "August", "September", "Oktober", "November", "Dezember"};
    if (month < 1 || month > 12)
        return QStringLiteral("Month");
    return QString::fromUtf8(names[month - 1]);
}
