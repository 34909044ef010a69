#include "roof/RoofLayoutPdf.h"

#include "pdf/PdfWriter.h"
#include "text/FormatText.h"

#include <QLocale>
#include <algorithm>

using tandrel::platform::ColorRef;

namespace {

constexpr ColorRef kText = 0x3C3228;
constexpr ColorRef kGrey = 0x7A7068;
constexpr ColorRef kAccent = 0x1A78C8;
constexpr ColorRef kRule = 0xC8C0B8;
const QString kFont = QStringLiteral("Arial");
constexpr double kLeft = 20, kRight = 190, kFooterLine = 280;

void Font(PdfWriter& pdf, double size, bool bold = false, ColorRef color = kText)
{
    pdf.SetFont(kFont, size, color, bold ? PdfWriter::Bold : 0);
}

void Rule(PdfWriter& pdf, double y)
{
    pdf.SetPen(kRule, 1);
    pdf.Line(kLeft, y, kRight, y);
}

// The picture as large as fits the box, centred, with a thin frame.
double Picture(PdfWriter& pdf, const QImage& picture, double top, double maxHeight)
{
    if (picture.isNull() || picture.width() <= 0 || picture.height() <= 0)
        return top;
    double w = kRight - kLeft;
    double h = w * picture.height() / picture.width();
    if (h > maxHeight) {
        h = maxHeight;
        w = h * picture.width() / picture.height();
    }
    const double left = kLeft + (kRight - kLeft - w) / 2;
    pdf.DrawImage(QRectF(left, top, w, h), picture);
    pdf.SetPen(kRule, 1);
    pdf.SetBrush(0, PdfWriter::BrushStyle::Clear);
    pdf.Rectangle(left, top, left + w, top + h);
    return top + h;
}

} // namespace

void DrawRoofLayout(PdfWriter& pdf, const MRoofLayoutInput& in)
{
    double y = 15;
    Font(pdf, 17, true);
    pdf.TextOut(kLeft, y, QStringLiteral("Dachplanung Ihrer Solarstromanlage"));
    Font(pdf, 10, false, kGrey);
    pdf.TextOut(kLeft, y + 9, QStringLiteral("Datum: %1").arg(in.Date));
    double senderY = y;
    bool first = true;
    for (const QString& line : in.Sender) {
        if (line.trimmed().isEmpty())
            continue;
        Font(pdf, first ? 10 : 9, first);
        pdf.TextOut(kRight - pdf.TextWidth(line), senderY, line);
        senderY += 4.3;
        first = false;
    }
    y = std::max(y + 18, senderY + 3);
    Rule(pdf, y);
    y += 5;

    Font(pdf, 12, true, kAccent);
    pdf.TextOut(kLeft, y, QStringLiteral("Die Anlage"));
    y += 7;
    const QString m = QStringLiteral(" m");
    const std::pair<QString, QString> rows[] = {
        {QStringLiteral("Modul:"), in.ModuleName},
        {QStringLiteral("Anzahl Module:"), QString::number(in.ModuleCount)},
        {QStringLiteral("Modulmaß (wie verlegt):"),
         NumberText(in.ModuleWidth, 2) + QStringLiteral(" m × ") + NumberText(in.ModuleHeight, 2) + m},
        {QStringLiteral("Modulleistung:"), NumberText(in.ModulePowerWp, 0) + QStringLiteral(" Wp")},
        {QStringLiteral("Anlagenleistung:"), NumberText(in.PlantPowerKWp, 2) + QStringLiteral(" kWp")},
        {QStringLiteral("Dachflächen:"), in.TwoSides ? QStringLiteral("Ost-West (zwei Dachseiten)") : QStringLiteral("eine Dachseite")},
    };
    for (const auto& [caption, value] : rows) {
        Font(pdf, 10, false, kGrey);
        pdf.TextOut(kLeft + 2, y, caption);
        Font(pdf, 10, true);
        pdf.TextOut(kLeft + 55, y, value);
        y += 5;
    }
    y += 4;

    Font(pdf, 12, true, kAccent);
    pdf.TextOut(kLeft, y, in.TwoSides ? QStringLiteral("Belegung der Dachseiten") : QStringLiteral("Belegung der Dachfläche"));
    y += 8;
    const double room = kFooterLine - 6 - y;
    if (in.RoofWithModules.isNull()) {
        Font(pdf, 10, false, kGrey);
        pdf.TextOut(kLeft + 2, y, QStringLiteral("Für die Dachfläche liegt keine Zeichnung vor."));
    } else if (in.TwoSides && !in.RoofSecondSide.isNull()) {
        const double half = (room - 12) / 2;
        Font(pdf, 9, false, kGrey);
        pdf.TextOut(kLeft, y, QStringLiteral("Erste Dachseite"));
        y = Picture(pdf, in.RoofWithModules, y + 5, half) + 6;
        Font(pdf, 9, false, kGrey);
        pdf.TextOut(kLeft, y, QStringLiteral("Zweite Dachseite"));
        Picture(pdf, in.RoofSecondSide, y + 5, half);
    } else {
        Picture(pdf, in.RoofWithModules, y, room);
    }

    Rule(pdf, kFooterLine);
    Font(pdf, 8, false, kGrey);
    pdf.TextOut(kLeft, kFooterLine + 2, in.MakerLine);
}
