#pragma once

#include "platform/ColorRef.h"

#include <QLocale>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <functional>
#include <vector>

class MCanvas;
class PdfWriter;

// What the chart shows: the yearly yield as bars and the revenue summed up
// year by year as a line, over the lifetime.
struct MErtragChartDaten {
    double Jahresertrag = 0.0; // kWh per year
    double JahresErloes = 0.0; // euro per year
    int Jahre = 20;
};

// One drawn piece of the chart in pixels (96 per inch on paper), x right,
// y down from the chart's top left. The screen and the PDF draw the same list.
struct MErtragChartItem {
    enum class Kind { Line, Polyline, Rectangle, Text };
    Kind kind = Kind::Line;
    std::vector<QPointF> points; // rectangle: two opposite corners; text: its cell's top left
    tandrel::platform::ColorRef pen = 0;
    int penWidth = 1;
    bool filled = false;
    tandrel::platform::ColorRef fill = 0;
    QString text;
    int fontSize = 8; // points
    bool bold = false;
};

// Text widths and heights in the chart's pixels for a font size and weight.
struct MErtragChartMetrics {
    std::function<int(const QString& text, int sizePt, bool bold)> width;
    std::function<int(int sizePt, bool bold)> height;
};

// The chart over a w × h pixel area.
std::vector<MErtragChartItem> ErtragChartGeometry(int w, int h, const MErtragChartDaten& daten,
                                                  const MErtragChartMetrics& metrics, const QLocale& locale = QLocale());

// Draws the chart over the whole canvas.
void DrawErtragChart(MCanvas& canvas, const MErtragChartDaten& daten, const QLocale& locale = QLocale());
// Draws the chart into the rectangle (mm) of the open document's page.
void DrawErtragChart(PdfWriter& pdf, const QRectF& mm, const MErtragChartDaten& daten, const QLocale& locale = QLocale());
