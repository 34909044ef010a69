#include "yield/TarifTabelle.h"

#include "app/KontaloRegistry.h"

#include <QLocale>
#include <cmath>

const std::array<MTarifPeriode, kTarifPerioden>& TarifPerioden()
{
    static const std::array<MTarifPeriode, kTarifPerioden> table = {{
        {"2010", 2010, 10, {0.3303, 0.1665, 0.2103},
         {"2010_Einspeiseverguetung", "2010_EinspeiseverBonusUnter30", "2010_EinspeiseverBonusUeber30"}},
        {"2011 1.Halbjahr", 2011, 1, {0.2874, 0.1236, 0.1674},
         {"2011_1_Einspeiseverguetung", "2011_1_EinspeiseverBonusUnter30", "2011_1_EinspeiseverBonusUeber30"}},
        {"2011 2.Halbjahr", 2011, 7, {0.2874, 0.1236, 0.1674},
         {"2011_2_Einspeiseverguetung", "2011_2_EinspeiseverBonusUnter30", "2011_2_EinspeiseverBonusUeber30"}},
        {"2012", 2012, 1, {0.2615, 0.0977, 0.1415},
         {"2012_Einspeiseverguetung", "2012_EinspeiseverBonusUnter30", "2012_EinspeiseverBonusUeber30"}},
    }};
    return table;
}

QString BuiltInAktualisierungsstand()
{
    return QStringLiteral("16.06.2011");
}

bool IsPlausibleRate(double rate)
{
    return std::isfinite(rate) && rate >= 0.0 && rate <= 2.0;
}

MTarifTabelle MTarifTabelle::BuiltIn()
{
    MTarifTabelle t;
    for (int p = 0; p < kTarifPerioden; ++p)
        t.Raten[p] = TarifPerioden()[p].Raten;
    t.Aktualisierungsstand = BuiltInAktualisierungsstand();
    return t;
}

void MTarifTabelle::LoadRates(MKontaloRegistry& store, const QString& section)
{
    for (int p = 0; p < kTarifPerioden; ++p) {
        for (int r = 0; r < 3; ++r) {
            const double def = TarifPerioden()[p].Raten[r];
            const double v = store.ReadFloat(section, QString::fromLatin1(TarifPerioden()[p].Namen[r]), def);
            Raten[p][r] = IsPlausibleRate(v) ? v : def;
        }
    }
}

void MTarifTabelle::SaveRates(MKontaloRegistry& store, const QString& section) const
{
    for (int p = 0; p < kTarifPerioden; ++p)
        for (int r = 0; r < 3; ++r)
            store.WriteFloat(section, QString::fromLatin1(TarifPerioden()[p].Namen[r]), Raten[p][r]);
}

namespace {

QString lineAt(const QStringList& lines, int index)
{
    return index < lines.size() ? lines.at(index) : QString();
}

int rateLine(int period, int rate)
{
    return 9 + 5 * period + rate;
}

} // namespace

std::optional<double> TariffRateFromLine(const QString& line)
{
    QLocale locale;
    locale.setNumberOptions(locale.numberOptions() | QLocale::RejectGroupSeparator);
    bool ok = false;
    const double v = locale.toDouble(line.trimmed(), &ok);
    if (!ok || !IsPlausibleRate(v))
        return std::nullopt;
    return v;
}

bool IsPlausibleTariffDate(const QString& line)
{
    if (line.trimmed().isEmpty() || line.size() > 64)
        return false;
    for (const char32_t c : line.toUcs4())
        if (!QChar::isPrint(c) || c == U'<' || c == U'>')
            return false;
    return true;
}

bool IsTariffReply(const QStringList& lines)
{
    if (!IsPlausibleTariffDate(lineAt(lines, 4)))
        return false;
    for (int p = 0; p < kTarifPerioden; ++p)
        for (int r = 0; r < 3; ++r)
            if (TariffRateFromLine(lineAt(lines, rateLine(p, r))))
                return true;
    return false;
}

MTarifTabelle TarifTabelleAusZeilen(const QStringList& lines)
{
    MTarifTabelle t;
    QString date;
    for (const QChar c : lineAt(lines, 4))
        if (c.category() != QChar::Other_Control)
            date += c;
    date.truncate(64);
    if (date.size() == 64 && date.back().isHighSurrogate())
        date.chop(1); // never half a character
    t.Aktualisierungsstand = date;
    for (int p = 0; p < kTarifPerioden; ++p)
        for (int r = 0; r < 3; ++r)
            t.Raten[p][r] = TariffRateFromLine(lineAt(lines, rateLine(p, r))).value_or(TarifPerioden()[p].Raten[r]);
    return t;
}
