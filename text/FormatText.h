#pragma once

#include <QLocale>
#include <QString>
#include <QVariant>
#include <initializer_list>

// printf-style formatting the way the program's texts are written:
// "%d" integer, "%s" text, "%W.Pf" fixed with P decimals, "%W.Pn" the same
// with the locale's thousands separators, "%%" one percent sign. Decimal
// separators come from the locale; W is the minimum width, filled with
// blanks on the left. A missing argument formats as nothing.
QString FormatText(const QString& format, std::initializer_list<QVariant> args, const QLocale& locale = QLocale());

// A number as the program shows measures, counts and powers on screen: fixed
// decimals with the locale's decimal and thousands separators ("1.234,5").
QString NumberText(double value, int decimals, const QLocale& locale = QLocale());

// "Januar" … "Dezember"; "Month" for anything else.
QString MonthName(int month);
