#pragma once

#include "pdf/PdfWriter.h"
#include "platform/ColorRef.h"

#include <QString>

// The look of the documents handed to a customer (yield report, roof layout,
// customer folder): ink, accent, rules and the A4 text column in mm.
namespace docstyle {

using tandrel::platform::ColorRef;

inline constexpr ColorRef kText = 0x3C3228;
inline constexpr ColorRef kGrey = 0x7A7068;
inline constexpr ColorRef kAccent = 0x1A78C8;
inline constexpr ColorRef kRule = 0xC8C0B8;
inline const QString kFont = QStringLiteral("Arial");
inline constexpr double kLeft = 20, kRight = 190, kFooterLine = 280;

inline void Font(PdfWriter& pdf, double size, bool bold = false, ColorRef color = kText)
{
    pdf.SetFont(kFont, size, color, bold ? PdfWriter::Bold : 0);
}

inline void Rule(PdfWriter& pdf, double y)
{
    pdf.SetPen(kRule, 1);
    pdf.Line(kLeft, y, kRight, y);
}

} // namespace docstyle
