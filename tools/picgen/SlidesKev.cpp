// The four slides on the Swiss cost-covering feed-in remuneration (KEV).

#include "tools/picgen/SlideKit.h"

#include "data/Slides.h"

#include <QLinearGradient>
#include <cmath>
#include <vector>

namespace picgen {
namespace {

using namespace slide;
namespace names = tandrel::pictures::slides;

void flowLabel(QPainter& p, const QRectF& r, const QString& s, const QColor& c)
{
    p.setFont(sans(32, true));
    p.setPen(c);
    p.drawText(r, Qt::AlignCenter, s);
}

QImage kev()
{
    return make(QStringLiteral("KEV in der Schweiz"), QStringLiteral("Kostendeckende Einspeisevergütung für Solarstrom"),
                [](QPainter& p) {
        bullets(p, QRectF(kBody.left(), 320, 1080, 780),
                {QStringLiteral("Seit 1. Januar 2009 (Energiegesetz und Energieverordnung)"),
                 QStringLiteral("Die Vergütung deckt die Gestehungskosten einer Referenzanlage"),
                 QStringLiteral("Vergütungsdauer für Photovoltaik: 25 Jahre"),
                 QStringLiteral("Satz nach Anlagenkategorie (freistehend, angebaut, integriert) und Leistung"),
                 QStringLiteral("Finanziert über einen Zuschlag auf die Übertragungskosten des Hochspannungsnetzes"),
                 QStringLiteral("Anmeldung bei der nationalen Netzgesellschaft; die Mittel sind begrenzt, es gibt eine Warteliste")},
                40);
        const QRectF customers(1290, 320, 560, 150), fund(1290, 600, 560, 150), op(1290, 880, 560, 150);
        tile(p, customers, QStringLiteral("Stromkunden"), QString(), pal::grey);
        tile(p, fund, QStringLiteral("Netzgesellschaft (KEV-Fonds)"), QString(), pal::navy);
        tile(p, op, QStringLiteral("Anlagenbetreiber"), QString(), pal::blue);
        arrow(p, QPointF(1570, customers.bottom() + 12), QPointF(1570, fund.top() - 12), pal::grey, 16);
        flowLabel(p, QRectF(1590, customers.bottom() + 20, 330, 120), QStringLiteral("Netzzuschlag"), pal::grey);
        arrow(p, QPointF(1570, fund.bottom() + 12), QPointF(1570, op.top() - 12), pal::green, 16);
        flowLabel(p, QRectF(1590, fund.bottom() + 20, 330, 120), QStringLiteral("KEV"), pal::green);
        const QRectF band = banner(p, QRectF(kBody.left(), 1110, kBody.width(), 130), mix(pal::sunLight, Qt::white, 0.55), pal::sun);
        text(p, band, QStringLiteral("Der Vergütungssatz gilt ab Inbetriebnahme unverändert 25 Jahre lang."),
             44, true, pal::navy, Qt::AlignLeft | Qt::AlignVCenter);
    });
}

QImage kevTabelle()
{
    return make(QStringLiteral("KEV-Vergütungssätze Photovoltaik"),
                QStringLiteral("Rappen pro kWh bei Inbetriebnahme 2009 (Energieverordnung, Anhang 1.2)"), [](QPainter& p) {
        Table t;
        t.header = {QStringLiteral("Leistungsklasse"), QStringLiteral("freistehend"), QStringLiteral("angebaut"),
                    QStringLiteral("integriert")};
        t.rows = {{QStringLiteral("bis 10 kW"), de(65, 1), de(75, 1), de(90, 1)},
                  {QStringLiteral("bis 30 kW"), de(54, 1), de(65, 1), de(74, 1)},
                  {QStringLiteral("bis 100 kW"), de(51, 1), de(62, 1), de(67, 1)},
                  {QStringLiteral("über 100 kW"), de(49, 1), de(60, 1), de(62, 1)}};
        t.widths = {0.31, 0.23, 0.23, 0.23};
        t.align = {Qt::AlignLeft, Qt::AlignRight, Qt::AlignRight, Qt::AlignRight};
        t.rowHeight = 100;
        const double h = table(p, QRectF(kBody.left(), 320, kBody.width(), 0), t);
        const double top = 320 + h + 50, bottom = kBody.bottom() - 60;
        const double w = (kBody.width() - 50) / 2;
        const QRectF a = card(p, QRectF(kBody.left(), top, w, bottom - top), QStringLiteral("Anteilige Berechnung"), pal::blue);
        text(p, a, QStringLiteral("Angebaute Anlage mit 20 kW:\n(10 kW × 75 Rp. + 10 kW × 65 Rp.) / 20 kW\n= 70 Rp./kWh"), 38);
        const QRectF b = card(p, QRectF(kBody.left() + w + 50, top, w, bottom - top), QStringLiteral("Spätere Jahre"), pal::orange);
        text(p, b, QStringLiteral("Der Bundesrat senkt die Sätze für neue Anlagen regelmässig. Massgebend ist der Satz im Jahr der Inbetriebnahme."), 38);
        note(p, QStringLiteral("Der Satz gilt unverändert während der ganzen Vergütungsdauer von 25 Jahren."));
    });
}

// The period of the KEV as the sibling finance software shows it: the
// cumulated cash flow of an example system over 30 years.
QImage kevLaufzeit()
{
    return make(QStringLiteral("KEV-Laufzeit in Kontalo"), QStringLiteral("Wirtschaftlichkeit über die Vergütungsdauer von 25 Jahren"),
                [](QPainter& p) {
        const QRectF win(kBody.left(), 310, kBody.width(), 920);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(20, 40, 70, 40));
        p.drawRoundedRect(win.translated(8, 10), 16, 16);
        p.setBrush(QColor(0xec, 0xef, 0xf3));
        p.setPen(QPen(QColor(0x9a, 0xa5, 0xb1), 2));
        p.drawRoundedRect(win, 16, 16);
        QLinearGradient bar(0, win.top(), 0, win.top() + 70);
        bar.setColorAt(0, QColor(0x3a, 0x6f, 0xa8));
        bar.setColorAt(1, QColor(0x24, 0x4f, 0x85));
        p.setPen(Qt::NoPen);
        p.setBrush(bar);
        p.drawRoundedRect(QRectF(win.left(), win.top(), win.width(), 70), 16, 16);
        p.drawRect(QRectF(win.left(), win.top() + 40, win.width(), 30));
        p.setPen(Qt::white);
        p.setFont(sans(34, true));
        p.drawText(QRectF(win.left() + 30, win.top(), 1200, 70), Qt::AlignLeft | Qt::AlignVCenter,
                   QStringLiteral("Kontalo – Wirtschaftlichkeit Photovoltaik"));
        for (int k = 0; k < 3; ++k) {
            p.setBrush(k == 2 ? QColor(0xd9, 0x53, 0x4f) : QColor(0xdd, 0xe4, 0xec));
            p.setPen(Qt::NoPen);
            p.drawRoundedRect(QRectF(win.right() - 190 + k * 58, win.top() + 18, 44, 34), 6, 6);
        }

        // Input fields.
        const double kWp = 10, specific = 1000, rate = 0.50, invest = 42000, costs = 420, market = 0.10, ageing = 0.005;
        const QStringList labels = {QStringLiteral("Anlagenleistung"), QStringLiteral("Spez. Ertrag"), QStringLiteral("KEV-Satz"),
                                    QStringLiteral("KEV-Laufzeit"), QStringLiteral("Investition"), QStringLiteral("Betriebskosten")};
        const QStringList values = {de(kWp, 1) + QStringLiteral(" kWp"), de(specific, 0) + QStringLiteral(" kWh/kWp"),
                                    de(rate * 100, 1) + QStringLiteral(" Rp./kWh"), QStringLiteral("25 Jahre"),
                                    de(invest, 0) + QStringLiteral(" CHF"), de(costs, 0) + QStringLiteral(" CHF/Jahr")};
        double y = win.top() + 110;
        for (int k = 0; k < labels.size(); ++k) {
            p.setPen(pal::navy);
            p.setFont(sans(30));
            p.drawText(QRectF(win.left() + 30, y, 430, 40), Qt::AlignLeft | Qt::AlignVCenter, labels[k]);
            p.setPen(QPen(QColor(0x9a, 0xa5, 0xb1), 2));
            p.setBrush(Qt::white);
            p.drawRect(QRectF(win.left() + 30, y + 44, 430, 58));
            p.setPen(QColor(0x22, 0x2b, 0x36));
            p.setFont(sans(34, true));
            p.drawText(QRectF(win.left() + 46, y + 44, 400, 58), Qt::AlignLeft | Qt::AlignVCenter, values[k]);
            y += 128;
        }

        // Cumulated cash flow per year.
        std::vector<double> cum;
        double sum = -invest;
        int payback = 0;
        for (int year = 1; year <= 30; ++year) {
            const double energy = kWp * specific * std::pow(1 - ageing, year - 1);
            sum += energy * (year <= 25 ? rate : market) - costs;
            if (payback == 0 && sum >= 0)
                payback = year;
            cum.push_back(sum);
        }
        const QRectF chart(win.left() + 580, win.top() + 130, win.width() - 640, win.height() - 250);
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawRect(chart.adjusted(-20, -30, 20, 70));
        double lo = -invest, hi = 0;
        for (double v : cum)
            hi = std::max(hi, v);
        hi = std::ceil(hi / 20000) * 20000;
        lo = std::floor(lo / 20000) * 20000;
        auto Y = [&](double v) { return chart.top() + (hi - v) / (hi - lo) * chart.height(); };
        const double x0 = chart.left() + 110, bw = (chart.width() - 110) / 30;
        // The KEV period shaded.
        p.setBrush(mix(pal::skyLight, Qt::white, 0.4));
        p.drawRect(QRectF(x0, chart.top(), 25 * bw, chart.height()));
        p.setFont(sans(26));
        for (double v = lo; v <= hi + 1; v += 20000) {
            p.setPen(QPen(v == 0 ? pal::grey : pal::greyLight, v == 0 ? 3 : 2));
            p.drawLine(QPointF(chart.left() + 110, Y(v)), QPointF(chart.right(), Y(v)));
            p.setPen(pal::grey);
            p.drawText(QRectF(chart.left() - 30, Y(v) - 20, 130, 40), Qt::AlignRight | Qt::AlignVCenter, de(v / 1000, 0));
        }
        for (int k = 0; k < 30; ++k) {
            const double v = cum[k];
            p.setPen(Qt::NoPen);
            p.setBrush(v < 0 ? pal::red : (k < 25 ? pal::green : pal::grey));
            p.drawRect(QRectF(x0 + k * bw + bw * 0.15, std::min(Y(v), Y(0)), bw * 0.7, std::fabs(Y(v) - Y(0))));
            if ((k + 1) % 5 == 0 || k == 0) {
                p.setPen(pal::grey);
                p.drawText(QRectF(x0 + k * bw - 20, chart.bottom() + 10, bw + 40, 36), Qt::AlignCenter, QString::number(k + 1));
            }
        }
        const double end = x0 + 25 * bw;
        p.setPen(QPen(pal::navy, 4, Qt::DashLine));
        p.drawLine(QPointF(end, chart.top() - 10), QPointF(end, chart.bottom()));
        p.setPen(pal::navy);
        p.setFont(sans(30, true));
        p.drawText(QRectF(end - 420, chart.top() - 24, 400, 44), Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("Ende der KEV"));
        p.drawText(QRectF(x0 + 10, chart.top() - 24, 600, 44), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Kumulierter Ertrag in Tsd. CHF"));
        p.setFont(sans(26));
        p.drawText(QRectF(x0, chart.bottom() + 40, chart.width() - 110, 36), Qt::AlignCenter, QStringLiteral("Betriebsjahr"));
        const QPointF pb(x0 + (payback - 0.5) * bw, Y(0));
        p.setPen(QPen(pal::orange, 4));
        p.setBrush(Qt::white);
        p.drawEllipse(pb, 16, 16);
        p.setPen(pal::orange);
        p.setFont(sans(32, true));
        p.drawText(QRectF(pb.x() - 560, pb.y() - 74, 540, 44), Qt::AlignRight | Qt::AlignVCenter,
                   QStringLiteral("Amortisation im %1. Jahr").arg(payback));
        note(p, QStringLiteral("Beispielrechnung; nach der KEV-Laufzeit wird der Strom zum Marktpreis (hier 10 Rp./kWh) abgesetzt."));
    });
}

} // namespace

void drawKevSlides(const Sink& sink)
{
    sink(QString::fromLatin1(names::kKev), kev());
    sink(QString::fromLatin1(names::kKevTabelle), kevTabelle());
    sink(QString::fromLatin1(names::kKevLaufzeit), kevLaufzeit());
    sink(QString::fromLatin1(names::kGlobalstrahlungSchweiz), switzerlandIrradiationSlide());
}

} // namespace picgen
