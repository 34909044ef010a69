#include "roof/RoofLayoutPdf.h"

#include "pdf/DocumentStyle.h"
#include "pdf/PdfWriter.h"
#include "text/FormatText.h"

#include <QLocale>
#include <algorithm>
#include <cmath>
#include <limits>

using tandrel::platform::ColorRef;

namespace {

using namespace docstyle;

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

// A rounding error below zero shows as 0,00, not -0,00.
QString Metres(double value)
{
    const double shown = std::round(value * 100) / 100;
    return NumberText(shown == 0 ? 0.0 : shown, 2);
}

} // namespace

MRoofLayoutInput GatherRoofLayout(IRoofPlanner& roof)
{
    MRoofLayoutInput in;
    const TRoofModuleData m = roof.ModuleData();
    in.ModuleName = m.Maker.isEmpty() || m.Name.startsWith(m.Maker) ? m.Name : m.Maker + QLatin1Char(' ') + m.Name;
    in.ModuleCount = roof.CountActiveModules();
    in.ModuleWidth = m.Width;
    in.ModuleHeight = m.Height;
    in.ModulePowerWp = m.PowerWp;
    in.PlantPowerKWp = roof.PlantPowerKWp();
    in.TwoSides = roof.ModulesOnTwoRoofSides();
    in.Obstacles = roof.Obstacles();
    TRoofPictures pictures = roof.RenderRoofPictures(2000);
    in.RoofWithModules = std::move(pictures.RoofWithModules);
    in.RoofSecondSide = std::move(pictures.RoofSecondSide);
    return in;
}

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

    if (!in.Obstacles.empty()) {
        Font(pdf, 12, true, kAccent);
        pdf.TextOut(kLeft, y, QStringLiteral("Hindernisse auf dem Dach"));
        y += 7;
        Font(pdf, 9, false, kGrey);
        pdf.TextOut(kLeft + 2, y, QStringLiteral("Name"));
        pdf.TextOut(kLeft + 55, y, QStringLiteral("Größe"));
        pdf.TextOut(kLeft + 90, y, QStringLiteral("Abstand zur Traufe"));
        pdf.TextOut(kLeft + 130, y, QStringLiteral("Abstand zum linken Giebel"));
        y += 4.6;
        // Beyond this the list would squeeze the drawing; the rest is summed up.
        constexpr std::size_t kRows = 8;
        const std::size_t shown = in.Obstacles.size() > kRows ? kRows - 1 : in.Obstacles.size();
        for (std::size_t i = 0; i < shown; ++i) {
            const TRoofObstacle& o = in.Obstacles[i];
            // As the planner's list: the lower and the left edge of the turned box.
            double minX = o.X - o.Width / 2, minY = o.Y - o.Height / 2;
            if (!o.Outline.empty()) {
                minX = minY = std::numeric_limits<double>::max();
                for (const QPointF& p : o.Outline) {
                    minX = std::min(minX, p.x());
                    minY = std::min(minY, p.y());
                }
            }
            Font(pdf, 9);
            pdf.TextOut(kLeft + 2, y, o.Name);
            pdf.TextOut(kLeft + 55, y, NumberText(o.Width, 2) + QStringLiteral(" × ") + NumberText(o.Height, 2) + m);
            pdf.TextOut(kLeft + 90, y, Metres(minY) + m);
            pdf.TextOut(kLeft + 130, y, Metres(minX) + m);
            y += 4.4;
        }
        if (shown < in.Obstacles.size()) {
            Font(pdf, 9, false, kGrey);
            pdf.TextOut(kLeft + 2, y, QStringLiteral("… und %1 weitere").arg(in.Obstacles.size() - shown));
            y += 4.4;
        }
        y += 4;
    }

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
