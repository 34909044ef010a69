#include "drawing/DrawConventions.h"

#include "drawing/Canvas.h"
#include "drawing/Rounding.h"
#include "text/FormatText.h"

#include <QLocale>
#include <cmath>

double RoundTickStep(double L, double P)
{
    double t = 80 / P * L;
    if (!(t > 0) || !std::isfinite(t))
        return 1;
    double m = 1;
    while (t < 1) {
        t *= 10;
        m *= 10;
    }
    while (t > 1) {
        t /= 10;
        m /= 10;
    }
    t *= 10;
    m *= 10;
    double base = 1;
    if (t > 2)
        base = 2;
    if (t > 5)
        base = 5;
    return base / m;
}

double TickFrac(double s0, double step)
{
    const double q = s0 / step;
    return (q - std::trunc(q)) * step;
}

int TickCount(double range, double step)
{
    const double q = range / step;
    if (!std::isfinite(q))
        return 0;
    return RoundToInt(q);
}

const char* TickLabelFormat(double step)
{
    if (step >= 1)
        return "%2.0f";
    if (step >= 0.1)
        return "%2.1f";
    if (step >= 0.01)
        return "%2.2f";
    return "%2.3f";
}

QString TickLabel(double value, double step)
{
    return FormatText(QString::fromLatin1(TickLabelFormat(step)), {value});
}

void SetRepFont(MCanvas& canvas)
{
    canvas.SetFontName(QStringLiteral("arial"));
    canvas.SetFontSize(-RoundToInt(1152.0 / canvas.PixelsPerInch()));
}
