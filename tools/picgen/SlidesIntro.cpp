// The six introductory slides on solar technology.

#include "tools/picgen/SlideKit.h"

#include "data/Slides.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <cmath>

namespace picgen {
namespace {

using namespace slide;
namespace names = tandrel::pictures::slides;

QImage solartechnik()
{
    return make(QStringLiteral("Solartechnik"), QStringLiteral("Energie von der Sonne – sauber, unerschöpflich, vor Ort erzeugt"),
                [](QPainter& p) {
        houseWithPlant(p, QRectF(110, 300, 820, 760), true);
        const double x = 1000, w = 910;
        const struct { const char* title; const char* text; QColor colour; } items[] = {
            {"Photovoltaik", "Solarmodule wandeln Sonnenlicht direkt in elektrischen Strom um.", pal::blue},
            {"Solarthermie", "Kollektoren erwärmen Wasser für Dusche, Bad und Heizung.", pal::orange},
            {"Passive Nutzung", "Große Fenster und gute Dämmung nutzen die Sonnenwärme im Gebäude.", pal::green},
        };
        double y = 300;
        for (const auto& item : items) {
            const QRectF in = card(p, QRectF(x, y, w, 240), QString::fromUtf8(item.title), item.colour);
            text(p, in, QString::fromUtf8(item.text), 40);
            y += 272;
        }
        const QRectF band = banner(p, QRectF(110, 1115, W - 220, 150), mix(pal::sunLight, Qt::white, 0.55), pal::sun);
        text(p, band,
             QStringLiteral("Die Sonne liefert in Deutschland jedes Jahr rund 1.000 kWh Energie pro Quadratmeter – "
                            "so viel wie in etwa 100 Litern Heizöl steckt."),
             42, true, pal::navy, Qt::AlignLeft | Qt::AlignVCenter);
    });
}

QImage solarenergienutzung()
{
    return make(QStringLiteral("Solarenergienutzung"), QStringLiteral("Drei Wege, die Sonne im Haus zu nutzen"), [](QPainter& p) {
        const QPointF sun(330, 700);
        sunDisc(p, sun, 150, 16, 70, 2.4);
        p.setPen(pal::navy);
        p.setFont(sans(48, true));
        p.drawText(QRectF(sun.x() - 250, sun.y() + 250, 500, 70), Qt::AlignCenter, QStringLiteral("Sonnenstrahlung"));
        const struct { const char* title; const char* use; const char* how; QColor colour; } rows[] = {
            {"Photovoltaik", "Strom", "Module und Wechselrichter versorgen Haushalt und Netz", pal::blue},
            {"Solarthermie", "Wärme", "Kollektoren und Speicher liefern Warmwasser und Heizungsunterstützung", pal::orange},
            {"Passive Solarnutzung", "Raumwärme", "Südfenster und Wintergärten fangen die Wärme ein", pal::green},
        };
        double y = 320;
        for (const auto& r : rows) {
            const QRectF box(830, y, 1080, 250);
            arrow(p, sun + QPointF(250, (y + 125 - sun.y()) * 0.25), QPointF(box.left() - 20, y + 125), r.colour, 16);
            const QRectF in = card(p, box, QString::fromUtf8(r.title) + QStringLiteral("  →  ") + QString::fromUtf8(r.use), r.colour);
            text(p, in, QString::fromUtf8(r.how), 40);
            y += 300;
        }
        note(p, QStringLiteral("In rund einer Stunde strahlt die Sonne so viel Energie auf die Erde, wie die Menschheit in einem Jahr verbraucht."));
    });
}

QImage photovoltaik()
{
    return make(QStringLiteral("Photovoltaik"), QStringLiteral("So funktioniert eine Solarzelle"), [](QPainter& p) {
        // Cross-section of a crystalline silicon cell.
        const QRectF cell(130, 640, 860, 520);
        const double nH = 130;
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x5c, 0x8f, 0xd6));
        p.drawRect(QRectF(cell.left(), cell.top(), cell.width(), nH));
        p.setBrush(QColor(0x27, 0x4c, 0x8a));
        p.drawRect(QRectF(cell.left(), cell.top() + nH, cell.width(), cell.height() - nH - 40));
        p.setBrush(QColor(0x9a, 0xa3, 0xad));
        p.drawRect(QRectF(cell.left(), cell.bottom() - 40, cell.width(), 40));
        p.setPen(QPen(pal::sunLight, 5, Qt::DashLine));
        p.drawLine(QPointF(cell.left(), cell.top() + nH), QPointF(cell.right(), cell.top() + nH));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0xd7, 0xdc, 0xe1));
        for (int k = 0; k < 6; ++k)
            p.drawRect(QRectF(cell.left() + 50 + k * 148, cell.top() - 26, 40, 26));
        p.setFont(sans(36, true));
        p.setPen(Qt::white);
        p.drawText(QRectF(cell.left() + 24, cell.top(), 500, nH), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("n-Schicht"));
        p.drawText(QRectF(cell.left() + 24, cell.top() + nH + 220, 500, 80), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("p-Schicht"));
        p.setFont(sans(30));
        p.drawText(QRectF(cell.right() - 420, cell.top() + nH + 6, 400, 46), Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("p-n-Übergang"));
        p.setPen(pal::navy);
        p.setFont(sans(32));
        p.drawText(QRectF(cell.left(), cell.bottom() + 6, cell.width(), 46), Qt::AlignCenter, QStringLiteral("Rückseitenkontakt (+)"));
        p.drawText(QRectF(cell.left(), cell.top() - 76, 400, 46), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Frontkontakte (−)"));
        // Light, freed charges.
        sunDisc(p, QPointF(230, 400), 60, 12, 32, 2.2);
        for (int k = 0; k < 3; ++k)
            arrow(p, QPointF(420 + k * 190, 410), QPointF(560 + k * 190, cell.top() + nH + 140), pal::sun, 10);
        for (int k = 0; k < 3; ++k) {
            const QPointF e(600 + k * 190, cell.top() + 65), h(585 + k * 190, cell.top() + nH + 185);
            p.setPen(QPen(Qt::white, 3));
            p.setBrush(pal::sun);
            p.drawEllipse(e, 24, 24);
            p.setBrush(Qt::white);
            p.drawEllipse(h, 24, 24);
            p.setPen(QPen(pal::navy, 5));
            p.drawLine(e - QPointF(11, 0), e + QPointF(11, 0));
            p.drawLine(h - QPointF(11, 0), h + QPointF(11, 0));
            p.drawLine(h - QPointF(0, 11), h + QPointF(0, 11));
        }
        // External circuit with a lamp.
        QPainterPath wire;
        wire.moveTo(cell.left() + 50 + 5 * 148 + 20, cell.top() - 26);
        wire.lineTo(cell.left() + 50 + 5 * 148 + 20, 420);
        wire.lineTo(cell.right() + 150, 420);
        wire.lineTo(cell.right() + 150, cell.bottom() - 20);
        wire.lineTo(cell.right(), cell.bottom() - 20);
        p.setPen(QPen(pal::grey, 8, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPath(wire);
        const QPointF lamp(cell.right() + 150, 700);
        p.setPen(QPen(pal::grey, 5));
        p.setBrush(pal::sunLight);
        p.drawEllipse(lamp, 50, 50);
        p.drawLine(lamp + QPointF(-32, -32), lamp + QPointF(32, 32));
        p.drawLine(lamp + QPointF(-32, 32), lamp + QPointF(32, -32));
        bullets(p, QRectF(1280, 330, 630, 900),
                {QStringLiteral("Licht löst in der Silizium-Zelle Elektronen aus ihrer Bindung"),
                 QStringLiteral("Das elektrische Feld am p-n-Übergang trennt die Ladungen"),
                 QStringLiteral("Über die Kontakte fließt Gleichstrom zum Verbraucher"),
                 QStringLiteral("Modulwirkungsgrad: monokristallin 14 – 18 %, polykristallin 13 – 16 %, Dünnschicht 6 – 12 %")},
                40);
    });
}

QImage geschichte()
{
    return make(QStringLiteral("Geschichte der Photovoltaik"), QStringLiteral("Von der Entdeckung zum Massenmarkt"), [](QPainter& p) {
        const struct { const char* year; const char* text; } events[] = {
            {"1839", "Entdeckung des photoelektrischen Effekts"},
            {"1905", "Theoretische Erklärung des Photoeffekts (Nobelpreis 1921)"},
            {"1954", "Erste Silizium-Solarzelle mit 6 % Wirkungsgrad"},
            {"1958", "Erster Satellit mit Solarzellen im All"},
            {"1991", "Stromeinspeisungsgesetz in Deutschland"},
            {"1999", "100.000-Dächer-Programm"},
            {"2000", "Erneuerbare-Energien-Gesetz (EEG)"},
            {"2009", "Das EEG vergütet den Eigenverbrauch"},
            {"2010", "Rund 7,4 GW Zubau in Deutschland in einem Jahr"},
        };
        const int n = int(std::size(events));
        const double axisX = 400, top = 330, rowH = 106;
        QLinearGradient g(0, top, 0, top + (n - 1) * rowH);
        g.setColorAt(0, pal::sky);
        g.setColorAt(1, pal::sun);
        p.setPen(Qt::NoPen);
        p.setBrush(g);
        p.drawRoundedRect(QRectF(axisX - 10, top - 20, 20, (n - 1) * rowH + 40), 10, 10);
        for (int k = 0; k < n; ++k) {
            const double y = top + k * rowH;
            const QColor c = mix(pal::blue, pal::orange, double(k) / (n - 1));
            p.setPen(QPen(Qt::white, 5));
            p.setBrush(c);
            p.drawEllipse(QPointF(axisX, y), 24, 24);
            p.setFont(sans(54, true));
            p.setPen(c);
            p.drawText(QRectF(kBody.left(), y - 40, axisX - 60 - kBody.left(), 80), Qt::AlignRight | Qt::AlignVCenter,
                       QString::fromUtf8(events[k].year));
            p.setFont(fitted(sans(42), QString::fromUtf8(events[k].text), 980));
            p.setPen(pal::navy);
            p.drawText(QRectF(axisX + 55, y - 40, 1000, 80), Qt::AlignLeft | Qt::AlignVCenter, QString::fromUtf8(events[k].text));
        }
        const QRectF in = card(p, QRectF(1480, 330, 430, 560), QStringLiteral("Ende 2010"), pal::orange);
        p.setPen(pal::orange);
        p.setFont(sans(110, true));
        p.drawText(QRectF(in.left(), in.top(), in.width(), 150), Qt::AlignCenter, QStringLiteral("17 GW"));
        text(p, QRectF(in.left(), in.top() + 160, in.width(), 300),
             QStringLiteral("Photovoltaik-Leistung in Deutschland – rund 2 % des Stromverbrauchs"), 38, false, pal::navy,
             Qt::AlignHCenter | Qt::AlignTop);
    });
}

QImage stromgewinnung()
{
    return make(QStringLiteral("Stromgewinnung"), QStringLiteral("Vom Sonnenlicht zum Strom im Haus"), [](QPainter& p) {
        const struct { const char* title; const char* text; QColor colour; } steps[] = {
            {"Solarmodule", "erzeugen Gleichstrom", pal::blue},
            {"Wechselrichter", "wandelt in Wechselstrom 230 V", pal::navy},
            {"Zähler", "messen Erzeugung und Einspeisung", pal::grey},
            {"Haus und Netz", "Verbrauch im Haus, Überschuss ins Netz", pal::green},
        };
        const double w = 380, gap = (kBody.width() - 4 * w) / 3;
        for (int k = 0; k < 4; ++k) {
            const QRectF box(kBody.left() + k * (w + gap), 330, w, 370);
            const QRectF in = card(p, box, QString::fromUtf8(steps[k].title), steps[k].colour);
            text(p, in, QString::fromUtf8(steps[k].text), 40, false, pal::navy, Qt::AlignHCenter | Qt::AlignVCenter);
            if (k < 3)
                arrow(p, QPointF(box.right() + 14, box.center().y()), QPointF(box.right() + gap - 14, box.center().y()), pal::sun, 16);
        }
        const struct { const char* value; const char* label; } facts[] = {
            {"7 – 8 m²", "Modulfläche je kWp (kristalline Module)"},
            {"850 – 1.000", "kWh Strom je kWp und Jahr in Deutschland"},
            {"20 – 25 Jahre", "Leistungsgarantie der Hersteller"},
        };
        const double fw = (kBody.width() - 2 * 60) / 3;
        for (int k = 0; k < 3; ++k) {
            const QRectF box(kBody.left() + k * (fw + 60), 800, fw, 440);
            p.setPen(Qt::NoPen);
            p.setBrush(mix(pal::skyLight, Qt::white, 0.35));
            p.drawRoundedRect(box, 26, 26);
            p.setPen(pal::blue);
            p.setFont(fitted(sans(88, true), QString::fromUtf8(facts[k].value), fw - 60));
            p.drawText(QRectF(box.left(), box.top() + 60, box.width(), 130), Qt::AlignCenter, QString::fromUtf8(facts[k].value));
            text(p, QRectF(box.left() + 40, box.top() + 230, box.width() - 80, 180), QString::fromUtf8(facts[k].label), 42,
                 false, pal::navy, Qt::AlignHCenter | Qt::AlignTop);
        }
    });
}

} // namespace

