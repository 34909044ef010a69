#include "text/NumberParse.h"

#include <QLocale>
#include <algorithm>
#include <cmath>

std::optional<double> TryStrToFloatLocal(const QString& text)
{
    const QLocale locale;
    QString s = text.trimmed();
    const QString group = locale.groupSeparator();
    if (!group.isEmpty())
        s.remove(group);
    bool ok = false;
    const double value = locale.toDouble(s, &ok);
    // Infinity and NaN are no numbers a user means; they would poison the
    // geometry and the settings they end up in.
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<double> TryTypedToFloat(const QString& text)
{
    const QLocale locale;
    const QString s = text.trimmed();
    const QChar point = QLatin1Char('.');
    if (locale.decimalPoint() == QLatin1String(",") && s.count(point) == 1 && !s.contains(QLatin1Char(','))) {
        const QString after = s.mid(s.indexOf(point) + 1);
        const bool thousands = after.size() == 3 && std::all_of(after.begin(), after.end(), [](QChar c) {
            return c >= QLatin1Char('0') && c <= QLatin1Char('9');
        });
        if (!thousands) {
            bool ok = false;
            const double value = QLocale::c().toDouble(s, &ok);
            if (!ok || !std::isfinite(value))
                return std::nullopt;
            return value;
        }
    }
    return TryStrToFloatLocal(text);
}

double StrToFloatLocal(const QString& text)
{
    if (const auto value = TryStrToFloatLocal(text))
        return *value;
    throw ConversionError(text);
}

double TypedToFloat(const QString& text)
{
    if (const auto value = TryTypedToFloat(text))
        return *value;
    throw ConversionError(text);
}
