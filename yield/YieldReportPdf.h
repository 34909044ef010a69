#pragma once

#include "platform/ColorRef.h"
#include "yield/ErtragChart.h"

#include <QImage>
#include <QString>
#include <QStringList>
#include <vector>

class PdfWriter;

// One line of the report's table: caption, value and unit as the frame shows them.
struct MYieldReportRow {
    QString Caption, Value, Unit;
};

// Everything the yield report prints; the caller gathers it, so the report
// needs neither the frame nor the roof planner.
struct MYieldReportInput {
    QImage Logo; // none when null
    QString Date;
    QStringList Sender; // empty lines are left out

    QString ModuleName;
    int ModuleCount = 0;
    QString Leistung; // kWp, as the frame shows it
    bool EastWest = false;
    QString OstWestHinweis; // the reduction note with two roof sides
    QImage RoofPicture;     // none when null
    QImage RoofSecondSide;  // the second roof side; none when null

    QString Grundlagen; // the tariff basis caption, the heading of its lines
    QStringList Tarife; // the rate lines under it
    std::vector<MYieldReportRow> Angaben;
    std::vector<MYieldReportRow> Ergebnis;
    MErtragChartDaten Chart;

    QStringList Hinweise; // the fixed lines about the VAT
    QStringList Bericht;  // the calculation report, line by line
    QString MakerLine;
    // Off where a surrounding document numbers the pages itself.
    bool PageNumbers = true;
};

// The page layout (A4 portrait, mm).
namespace yieldreport {
inline constexpr double kPageWidth = 210;
inline constexpr double kPageHeight = 297;
inline constexpr double kLeft = 20;
inline constexpr double kRight = 190;
inline constexpr double kTop = 15;
// Body content ends above the footer line.
inline constexpr double kFooterLine = 280;
inline constexpr double kChartHeight = 64;
} // namespace yieldreport

// What was written: the pages and, per page, the lowest point of its body.
struct MYieldReportPages {
    int Pages = 0;
    std::vector<double> BodyBottom;
};

// The texts of the report page's notes on the VAT, as the frame shows them.
const QStringList& BerechnungswegHinweise();

// Draws the report into the writer's open document, whose page is A4
// portrait with no margins; the caller ends the document.
MYieldReportPages DrawYieldReport(PdfWriter& pdf, const MYieldReportInput& in);
