// The brochure of the finance software: ten screens, the cover and the test
// result. Hotspot rectangles come from data/KontaloScreens.h; each screen
// draws the element a hotspot describes exactly there.

#include "data/KontaloScreens.h"
#include "tools/picgen/Paint.h"
#include "tools/picgen/ScreenKit.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <array>
#include <cmath>

namespace picgen {
namespace {

using namespace screen;
using namespace tandrel::kontalo;

const QString kTitle = QStringLiteral("Kontalo pro 2010 - [Projekt Schneider, Lindenweg 12, 79117 Freiburg]");

QRectF hotspot(Screen s, int n)
{
    for (const Hotspot& h : kHotspots)
        if (h.screen == s && n-- == 0)
            return r(h.rect);
    return {};
}

// The plant and its financing, computed once so that every screen shows the
// same figures.
struct Plan {
    static constexpr double kWp = 9.87, specificYield = 968, tariff = 0.3914, invest = 29600, equity = 5600;
    static constexpr double loan1 = 20000, rate1 = 0.0385, loan2 = 4000, rate2 = 0.052;
    std::array<double, 20> energy{}, revenue{}, cost{}, interest{}, principal{}, surplus{}, cumulative{}, debt{};
    Plan()
    {
        double d1 = loan1, d2 = loan2, cum = -equity;
        const double annuity2 = loan2 * rate2 / (1 - std::pow(1 + rate2, -10));
        for (int y = 0; y < 20; ++y) {
            energy[y] = kWp * specificYield * std::pow(1 - 0.0025, y);
            revenue[y] = energy[y] * tariff;
            cost[y] = (invest * 0.015 + 95) * std::pow(1.02, y);
            const double i1 = d1 * rate1, i2 = d2 * rate2;
            const double p1 = y < 3 ? 0 : loan1 / 17, p2 = y < 10 ? annuity2 - i2 : 0;
            d1 -= p1;
            d2 -= p2;
            interest[y] = i1 + i2;
            principal[y] = p1 + p2;
            surplus[y] = revenue[y] - cost[y] - interest[y] - principal[y];
            cum += surplus[y];
            cumulative[y] = cum;
            debt[y] = d1 + d2;
        }
    }
    int breakEvenYear() const
    {
        for (int y = 0; y < 20; ++y)
            if (cumulative[y] >= 0)
                return y + 1;
        return 21;
    }
};

const Plan& plan()
{
    static const Plan p;
    return p;
}

QString euro(double v) { return num(v) + QStringLiteral(" €"); }

QStringList yearLabels(int n)
{
    QStringList l;
    for (int y = 0; y < n; ++y)
        l << QString::number(2010 + y);
    return l;
}

// 1: the start centre with tiles and the last projects.
void startScreen(QPainter& p)
{
    window(p, kTitle, TreeProjekt, QStringLiteral("Bereit"));
    const QRectF c = r(kContent);
    QLinearGradient g(c.topLeft(), c.topRight());
    g.setColorAt(0, brand);
    g.setColorAt(1, QColor(0x4c, 0xa5, 0x82));
    const QRectF band(c.left() + 1, c.top() + 1, c.width() - 1, 120);
    p.fillRect(band, g);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 7; ++i) {
        p.setBrush(QColor(255, 255, 255, 22 + i * 6));
        const double h = 24 + i * 11;
        p.drawRoundedRect(QRectF(band.right() - 250 + i * 32, band.bottom() - 12 - h, 22, h), 3, 3);
    }
    p.setPen(QPen(QColor(0xff, 0xc2, 0x7a), 4, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    QPainterPath trend;
    trend.moveTo(band.right() - 260, band.bottom() - 30);
    trend.cubicTo(band.right() - 170, band.bottom() - 36, band.right() - 90, band.bottom() - 70, band.right() - 22,
                  band.top() + 18);
    p.drawPath(trend);
    label(p, QRectF(band.left() + 24, band.top() + 16, 480, 36), QStringLiteral("Willkommen bei Kontalo pro 2010"),
          Qt::AlignLeft | Qt::AlignVCenter, Qt::white, true, 24);
    label(p, QRectF(band.left() + 24, band.top() + 54, 480, 22),
          QStringLiteral("Planung, Finanzierung und Wirtschaftlichkeit von Photovoltaikanlagen"),
          Qt::AlignLeft | Qt::AlignVCenter, QColor(0xe6, 0xf4, 0xee), false, 14);
    label(p, QRectF(band.left() + 24, band.top() + 80, 480, 20),
          QStringLiteral("Vergütungssätze nach EEG 2010 · Stand 1. Juli 2010"), Qt::AlignLeft | Qt::AlignVCenter,
          QColor(0xc9, 0xe6, 0xda), false, 12);

    struct Tile {
        QString title, text;
        int tool;
        QColor color;
    };
    const Tile tiles[] = {
        {QStringLiteral("PV-Anlage planen"), QStringLiteral("Module, Standort\nund Ausrichtung"),
         ToolAnlage, QColor(0x2a, 0x4e, 0x86)},
        {QStringLiteral("Finanzierung"), QStringLiteral("Eigenkapital und\nSolarkredite"),
         ToolFinanzen, QColor(0xc9, 0x8a, 0x14)},
        {QStringLiteral("Wirtschaftlichkeit"), QStringLiteral("Liquidität, Rendite\nund Amortisation"),
         ToolDiagramme, brand},
    };
    for (int i = 0; i < 3; ++i) {
        const QRectF t(c.left() + 24 + i * 235, c.top() + 150, 214, 118);
        p.setPen(QColor(0xcf, 0xd8, 0xdf));
        QLinearGradient tg(0, t.top(), 0, t.bottom());
        tg.setColorAt(0, Qt::white);
        tg.setColorAt(1, QColor(0xf0, 0xf4, 0xf6));
        p.setBrush(tg);
        p.drawRoundedRect(t, 6, 6);
        p.setPen(Qt::NoPen);
        p.setBrush(tiles[i].color);
        p.drawRoundedRect(QRectF(t.left(), t.top(), 6, t.height()), 3, 3);
        p.setBrush(QColor(0xee, 0xf3, 0xf6));
        p.drawEllipse(QPointF(t.left() + 42, t.top() + 42), 24, 24);
        label(p, QRectF(t.left() + 76, t.top() + 18, t.width() - 84, 24), tiles[i].title, Qt::AlignLeft | Qt::AlignVCenter,
              tiles[i].color, true, 14);
        label(p, QRectF(t.left() + 76, t.top() + 44, t.width() - 84, 40), tiles[i].text, Qt::AlignLeft | Qt::AlignTop,
              QColor(0x50, 0x58, 0x60), false, 12);
        label(p, QRectF(t.left() + 76, t.bottom() - 28, t.width() - 84, 20), QStringLiteral("Öffnen ›"),
              Qt::AlignLeft | Qt::AlignVCenter, QColor(0x2f, 0x6d, 0xb5), true, 12);
    }
    // Drawn icons in the tile circles.
    const QPointF centres[] = {QPointF(c.left() + 66, c.top() + 192), QPointF(c.left() + 301, c.top() + 192),
                               QPointF(c.left() + 536, c.top() + 192)};
    pvModule(p, QPolygonF({centres[0] + QPointF(-16, 4), centres[0] + QPointF(2, -6), centres[0] + QPointF(16, 4),
                           centres[0] + QPointF(-2, 15)}),
             5, 4, pal::cell);
    pvModule(p, QPolygonF({centres[0] + QPointF(-18, -8), centres[0] + QPointF(0, -18), centres[0] + QPointF(14, -8),
                           centres[0] + QPointF(-4, 2)}),
             5, 4, pal::cell);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xe6, 0xb4, 0x2c));
    p.drawEllipse(centres[1], 15, 15);
    p.setBrush(QColor(0xf7, 0xd5, 0x5e));
    p.drawEllipse(centres[1], 12, 12);
    label(p, QRectF(centres[1] - QPointF(15, 15), QSizeF(30, 30)), QStringLiteral("€"), Qt::AlignCenter,
          QColor(0x8a, 0x5a, 0x00), true, 19);
    for (int i = 0; i < 3; ++i) {
        p.setBrush(i == 0 ? brand : i == 1 ? QColor(0x3f, 0x9f, 0x5f) : QColor(0x9b, 0xc5, 0x3d));
        const double h = 12 + i * 8;
        p.drawRect(QRectF(centres[2].x() - 13 + i * 9, centres[2].y() + 14 - h, 7, h));
    }
    p.setPen(QPen(accent, 2.5, Qt::SolidLine, Qt::RoundCap));
    p.drawPolyline(QPolygonF({centres[2] + QPointF(-15, -2), centres[2] + QPointF(-5, -9), centres[2] + QPointF(3, -6),
                              centres[2] + QPointF(14, -17)}));

