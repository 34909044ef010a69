#include "product/KontaloBestellformular.h"

#include "app/Links.h"
#include "pdf/PdfWriter.h"
#include "pdf/TextFit.h"
#include "product/KontaloTexts.h"

#include <algorithm>

namespace {

constexpr tandrel::platform::ColorRef kAccent = 10789972; // RGB 84, 164, 164
const QString kFont = QStringLiteral("Arial");

// A line of the form that has no room for a second one, cut to `width`.
QString elided(PdfWriter& pdf, const QString& text, double width)
{
    return tandrel::pdf::ElideText(text, width, [&](const QString& t) { return pdf.TextWidth(t); });
}

// Lines of the boxes, wrapped inside them (see FitFields).
QStringList boxLines(PdfWriter& pdf, const QStringList& fields, double width, int maxLines)
{
    return tandrel::pdf::FitFields(fields, width, maxLines, [&](const QString& t) { return pdf.TextWidth(t); });
}

// Right-aligned at the right margin; a text wider than the page between the
// margins starts at the left margin instead of leaving the page.
void textRight(PdfWriter& pdf, double W, double y, const QString& text)
{
    const QString shown = elided(pdf, text, W - 40);
    const double x = std::max(20.0, W - 20 - pdf.TextWidth(shown));
    pdf.TextOut(x, y, shown);
}

void drawLogo(PdfWriter& pdf, const QRectF& mm, const PdfPicture& logo)
{
    if (logo.isNull())
        return;
    try {
        pdf.DrawPicture(mm, logo);
    } catch (const PdfError&) {
        // The form is complete without the logo.
    }
}

} // namespace

QString KontaloFormText(const QString& field)
{
    QString s = field.left(kKontaloFeldMax);
    for (QChar& c : s)
        if (c.category() == QChar::Other_Control || c == QChar::LineSeparator || c == QChar::ParagraphSeparator)
            c = QLatin1Char(' ');
    return s;
}

