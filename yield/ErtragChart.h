#pragma once

#include <QLocale>

class MCanvas;

// What the chart shows: the yearly yield as bars and the revenue summed up
// year by year as a line, over the lifetime.
struct MErtragChartDaten {
    double Jahresertrag = 0.0; // kWh per year
    double JahresErloes = 0.0; // euro per year
    int Jahre = 20;
};

// Draws the chart over the whole canvas.
void DrawErtragChart(MCanvas& canvas, const MErtragChartDaten& daten, const QLocale& locale = QLocale());
