#include "yield/YieldReportPdf.h"

#include "pdf/DocumentStyle.h"
#include "pdf/PdfWriter.h"

#include <algorithm>

using namespace yieldreport;
using tandrel::platform::ColorRef;

namespace {

using docstyle::kAccent;
using docstyle::kFont;
using docstyle::kGrey;
using docstyle::kRule;
using docstyle::kText;
constexpr ColorRef kWarning = 0x003AB0; // the frame's east-west note colour (BGR)
constexpr ColorRef kRevenue = 0x2C6B1D; // the frame's revenue colour (BGR)

constexpr double kValueRight = 140;
constexpr double kUnitLeft = 143;
constexpr double kRowStep = 4.6;
constexpr double kLineStep = 4.3;

// Words wrapped so that each line fits in width at the current font.
QStringList Wrap(PdfWriter& pdf, const QString& text, double width)
{
    QStringList out;
    QString line;
    for (const QString& word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QString candidate = line.isEmpty() ? word : line + QLatin1Char(' ') + word;
        if (!line.isEmpty() && pdf.TextWidth(candidate) > width) {
            out << line;
            line = word;
        } else {
            line = candidate;
        }
    }
    out << line; // an empty text stays an empty line
    return out;
}

class Report {
public:
    Report(PdfWriter& pdf, const MYieldReportInput& in) : m_pdf(pdf), m_in(in) {}

    MYieldReportPages Write()
    {
        m_y = kTop;
        Head();
        Plant();
        Tables();
        Chart();
        Calculation();
        FinishPage();
        return m_pages;
    }

private:
    void Font(double size, bool bold = false, ColorRef color = kText)
    {
        m_pdf.SetFont(kFont, size, color, bold ? PdfWriter::Bold : 0);
    }
    void Text(double x, double y, const QString& s) { m_pdf.TextOut(x, y, s); }
    void RightText(double right, double y, const QString& s) { m_pdf.TextOut(right - m_pdf.TextWidth(s), y, s); }
    void Rule(double y)
    {
        m_pdf.SetPen(kRule, 1);
        m_pdf.Line(kLeft, y, kRight, y);
    }
    void Bottom(double y) { m_bottom = std::max(m_bottom, y); }

    // A new page when the next `height` millimetres do not fit above the footer.
    void Need(double height)
    {
        if (m_y + height <= kFooterLine - 3)
            return;
        FinishPage();
        m_pdf.NewPage();
        m_y = kTop;
        // The continued page names what it continues.
        Font(9, false, kGrey);
        Text(kLeft, m_y, QStringLiteral("Ertragsprognose Ihrer Solarstromanlage (Fortsetzung)"));
        m_y += 8;
    }

    void FinishPage()
    {
        ++m_pages.Pages;
        m_pages.BodyBottom.push_back(m_bottom);
        m_bottom = 0;
        Rule(kFooterLine);
        Font(8, false, kGrey);
        Text(kLeft, kFooterLine + 2, m_in.MakerLine);
        if (m_in.PageNumbers)
            RightText(kRight, kFooterLine + 2, QStringLiteral("Seite %1").arg(m_pages.Pages));
    }

    void Heading(const QString& s)
    {
        Font(12, true, kAccent);
        Text(kLeft, m_y, s);
        Bottom(m_y + 5);
        m_y += 7;
    }

    void Head()
    {
        // Logo and title on the left, the sender on the right.
        double titleTop = m_y;
        if (!m_in.Logo.isNull() && m_in.Logo.width() > 0) {
            double h = 12, w = h * m_in.Logo.width() / m_in.Logo.height();
            if (w > 60) {
                w = 60;
                h = w * m_in.Logo.height() / m_in.Logo.width();
            }
            m_pdf.DrawImage(QRectF(kLeft, m_y, w, h), m_in.Logo);
            titleTop = m_y + h + 3;
        }
        Font(17, true, kText);
        Text(kLeft, titleTop, QStringLiteral("Ertragsprognose Ihrer Solarstromanlage"));
        Font(10, false, kGrey);
        Text(kLeft, titleTop + 9, QStringLiteral("Datum: %1").arg(m_in.Date));
        const double left = titleTop + 14;

        double y = m_y;
        bool first = true;
        for (const QString& line : m_in.Sender) {
            if (line.trimmed().isEmpty())
                continue;
            Font(first ? 10 : 9, first, kText);
            RightText(kRight, y, line.trimmed());
            y += first ? 4.6 : 4.0;
            first = false;
        }
        m_y = std::max(left, y) + 1;
        Rule(m_y);
        Bottom(m_y);
        m_y += 5;
    }

