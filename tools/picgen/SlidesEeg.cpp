// The six slides on the feed-in law, its 2011 rates and the self-consumption rule.

#include "tools/picgen/SlideKit.h"

#include "data/Slides.h"

#include <QPainterPath>
#include <cmath>

namespace picgen {
namespace {

using namespace slide;
namespace names = tandrel::pictures::slides;

// Feed-in tariffs 2011 for roof systems in ct/kWh, and the two deductions of
// the self-consumption rule (share up to 30 % / above 30 %).
constexpr double kTariff30 = 28.74, kTariff100 = 27.33, kTariff1000 = 25.86, kTariffAbove = 21.56;
constexpr double kDeductionUpTo30 = 16.38, kDeductionAbove30 = 12.00;
// Net electricity price assumed in the examples, ct/kWh.
constexpr double kPrice = 20.00;

QString ct(double v) { return de(v, 2); }

// Euro for an energy at a rate in ct/kWh, rounded to the cent (in whole
// hundredths of a cent, so halves round the way a bill does).
double euros(double kWh, double rate)
{
    return std::round(kWh * double(std::lround(rate * 100)) / 100.0) / 100.0;
}

void arrowLabel(QPainter& p, const QPointF& at, const QString& s, const QColor& c)
{
    p.setFont(sans(34, true));
    p.setPen(c);
    p.drawText(QRectF(at.x() - 300, at.y() - 26, 600, 52), Qt::AlignCenter, s);
}

QImage eeg()
{
    return make(QStringLiteral("Das Erneuerbare-Energien-Gesetz (EEG)"),
                QStringLiteral("Sichere Vergütung für Solarstrom – seit dem Jahr 2000"), [](QPainter& p) {
        bullets(p, QRectF(kBody.left(), 320, 960, 900),
                {QStringLiteral("Der Netzbetreiber muss Solarstrom vorrangig abnehmen"),
                 QStringLiteral("Feste Vergütung für 20 Jahre zuzüglich des Jahres der Inbetriebnahme"),
                 QStringLiteral("Der Vergütungssatz bleibt über die gesamte Laufzeit gleich"),
                 QStringLiteral("Für neue Anlagen sinken die Sätze regelmäßig (Degression)"),
                 QStringLiteral("Finanziert über die EEG-Umlage aller Stromkunden (2011: 3,530 ct/kWh)")});
        const QRectF op(1240, 330, 560, 180), grid(1240, 760, 560, 180), customers(1240, 1090, 560, 150);
        tile(p, op, QStringLiteral("Anlagenbetreiber"), QStringLiteral("Ihre Solaranlage"), pal::blue);
        tile(p, grid, QStringLiteral("Netzbetreiber"), QStringLiteral("nimmt den Strom ab"), pal::navy);
        tile(p, customers, QStringLiteral("Stromkunden"), QString(), pal::grey);
        arrow(p, QPointF(1400, op.bottom() + 14), QPointF(1400, grid.top() - 14), pal::sun, 18);
        arrow(p, QPointF(1640, grid.top() - 14), QPointF(1640, op.bottom() + 14), pal::green, 18);
        arrowLabel(p, QPointF(1200, 635), QStringLiteral("Solarstrom"), mix(pal::sun, pal::navy, 0.35));
        arrowLabel(p, QPointF(1840, 635), QStringLiteral("Vergütung"), pal::green);
        arrow(p, QPointF(1520, customers.top() - 14), QPointF(1520, grid.bottom() + 14), pal::grey, 14);
        arrowLabel(p, QPointF(1780, 1015), QStringLiteral("EEG-Umlage"), pal::grey);
    });
}

QImage eegEigenverbrauch()
{
    return make(QStringLiteral("Eigenverbrauch nach dem EEG"),
                QStringLiteral("§ 33 Abs. 2 EEG – selbst genutzter Solarstrom wird vergütet"), [](QPainter& p) {
        bullets(p, QRectF(kBody.left(), 320, 900, 900),
                {QStringLiteral("Gilt für Anlagen auf Gebäuden bis 500 kWp"),
                 QStringLiteral("Strom, der in unmittelbarer Nähe selbst verbraucht wird, erhält eine eigene Vergütung"),
                 QStringLiteral("Vergütung = Einspeisetarif minus 16,38 ct/kWh (Anteil bis 30 %) bzw. minus 12,00 ct/kWh (Anteil über 30 %)"),
                 QStringLiteral("Zusätzlich sparen Sie den Strom, den Sie nicht einkaufen müssen"),
                 QStringLiteral("Nachweis über einen eigenen Erzeugungszähler")},
                40);
        // What one kWh is worth (system up to 30 kWp, 2011).
        const QRectF chart(1090, 330, 820, 880);
        p.setPen(pal::navy);
        p.setFont(sans(38, true));
        p.drawText(QRectF(chart.left(), chart.top(), chart.width(), 56), Qt::AlignLeft | Qt::AlignVCenter,
                   QStringLiteral("Wert einer kWh in ct (bis 30 kWp, 2011)"));
        const double base = chart.bottom() - 110, scale = 14.5, bw = 190;
        struct Bar { const char* label; double bonus; double saved; };
        const Bar bars[] = {{"Einspeisung", kTariff30, 0},
                            {"Eigenverbrauch\nbis 30 %", kTariff30 - kDeductionUpTo30, kPrice},
                            {"Eigenverbrauch\nüber 30 %", kTariff30 - kDeductionAbove30, kPrice}};
        p.setPen(QPen(pal::greyLight, 3));
        p.drawLine(QPointF(chart.left(), base), QPointF(chart.right(), base));
        for (int k = 0; k < 3; ++k) {
            const double x = chart.left() + 40 + k * 270;
            const double h1 = bars[k].bonus * scale, h2 = bars[k].saved * scale;
            p.setPen(Qt::NoPen);
            p.setBrush(pal::blue);
            p.drawRect(QRectF(x, base - h1, bw, h1));
            p.setPen(Qt::white);
            p.setFont(sans(38, true));
            p.drawText(QRectF(x, base - h1, bw, h1), Qt::AlignCenter, ct(bars[k].bonus));
            if (h2 > 0) {
                p.setPen(Qt::NoPen);
                p.setBrush(pal::sun);
                p.drawRect(QRectF(x, base - h1 - h2, bw, h2));
                p.setPen(pal::navy);
                p.drawText(QRectF(x, base - h1 - h2, bw, h2), Qt::AlignCenter, ct(bars[k].saved));
            }
            p.setPen(pal::navy);
            p.setFont(sans(44, true));
            p.drawText(QRectF(x - 40, base - h1 - h2 - 70, bw + 80, 60), Qt::AlignCenter, ct(bars[k].bonus + bars[k].saved));
            text(p, QRectF(x - 45, base + 12, bw + 90, 100), QString::fromUtf8(bars[k].label), 30, false, pal::navy,
                 Qt::AlignHCenter | Qt::AlignTop);
        }
        p.setPen(Qt::NoPen);
        p.setBrush(pal::blue);
        p.drawRect(QRectF(chart.left() + 40, chart.top() + 80, 40, 40));
        p.setBrush(pal::sun);
        p.drawRect(QRectF(chart.left() + 420, chart.top() + 80, 40, 40));
        p.setPen(pal::navy);
        p.setFont(sans(32));
        p.drawText(QRectF(chart.left() + 95, chart.top() + 70, 320, 60), Qt::AlignLeft | Qt::AlignVCenter,
                   QStringLiteral("EEG-Vergütung"));
        p.drawText(QRectF(chart.left() + 475, chart.top() + 70, 360, 60), Qt::AlignLeft | Qt::AlignVCenter,
                   QStringLiteral("gesparter Strompreis"));
        note(p, QStringLiteral("Beispielhaft angenommener Strompreis: 20 ct/kWh netto. Beträge netto."));
    });
}

// A meter symbol with its caption.
void meter(QPainter& p, const QPointF& c, const QString& title, const QString& sub)
{
    const QRectF r(c.x() - 110, c.y() - 90, 220, 180);
    p.setPen(QPen(pal::navy, 5));
    p.setBrush(Qt::white);
    p.drawRoundedRect(r, 18, 18);
    p.setBrush(pal::navy);
    p.drawRect(QRectF(r.left() + 30, r.top() + 34, r.width() - 60, 50));
    p.setPen(Qt::white);
    p.setFont(sans(34, true));
    p.drawText(QRectF(r.left() + 30, r.top() + 34, r.width() - 60, 50), Qt::AlignCenter, QStringLiteral("kWh"));
    p.setPen(pal::navy);
    p.setFont(sans(30, true));
    p.drawText(QRectF(r.left(), r.top() + 100, r.width(), 60), Qt::AlignCenter, title);
    text(p, QRectF(c.x() - 200, r.bottom() + 8, 400, 100), sub, 30, false, pal::grey, Qt::AlignHCenter | Qt::AlignTop);
}

QImage eigenverbrauchSchema()
{
    return make(QStringLiteral("Schema Eigenverbrauch"), QStringLiteral("So wird Ihr Solarstrom gemessen"), [](QPainter& p) {
        houseWithPlant(p, QRectF(kBody.left(), 310, 540, 500), false);
        const double y = 1010;
        const QRectF inverter(kBody.left() + 110, y - 90, 300, 180);
        tile(p, inverter, QStringLiteral("Wechselrichter"), QStringLiteral("Gleich- → Wechselstrom"), pal::navy);
        arrow(p, QPointF(inverter.center().x(), 815), QPointF(inverter.center().x(), inverter.top() - 10), pal::sun, 14);
        const QPointF m1(700, y), home(1080, y), m2(1440, y);
        meter(p, m1, QStringLiteral("Zähler 1"), QStringLiteral("Erzeugung"));
        arrow(p, QPointF(inverter.right() + 10, y), QPointF(m1.x() - 120, y), pal::sun, 14);
        const QRectF dist(home.x() - 150, y - 90, 300, 180);
        tile(p, dist, QStringLiteral("Hausnetz"), QStringLiteral("Verteilung"), pal::green);
        arrow(p, QPointF(m1.x() + 120, y), QPointF(dist.left() - 10, y), pal::sun, 14);
        meter(p, m2, QStringLiteral("Zähler 2"), QStringLiteral("Bezug und Einspeisung"));
        arrow(p, QPointF(dist.right() + 10, y - 30), QPointF(m2.x() - 120, y - 30), pal::sun, 12);
        arrow(p, QPointF(m2.x() - 120, y + 30), QPointF(dist.right() + 10, y + 30), pal::grey, 12);
        const QRectF grid(1690, y - 90, 220, 180);
        tile(p, grid, QStringLiteral("Netz"), QString(), pal::grey);
        arrow(p, QPointF(m2.x() + 120, y - 30), QPointF(grid.left() - 10, y - 30), pal::sun, 12);
        arrow(p, QPointF(grid.left() - 10, y + 30), QPointF(m2.x() + 120, y + 30), pal::grey, 12);
        // Consumers above the house network.
        const QRectF consumers(home.x() - 290, 340, 580, 330);
        const QRectF in = card(p, consumers, QStringLiteral("Verbraucher im Haus"), pal::green);
        bullets(p, in, {QStringLiteral("Kühlschrank, Licht"), QStringLiteral("Waschmaschine, Geräte")}, 40, pal::green);
        arrow(p, QPointF(home.x(), dist.top() - 10), QPointF(home.x(), consumers.bottom() + 14), pal::sun, 14);
        const QRectF formula(1420, 340, 490, 400);
        const QRectF fin = card(p, formula, QStringLiteral("Eigenverbrauch"), pal::orange);
        text(p, fin, QStringLiteral("Erzeugung (Zähler 1)\n− Einspeisung (Zähler 2)\n= Eigenverbrauch"), 36, true);
        note(p, QStringLiteral("Gelbe Pfeile: Solarstrom · graue Pfeile: Strombezug aus dem Netz"));
    });
}

QImage eigenverbrauchsregelung()
{
    return make(QStringLiteral("Eigenverbrauchsregelung 2011"),
                QStringLiteral("Vergütung in ct/kWh für Anlagen an oder auf Gebäuden, Inbetriebnahme 2011"), [](QPainter& p) {
        Table t;
        t.header = {QStringLiteral("Anlagengröße"), QStringLiteral("Einspeisung"), QStringLiteral("Eigenverbrauch bis 30 %"),
                    QStringLiteral("Eigenverbrauch über 30 %")};
        auto row = [](const char* size, double tariff, bool own) {
            return QStringList{QString::fromUtf8(size), ct(tariff), own ? ct(tariff - kDeductionUpTo30) : QStringLiteral("–"),
                               own ? ct(tariff - kDeductionAbove30) : QStringLiteral("–")};
        };
        t.rows = {row("bis 30 kWp", kTariff30, true), row("30 bis 100 kWp", kTariff100, true),
                  row("100 bis 500 kWp", kTariff1000, true), row("500 bis 1.000 kWp", kTariff1000, false),
                  row("über 1.000 kWp", kTariffAbove, false)};
        t.widths = {0.25, 0.19, 0.28, 0.28};
        t.align = {Qt::AlignLeft, Qt::AlignRight, Qt::AlignRight, Qt::AlignRight};
        t.highlight = 0;
        t.rowHeight = 86;
        const double h = table(p, QRectF(kBody.left(), 310, kBody.width(), 0), t);
        const double top = 310 + h + 36;
        const QRectF in = card(p, QRectF(kBody.left(), top, kBody.width(), kBody.bottom() - 56 - top), QStringLiteral("So wird gerechnet"), pal::blue);
        bullets(p, in, {QStringLiteral("Eigenverbrauchsvergütung = Einspeisetarif − 16,38 ct (Anteil bis 30 % des erzeugten Stroms) bzw. − 12,00 ct (Anteil darüber)"),
                        QStringLiteral("Größere Anlagen werden anteilig nach Leistungsklassen vergütet")},
                38);
        note(p, QStringLiteral("Vergütung für 20 Jahre zuzüglich des Jahres der Inbetriebnahme; Beträge netto."));
    });
}

QImage einspeiseverguetung2011()
{
    return make(QStringLiteral("Einspeisevergütung 2011"), QStringLiteral("Vergütungssätze des EEG in ct/kWh, Inbetriebnahme 2011"),
                [](QPainter& p) {
        Table t;
        t.header = {QStringLiteral("Anlage"), QStringLiteral("ct/kWh")};
        t.rows = {{QStringLiteral("Dach bis 30 kWp"), ct(kTariff30)},
                  {QStringLiteral("Dach 30 bis 100 kWp"), ct(kTariff100)},
                  {QStringLiteral("Dach 100 bis 1.000 kWp"), ct(kTariff1000)},
                  {QStringLiteral("Dach über 1.000 kWp"), ct(kTariffAbove)},
                  {QStringLiteral("Freifläche, Konversionsfläche"), ct(22.07)},
                  {QStringLiteral("Freifläche, sonstige Fläche"), ct(21.11)}};
        t.widths = {0.7, 0.3};
        t.align = {Qt::AlignLeft, Qt::AlignRight};
        t.highlight = 0;
        t.rowHeight = 100;
        const double h = table(p, QRectF(kBody.left(), 320, 930, 0), t);
        const QRectF hint(kBody.left(), 320 + h + 50, 930, 170);
        p.setPen(Qt::NoPen);
        p.setBrush(mix(pal::skyLight, Qt::white, 0.35));
        p.drawRoundedRect(hint, 20, 20);
        text(p, hint.adjusted(36, 0, -30, 0), QStringLiteral("Anlagen auf Ackerflächen erhalten seit 1. Juli 2010 keine Vergütung mehr."),
             38, false, pal::navy, Qt::AlignLeft | Qt::AlignVCenter);

        // How the rate for small roof systems came down.
        const QRectF chart(1130, 320, 780, 900);
        p.setPen(pal::navy);
        p.setFont(sans(38, true));
        p.drawText(QRectF(chart.left(), chart.top(), chart.width(), 56), Qt::AlignLeft | Qt::AlignVCenter,
                   QStringLiteral("Dachanlage bis 30 kWp"));
        const struct { const char* when; double rate; } steps[] = {
            {"2009", 43.01}, {"1.1.2010", 39.14}, {"1.7.2010", 34.05}, {"1.10.2010", 33.03}, {"2011", kTariff30}};
        const double base = chart.bottom() - 90, scale = 15.5, bw = 118, gap = 38;
        p.setPen(QPen(pal::greyLight, 3));
        p.drawLine(QPointF(chart.left(), base), QPointF(chart.right(), base));
        for (int k = 0; k < 5; ++k) {
            const double x = chart.left() + 20 + k * (bw + gap), h = steps[k].rate * scale;
            p.setPen(Qt::NoPen);
            p.setBrush(k == 4 ? pal::sun : mix(pal::blue, Qt::white, 0.25 * (4 - k) / 4));
            p.drawRect(QRectF(x, base - h, bw, h));
            p.setPen(pal::navy);
            p.setFont(sans(36, true));
            p.drawText(QRectF(x - 30, base - h - 56, bw + 60, 50), Qt::AlignCenter, ct(steps[k].rate));
            p.setFont(sans(28));
            p.drawText(QRectF(x - 30, base + 10, bw + 60, 44), Qt::AlignCenter, QString::fromUtf8(steps[k].when));
        }
        note(p, QStringLiteral("Die Sätze gelten für 20 Jahre zuzüglich des Jahres der Inbetriebnahme."));
    });
}

QImage eigenverbrauchAbrechnung()
{
    return make(QStringLiteral("Abrechnung des Eigenverbrauchs"), QStringLiteral("Rechenbeispiel: 5 kWp, Inbetriebnahme 2011, 30 % Eigenverbrauch"),
                [](QPainter& p) {
        const double power = 5, yieldPerKWp = 950, share = 0.30;
        const double energy = power * yieldPerKWp, own = energy * share, fed = energy - own;
        const double eFed = euros(fed, kTariff30), eBonus = euros(own, kTariff30 - kDeductionUpTo30),
                     eSaved = euros(own, kPrice), total = eFed + eBonus + eSaved, full = euros(energy, kTariff30);
        const QRectF in(kBody.left(), 320, 560, 560);
        Table m;
        m.header = {QStringLiteral("Messung im Jahr"), QStringLiteral("kWh")};
        m.rows = {{QStringLiteral("Erzeugung"), de(energy, 0)}, {QStringLiteral("Einspeisung"), de(fed, 0)},
                  {QStringLiteral("Eigenverbrauch"), de(own, 0)}};
        m.widths = {0.68, 0.32};
        m.align = {Qt::AlignLeft, Qt::AlignRight};
        m.highlight = 2;
        m.px = 38;
        m.rowHeight = 92;
        table(p, QRectF(in.left(), in.top(), in.width(), 0), m);
        text(p, QRectF(in.left(), in.top() + 420, in.width(), 120),
             QStringLiteral("Eigenverbrauch = Erzeugung (Zähler 1) − Einspeisung (Zähler 2)"), 32, false, pal::grey);

        Table t;
        t.header = {QStringLiteral("Position"), QStringLiteral("Menge"), QStringLiteral("Satz"), QStringLiteral("Betrag")};
        t.rows = {{QStringLiteral("Vergütung Einspeisung"), de(fed, 0) + QStringLiteral(" kWh"), ct(kTariff30) + QStringLiteral(" ct"),
                   de(eFed, 2) + QStringLiteral(" €")},
                  {QStringLiteral("Vergütung Eigenverbrauch"), de(own, 0) + QStringLiteral(" kWh"),
                   ct(kTariff30 - kDeductionUpTo30) + QStringLiteral(" ct"), de(eBonus, 2) + QStringLiteral(" €")},
                  {QStringLiteral("Gesparter Strombezug"), de(own, 0) + QStringLiteral(" kWh"), ct(kPrice) + QStringLiteral(" ct"),
                   de(eSaved, 2) + QStringLiteral(" €")},
                  {QStringLiteral("Ertrag pro Jahr"), QString(), QString(), de(total, 2) + QStringLiteral(" €")}};
        t.widths = {0.44, 0.2, 0.16, 0.2};
        t.align = {Qt::AlignLeft, Qt::AlignRight, Qt::AlignRight, Qt::AlignRight};
        t.highlight = 3;
        t.px = 36;
        t.rowHeight = 92;
        table(p, QRectF(kBody.left() + 610, 320, kBody.width() - 610, 0), t);

        const QRectF result = banner(p, QRectF(kBody.left(), 950, kBody.width(), 250), mix(pal::green, Qt::white, 0.85), pal::green);
        text(p, QRectF(result.left(), result.top() + 30, result.width(), 60),
             QStringLiteral("Zum Vergleich: volle Einspeisung %1 kWh × %2 ct = %3 €").arg(de(energy, 0), ct(kTariff30), de(full, 2)),
             40, false, pal::navy);
        text(p, QRectF(result.left(), result.top() + 120, result.width(), 80),
             QStringLiteral("Vorteil durch Eigenverbrauch: %1 € pro Jahr").arg(de(total - full, 2)), 56, true, pal::green);
        note(p, QStringLiteral("Annahmen: 950 kWh je kWp, Strompreis 20 ct/kWh netto; alle Beträge netto."));
    });
}

} // namespace

void drawEegSlides(const Sink& sink)
{
    sink(QString::fromLatin1(names::kEeg), eeg());
    sink(QString::fromLatin1(names::kEegEigenverbrauch), eegEigenverbrauch());
    sink(QString::fromLatin1(names::kEigenverbrauchSchema), eigenverbrauchSchema());
    sink(QString::fromLatin1(names::kEigenverbrauchsregelung), eigenverbrauchsregelung());
    sink(QString::fromLatin1(names::kEinspeiseverguetung2011), einspeiseverguetung2011());
    sink(QString::fromLatin1(names::kEigenverbrauchAbrechnung), eigenverbrauchAbrechnung());
}

} // namespace picgen
