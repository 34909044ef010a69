#include "paperhouse/PageFormats.h"

#include <utility>

namespace tandrel::paperhouse {

namespace {

bool IsNorthAmerican(const QString& type)
{
    return type == kPageFormatNorthAmerican;
}

}  // namespace

QStringList EuropeanPageFormatCaptions()
{
    return {QStringLiteral("A5"), QStringLiteral("A4"), QStringLiteral("A3"), QStringLiteral("A2"),
            QStringLiteral("A1"), QStringLiteral("A0"), QStringLiteral("-------"),
            QStringLiteral("A3 Plus")};
}

QStringList NorthAmericanPageFormatCaptions()
{
    return {QStringLiteral("invoice (140 × 216 mm)"),      QStringLiteral("A letter (216 × 279 mm)"),
            QStringLiteral("B ledger (279 × 432 mm)"),     QStringLiteral("C broadsheet (432 × 559 mm)"),
            QStringLiteral("D (559 × 864 mm)"),            QStringLiteral("E (864 × 1118 mm)"),
            QStringLiteral("--------------------"),        QStringLiteral("legal (216 × 356 mm)")};
}

QStringList PageFormatCaptions(const QString& pageFormatType)
{
    return IsNorthAmerican(pageFormatType) ? NorthAmericanPageFormatCaptions()
                                           : EuropeanPageFormatCaptions();
}

PageSize ComputePageSize(const QString& pageFormatType, int index, bool portrait)
{
    const bool na = IsNorthAmerican(pageFormatType);
    const double s = na ? 216.0 : 210.0;
    const double l = na ? 279.0 : 297.0;
    const double p = na ? 216.0 : 330.0;
    const double q = na ? 356.0 : 483.0;
    constexpr double kHalfArea = 0.707107;

    PageSize size{s, l};
    switch (index) {
    case 0: size = {kHalfArea * s, kHalfArea * l}; break;
    case 1: size = {s, l}; break;
    case 2: size = {l, 2 * s}; break;
    case 3: size = {2 * s, 2 * l}; break;
    case 4: size = {2 * l, 4 * s}; break;
    case 5: size = {4 * s, 4 * l}; break;
    case 7: size = {p, q}; break;
    default: break;
    }
    if (!portrait)
        std::swap(size.PageWidth, size.PageHeight);
    return size;
}

}  // namespace tandrel::paperhouse
