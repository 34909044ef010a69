#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <array>

// An update page in the server's format: the date on line 4, the rates of
// the four periods on lines 9-11, 14-16, 19-21 and 24-26, headings between.
inline QStringList TariffPageLines(const QString& date, const std::array<QString, 12>& rates)
{
    QStringList l = {"EEG Vergütungssätze", "Photovoltaik, Gebäudeanlagen bis 30 kWp", "", "Stand:", date, "", "", "Periode 2010",
                     "ab Oktober 2010"};
    const char* const heads[] = {"Periode 2011 1. Halbjahr", "Periode 2011 2. Halbjahr", "Periode 2012"};
    for (int p = 0; p < 4; ++p) {
        for (int r = 0; r < 3; ++r)
            l << rates[3 * p + r];
        if (p < 3)
            l << "" << QString::fromUtf8(heads[p]);
    }
    return l;
}

// The twelve built-in rates with period 2012 replaced by the official
// January 2012 values, written with a decimal comma.
inline std::array<QString, 12> January2012Rates()
{
    return {"0,3303", "0,1665", "0,2103", "0,2874", "0,1236", "0,1674",
            "0,2874", "0,1236", "0,1674", "0,2443", "0,0805", "0,1243"};
}
