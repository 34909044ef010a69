#pragma once

#include "addresses/Adresse.h"

#include <QImage>
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

class PdfWriter;

// What a cover letter prints.
struct LetterContent {
    MAdresse sender;
    MAdresse recipient;
    bool showAbsender = true;
    bool showAbsenderZeile = true;
    bool showBetreff = true;
    bool showDatum = true;
    QString betreff;
    QString datum;
    QStringList body;
};

// Page layout of the letter in millimetres from the top left, font sizes in points.
namespace letter {
inline constexpr double kPageWidth = 212;
inline constexpr double kPageHeight = 299.8;
inline constexpr double kLeft = 20;
inline constexpr double kRightGap = 20; // blocks end at W - 20
inline constexpr int kGreyText = 10789972;

inline constexpr double kAbsenderLabelX = 179.4, kAbsenderLabelY = 12, kAbsenderLabelPt = 8;
inline constexpr double kAbsenderTop = 16, kAbsenderStep = 5.6, kAbsenderPt = 11;
inline constexpr double kAbsenderContactStep = 3.5, kAbsenderContactPt = 8;
inline constexpr double kZeileY = 48, kZeilePt = 10, kZeileUnderlineY = 52.5;
inline constexpr double kEmpfaengerTop = 55, kEmpfaengerStep = 4.8, kEmpfaengerPt = 12;
inline constexpr double kLogoLeft = 20, kLogoTop = 22, kLogoRight = 50, kLogoBottom = 34;
inline constexpr double kBetreffY = 110, kBetreffPt = 11;
inline constexpr double kDatumY = 110, kDatumPt = 12;
inline constexpr double kBodyTop = 142, kBodyStep = 4.5, kBodyPt = 12;
// A continued body starts this far below the top of the next page and a
// page takes body lines down to this distance above its bottom.
inline constexpr double kContinuedTop = 20, kBottomGap = 15;
} // namespace letter

// One positioned line of a letter block.
struct LetterLine {
    QString text;
    double y = 0;
};

// The sender block lines: name lines (size 11) and contact lines (size 8).
std::vector<LetterLine> AbsenderNameLines(const MAdresse& sender);
std::vector<LetterLine> AbsenderContactLines(const MAdresse& sender, double afterY);
QString AbsenderZeileText(const MAdresse& sender);
// The recipient block; without Name2 it starts one line lower, so it always
// ends on the same line.
std::vector<LetterLine> EmpfaengerLines(const MAdresse& recipient);

// Body lines wrapped at words so that each fits in `width` as measured.
QStringList WrapLines(const QStringList& lines, double width, const std::function<double(const QString&)>& measure);

// Writes the letter onto the writer's open document (one page, more when the
// body needs them). The logo may be null.
void WriteLetter(PdfWriter& pdf, const LetterContent& letter, const QImage& logo);