    void Row(const MYieldReportRow& r, bool bold = false, ColorRef value = kText)
    {
        Font(10, false, kText);
        Text(kLeft + 2, m_y, r.Caption);
        Font(10, true, value);
        RightText(kValueRight, m_y, r.Value);
        Font(10, bold, kText);
        Text(kUnitLeft, m_y, r.Unit);
        Bottom(m_y + 4.5);
        m_y += kRowStep;
    }

    void Plant()
    {
        const double pictureLeft = 126;
        const double pictureHeight = 36;
        Need(8 + std::max(5 * kRowStep, pictureHeight));
        Heading(QStringLiteral("Ihre Solarstromanlage"));
        const double top = m_y;
        const QString faces = m_in.EastWest ? QStringLiteral("Ost-West") : QStringLiteral("eine Dachseite");
        for (const MYieldReportRow& r : {MYieldReportRow{QStringLiteral("Modul:"), QString(), QString()},
                                         MYieldReportRow{QStringLiteral("Anzahl der Module:"), QString::number(m_in.ModuleCount), QString()},
                                         MYieldReportRow{QStringLiteral("Anlagenleistung:"), m_in.Leistung, QStringLiteral("kWp")},
                                         MYieldReportRow{QStringLiteral("Dachflächen:"), QString(), QString()}}) {
            Font(10, false, kText);
            Text(kLeft + 2, m_y, r.Caption);
            Font(10, true, kText);
            const QString value = r.Caption == QStringLiteral("Modul:") ? m_in.ModuleName
                                  : r.Caption == QStringLiteral("Dachflächen:") ? faces
                                                                                : r.Value + (r.Unit.isEmpty() ? QString() : QLatin1Char(' ') + r.Unit);
            // Long module names are wrapped inside the column beside the picture.
            const QStringList lines = Wrap(m_pdf, value, pictureLeft - 4 - (kLeft + 42));
            for (const QString& line : lines) {
                Text(kLeft + 42, m_y, line);
                m_y += kRowStep;
            }
        }
        if (m_in.EastWest && !m_in.OstWestHinweis.isEmpty()) {
            Font(9, false, kWarning);
            for (const QString& line : Wrap(m_pdf, m_in.OstWestHinweis, pictureLeft - 4 - (kLeft + 2))) {
                Text(kLeft + 2, m_y, line);
                m_y += kLineStep;
            }
        }
        Bottom(m_y);

        // The roof layout: the second side above the first, as the planner shows them.
        std::vector<const QImage*> pictures;
        if (!m_in.RoofSecondSide.isNull())
            pictures.push_back(&m_in.RoofSecondSide);
        if (!m_in.RoofPicture.isNull())
            pictures.push_back(&m_in.RoofPicture);
        double y = top;
        const double boxW = kRight - pictureLeft;
        const double boxH = pictures.empty() ? 0 : pictureHeight / pictures.size();
        for (const QImage* p : pictures) {
            double w = boxW, h = w * p->height() / std::max(1, p->width());
            if (h > boxH - 1) {
                h = boxH - 1;
                w = h * p->width() / std::max(1, p->height());
            }
            const QRectF r(kRight - w, y, w, h);
            m_pdf.DrawImage(r, *p);
            m_pdf.SetPen(kRule, 1);
            m_pdf.SetBrush(0, PdfWriter::BrushStyle::Clear);
            m_pdf.Rectangle(r.left(), r.top(), r.right(), r.bottom());
            y += h + 1;
        }
        if (!pictures.empty()) {
            Font(7, false, kGrey);
            RightText(kRight, y, QStringLiteral("Modulbelegung aus der PV-Anlagenplanung"));
            Bottom(y + 3);
            y += 4;
        }
        m_y = std::max(m_y, y) + 3;
    }