    label(p, QRectF(c.left() + 24, c.top() + 292, 400, 22), QStringLiteral("Zuletzt bearbeitete Projekte"),
          Qt::AlignLeft | Qt::AlignVCenter, QColor(0x20, 0x30, 0x40), true, 14);
    grid(p, QRectF(c.left() + 24, c.top() + 320, 448, 168),
         {{QStringLiteral("Projekt"), 170, false}, {QStringLiteral("Anlage"), 116, false},
          {QStringLiteral("Leistung"), 70}, {QStringLiteral("Geändert"), 92}},
         {{QStringLiteral("Schneider, Freiburg"), QStringLiteral("Aufdach Süd-West"), QStringLiteral("9,87 kWp"),
           QStringLiteral("14.06.2010")},
          {QStringLiteral("Hofgut Berger, Emmendingen"), QStringLiteral("Scheune Süd"), QStringLiteral("29,61 kWp"),
           QStringLiteral("11.06.2010")},
          {QStringLiteral("Krämer, Lahr"), QStringLiteral("Ost-West"), QStringLiteral("6,58 kWp"), QStringLiteral("07.06.2010")},
          {QStringLiteral("Autohaus Vogt, Offenburg"), QStringLiteral("Flachdach"), QStringLiteral("48,30 kWp"),
           QStringLiteral("02.06.2010")},
          {QStringLiteral("Yilmaz, Waldkirch"), QStringLiteral("Aufdach Süd"), QStringLiteral("4,70 kWp"),
           QStringLiteral("28.05.2010")},
          {QStringLiteral("Gemeindehalle Denzlingen"), QStringLiteral("Süd 15°"), QStringLiteral("19,74 kWp"),
           QStringLiteral("21.05.2010")},
          {QStringLiteral("Maurer, Kirchzarten"), QStringLiteral("Garage Süd"), QStringLiteral("3,29 kWp"),
           QStringLiteral("17.05.2010")}},
         {0});
    const QRectF news(c.left() + 494, c.top() + 292, 214, 196);
    p.setPen(QColor(0xe8, 0xd2, 0xa6));
    p.setBrush(QColor(0xff, 0xf8, 0xe8));
    p.drawRoundedRect(news, 5, 5);
    label(p, QRectF(news.left() + 12, news.top() + 8, news.width() - 24, 20), QStringLiteral("Neu in Version 2010"),
          Qt::AlignLeft | Qt::AlignVCenter, QColor(0xa0, 0x55, 0x10), true, 13);
    label(p, QRectF(news.left() + 12, news.top() + 34, news.width() - 20, news.height() - 40),
          QStringLiteral("• Vergütungssätze ab 1. Juli 2010\n• Eigenverbrauchsbonus für\n   Anlagen bis 500 kWp\n"
                         "• Solarkredite mit tilgungsfreien\n   Anlaufjahren\n• Report mit Firmenlogo und\n"
                         "   Kundenanschreiben"),
          Qt::AlignLeft | Qt::AlignTop, QColor(0x40, 0x40, 0x40), false, 12);
}

// The plant's property list, right of the roof.
void plantProperties(QPainter& p, const QRectF& box)
{
    const Plan& pl = plan();
    grid(p, box, {{QStringLiteral("Eigenschaft"), 132, false}, {QStringLiteral("Wert"), box.width() - 132, false}},
         {{QStringLiteral("Modul"), QStringLiteral("SL-235 poly, 235 Wp")},
          {QStringLiteral("Anzahl Module"), QStringLiteral("42 (3 Reihen à 14)")},
          {QStringLiteral("Nennleistung"), QStringLiteral("9,87 kWp")},
          {QStringLiteral("Wechselrichter"), QStringLiteral("1 × WR 10000 TL")},
          {QStringLiteral("Azimut"), QStringLiteral("25° (Süd-West)")},
          {QStringLiteral("Neigung"), QStringLiteral("35°")},
          {QStringLiteral("Standort"), QStringLiteral("79117 Freiburg")},
          {QStringLiteral("Globalstrahlung"), QStringLiteral("1.117 kWh/m² · Jahr")},
          {QStringLiteral("Spez. Ertrag"), QStringLiteral("968 kWh/kWp")},
          {QStringLiteral("Jahresertrag"), num(pl.energy[0]) + QStringLiteral(" kWh")},
          {QStringLiteral("Inbetriebnahme"), QStringLiteral("01.08.2010")},
          {QStringLiteral("Vergütung"), QStringLiteral("39,14 ct/kWh")},
          {QStringLiteral("CO₂-Einsparung"), QStringLiteral("5,6 t pro Jahr")}},
         {2, 9}, 21);
}

const double kMonthShare[12] = {3.5, 5, 8, 11, 12.5, 12.5, 13, 11.5, 9, 6.5, 3.5, 4};
const QStringList kMonths = {QStringLiteral("Jan"), QStringLiteral("Feb"), QStringLiteral("Mär"), QStringLiteral("Apr"),
                             QStringLiteral("Mai"), QStringLiteral("Jun"), QStringLiteral("Jul"), QStringLiteral("Aug"),
                             QStringLiteral("Sep"), QStringLiteral("Okt"), QStringLiteral("Nov"), QStringLiteral("Dez")};

std::vector<double> monthlyYield()
{
    std::vector<double> v;
    for (double s : kMonthShare)
        v.push_back(plan().energy[0] * s / 100);
    return v;
}

// 2: the plant with its roof, properties and monthly yield.
void drawPlantView(QPainter& p)
{
    window(p, kTitle, TreeAnlage, QStringLiteral("Anlage: 42 Module, 9,87 kWp"));
    const QRectF c = r(kContent);
    heading(p, QRectF(c.left() + 1, c.top() + 1, c.width() - 1, 34), QStringLiteral("PV-Anlage"),
            QStringLiteral("Aufdachanlage Einfamilienhaus"));
    const QRectF roof = hotspot(AnsichtPVAnlage, 3);
    p.setPen(border);
    p.drawRect(roof.adjusted(-1, -1, 1, 1));
    roofWithModules(p, roof, 14, 3);
    label(p, QRectF(roof.left() + 8, roof.top() + 6, 260, 18), QStringLiteral("Generatorfläche Süd-West · 69,3 m²"),
          Qt::AlignLeft | Qt::AlignVCenter, QColor(0x10, 0x30, 0x50), true, 12);
    plantProperties(p, QRectF(c.left() + 456, c.top() + 48, 260, 298));
    const QRectF stand = hotspot(AnsichtPVAnlage, 5);
    label(p, QRectF(c.left() + 456, stand.top(), 140, stand.height()), QStringLiteral("Standort ändern:"),
          Qt::AlignLeft | Qt::AlignVCenter, QColor(0x40, 0x40, 0x40));
    button(p, stand, QStringLiteral("Standort…"));
    label(p, QRectF(c.left() + 12, c.top() + 356, 300, 22), QStringLiteral("Module: SL-235 poly · Wechselrichter: WR 10000 TL"),
          Qt::AlignLeft | Qt::AlignVCenter, QColor(0x50, 0x58, 0x60), false, 11.5);
    barChart(p, QRectF(c.left() + 12, c.top() + 392, c.width() - 24, c.height() - 400),
             QStringLiteral("Ertragsprognose je Monat (kWh)"), monthlyYield(), kMonths, QColor(0x2f, 0x6d, 0xb5));
}

// 3: the location dialog over the plant view.
void locationDialog(QPainter& p)
{
    drawPlantView(p);
    dim(p);
    const QRectF ok = hotspot(Standortdialog, 0);
    const QRectF cl = dialog(p, QRectF(250, 66, 500, ok.bottom() + 14 - 66), QStringLiteral("Standort auswählen"));
    const double x = cl.left() + 14;
    double y = cl.top() + 16;
    groupBox(p, QRectF(x, y, cl.width() - 28, 120), QStringLiteral("Adresse der Anlage"), face);
    field(p, x + 12, y + 16, 90, 90, QStringLiteral("PLZ:"), QStringLiteral("79117"));
    label(p, QRectF(x + 210, y + 16, 40, 21), QStringLiteral("Ort:"));
    edit(p, QRectF(x + 246, y + 16, 190, 21), QStringLiteral("Freiburg im Breisgau"), false, true);
    label(p, QRectF(x + 12, y + 46, 90, 21), QStringLiteral("Bundesland:"));
    edit(p, QRectF(x + 102, y + 46, 334, 21), QStringLiteral("Baden-Württemberg"), false, true);
    field(p, x + 12, y + 76, 90, 70, QStringLiteral("Breite:"), QStringLiteral("47,99"), QStringLiteral("° N"));
    field(p, x + 210, y + 76, 60, 70, QStringLiteral("Länge:"), QStringLiteral("7,88"), QStringLiteral("° O"));
    y += 140;
    label(p, QRectF(x, y, 300, 18), QStringLiteral("Nächstgelegene Wetterstationen:"), Qt::AlignLeft | Qt::AlignVCenter,
          text, true);
    grid(p, QRectF(x, y + 22, cl.width() - 28, 22 + 4 * 19 + 2),
         {{QStringLiteral("Wetterstation"), 170, false}, {QStringLiteral("Entfernung"), 90},
          {QStringLiteral("Höhe"), 70}, {QStringLiteral("Globalstrahlung"), cl.width() - 28 - 330}},
         {{QStringLiteral("Freiburg-Mitte"), QStringLiteral("3 km"), QStringLiteral("236 m"), QStringLiteral("1.117 kWh/m²")},
          {QStringLiteral("Emmendingen"), QStringLiteral("14 km"), QStringLiteral("201 m"), QStringLiteral("1.104 kWh/m²")},
          {QStringLiteral("Lahr"), QStringLiteral("38 km"), QStringLiteral("155 m"), QStringLiteral("1.096 kWh/m²")},
          {QStringLiteral("Feldberg"), QStringLiteral("24 km"), QStringLiteral("1.490 m"), QStringLiteral("1.158 kWh/m²")}},
         {0});
    y += 136;
    barChart(p, QRectF(x, y, cl.width() - 28, ok.top() - y - 12), QStringLiteral("Globalstrahlung Freiburg-Mitte (kWh/m²)"),
             [] {
                 std::vector<double> v;
                 for (double s : kMonthShare)
                     v.push_back(1117 * s / 100);
                 return v;
             }(),
             kMonths, QColor(0xe3, 0x9b, 0x1c));
    button(p, ok, QStringLiteral("OK"), true);
    button(p, ok.translated(100, 0), QStringLiteral("Abbrechen"));
    check(p, QPointF(x, ok.top() + 4), QStringLiteral("Als Standardstandort merken"), false);
}

// Yield in per cent of the best orientation: a smooth model of the dome
// for southern Germany (best near 35° facing south).
double yieldFactor(int tilt, int azimuth)
{
    const double tr = tilt * M_PI / 180, ar = azimuth * M_PI / 180;
    const double f = 100 - 0.0105 * (tilt - 35) * (tilt - 35) - (1 - std::cos(ar)) * 24 * std::sin(tr);
    return std::clamp(f, 40.0, 100.0);
}

// 4: azimuth and tilt with the yield factor table.
void generatorView(QPainter& p)
{
    window(p, kTitle, TreeGenerator, QStringLiteral("Generator: Azimut 25°, Neigung 35°"));
    const QRectF c = r(kContent);
    heading(p, QRectF(c.left() + 1, c.top() + 1, c.width() - 1, 34), QStringLiteral("Generatorausrichtung"),
            QStringLiteral("Teilgenerator 1 von 1"));
    // Compass with the azimuth.
    const QPointF cc(c.left() + 140, c.top() + 146);
    const double R = 88;
    p.setPen(QPen(QColor(0xb0, 0xb8, 0xc0), 1));
    p.setBrush(QColor(0xf6, 0xf9, 0xfb));
    p.drawEllipse(cc, R, R);
    for (int a = 0; a < 360; a += 15) {
        const double rad = a * M_PI / 180;
        const double inner = a % 90 == 0 ? R - 14 : R - 7;
        p.drawLine(cc + QPointF(std::sin(rad) * inner, -std::cos(rad) * inner), cc + QPointF(std::sin(rad) * R, -std::cos(rad) * R));
    }
    const char* dirs[] = {"N", "O", "S", "W"};
    for (int i = 0; i < 4; ++i) {
        const double rad = i * M_PI / 2;
        label(p, QRectF(cc.x() + std::sin(rad) * (R + 14) - 10, cc.y() - std::cos(rad) * (R + 14) - 10, 20, 20),
              QString::fromLatin1(dirs[i]), Qt::AlignCenter, i == 2 ? accent : text, true, 13);
    }
    QPainterPath sector;
    sector.moveTo(cc);
    sector.arcTo(QRectF(cc.x() - R + 16, cc.y() - R + 16, 2 * R - 32, 2 * R - 32), -90, -25);
    sector.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xe8, 0x72, 0x2c, 70));
    p.drawPath(sector);
    const double az = (180 + 25) * M_PI / 180;
    p.setPen(QPen(accent, 4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(cc, cc + QPointF(std::sin(az) * (R - 20), -std::cos(az) * (R - 20)));
    p.setPen(Qt::NoPen);
    p.setBrush(brand);
    p.drawEllipse(cc, 6, 6);
    label(p, QRectF(cc.x() - 100, cc.y() + R + 20, 200, 18), QStringLiteral("Azimut: 25° nach Westen"), Qt::AlignCenter,
          text, true);
    // Side view with the tilt.
    const QPointF base(c.left() + 320, c.top() + 226);
    p.setPen(QPen(QColor(0x90, 0x98, 0xa0), 1.5));
    p.drawLine(base, base + QPointF(190, 0));
    const double tilt = 35 * M_PI / 180;
    const QPointF top = base + QPointF(std::cos(tilt) * 150, -std::sin(tilt) * 150);
    p.setPen(QPen(pal::roofRed, 8, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(base, top);
    p.setPen(QPen(pal::cell, 6, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(base + (top - base) * 0.12 + QPointF(-3, -5), base + (top - base) * 0.88 + QPointF(-3, -5));
    p.setPen(QPen(accent, 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(base.x() - 60, base.y() - 60, 120, 120), 0, 35 * 16);
    label(p, QRectF(base.x() + 62, base.y() - 30, 50, 18), QStringLiteral("35°"), Qt::AlignLeft | Qt::AlignVCenter, accent,
          true, 13);
    sunDisc(p, QPointF(c.left() + 470, c.top() + 82), 13, 10, 7, 2.2);
    label(p, QRectF(base.x(), base.y() + 20, 200, 18), QStringLiteral("Neigung: 35° · Aufdach"), Qt::AlignLeft | Qt::AlignVCenter,
          text, true);
    // Inputs.
    const double fx = c.left() + 548;
    groupBox(p, QRectF(fx, c.top() + 60, 170, 200), QStringLiteral("Ausrichtung"));
    field(p, fx + 10, c.top() + 80, 78, 50, QStringLiteral("Azimut:"), QStringLiteral("25"), QStringLiteral("°"));
    field(p, fx + 10, c.top() + 110, 78, 50, QStringLiteral("Neigung:"), QStringLiteral("35"), QStringLiteral("°"));
    label(p, QRectF(fx + 10, c.top() + 140, 80, 21), QStringLiteral("Montage:"));
    edit(p, QRectF(fx + 88, c.top() + 140, 74, 21), QStringLiteral("Aufdach"), false, true);
    field(p, fx + 10, c.top() + 170, 78, 50, QStringLiteral("Abschattung:"), QStringLiteral("2"), QStringLiteral("%"));
    label(p, QRectF(fx + 10, c.top() + 204, 150, 20), QStringLiteral("Ertragsfaktor:"), Qt::AlignLeft | Qt::AlignVCenter);
    label(p, QRectF(fx + 10, c.top() + 224, 150, 26), num(yieldFactor(35, 25), 1) + QStringLiteral(" %"), Qt::AlignLeft | Qt::AlignVCenter, brand,
          true, 20);
    // Yield factor table: tilt rows, azimuth columns.
    const int tilts[] = {0, 15, 30, 35, 45, 60, 90};
    const int azimuths[] = {-90, -60, -45, -30, -15, 0, 15, 25, 30, 45, 60, 90};
    const double gx = c.left() + 12, gy = c.top() + 306, cw = 52, ch = 20;
    label(p, QRectF(gx, gy - 24, 500, 20), QStringLiteral("Ertragsfaktor in % nach Neigung (Zeilen) und Azimut (Spalten)"),
          Qt::AlignLeft | Qt::AlignVCenter, text, true);
    for (int a = 0; a < 12; ++a)
        label(p, QRectF(gx + 50 + a * cw, gy, cw, ch), QString::number(azimuths[a]) + QStringLiteral("°"), Qt::AlignCenter,
              QColor(0x40, 0x48, 0x50), true, 11);
    for (int t = 0; t < 7; ++t) {
        label(p, QRectF(gx, gy + (t + 1) * ch, 44, ch), QString::number(tilts[t]) + QStringLiteral("°"),
              Qt::AlignRight | Qt::AlignVCenter, QColor(0x40, 0x48, 0x50), true, 11);
        for (int a = 0; a < 12; ++a) {
            const double f = yieldFactor(tilts[t], azimuths[a]);

            const QColor col = f > 95 ? QColor(0x3f, 0x9f, 0x5f) : f > 90 ? QColor(0x9b, 0xc5, 0x3d)
                             : f > 80 ? QColor(0xf2, 0xd0, 0x4a) : f > 70 ? QColor(0xf0, 0x9a, 0x3e) : QColor(0xe0, 0x60, 0x4a);
            const QRectF cell(gx + 50 + a * cw, gy + (t + 1) * ch, cw - 1, ch - 1);
            p.fillRect(cell, col);
            const bool mine = tilts[t] == 35 && azimuths[a] == 25;
            label(p, cell, num(f, 1), Qt::AlignCenter, f > 95 ? Qt::white : text, mine, 11);
            if (mine) {
                p.setPen(QPen(QColor(0x10, 0x20, 0x30), 2));
                p.setBrush(Qt::NoBrush);
                p.drawRect(cell.adjusted(-1, -1, 1, 1));
            }
        }
    }
    const QRectF take = hotspot(Generatorausrichtung, 0);
    button(p, take, QStringLiteral("Übernehmen"), true);
    button(p, take.translated(-128, 0), QStringLiteral("Optimieren"));
}

QString ct(double euroValue) { return num(euroValue, 0); }

// 5: the financing plan year by year.
void financeView(QPainter& p)
{
    window(p, kTitle, TreeFinanzierung, QStringLiteral("Finanzierungsplan berechnet (20 Jahre)"));
    const QRectF c = r(kContent);
    heading(p, QRectF(c.left() + 1, c.top() + 1, c.width() - 1, 34), QStringLiteral("Finanzierung"),
            QStringLiteral("Investition 29.600 € · Eigenkapital 5.600 €"));
    financeTabs(p, TabFinanzplan);
    const Plan& pl = plan();
    std::vector<QStringList> rows;
    for (int y = 0; y < 20; ++y)
        rows.push_back({QString::number(2010 + y), num(pl.energy[y]), ct(pl.revenue[y]), ct(-pl.cost[y]),
                        ct(-pl.interest[y]), ct(-pl.principal[y]), ct(pl.surplus[y]), ct(pl.cumulative[y])});
    const int be = pl.breakEvenYear() - 1;
    grid(p, QRectF(c.left() + 10, c.top() + 78, c.width() - 20, 22 + 20 * 17.5 + 2),
         {{QStringLiteral("Jahr"), 52, false}, {QStringLiteral("Ertrag kWh"), 90}, {QStringLiteral("Vergütung €"), 92},
          {QStringLiteral("Betrieb €"), 86}, {QStringLiteral("Zinsen €"), 84}, {QStringLiteral("Tilgung €"), 88},
          {QStringLiteral("Überschuss €"), 104}, {QStringLiteral("Kumuliert €"), c.width() - 20 - 596}},
         rows, {be}, 17.5);
    const double y0 = c.top() + 78 + 22 + 20 * 17.5 + 10;
    struct Box {
        QString caption, value;
    };
    double total = 0;
    for (double s : pl.surplus)
        total += s;
    const Box boxes[] = {{QStringLiteral("Investition"), euro(Plan::invest)},
                         {QStringLiteral("Kredite gesamt"), euro(Plan::loan1 + Plan::loan2)},
                         {QStringLiteral("Überschuss 20 Jahre"), euro(total)},
                         {QStringLiteral("Eigenkapital zurück"), QStringLiteral("%1. Jahr").arg(pl.breakEvenYear())}};
    const double bw = (c.width() - 20 - 30) / 4;
    for (int i = 0; i < 4; ++i) {
        const QRectF b(c.left() + 10 + i * (bw + 10), y0, bw, c.bottom() - y0 - 8);
        p.setPen(QColor(0xcf, 0xdc, 0xd6));
        p.setBrush(i == 2 ? brandLight : QColor(0xf7, 0xf9, 0xfa));
        p.drawRoundedRect(b, 4, 4);
        label(p, QRectF(b.left() + 10, b.top() + 3, b.width() - 20, 14), boxes[i].caption, Qt::AlignLeft | Qt::AlignVCenter,
              QColor(0x50, 0x58, 0x60), false, 11);
        label(p, QRectF(b.left() + 10, b.top() + 16, b.width() - 20, b.height() - 18), boxes[i].value,
              Qt::AlignLeft | Qt::AlignVCenter, brand, true, 15);
    }
}

// 6: the plant data used by the financing.
void plantData(QPainter& p)
{
    window(p, kTitle, TreeAnlagedaten, QStringLiteral("Anlagedaten bearbeiten"));
    const QRectF c = r(kContent);
    heading(p, QRectF(c.left() + 1, c.top() + 1, c.width() - 1, 34), QStringLiteral("Finanzierung"),
            QStringLiteral("Anlagedaten"));
    financeTabs(p, TabAnlagedaten);
    const double x1 = c.left() + 20, x2 = c.left() + 372, top = c.top() + 100;
    groupBox(p, QRectF(x1, top, 336, 186), QStringLiteral("Anlage"));
    const QString anlage[][3] = {{QStringLiteral("Nennleistung:"), QStringLiteral("9,87"), QStringLiteral("kWp")},
                                 {QStringLiteral("Spezifischer Ertrag:"), QStringLiteral("968"), QStringLiteral("kWh/kWp")},
                                 {QStringLiteral("Jahresertrag:"), num(plan().energy[0]), QStringLiteral("kWh")},
                                 {QStringLiteral("Leistungsminderung:"), QStringLiteral("0,25"), QStringLiteral("% pro Jahr")},
                                 {QStringLiteral("Inbetriebnahme:"), QStringLiteral("01.08.2010"), QString()},
                                 {QStringLiteral("Laufzeit:"), QStringLiteral("20"), QStringLiteral("Jahre")}};
    for (int i = 0; i < 6; ++i)
        field(p, x1 + 14, top + 20 + i * 27, 130, 100, anlage[i][0], anlage[i][1], anlage[i][2]);
    groupBox(p, QRectF(x2, top, 336, 186), QStringLiteral("Investition"));
    const QString kosten[][3] = {{QStringLiteral("Module und Montage:"), QStringLiteral("23.750,00"), QStringLiteral("€")},
                                 {QStringLiteral("Wechselrichter:"), QStringLiteral("3.150,00"), QStringLiteral("€")},
                                 {QStringLiteral("Elektroinstallation:"), QStringLiteral("1.950,00"), QStringLiteral("€")},
                                 {QStringLiteral("Planung, Anmeldung:"), QStringLiteral("750,00"), QStringLiteral("€")},
                                 {QStringLiteral("Summe netto:"), QStringLiteral("29.600,00"), QStringLiteral("€")},
                                 {QStringLiteral("je kWp:"), QStringLiteral("2.999,00"), QStringLiteral("€/kWp")}};
    for (int i = 0; i < 6; ++i)
        field(p, x2 + 14, top + 20 + i * 27, 130, 100, kosten[i][0], kosten[i][1], kosten[i][2]);
    const double top2 = top + 210;
    groupBox(p, QRectF(x1, top2, 336, 150), QStringLiteral("Vergütung nach EEG"));
    label(p, QRectF(x1 + 14, top2 + 20, 130, 21), QStringLiteral("Anlagentyp:"));
    edit(p, QRectF(x1 + 144, top2 + 20, 176, 21), QStringLiteral("Dach bis 30 kWp"), false, true);
    field(p, x1 + 14, top2 + 47, 130, 100, QStringLiteral("Einspeisung:"), QStringLiteral("39,14"), QStringLiteral("ct/kWh"));
    field(p, x1 + 14, top2 + 74, 130, 100, QStringLiteral("Eigenverbrauch:"), QStringLiteral("0"), QStringLiteral("%"));
    check(p, QPointF(x1 + 14, top2 + 104), QStringLiteral("Vergütung für 20 Jahre plus Restjahr"), true);
    groupBox(p, QRectF(x2, top2, 336, 150), QStringLiteral("Laufende Kosten"));
    field(p, x2 + 14, top2 + 20, 130, 100, QStringLiteral("Wartung:"), QStringLiteral("1,50"), QStringLiteral("% der Inv."));
    field(p, x2 + 14, top2 + 47, 130, 100, QStringLiteral("Versicherung:"), QStringLiteral("95,00"), QStringLiteral("€/Jahr"));
    field(p, x2 + 14, top2 + 74, 130, 100, QStringLiteral("Preissteigerung:"), QStringLiteral("2,00"), QStringLiteral("% p. a."));
    check(p, QPointF(x2 + 14, top2 + 104), QStringLiteral("Zählermiete in Wartung enthalten"), true);
    button(p, QRectF(c.right() - 240, c.bottom() - 40, 110, 28), QStringLiteral("Zurücksetzen"));
    button(p, QRectF(c.right() - 122, c.bottom() - 40, 110, 28), QStringLiteral("Berechnen"), true);
}

// 7: the loans with the debt over the years.
void loansView(QPainter& p)
{
    window(p, kTitle, TreeSolarkredite, QStringLiteral("2 Kredite, 24.000 €"));
    const QRectF c = r(kContent);
    heading(p, QRectF(c.left() + 1, c.top() + 1, c.width() - 1, 34), QStringLiteral("Finanzierung"),
            QStringLiteral("Solarkredite"));
    financeTabs(p, TabSolarkredite);
    const Plan& pl = plan();
    const double annuity2 = Plan::loan2 * Plan::rate2 / (1 - std::pow(1 + Plan::rate2, -10));
    grid(p, QRectF(c.left() + 10, c.top() + 84, c.width() - 20, 22 + 3 * 21 + 2),
         {{QStringLiteral("Kredit"), 190, false}, {QStringLiteral("Betrag"), 90}, {QStringLiteral("Zins"), 70},
          {QStringLiteral("Laufzeit"), 76}, {QStringLiteral("Tilgungsfrei"), 90}, {QStringLiteral("Tilgung"), 96, false},
          {QStringLiteral("Rate 1. Jahr"), c.width() - 20 - 612}},
         {{QStringLiteral("Förderdarlehen Erneuerbare"), euro(Plan::loan1), QStringLiteral("3,85 %"), QStringLiteral("20 Jahre"),
           QStringLiteral("3 Jahre"), QStringLiteral("Ratentilgung"), euro(Plan::loan1 * Plan::rate1)},
          {QStringLiteral("Hausbankdarlehen"), euro(Plan::loan2), QStringLiteral("5,20 %"), QStringLiteral("10 Jahre"),
           QStringLiteral("–"), QStringLiteral("Annuität"), euro(annuity2)},
          {QStringLiteral("Summe"), euro(Plan::loan1 + Plan::loan2), QString(), QString(), QString(), QString(),
           euro(Plan::loan1 * Plan::rate1 + annuity2)}},
         {2}, 21);
    button(p, QRectF(c.left() + 10, c.top() + 176, 120, 26), QStringLiteral("Kredit hinzufügen"));
    button(p, QRectF(c.left() + 138, c.top() + 176, 90, 26), QStringLiteral("Entfernen"));
    std::vector<double> debt(pl.debt.begin(), pl.debt.end());
    std::vector<double> interest(pl.interest.begin(), pl.interest.end());
    barChart(p, QRectF(c.left() + 10, c.top() + 214, c.width() - 20, c.height() - 224),
             QStringLiteral("Restschuld zum Jahresende (Balken, €) und Zinsen (Linie, €)"), debt, yearLabels(20),
             QColor(0x6b, 0x86, 0xa8), interest, accent);
}

// 8: liquidity and cumulative surplus, and the yield per month.
void drawCharts(QPainter& p)
{
    window(p, kTitle, TreeDiagramme, QStringLiteral("Diagramm: Liquiditätsverlauf"));
    const QRectF c = r(kContent);
    heading(p, QRectF(c.left() + 1, c.top() + 1, c.width() - 1, 34), QStringLiteral("Diagramme"),
            QStringLiteral("Wirtschaftlichkeit über 20 Jahre"));
    const Plan& pl = plan();
    std::vector<double> surplus(pl.surplus.begin(), pl.surplus.end());
    std::vector<double> cum(pl.cumulative.begin(), pl.cumulative.end());
    barChart(p, QRectF(c.left() + 10, c.top() + 46, c.width() - 20, 270),
             QStringLiteral("Jährlicher Überschuss (Balken) und kumulierter Überschuss (Linie) in €"), surplus, yearLabels(20),
             QColor(0x3f, 0x9f, 0x5f), cum, accent);
    barChart(p, QRectF(c.left() + 10, c.top() + 326, 420, c.height() - 334), QStringLiteral("Ertrag je Monat (kWh)"),
             monthlyYield(), kMonths, QColor(0x2f, 0x6d, 0xb5));
    // Where the money of the first year goes.
    const QRectF pie(c.left() + 440, c.top() + 326, c.width() - 450, c.height() - 334);
    p.setPen(QColor(0xd0, 0xd6, 0xdc));
    p.setBrush(Qt::white);
    p.drawRect(pie);
    label(p, QRectF(pie.left() + 10, pie.top() + 4, pie.width(), 20), QStringLiteral("Verwendung der Vergütung 2010"),
          Qt::AlignLeft | Qt::AlignVCenter, QColor(0x20, 0x30, 0x40), true, 12.5);
    const double parts[] = {pl.cost[0], pl.interest[0], pl.principal[0], pl.surplus[0]};
    const QColor cols[] = {QColor(0x9a, 0xa5, 0xaf), accent, QColor(0x6b, 0x86, 0xa8), QColor(0x3f, 0x9f, 0x5f)};
    const QString names[] = {QStringLiteral("Betrieb"), QStringLiteral("Zinsen"), QStringLiteral("Tilgung"),
                             QStringLiteral("Überschuss")};
    const double total = parts[0] + parts[1] + parts[2] + parts[3];
    const QRectF disc(pie.left() + 18, pie.top() + 36, 130, 130);
    double start = 90 * 16;
    for (int i = 0; i < 4; ++i) {
        const double span = -parts[i] / total * 360 * 16;
        p.setPen(QPen(Qt::white, 1.5));
        p.setBrush(cols[i]);
        p.drawPie(disc, int(start), int(span));
        start += span;
        p.setPen(Qt::NoPen);
        p.fillRect(QRectF(pie.left() + 166, pie.top() + 46 + i * 28, 12, 12), cols[i]);
        label(p, QRectF(pie.left() + 184, pie.top() + 40 + i * 28, 120, 24),
              names[i] + QStringLiteral("  ") + num(parts[i] / total * 100) + QStringLiteral(" %"),
              Qt::AlignLeft | Qt::AlignVCenter, text, false, 12);
    }
}

// 9: the report dialog over the charts.
void reportDialog(QPainter& p)
{
    drawCharts(p);
    dim(p);
    const QRectF preview = hotspot(ReportDialog, 0), create = hotspot(ReportDialog, 1);
    const QRectF cl = dialog(p, QRectF(236, 120, create.right() + 16 - 236, create.bottom() + 16 - 120),
                             QStringLiteral("Report erstellen"));
    const double x = cl.left() + 14;
    groupBox(p, QRectF(x, cl.top() + 16, 200, 250), QStringLiteral("Kapitel"), face);
    const char* chapters[] = {"Deckblatt", "Anschreiben", "Anlagenbeschreibung", "Standort und Einstrahlung",
                              "Ertragsprognose", "Finanzierungsplan", "Kreditübersicht", "Diagramme", "Steuer und AfA",
                              "Glossar"};
    for (int i = 0; i < 10; ++i)
        check(p, QPointF(x + 12, cl.top() + 30 + i * 23), QString::fromUtf8(chapters[i]), i != 8 && i != 9);
    const double x2 = x + 214;
    groupBox(p, QRectF(x2, cl.top() + 16, cl.right() - 14 - x2, 110), QStringLiteral("Ausgabe"), face);
    check(p, QPointF(x2 + 12, cl.top() + 32), QStringLiteral("PDF-Datei"), true, true);
    check(p, QPointF(x2 + 12, cl.top() + 55), QStringLiteral("Drucker"), false, true);
    check(p, QPointF(x2 + 12, cl.top() + 78), QStringLiteral("Word-Dokument"), false, true);
    groupBox(p, QRectF(x2, cl.top() + 142, cl.right() - 14 - x2, 124), QStringLiteral("Gestaltung"), face);
    check(p, QPointF(x2 + 12, cl.top() + 158), QStringLiteral("Firmenlogo einfügen"), true);
    check(p, QPointF(x2 + 12, cl.top() + 181), QStringLiteral("Farbige Diagramme"), true);
    label(p, QRectF(x2 + 12, cl.top() + 206, 80, 21), QStringLiteral("Vorlage:"));
    edit(p, QRectF(x2 + 12, cl.top() + 230, cl.right() - 14 - x2 - 24, 21), QStringLiteral("Kundenbericht 2010"), false,
         true);
    label(p, QRectF(x, preview.top(), 180, preview.height()), QStringLiteral("8 Kapitel, ca. 14 Seiten"),
          Qt::AlignLeft | Qt::AlignVCenter, QColor(0x50, 0x58, 0x60), false, 11.5);
    button(p, preview, QStringLiteral("Vorschau"));
    button(p, create, QStringLiteral("Erstellen"), true);
}

// One page of the report preview at small scale.
void reportPage(QPainter& p, const QRectF& page, int number)
{
    for (int i = 5; i > 0; --i)
        p.fillRect(page.adjusted(-i + 4, -i + 5, i + 4, i + 5), QColor(0, 0, 0, 8));
    p.fillRect(page, Qt::white);
    const double s = page.width() / 210.0; // page millimetres to pixels
    auto mm = [&](double x, double y, double w, double h) { return QRectF(page.left() + x * s, page.top() + y * s, w * s, h * s); };
    p.fillRect(mm(0, 0, 210, 4), brand);
    label(p, mm(15, 10, 120, 8), QStringLiteral("Sonnenwerk Albrecht GmbH · Solartechnik"), Qt::AlignLeft | Qt::AlignVCenter,
          brand, true, 8);
    sunDisc(p, mm(178, 8, 14, 14).center(), 3.5 * s, 10, 2.5 * s, 1.8);
    const Plan& pl = plan();
    if (number == 1) {
        label(p, mm(15, 28, 180, 12), QStringLiteral("Wirtschaftlichkeitsberechnung"), Qt::AlignLeft | Qt::AlignVCenter,
              QColor(0x20, 0x30, 0x40), true, 14);
        label(p, mm(15, 40, 180, 8), QStringLiteral("Photovoltaikanlage 9,87 kWp · Familie Schneider, Freiburg"),
              Qt::AlignLeft | Qt::AlignVCenter, QColor(0x50, 0x58, 0x60), false, 8.5);
        roofWithModules(p, mm(15, 52, 180, 90), 14, 3);
        const QString rows[][2] = {{QStringLiteral("Nennleistung"), QStringLiteral("9,87 kWp")},
                                   {QStringLiteral("Jahresertrag"), num(pl.energy[0]) + QStringLiteral(" kWh")},
                                   {QStringLiteral("Investition"), euro(Plan::invest)},
                                   {QStringLiteral("Vergütung 1. Jahr"), euro(pl.revenue[0])},
                                   {QStringLiteral("Eigenkapital zurück"), QStringLiteral("%1. Jahr").arg(pl.breakEvenYear())},
                                   {QStringLiteral("Überschuss 20 Jahre"), euro(pl.cumulative[19] + Plan::equity)}};
        for (int i = 0; i < 6; ++i) {
            const QRectF row = mm(15, 152 + i * 11, 180, 10);
            if (i % 2 == 0)
                p.fillRect(row, brandLight);
            label(p, row.adjusted(4, 0, 0, 0), rows[i][0], Qt::AlignLeft | Qt::AlignVCenter, text, false, 8.5);
            label(p, row.adjusted(0, 0, -4, 0), rows[i][1], Qt::AlignRight | Qt::AlignVCenter, text, true, 8.5);
        }
        for (int i = 0; i < 6; ++i)
            p.fillRect(mm(15, 230 + i * 6, i == 5 ? 110 : 180, 1.6), QColor(0xc8, 0xcd, 0xd3));
    } else {
        label(p, mm(15, 24, 180, 10), QStringLiteral("6. Finanzierungsplan"), Qt::AlignLeft | Qt::AlignVCenter,
              QColor(0x20, 0x30, 0x40), true, 11);
        for (int i = 0; i < 4; ++i)
            p.fillRect(mm(15, 37 + i * 5, i == 3 ? 120 : 180, 1.5), QColor(0xc8, 0xcd, 0xd3));
        const QRectF head = mm(15, 55, 180, 6.5);
        p.fillRect(head, brand);
        label(p, head.adjusted(2, 0, 0, 0), QStringLiteral("Jahr"), Qt::AlignLeft | Qt::AlignVCenter, Qt::white, true, 6.5);
        label(p, head.adjusted(0, 0, -70 * s, 0), QStringLiteral("Vergütung €"), Qt::AlignRight | Qt::AlignVCenter, Qt::white,
              true, 6.5);
        label(p, head.adjusted(0, 0, -35 * s, 0), QStringLiteral("Überschuss €"), Qt::AlignRight | Qt::AlignVCenter, Qt::white,
              true, 6.5);
        label(p, head.adjusted(0, 0, -2, 0), QStringLiteral("Kumuliert €"), Qt::AlignRight | Qt::AlignVCenter, Qt::white, true,
              6.5);
        for (int y = 0; y < 20; ++y) {
            const QRectF row = mm(15, 62 + y * 6.2, 180, 6);
            if (y % 2 == 0)
                p.fillRect(row, QColor(0xf1, 0xf5, 0xf3));
            label(p, row.adjusted(2, 0, 0, 0), QString::number(2010 + y), Qt::AlignLeft | Qt::AlignVCenter, text, false, 6.5);
            label(p, row.adjusted(0, 0, -70 * s, 0), num(pl.revenue[y]), Qt::AlignRight | Qt::AlignVCenter, text, false, 6.5);
            label(p, row.adjusted(0, 0, -35 * s, 0), num(pl.surplus[y]), Qt::AlignRight | Qt::AlignVCenter, text, false, 6.5);
            label(p, row.adjusted(0, 0, -2, 0), num(pl.cumulative[y]), Qt::AlignRight | Qt::AlignVCenter,
                  pl.cumulative[y] < 0 ? QColor(0xb0, 0x20, 0x20) : text, false, 6.5);
        }
        const QRectF chart = mm(15, 196, 180, 78);
        double lo = 0, hi = 0;
        for (double v : pl.cumulative) {
            lo = std::min(lo, v);
            hi = std::max(hi, v);
        }
        p.setPen(QPen(QColor(0x90, 0x98, 0xa0), 0.8));
        const double zero = chart.bottom() - (0 - lo) / (hi - lo) * chart.height();
        p.drawLine(QPointF(chart.left(), zero), QPointF(chart.right(), zero));
        for (int y = 0; y < 20; ++y) {
            const double x = chart.left() + (y + 0.2) * chart.width() / 20;
            const double v = chart.bottom() - (pl.cumulative[y] - lo) / (hi - lo) * chart.height();
            p.fillRect(QRectF(x, std::min(v, zero), chart.width() / 20 * 0.6, std::abs(zero - v)),
                       pl.cumulative[y] < 0 ? QColor(0xc8, 0x4b, 0x3b) : QColor(0x3f, 0x9f, 0x5f));
        }
    }
    label(p, mm(15, 285, 180, 6), QStringLiteral("Erstellt mit Kontalo pro 2010 · Seite %1 von 14").arg(number == 1 ? 1 : 9),
          Qt::AlignCenter, QColor(0x80, 0x88, 0x90), false, 6.5);
}

// 10: the report pages in the preview window.
void reportPages(QPainter& p)
{
    window(p, QStringLiteral("Kontalo pro 2010 - Reportvorschau (14 Seiten)"), TreeReport, QStringLiteral("Seite 1 und 9 von 14"));
    const QRectF c = r(kContent);
    p.fillRect(c.adjusted(1, 1, 0, 0), QColor(0x8a, 0x93, 0x9c));
    const QRectF bar(c.left() + 1, c.top() + 1, c.width() - 1, 32);
    p.fillRect(bar, QColor(0xee, 0xf1, 0xf4));
    button(p, QRectF(bar.left() + 8, bar.top() + 4, 84, 24), QStringLiteral("Drucken…"));
    button(p, QRectF(bar.left() + 98, bar.top() + 4, 110, 24), QStringLiteral("Als PDF sichern"));
    label(p, QRectF(bar.left() + 230, bar.top(), 60, 32), QStringLiteral("Zoom:"));
    edit(p, QRectF(bar.left() + 272, bar.top() + 5, 74, 22), QStringLiteral("55 %"), false, true);
    label(p, QRectF(bar.right() - 170, bar.top(), 160, 32), QStringLiteral("◀  Seite 1 / 14  ▶"), Qt::AlignRight | Qt::AlignVCenter);
    const double pageW = 322, pageH = pageW * 297 / 210;
    const double top = bar.bottom() + 14;
    const double h = std::min(pageH, c.bottom() - top - 8);
    p.save();
    p.setClipRect(c.adjusted(1, 34, 0, 0));
    reportPage(p, QRectF(c.left() + 30, top, pageW, pageH), 1);
    reportPage(p, QRectF(c.left() + 30 + pageW + 28, top, pageW, pageH), 2);
    p.restore();
    Q_UNUSED(h);
}

// The product box shown in the brochure's left column.
QImage cover()
{
    return supersampled(180, 230, 2, [](QPainter& p) {
        // Box front with a spine on the left.
        const QRectF front(20, 6, 150, 214);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 40));
        p.drawRoundedRect(front.translated(4, 5), 3, 3);
        p.setBrush(QColor(0x15, 0x52, 0x44));
        p.drawPolygon(QPolygonF({QPointF(8, 12), QPointF(20, 6), QPointF(20, 220), QPointF(8, 224)}));
        QLinearGradient g(front.topLeft(), front.bottomRight());
        g.setColorAt(0, QColor(0x2a, 0x86, 0x6e));
        g.setColorAt(1, QColor(0x14, 0x4f, 0x42));
        p.setBrush(g);
        p.drawRect(front);
        // Rising bars and the trend over a roof with modules.
        for (int i = 0; i < 5; ++i) {
            p.setBrush(QColor(255, 255, 255, 30 + i * 10));
            const double h = 18 + i * 12;
            p.drawRoundedRect(QRectF(front.left() + 70 + i * 15, front.top() + 120 - h, 10, h), 2, 2);
        }
        p.setPen(QPen(QColor(0xff, 0xb0, 0x5a), 3, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawPolyline(QPolygonF({QPointF(front.left() + 62, front.top() + 110), QPointF(front.left() + 96, front.top() + 96),
                                  QPointF(front.left() + 112, front.top() + 100), QPointF(front.left() + 142, front.top() + 58)}));
        p.setPen(Qt::NoPen);
        QPolygonF roof({QPointF(front.left(), front.top() + 186), QPointF(front.right(), front.top() + 150),
                        QPointF(front.right(), front.top() + 208), QPointF(front.left(), front.bottom())});
        p.setBrush(QColor(0xa9, 0x45, 0x2f));
        p.drawPolygon(roof);
        for (int c = 0; c < 5; ++c)
            pvModule(p,
                     QPolygonF({bilinear(roof, 0.06 + c * 0.18, 0.15), bilinear(roof, 0.22 + c * 0.18, 0.15),
                                bilinear(roof, 0.22 + c * 0.18, 0.8), bilinear(roof, 0.06 + c * 0.18, 0.8)}),
                     4, 6, pal::cell);
        p.setPen(Qt::white);
        p.setFont(sans(28, true));
        p.drawText(QRectF(front.left() + 12, front.top() + 10, 140, 34), Qt::AlignLeft | Qt::AlignVCenter,
                   QStringLiteral("Kontalo"));
        p.setFont(sans(17, true));
        p.setPen(QColor(0xff, 0xb0, 0x5a));
        p.drawText(QRectF(front.left() + 13, front.top() + 42, 140, 20), Qt::AlignLeft | Qt::AlignVCenter,
                   QStringLiteral("pro 2010"));
        p.setFont(sans(9));
        p.setPen(QColor(0xe0, 0xf0, 0xea));
        p.drawText(QRectF(front.left() + 13, front.top() + 64, 130, 40), Qt::AlignLeft | Qt::AlignTop,
                   QStringLiteral("Finanzierung und\nWirtschaftlichkeit\nvon PV-Anlagen"));
        p.setBrush(Qt::white);
        p.setPen(Qt::NoPen);
        p.drawRoundedRect(QRectF(front.left() + 12, front.top() + 134, 56, 14), 3, 3);
        p.setFont(sans(8, true));
        p.setPen(QColor(0x15, 0x52, 0x44));
        p.drawText(QRectF(front.left() + 12, front.top() + 134, 56, 14), Qt::AlignCenter, QStringLiteral("CD-ROM"));
    });
}

// The test overview of a trade journal.
QImage testResult()
{
    QImage img = canvas(620, 470, Qt::white);
    QPainter p(&img);
    prepare(p);
    p.fillRect(QRectF(0, 0, 620, 54), QColor(0x1c, 0x35, 0x5e));
    label(p, QRectF(18, 6, 420, 26), QStringLiteral("PV-Berater Journal"), Qt::AlignLeft | Qt::AlignVCenter, Qt::white, true,
          20);
    label(p, QRectF(18, 30, 420, 20), QStringLiteral("Software-Test · Ausgabe 4/2010"), Qt::AlignLeft | Qt::AlignVCenter,
          QColor(0xc5, 0xd6, 0xec), false, 13);
    label(p, QRectF(18, 66, 584, 26), QStringLiteral("Finanzierungsrechner für Photovoltaikanlagen im Vergleich"),
          Qt::AlignLeft | Qt::AlignVCenter, QColor(0x1c, 0x35, 0x5e), true, 17);
    const QStringList head = {QStringLiteral("Kriterium"), QStringLiteral("Gewicht"), QStringLiteral("Kontalo pro 2010"),
                              QStringLiteral("Produkt B"), QStringLiteral("Produkt C"), QStringLiteral("Produkt D")};
    const double cw[] = {170, 64, 118, 76, 76, 76};
    const QStringList rowNames = {QStringLiteral("Ertragsprognose"), QStringLiteral("Finanzierung und Kredite"),
                                  QStringLiteral("Steuerliche Betrachtung"), QStringLiteral("Report für Kunden"),
                                  QStringLiteral("Bedienung"), QStringLiteral("Handbuch und Hilfe"),
                                  QStringLiteral("Preis-Leistung")};
    const char* weights[] = {"20 %", "25 %", "15 %", "15 %", "10 %", "5 %", "10 %"};
    const double grades[][4] = {{1.8, 2.0, 2.3, 2.1}, {1.3, 2.4, 2.2, 2.9}, {1.7, 2.8, 2.1, 3.4}, {1.5, 2.2, 2.7, 2.5},
                                {1.9, 2.1, 2.6, 2.3}, {2.0, 2.3, 2.4, 3.0}, {1.6, 2.5, 2.9, 2.0}};
    double y = 104;
    double x = 18;
    p.fillRect(QRectF(18, y, 584, 26), QColor(0xe6, 0xec, 0xf3));
    for (int i = 0; i < 6; ++i) {
        label(p, QRectF(x + 6, y, cw[i] - 10, 26), head[i], (i < 1 ? Qt::AlignLeft : Qt::AlignHCenter) | Qt::AlignVCenter,
              QColor(0x1c, 0x35, 0x5e), true, 11.5);
        x += cw[i];
    }
    p.fillRect(QRectF(18 + cw[0] + cw[1], y + 26, cw[2], 7 * 26 + 30), QColor(0xe8, 0xf4, 0xee));
    y += 26;
    double total[4] = {0, 0, 0, 0};
    const double w[] = {0.2, 0.25, 0.15, 0.15, 0.1, 0.05, 0.1};
    for (int rI = 0; rI < 7; ++rI, y += 26) {
        x = 18;
        p.setPen(QColor(0xdd, 0xe3, 0xea));
        p.drawLine(QPointF(18, y + 26), QPointF(602, y + 26));
        label(p, QRectF(x + 6, y, cw[0] - 10, 26), rowNames[rI], Qt::AlignLeft | Qt::AlignVCenter, text, false, 12.5);
        label(p, QRectF(x + cw[0], y, cw[1], 26), QString::fromLatin1(weights[rI]), Qt::AlignCenter, text, false, 12.5);
        x += cw[0] + cw[1];
        for (int k = 0; k < 4; ++k) {
            total[k] += grades[rI][k] * w[rI];
            label(p, QRectF(x, y, cw[2 + k], 26), num(grades[rI][k], 1), Qt::AlignCenter, k == 0 ? brand : text, k == 0,
                  12.5);
            x += cw[2 + k];
        }
    }
    x = 18 + cw[0] + cw[1];
    label(p, QRectF(24, y + 2, 240, 28), QStringLiteral("Gesamtnote"), Qt::AlignLeft | Qt::AlignVCenter, text, true, 13.5);
    for (int k = 0; k < 4; ++k) {
        label(p, QRectF(x, y + 2, cw[2 + k], 28), num(total[k], 1), Qt::AlignCenter, k == 0 ? brand : text, true, 14);
        x += cw[2 + k];
    }
    // The seal.
    const QPointF sc(536, 402);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x1c, 0x35, 0x5e));
    p.drawEllipse(sc, 56, 56);
    p.setBrush(QColor(0xf5, 0xb0, 0x1a));
    p.drawEllipse(sc, 49, 49);
    p.setBrush(Qt::white);
    p.drawEllipse(sc, 44, 44);
    label(p, QRectF(sc.x() - 44, sc.y() - 36, 88, 16), QStringLiteral("TESTURTEIL"), Qt::AlignCenter, QColor(0x1c, 0x35, 0x5e),
          true, 9.5);
    label(p, QRectF(sc.x() - 44, sc.y() - 22, 88, 30), QStringLiteral("GUT"), Qt::AlignCenter, brand, true, 24);
    label(p, QRectF(sc.x() - 44, sc.y() + 6, 88, 18), QStringLiteral("(%1)").arg(num(total[0], 1)), Qt::AlignCenter, brand, true,
          14);
    label(p, QRectF(sc.x() - 40, sc.y() + 23, 80, 14), QStringLiteral("Heft 4/2010"), Qt::AlignCenter,
          QColor(0x50, 0x58, 0x60), false, 9);
    label(p, QRectF(18, 372, 440, 80),
          QStringLiteral("Fazit: Kontalo pro 2010 rechnet Förderkredite mit tilgungsfreien Anlaufjahren korrekt ab "
                         "und erstellt einen übersichtlichen Kundenreport. Testsieger in der Kategorie Finanzierung."),
          Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, QColor(0x30, 0x38, 0x40), false, 12.5);
    return img;
}

} // namespace

void drawProductScreens(const Sink& sink)
{
    using Painter = void (*)(QPainter&);
    const Painter painters[ScreenCount] = {startScreen, drawPlantView, locationDialog, generatorView, financeView,
                                           plantData, loansView, drawCharts, reportDialog, reportPages};
    for (int i = 0; i < ScreenCount; ++i) {
        QImage img = canvas(kScreenWidth, kScreenHeight, Qt::white);
        QPainter p(&img);
        prepare(p);
        painters[i](p);
        p.end();
        sink(QStringLiteral("product/screen-") + QString::fromLatin1(kScreens[i].key), img);
    }
    sink(QString::fromLatin1(kCoverPicture), cover());
    sink(QString::fromLatin1(kTestPicture), testResult());
}

} // namespace picgen