void houseWithPlant(QPainter& p, const QRectF& r, bool collectors)
{
    // Drawn in a 820 x 760 box, scaled to r.
    p.save();
    p.translate(r.topLeft());
    p.scale(r.width() / 820, r.height() / 760);
    QLinearGradient sky(0, 0, 0, 760);
    sky.setColorAt(0, pal::skyLight);
    sky.setColorAt(1, Qt::white);
    p.setPen(Qt::NoPen);
    p.setBrush(sky);
    p.drawRoundedRect(QRectF(0, 0, 820, 760), 30, 30);
    sunDisc(p, QPointF(650, 140), 70, 14, 36, 2.6);
    p.setBrush(QColor(0x7c, 0xb3, 0x5a));
    p.drawRoundedRect(QRectF(0, 650, 820, 110), 30, 30);
    p.drawRect(QRectF(0, 650, 820, 60));
    // Walls, roof, door and windows.
    p.setBrush(pal::wall);
    p.drawRect(QRectF(130, 430, 520, 240));
    p.setBrush(pal::roofRed);
    const QPolygonF roof({QPointF(90, 440), QPointF(250, 250), QPointF(530, 250), QPointF(690, 440)});
    p.drawPolygon(roof);
    p.setBrush(QColor(0x6b, 0x4a, 0x34));
    p.drawRect(QRectF(360, 540, 80, 130));
    p.setBrush(QColor(0x9e, 0xc6, 0xe6));
    for (double x : {190.0, 500.0})
        p.drawRect(QRectF(x, 480, 90, 80));
    // Modules (and collectors) on the front roof face; v runs from the eaves up.
    const QPolygonF face({QPointF(90, 440), QPointF(690, 440), QPointF(530, 250), QPointF(250, 250)});
    auto at = [&](double u, double v) { return bilinear(face, u, v); };
    const int cols = collectors ? 4 : 5;
    for (int c = 0; c < cols; ++c) {
        const double u0 = 0.16 + c * 0.138, u1 = u0 + 0.128;
        pvModule(p, QPolygonF({at(u0, 0.1), at(u1, 0.1), at(u1, 0.46), at(u0, 0.46)}), 4, 6, pal::cell);
        pvModule(p, QPolygonF({at(u0, 0.5), at(u1, 0.5), at(u1, 0.86), at(u0, 0.86)}), 4, 6, pal::cell);
    }
    if (collectors)
        collector(p, QPolygonF({at(0.72, 0.1), at(0.84, 0.1), at(0.84, 0.86), at(0.72, 0.86)}), 7);
    p.restore();
}

void drawIntroSlides(const Sink& sink)
{
    sink(QString::fromLatin1(names::kSolartechnik1), solartechnik());
    sink(QString::fromLatin1(names::kSolartechnik2), solarenergienutzung());
    sink(QString::fromLatin1(names::kSolartechnik3), photovoltaik());
    sink(QString::fromLatin1(names::kSolartechnik4), geschichte());
    sink(QString::fromLatin1(names::kSolartechnik5), stromgewinnung());
    sink(QString::fromLatin1(names::kSolartechnik6), germanyIrradiationSlide());
}

} // namespace picgen
