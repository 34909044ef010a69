#pragma once

#include <QString>
#include <exception>
#include <optional>

// Raised by StrToFloatLocal and TypedToFloat for a text that is no number.
class ConversionError : public std::exception {
public:
    explicit ConversionError(QString text) : m_text(std::move(text)) {}
    const char* what() const noexcept override { return "conversion error"; }
    const QString& text() const { return m_text; }
private:
    QString m_text;
};

// Trims, removes the locale's thousands separators, converts with its decimal
// separator; raises ConversionError on anything else (infinity and NaN too).
double StrToFloatLocal(const QString& text);
// A number the user typed. As StrToFloatLocal, except that under a locale
// with a decimal comma a text with exactly one point, no comma and not
// exactly three digits after the point reads the point as the decimal
// separator: "8.5" is 8,5, while "1.000" stays one thousand.
double TypedToFloat(const QString& text);

// The same without raising: no value for a text that is no number.
std::optional<double> TryStrToFloatLocal(const QString& text);
std::optional<double> TryTypedToFloat(const QString& text);
