#pragma once

#include <QString>

class MCanvas;

// Round-numbered tick step (…, 0.1, 0.2, 0.5, 1, 2, 5, 10, …) for a world
// length L that spans P device pixels: about one tick per 80 pixels. Input
// without a finite positive ratio (L or P zero, negative or not finite)
// gives 1 instead of looping forever.
double RoundTickStep(double L, double P);
// First tick at s0 - TickFrac(s0, step): ticks lie on whole multiples of step.
double TickFrac(double s0, double step);
// Number of tick intervals over a range: round(range / step), 0 when the
// ratio is not finite.
int TickCount(double range, double step);
// "%2.0f", "%2.1f", "%2.2f" or "%2.3f" by the size of step.
const char* TickLabelFormat(double step);
// The tick label of a world coordinate.
QString TickLabel(double value, double step);
// The text font of every representation: "arial", cell height 16 pixels at
// any resolution (size -round(1152 / pixels per inch)).
void SetRepFont(MCanvas& canvas);