void DrawKontaloBestellformular(PdfWriter& pdf, const MKontaloKunde& kundeIn, const PdfPicture& produktLogo,
                                const PdfPicture& herstellerLogo, const std::function<void(int)>& progress)
{
    MKontaloKunde k;
    for (auto [in, out] : {std::pair{&kundeIn.Name1, &k.Name1}, {&kundeIn.Name2, &k.Name2}, {&kundeIn.Strasse, &k.Strasse},
                           {&kundeIn.Plz, &k.Plz}, {&kundeIn.Ort, &k.Ort}, {&kundeIn.Tel, &k.Tel}, {&kundeIn.Fax, &k.Fax},
                           {&kundeIn.EMail, &k.EMail}, {&kundeIn.Bemerkung1, &k.Bemerkung1},
                           {&kundeIn.Bemerkung2, &k.Bemerkung2}})
        *out = KontaloFormText(*in);
    const double W = pdf.PageWidth();
    QString ort = k.Plz + QLatin1Char(' ') + k.Ort;

    pdf.SetFont(kFont, 8, kAccent, PdfWriter::Italic);
    pdf.TextOut(179.4, 12, QStringLiteral("Absender:"));

    // The customer's block, right-aligned; empty optional fields leave no gap.
    pdf.SetFont(kFont, 11, 0, 0);
    double y = 16;
    for (QString* line : {&k.Name1, &k.Name2, &k.Strasse, &ort}) {
        if (line == &k.Name2 && line->isEmpty())
            continue;
        textRight(pdf, W, y, *line);
        y += 4.5;
    }
    pdf.SetFont(kFont, 8, 0, 0);
    for (auto [caption, value] : {std::pair{QStringLiteral("Tel: "), &k.Tel}, {QStringLiteral("Fax: "), &k.Fax},
                                  {QStringLiteral("E-Mail: "), &k.EMail}}) {
        if (value->isEmpty())
            continue;
        textRight(pdf, W, y, caption + *value);
        y += 3.5;
    }

    const QString ruecksende = k.Name1 + QStringLiteral(" * ") + k.Strasse + QStringLiteral(" * ") + k.Plz +
                               QStringLiteral(" * ") + k.Ort;
    pdf.SetFont(kFont, 10, kAccent, PdfWriter::Italic);
    const QString ruecksendeShown = elided(pdf, ruecksende, W - 40);
    pdf.TextOut(20, 48, ruecksendeShown);
    pdf.SetPen(kAccent, 1);
    pdf.Line(20, 52.5, 20 + pdf.TextWidth(ruecksendeShown), 52.5);

    pdf.SetFont(kFont, 12, 0, 0);
    pdf.TextOut(20, 59.5, QString::fromUtf8(links::kMakerName));
    pdf.TextOut(20, 64, QString::fromUtf8(links::kMakerStreet));
    pdf.TextOut(20, 68.5, QString::fromUtf8(links::kMakerPostcode) + QLatin1Char(' ') + QString::fromUtf8(links::kMakerTown));
    if (progress)
        progress(40);

    drawLogo(pdf, QRectF(QPointF(146, 100), QPointF(190, 110)), produktLogo);
    pdf.SetFont(kFont, 11, 0, PdfWriter::Bold);
    pdf.TextOut(20, 100, QStringLiteral("Bestellformular: Software Kontalo"));

    pdf.SetPen(0, 1);
    pdf.SetBrush(0xFFFFFF, PdfWriter::BrushStyle::Clear);
    pdf.SetFont(kFont, 12, 0, PdfWriter::Underline);
    pdf.TextOut(20, 115, QStringLiteral("Lieferadresse:"));
    pdf.Rectangle(20, 124, W - 20, 160);
    pdf.SetFont(kFont, 14, 0, 0);
    // Inside the box from x = 30 to its right edge; five lines fit above its bottom.
    const double boxText = W - 20 - 2 - 30;
    QStringList delivery{k.Name1};
    if (!k.Name2.isEmpty())
        delivery << k.Name2;
    delivery << k.Strasse << ort;
    y = 132;
    for (const QString& line : boxLines(pdf, delivery, boxText, 5)) {
        pdf.TextOut(30, y, line);
        y += 5.4;
    }

    pdf.SetFont(kFont, 12, 0, PdfWriter::Underline);
    pdf.TextOut(20, 164, QStringLiteral("Bemerkungen:"));
    pdf.Rectangle(20, 172, W - 20, 198);
    pdf.SetFont(kFont, 14, 0, 0);
    if (pdf.TextWidth(k.Bemerkung1) <= boxText && pdf.TextWidth(k.Bemerkung2) <= boxText) {
        pdf.TextOut(30, 176, k.Bemerkung1);
        pdf.TextOut(30, 186, k.Bemerkung2);
    } else {
        // Wrapped, the two remarks share four lines of the box.
        y = 176;
        for (const QString& line : boxLines(pdf, {k.Bemerkung1, k.Bemerkung2}, boxText, 4)) {
            pdf.TextOut(30, y, line);
            y += 5.4;
        }
    }
    if (progress)
        progress(60);

    struct OrderLine {
        double y;
        const char* text;
        double noteY;
        const char* note;
    };
    const OrderLine lines[] = {
        {206.4, "Wir bestellen eine CD-ROM Kontalo 2.0 standard zum Preis von 47,60 Euro*", 210.8,
         "(Das Upgrade zu Kontalo pro 2010 ist zum Differenzpreis möglich)"},
        {216.8, "Wir bestellen eine CD-ROM Kontalo pro 2010 zum Preis von 285,60 Euro*", 221.2,
         "(Das Upgrade zu Kontalo pro plus 2010 ist zum Differenzpreis möglich)"},
        {229, "Wir bestellen eine CD-ROM Kontalo pro plus 2010 zum Preis von 573,20 Euro*", 0, nullptr},
    };
    for (const OrderLine& l : lines) {
        pdf.Rectangle(20, l.y, 25, l.y + 5);
        pdf.SetFont(kFont, 12, 0, 0);
        pdf.TextOut(29, l.y, QString::fromUtf8(l.text));
        if (l.note) {
            pdf.SetFont(kFont, 9, 0, 0);
            pdf.TextOut(29, l.noteY, QString::fromUtf8(l.note));
        }
    }

    pdf.SetFont(kFont, 9, 0, 0);
    pdf.TextOut(20, 239.8, QStringLiteral("Für alle Bestellungen besteht ein 14-tägiges Rückgaberecht. Je Lieferung 2,- "
                                          "Euro* Versandkosten."));
    pdf.TextOut(20, 245.2, QStringLiteral("*Alle genannten Preise beinhalten bereits die gesetzliche Mehrwertsteuer."));

    pdf.SetFont(kFont, 15, 0, 0);
    pdf.TextOut(40, 263.6, QStringLiteral("Datum und Unterschrift: __________________________________"));

    pdf.Line(20, 281, 20 + W - 40, 281);
    pdf.SetFont(kFont, 10, 0, 0);
    pdf.TextOut(20, 284, kontalo_texts::BestellHinweis());
    drawLogo(pdf, QRectF(QPointF(165, 284), QPointF(189, 293)), herstellerLogo);
    pdf.SetFont(kFont, 8, 0, 0);
    pdf.TextOut(20, 289.1, QStringLiteral("Formular wurde mit Tandrel erstellt "));
}
