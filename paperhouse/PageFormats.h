#pragma once

#include <QString>
#include <QStringList>

namespace tandrel::paperhouse {

// The two page-format families; any other type string behaves as European.
inline const QString kPageFormatEuropean = QStringLiteral("europäisch");
inline const QString kPageFormatNorthAmerican = QStringLiteral("nordamerikanisch");

struct PageSize
{
    double PageWidth = 0.0;   // mm
    double PageHeight = 0.0;  // mm
};

// The eight captions of the page-format list; index 6 is a separator line.
QStringList PageFormatCaptions(const QString& pageFormatType);
QStringList EuropeanPageFormatCaptions();
QStringList NorthAmericanPageFormatCaptions();

// Page size in mm for an entry of the list. Unknown indices (6, -1, > 7)
// give the base sheet (A4 or letter); landscape swaps width and height.
PageSize ComputePageSize(const QString& pageFormatType, int index, bool portrait);

}  // namespace tandrel::paperhouse