    void Tables()
    {
        // The tariff basis: its caption is the section's heading.
        Need(8 + kRowStep * m_in.Tarife.size());
        Heading(m_in.Grundlagen);
        Font(10, false, kText);
        for (const QString& t : m_in.Tarife) {
            Text(kLeft + 2, m_y, t);
            Bottom(m_y + 4.5);
            m_y += kRowStep;
        }
        m_y += 2;

        Need(8 + kRowStep * m_in.Angaben.size());
        Heading(QStringLiteral("Angaben zur Anlage"));
        for (const MYieldReportRow& r : m_in.Angaben)
            Row(r);
        m_y += 2;

        Need(8 + kRowStep * (m_in.Ergebnis.size() + 1));
        Heading(QStringLiteral("Ergebnis"));
        for (size_t i = 0; i < m_in.Ergebnis.size(); ++i) {
            const bool last = i + 1 == m_in.Ergebnis.size();
            Row(m_in.Ergebnis[i], last, last ? kRevenue : kText);
        }
        Font(9, false, kGrey);
        Text(kUnitLeft, m_y - 1, QStringLiteral("während %1 Jahren").arg(m_in.Chart.Jahre));
        Bottom(m_y + 3);
        m_y += kRowStep + 2;
    }

    void Chart()
    {
        Need(kChartHeight + 2);
        DrawErtragChart(m_pdf, QRectF(kLeft, m_y, kRight - kLeft, kChartHeight), m_in.Chart);
        m_y += kChartHeight;
        Bottom(m_y);
        m_y += 4;
    }

    void Calculation()
    {
        if (m_in.Hinweise.isEmpty() && m_in.Bericht.isEmpty())
            return;
        Font(9, false, kText);
        QStringList notes;
        for (const QString& n : m_in.Hinweise)
            notes << Wrap(m_pdf, n.trimmed(), kRight - kLeft - 2);
        Need(8 + kLineStep * (notes.size() + 3));
        Heading(QStringLiteral("Berechnungsweg"));
        Font(9, false, kGrey);
        for (const QString& n : notes)
            Line(n);
        m_y += 2;
        QStringList lines;
        Font(9, false, kText);
        for (const QString& b : m_in.Bericht)
            lines << Wrap(m_pdf, b, kRight - kLeft - 2);
        while (!lines.isEmpty() && lines.last().trimmed().isEmpty())
            lines.removeLast();
        for (const QString& line : lines) {
            // A blank line that would open a page is left out.
            if (line.trimmed().isEmpty() && m_y + kLineStep > kFooterLine - 3)
                continue;
            Need(kLineStep);
            Font(9, false, kText);
            Line(line);
        }
    }

    void Line(const QString& s)
    {
        Text(kLeft + 2, m_y, s);
        Bottom(m_y + 3.8);
        m_y += kLineStep;
    }

    PdfWriter& m_pdf;
    const MYieldReportInput& m_in;
    double m_y = kTop;
    double m_bottom = 0;
    MYieldReportPages m_pages;
};

} // namespace

const QStringList& BerechnungswegHinweise()
{
    static const QStringList notes = {
        QStringLiteral("Die Berechnung erfolgt vollständig aufgrund von Nettobeträgen. Die Umsatzsteuer stellt einen durchlaufenden Posten dar."),
        QStringLiteral("Bei Privathaushalten kann jedoch die Umsatzsteuer des gesparten Strompreises zusätzlich angerechnet werden.  "),
        QStringLiteral("Allerdings fordert das Finanzamt die Umsatzsteuer auf den fiktiven Kaufpreis des eigenverbrauchten Stroms ein. "),
        QStringLiteral("Der fiktive Kaufpreis ergibt sich aus der Differenz des EEG-Einspeisetarifs zum Bonusbetrag."),
        QStringLiteral("Dadurch erhöht sich die Vergütung für den selbstverbrauchten Strom um ca. 0,5 ct/kWh (Menge kleiner 30%) bzw. ca. 1,5 ct/kWh (Menge größer 30%)."),
    };
    return notes;
}

MYieldReportPages DrawYieldReport(PdfWriter& pdf, const MYieldReportInput& in)
{
    return Report(pdf, in).Write();
}
