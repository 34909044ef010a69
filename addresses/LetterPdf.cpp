#include "addresses/LetterPdf.h"

#include "pdf/PdfWriter.h"
#include "pdf/TextFit.h"
#include "platform/ColorRef.h"

namespace {

const QString kFont = QStringLiteral("Arial");

void addIf(std::vector<QString>& lines, const QString& prefix, const QString& value)
{
    if (!value.isEmpty())
        lines.push_back(prefix + value);
}

std::vector<LetterLine> stacked(const std::vector<QString>& texts, double top, double step)
{
    std::vector<LetterLine> lines;
    for (size_t i = 0; i < texts.size(); ++i)
        lines.push_back({texts[i], top + step * double(i)});
    return lines;
}

} // namespace

std::vector<LetterLine> AbsenderNameLines(const MAdresse& sender)
{
    std::vector<QString> texts{sender.Name1};
    addIf(texts, QString(), sender.Name2);
    texts.push_back(sender.Strasse);
    texts.push_back(sender.Plz + QLatin1Char(' ') + sender.Ort);
    return stacked(texts, letter::kAbsenderTop, letter::kAbsenderStep);
}

std::vector<LetterLine> AbsenderContactLines(const MAdresse& sender, double afterY)
{
    std::vector<QString> texts;
    addIf(texts, QStringLiteral("Tel: "), sender.Tel);
    addIf(texts, QStringLiteral("Fax: "), sender.Fax);
    addIf(texts, QStringLiteral("E-Mail: "), sender.EMail);
    addIf(texts, QStringLiteral("Internet: "), sender.Internet);
    return stacked(texts, afterY, letter::kAbsenderContactStep);
}

QString AbsenderZeileText(const MAdresse& sender)
{
    const QString sep = QStringLiteral(" * ");
    return sender.Name1 + sep + sender.Strasse + sep + sender.Plz + sep + sender.Ort;
}

std::vector<LetterLine> EmpfaengerLines(const MAdresse& recipient)
{
    std::vector<QString> texts{recipient.Name1};
    double top = letter::kEmpfaengerTop;
    if (recipient.Name2.isEmpty())
        top += letter::kEmpfaengerStep;
    else
        texts.push_back(recipient.Name2);
    texts.push_back(recipient.Strasse);
    texts.push_back(recipient.Plz + QLatin1Char(' ') + recipient.Ort);
    return stacked(texts, top, letter::kEmpfaengerStep);
}

QStringList WrapLines(const QStringList& lines, double width, const std::function<double(const QString&)>& measure)
{
    QStringList out;
    for (const QString& line : lines)
        out << tandrel::pdf::WrapText(line, width, measure);
    return out;
}

void WriteLetter(PdfWriter& pdf, const LetterContent& l, const QImage& logo)
{
    using tandrel::platform::kColorBlack;
    const double right = pdf.PageWidth() - letter::kRightGap;

    if (l.showAbsender) {
        pdf.SetFont(kFont, letter::kAbsenderLabelPt, letter::kGreyText, PdfWriter::Italic);
        pdf.TextOut(letter::kAbsenderLabelX, letter::kAbsenderLabelY, QStringLiteral("Absender:"));
        pdf.SetFont(kFont, letter::kAbsenderPt, kColorBlack, 0);
        const auto names = AbsenderNameLines(l.sender);
        for (const LetterLine& line : names)
            pdf.TextOut(right - pdf.TextWidth(line.text), line.y, line.text);
        pdf.SetFont(kFont, letter::kAbsenderContactPt, kColorBlack, 0);
        const double after = names.back().y + letter::kAbsenderStep;
        for (const LetterLine& line : AbsenderContactLines(l.sender, after))
            pdf.TextOut(right - pdf.TextWidth(line.text), line.y, line.text);
    }

    if (l.showAbsenderZeile) {
        const QString text = AbsenderZeileText(l.sender);
        pdf.SetFont(kFont, letter::kZeilePt, letter::kGreyText, PdfWriter::Italic);
        pdf.TextOut(letter::kLeft, letter::kZeileY, text);
        pdf.SetPen(letter::kGreyText);
        pdf.Line(letter::kLeft, letter::kZeileUnderlineY, letter::kLeft + pdf.TextWidth(text), letter::kZeileUnderlineY);
    }

    pdf.SetFont(kFont, letter::kEmpfaengerPt, kColorBlack, 0);
    for (const LetterLine& line : EmpfaengerLines(l.recipient))
        pdf.TextOut(letter::kLeft, line.y, line.text);

    if (!logo.isNull())
        pdf.DrawImage(QRectF(QPointF(letter::kLogoLeft, letter::kLogoTop), QPointF(letter::kLogoRight, letter::kLogoBottom)), logo);

    if (l.showBetreff) {
        pdf.SetFont(kFont, letter::kBetreffPt, kColorBlack, PdfWriter::Bold);
        pdf.TextOut(letter::kLeft, letter::kBetreffY, l.betreff);
    }
    if (l.showDatum) {
        const QString text = QStringLiteral("Datum: ") + l.datum;
        pdf.SetFont(kFont, letter::kDatumPt, kColorBlack, 0);
        pdf.TextOut(right - pdf.TextWidth(text), letter::kDatumY, text);
    }

    // The body is wrapped and continued on further pages, so no line of the
    // customer's text falls off the page.
    pdf.SetBrush(tandrel::platform::kColorWhite, PdfWriter::BrushStyle::Clear);
    pdf.SetFont(kFont, letter::kBodyPt, kColorBlack, 0);
    const QStringList body = WrapLines(l.body, right - letter::kLeft, [&](const QString& s) { return pdf.TextWidth(s); });
    const double lastTop = pdf.PageHeight() - letter::kBottomGap - letter::kBodyStep;
    double y = letter::kBodyTop;
    for (const QString& line : body) {
        if (y > lastTop) {
            pdf.NewPage();
            y = letter::kContinuedTop;
        }
        pdf.TextOut(letter::kLeft, y, line);
        y += letter::kBodyStep;
    }
}
