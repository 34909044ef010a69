// The default paper-house PDF (A4 landscape, "Backstein" on all walls, roof
// page with the roof planner's modules, the building guide) against a plain
// libharu program that places the same pictures, shapes, cut and fold lines,
// glue numbers and texts: the floor.
#include "bench/BenchDoubles.h"
#include "app/FrameIds.h"
#include "bench/RatioReporter.h"
#include "app/BaseFrameFactory.h"
#include "app/FInterfaceFrame.h"
#include "app/FrameFactory.h"
#include "paperhouse/FPapierHausFrame.h"
#include "paperhouse/NetGeometry.h"
#include "paperhouse/PaperHousePdf.h"
#include "pdf/PdfWriter.h"
#include "platform/Dialogs.h"
#include "platform/Services.h"
#include "platform/Shell.h"

#include <QApplication>
#include <QComboBox>
#include <QFileInfo>
#include <QLineF>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <hpdf.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

namespace {

using namespace tandrel::paperhouse;
using bench::MainWindowStub;
using bench::NullShell;
using bench::SilentDialogs;

// The program's frames in a folder of their own: the roof planner with its
// default modules and the paper house with brick walls.
struct Program {
    Program()
    {
        qputenv("TANDREL_APPDATA", dir.filePath("appdata").toUtf8());
        qputenv("TANDREL_REGISTRY", dir.filePath("registry.reg").toUtf8());
        ws.InitInterface();
        ws.CreateWorkspaceFolders();
        window.body.resize(1200, 900);
        factory.StartFactory(&window, &ws);
        factory.CreateFrame(FrameId::Dachplanung2D);
        factory.ShowFrame(TPapierHausFrame::kFrameID);
        house = qobject_cast<TPapierHausFrame*>(factory.FindFrame(TPapierHausFrame::kFrameID));
        house->findChild<QComboBox*>(QStringLiteral("ComboBoxWaende"))->setCurrentIndex(1);
        input = house->GatherPdfInput(false);
    }
    ~Program() { factory.ShutdownFactory(); }

    QTemporaryDir dir;
    SilentDialogs dialogs;
    NullShell shell;
    tandrel::platform::ScopedDialogs dialogsGuard{dialogs};
    tandrel::platform::ScopedShell shellGuard{shell};
    TInterfaceFrame ws;
    MainWindowStub window;
    TFrameFactory factory;
    TPapierHausFrame* house = nullptr;
    TPaperHousePdfInput input;
};

// Made in main(): its widgets must go before the application object.
std::unique_ptr<Program> g_program;

void setSize(benchmark::State& state, const QString& file)
{
    state.counters["bytes"] = benchmark::Counter(double(QFileInfo(file).size()));
}

// The page layouts through the PDF writer, from the gathered model and pictures.
void BM_TandrelPaperHouse(benchmark::State& state)
{
    const TPaperHousePdfInput& in = g_program->input;
    const QString file = g_program->dir.filePath("tandrel.pdf");
    PdfWriter pdf;
    for (auto _ : state) {
        // A document shown in this run would not be written again: each
        // round shows it on a desktop of its own.
        NullShell shell;
        const tandrel::platform::ScopedShell shown{shell};
        pdf.SetPaperSize(PdfWriter::kPaperCustom);
        pdf.SetPaperWidth(in.pageWidth);
        pdf.SetPaperHeight(in.pageHeight);
        pdf.SetFileName(file);
        pdf.BeginDoc();
        DrawPaperHousePages(pdf, in);
        pdf.EndDoc();
    }
    setSize(state, file);
}

// The whole print of the frame, with the roof planner's two roof renderings.
void BM_TandrelPaperHouseFromFrame(benchmark::State& state)
{
    QString last;
    for (auto _ : state) {
        NullShell shell;
        const tandrel::platform::ScopedShell shown{shell};
        g_program->house->WritePaperHousePdf();
        last = shell.last;
    }
    setSize(state, last);
}

// --- the floor ------------------------------------------------------------------

struct FloorText {
    double x, y, size;
    bool bold;
    QString text;
    bool whiteSpot = false; // a white box under the text (glue numbers on a partner edge)
};
struct FloorPicture {
    QRectF mm;
    const QImage* image;
};
struct FloorPage {
    std::vector<TNetShape> shapes;
    std::vector<FloorPicture> pictures;
    std::vector<FloorText> texts;
    std::vector<QLineF> lines; // solid: cut lines and the ridge
    std::vector<QLineF> folds; // dashed
};

bool Outline(const TNetShape& s)
{
    return s.kind != TNetShape::Kind::Picture && (s.role == TNetShape::Role::Piece || s.role == TNetShape::Role::Flap);
}

std::vector<QPointF> Corners(const TNetShape& s)
{
    if (s.kind == TNetShape::Kind::Polygon)
        return s.points;
    const QPointF a = s.points[0], b = s.points[1];
    return {a, {b.x(), a.y()}, b, {a.x(), b.y()}};
}

// The pieces of a net as the kit draws them, scaled about the page's top
// left and moved: fills and pictures, a cut line for every outer edge, one
// fold line for every shared edge and, at full size, the glue numbers.
void AddKit(FloorPage& page, const TNetGeometry& net, double scale, QPointF shift)
{
    auto moved = [&](QPointF p) { return p * scale + shift; };
    struct Edge {
        QPointF a, b;
        std::size_t shape;
    };
    std::vector<Edge> edges;
    const std::vector<TNetShape>& shapes = net.Shapes();
    for (std::size_t i = 0; i < shapes.size(); ++i) {
        TNetShape s = shapes[i];
        for (QPointF& p : s.points)
            p = moved(p);
        page.shapes.push_back(s);
        if (!Outline(s))
            continue;
        const std::vector<QPointF> c = Corners(s);
        for (std::size_t k = 0; k < c.size(); ++k)
            if (QLineF(c[k], c[(k + 1) % c.size()]).length() > 1e-9)
                edges.push_back({c[k], c[(k + 1) % c.size()], i});
    }
    auto same = [](QPointF a, QPointF b) { return QLineF(a, b).length() < 1e-6; };
    for (const Edge& e : edges) {
        bool shared = false, first = true;
        for (const Edge& o : edges)
            if (o.shape != e.shape && ((same(e.a, o.a) && same(e.b, o.b)) || (same(e.a, o.b) && same(e.b, o.a)))) {
                shared = true;
                first = first && e.shape < o.shape;
            }
        if (!shared)
            page.lines.emplace_back(e.a, e.b);
        else if (first)
            page.folds.emplace_back(e.a, e.b);
    }
    if (scale != 1)
        return;
    for (const TNetShape& s : shapes) {
        if (s.role != TNetShape::Role::Flap || s.glue <= 0)
            continue;
        QPointF c;
        for (const QPointF& p : s.points)
            c += p;
        c = moved(c / double(s.points.size()));
        page.texts.push_back({c.x() - 0.8, c.y() - 1, 6, true, QString::number(s.glue)});
    }
    for (const TNetMark& m : net.Marks()) {
        const QPointF c = moved((m.a + m.b) / 2 + m.inward * 2.5);
        page.texts.push_back({c.x() - 0.8, c.y() - 1, 6, true, QString::number(m.number), true});
    }
}

// The glue numbers of the house whose walls fit one page: the wall ring, the
// floor plate's three flaps, the gables' two flaps each.
constexpr int kRing = 1, kFloorLeft = 2, kFloorBottom = 3, kFloorRight = 4;

// The walls page's and the roof page's pieces.
void AddWallNet(TNetGeometry& net, const TPaperHousePdfInput& in)
{
    const TPaperHouseParams& p = in.params;
    const double L = p.Hauslaenge, B = p.Hausbreite, H = p.Haushoehe;
    const double starts[4] = {0, L, L + B, 2 * L + B};
    const TNetGlue glue[4] = {{.left = kRing}, {.bottom = kFloorRight}, {.bottom = kFloorBottom},
                              {.bottom = kFloorLeft, .right = kRing}};
    for (int i = 0; i < 4; ++i) {
        TNetWall w{starts[i], 0, i % 2 ? B : L, H, p.ColorHauswand, in.wallPictures[i].isNull() ? nullptr : &in.wallPictures[i],
                   p.ElementeAnzeigen[i], p.TuerPosition[i], p.TuerAnzahl[i], {}};
        w.flaps.left = i == 0;
        net.AddWall(w, glue[i]);
    }
    net.AddWall({0, -B, L, B, kFloorPlateColor, nullptr, false, 50, 0, {true, false, true, true}},
                {kFloorLeft, 0, kFloorBottom, kFloorRight});
    net.AddGable(p.Schenkelanteil, B, p.DachNeigung, H, L, 5, 6);
    net.AddGable(100 - p.Schenkelanteil, B, p.DachNeigung, H, 2 * L + B, 7, 8);
}

void AddRoofNet(TNetGeometry& net, const TPaperHouseParams& p)
{
    const double g = p.RoofGableSideLength(), e = p.RoofEavesSideLength();
    net.AddWall({0, 0, e, g, p.ColorDach, nullptr, false, 50, 0, {}});
    net.AddWall({0, -g, e, g, p.ColorDach, nullptr, false, 50, 0, {}});
    net.AddWall({e, 0, e, g, 16777215, nullptr, false, 50, 0, {}});
    net.AddWall({e, -g, e, g, 16777215, nullptr, false, 50, 0, {}});
}

// The same pieces, pictures and texts as the paper-house document, laid out
// once before timing: the walls, the roof and the building guide.
std::vector<FloorPage> FloorPages(const TPaperHousePdfInput& in)
{
    const TPaperHouseParams& p = in.params;
    const double k = MillimetresPerMetre(p.Massstab);
    std::vector<FloorPage> pages(3);

    FloorPage& walls = pages[0];
    const double oy = 0.46 * in.pageHeight;
    TNetGeometry net(p, TNetDevice::Pdf(k, 6.8, oy, p.LaschenGroesse));
    AddWallNet(net, in);
    AddKit(walls, net, 1, {});
    const TRoofPlannerData& roof = *in.roofPlanner;
    const double sy[] = {0, 4.2, 8.4, 12.6, 18.8, 23.0, 27.0, 31.0, 35.0, 45.2};
    const QString summary[] = {QStringLiteral("PV-Modul: ") + roof.ModuleName,
                               QStringLiteral("Anzahl:  %1    Leistung: 260 Wp").arg(roof.CountActiveModules),
                               QStringLiteral("Anlagenleistung: %1 kWp").arg(roof.PlantPowerKWp, 0, 'f', 1),
                               QStringLiteral("Internet: ") + roof.ModuleInternet,
                               QStringLiteral("Erstellt mit Tandrel https://www.norvi-software.de/tandrel"),
                               QStringLiteral("Norvi GmbH, Software in der Solartechnik"),
                               QStringLiteral("Lichtenbergstraße 14"),
                               QStringLiteral("80331 München"),
                               QStringLiteral("www.norvi-software.de"),
                               QStringLiteral("Maßstab: 1:125")};
    for (int i = 0; i < 10; ++i)
        walls.texts.push_back({8.3, oy + 1.5 + sy[i], 10, i >= 4 && i <= 8, summary[i]});
    walls.texts.push_back({4.8, in.pageHeight - 6.8, 10,  false,
                           QStringLiteral("Tandrel: Hersteller Norvi GmbH, www.norvi-software.de, https://www.norvi-software.de/tandrel")});
    walls.pictures.push_back({QRectF(in.pageWidth - 140, in.pageHeight - 18.8, 108, 18), &in.banner});
    walls.texts.push_back({in.pageWidth - 140, in.pageHeight - 23.2, 8.5, false,
                           QStringLiteral("Kontalo pro: Software zur professionellen PV-Anlagenplanung, "
                                          "https://www.norvi-software.de/kontalo")});

    FloorPage& roofPage = pages[1];
    const double g = p.RoofGableSideLength(), e = p.RoofEavesSideLength(), ry = 0.5 * in.pageHeight;
    TNetGeometry planes(p, TNetDevice::Pdf(k, 12, ry, p.LaschenGroesse));
    AddRoofNet(planes, p);
    AddKit(roofPage, planes, 1, {});
    for (int i = 0; i < 4; ++i)
        roofPage.texts.push_back({12 + e * k * (i < 2 ? 1.1 : 1.9), ry + g * k * (i % 2 ? 0.5 : -0.5), 6, true,
                                  QString::number(5 + i), true});
    const double x0 = in.pageWidth - 154, y0 = in.pageHeight - 40;
    const double w = 38.0 * roof.ModulePicture.width() / roof.ModulePicture.height();
    if (!roof.MakerLogo.isNull())
        roofPage.pictures.push_back(
            {QRectF(52, in.pageHeight - 36, 20.0 * roof.MakerLogo.width() / roof.MakerLogo.height(), 20), &roof.MakerLogo});
    roofPage.pictures.push_back({QRectF(x0, y0, w, 38), &roof.ModulePicture});
    roofPage.pictures.push_back({QRectF(QPointF(12, ry), QPointF(12 + e * k, ry + g * k)), &roof.RoofWithModules});
    roofPage.pictures.push_back({QRectF(QPointF(12, ry - g * k), QPointF(12 + e * k, ry)), &roof.RoofSecondSide});
    roofPage.texts.push_back({x0 + w + 2, y0 + 5.6, 9, false, QStringLiteral("Verwendetes PV-Modul:")});
    roofPage.lines.push_back(QLineF(x0 + w + 2, y0 + 9, x0 + w + 38, y0 + 9)); // the underline
    const char* captions[] = {"PV-Modul:", "Modulleistung:", "Modulbreite: ", "Modullänge: ", "Hersteller:", "Internet: "};
    const char* values[] = {"SI M260 black", "260 Wp", "1.000 mm", "1.667 mm", "Solar Industries AG",
                            "https://www.solarindustries-module.de"};
    for (int i = 0; i < 6; ++i) {
        roofPage.texts.push_back({x0 + w + 2, y0 + 10.2 + 4.2 * i, 10, false, QString::fromUtf8(captions[i])});
        roofPage.texts.push_back({x0 + w + 28, y0 + 10.2 + 4.2 * i, 10, false, QString::fromUtf8(values[i])});
    }
    roofPage.texts.push_back({10, 4.8, 12, false,
                              QStringLiteral("Dachfläche kann doppelt übereinander geklebt werden zur besseren Stabilität")});
    roofPage.texts.push_back({10, in.pageHeight - 6.8, 9, false,
                              QStringLiteral("Tandrel: Hersteller Norvi GmbH, www.norvi-software.de, https://www.norvi-software.de/tandrel")});

    // The guide: a heading and six steps of a few rows each, every step with
    // a small picture of the walls or the roof.
    FloorPage& guide = pages[2];
    guide.texts.push_back({5, 5, 14, true, QStringLiteral("Bauanleitung")});
    const char* steps[] = {
        "Alle Teile an den durchgezogenen Linien ausschneiden, auch die grauen Klebelaschen.",
        "An allen gestrichelten Linien nach hinten falten und die Falze mit dem Fingernagel nachziehen.",
        "Die Wände zu einem Kasten schließen: mit der Lasche 1 an die Kante mit derselben Zahl kleben.",
        "Die Bodenplatte einklappen und mit den Laschen 2 bis 4 an die Wände kleben.",
        "Das Dach ausschneiden, die weiße Hälfte an der gestrichelten Linie darunter falten und aufkleben; dann am "
        "First knicken.",
        "Zuletzt das Dach aufsetzen: die Giebellaschen 5 bis 8 an die gleich nummerierten Stellen unter dem Dach "
        "kleben."};
    const QRectF wallsBox = QRectF(0, 0, 2 * (p.Hauslaenge + p.Hausbreite) * k + 20, in.pageHeight);
    const QRectF roofBox = QRectF(0, 0, 2 * e * k + 20, 2 * g * k + 20);
    const double cellWidth = (in.pageWidth - 10 - 8) / 3, cellHeight = (in.pageHeight - 10 - 10 - 4) / 2;
    for (int i = 0; i < 6; ++i) {
        const double left = 5 + (i % 3) * (cellWidth + 4), top = 12 + (i / 3) * (cellHeight + 4);
        guide.texts.push_back({left, top, 9, true, QStringLiteral("%1.").arg(i + 1)});
        // About 45 characters a row at 9 pt in a third of the page.
        const QStringList words = QString::fromUtf8(steps[i]).split(QLatin1Char(' '));
        QString row;
        double y = top;
        for (const QString& word : words) {
            if (!row.isEmpty() && row.size() + word.size() > 45) {
                guide.texts.push_back({left + 6, y, 9, false, row});
                y += 3.7;
                row.clear();
            }
            row = row.isEmpty() ? word : row + QLatin1Char(' ') + word;
        }
        guide.texts.push_back({left + 6, y, 9, false, row});
        y += 3.7;
        const QRectF cell(left + 6, y + 2, cellWidth - 6, top + cellHeight - y - 2);
        const QRectF& box = i < 4 ? wallsBox : roofBox;
        const double scale = std::min(cell.width() / box.width(), cell.height() / box.height());
        AddKit(guide, i < 4 ? net : planes, scale, cell.topLeft());
        if (i >= 4) {
            const double s = scale;
            guide.pictures.push_back({QRectF(QPointF(12 * s, ry * s), QPointF((12 + e * k) * s, (ry + g * k) * s))
                                          .translated(cell.topLeft()),
                                      &roof.RoofWithModules});
            guide.pictures.push_back({QRectF(QPointF(12 * s, (ry - g * k) * s), QPointF((12 + e * k) * s, ry * s))
                                          .translated(cell.topLeft()),
                                      &roof.RoofSecondSide});
        }
    }
    return pages;
}

// Laid out in main(), outside every measurement.
std::vector<FloorPage> g_floorPages;

void errorHandler(HPDF_STATUS error, HPDF_STATUS detail, void*)
{
    std::fprintf(stderr, "libharu error 0x%04X (%u)\n", unsigned(error), unsigned(detail));
}

HPDF_Image LoadPicture(HPDF_Doc doc, const QImage& image)
{
    const auto w = HPDF_UINT(image.width()), h = HPDF_UINT(image.height());
    if (image.hasAlphaChannel()) {
        const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
        QByteArray rgb(qsizetype(w) * h * 3, Qt::Uninitialized), alpha(qsizetype(w) * h, Qt::Uninitialized);
        bool opaque = true;
        char *c = rgb.data(), *a = alpha.data();
        for (int y = 0; y < int(h); ++y) {
            const auto* line = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
            for (int x = 0; x < int(w); ++x) {
                *c++ = char(qRed(line[x]));
                *c++ = char(qGreen(line[x]));
                *c++ = char(qBlue(line[x]));
                *a++ = char(qAlpha(line[x]));
                opaque = opaque && qAlpha(line[x]) == 255;
            }
        }
        HPDF_Image img = HPDF_LoadRawImageFromMem(doc, reinterpret_cast<const HPDF_BYTE*>(rgb.constData()), w, h,
                                                  HPDF_CS_DEVICE_RGB, 8);
        if (!opaque)
            HPDF_Image_AddSMask(img, HPDF_LoadRawImageFromMem(doc, reinterpret_cast<const HPDF_BYTE*>(alpha.constData()),
                                                              w, h, HPDF_CS_DEVICE_GRAY, 8));
        return img;
    }
    // libharu takes rows without padding; a row of a width not divisible by
    // four is padded in a QImage.
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    const qsizetype row = qsizetype(w) * 3;
    if (rgb.bytesPerLine() == row)
        return HPDF_LoadRawImageFromMem(doc, rgb.constBits(), w, h, HPDF_CS_DEVICE_RGB, 8);
    QByteArray tight(row * h, Qt::Uninitialized);
    for (int y = 0; y < int(h); ++y)
        std::copy_n(rgb.constScanLine(y), row, tight.data() + row * y);
    return HPDF_LoadRawImageFromMem(doc, reinterpret_cast<const HPDF_BYTE*>(tight.constData()), w, h,
                                    HPDF_CS_DEVICE_RGB, 8);
}

void BM_PlainLibharu(benchmark::State& state)
{
    const TPaperHousePdfInput& in = g_program->input;
    const std::vector<FloorPage>& pages = g_floorPages;
    const QString file = g_program->dir.filePath("floor.pdf");
    const QByteArray name = file.toLocal8Bit();
    const double pt = 72 / 25.4, pageH = in.pageHeight;
    auto rgb = [](ColorRef c, auto set) { set((c & 0xFF) / 255.f, ((c >> 8) & 0xFF) / 255.f, ((c >> 16) & 0xFF) / 255.f); };
    for (auto _ : state) {
        HPDF_Doc doc = HPDF_New(errorHandler, nullptr);
        HPDF_SetCompressionMode(doc, HPDF_COMP_ALL);
        HPDF_Font regular = HPDF_GetFont(doc, "Helvetica", "WinAnsiEncoding");
        HPDF_Font bold = HPDF_GetFont(doc, "Helvetica-Bold", "WinAnsiEncoding");
        std::unordered_map<qint64, HPDF_Image> loaded;
        auto picture = [&](HPDF_Page page, const QRectF& r, const QImage& image) {
            auto [it, fresh] = loaded.try_emplace(image.cacheKey(), nullptr);
            if (fresh)
                it->second = LoadPicture(doc, image);
            HPDF_Page_DrawImage(page, it->second, HPDF_REAL(r.left() * pt), HPDF_REAL((pageH - r.bottom()) * pt),
                                HPDF_REAL(r.width() * pt), HPDF_REAL(r.height() * pt));
        };
        for (const FloorPage& fp : pages) {
            HPDF_Page page = HPDF_AddPage(doc);
            HPDF_Page_SetWidth(page, HPDF_REAL(in.pageWidth * pt));
            HPDF_Page_SetHeight(page, HPDF_REAL(pageH * pt));
            HPDF_Page_SetLineWidth(page, 0.75f);
            // Fills and pictures, then the lines over them.
            for (const TNetShape& s : fp.shapes) {
                if (s.kind == TNetShape::Kind::Picture) {
                    picture(page, QRectF(s.points[0], s.points[1]).normalized(), *s.picture);
                    continue;
                }
                rgb(s.fill, [&](float r, float g, float b) { HPDF_Page_SetRGBFill(page, r, g, b); });
                if (s.kind == TNetShape::Kind::Rectangle) {
                    const QRectF r = QRectF(s.points[0], s.points[1]).normalized();
                    HPDF_Page_Rectangle(page, HPDF_REAL(r.left() * pt), HPDF_REAL((pageH - r.bottom()) * pt),
                                        HPDF_REAL(r.width() * pt), HPDF_REAL(r.height() * pt));
                    HPDF_Page_Eofill(page);
                } else {
                    HPDF_Page_MoveTo(page, HPDF_REAL(s.points[0].x() * pt), HPDF_REAL((pageH - s.points[0].y()) * pt));
                    for (std::size_t i = 1; i < s.points.size(); ++i)
                        HPDF_Page_LineTo(page, HPDF_REAL(s.points[i].x() * pt), HPDF_REAL((pageH - s.points[i].y()) * pt));
                    HPDF_Page_Eofill(page);
                }
            }
            for (const FloorPicture& p : fp.pictures)
                picture(page, p.mm, *p.image);
            auto stroke = [&](const QLineF& l) {
                HPDF_Page_MoveTo(page, HPDF_REAL(l.x1() * pt), HPDF_REAL((pageH - l.y1()) * pt));
                HPDF_Page_LineTo(page, HPDF_REAL(l.x2() * pt), HPDF_REAL((pageH - l.y2()) * pt));
                HPDF_Page_Stroke(page);
            };
            for (const QLineF& l : fp.lines)
                stroke(l);
            const HPDF_UINT16 dash[] = {5, 2};
            HPDF_Page_SetDash(page, dash, 2, 0);
            for (const QLineF& l : fp.folds)
                stroke(l);
            HPDF_Page_SetDash(page, nullptr, 0, 0);
            for (const FloorText& t : fp.texts) {
                HPDF_Font font = t.bold ? bold : regular;
                if (t.whiteSpot) {
                    HPDF_Page_SetRGBFill(page, 1, 1, 1);
                    HPDF_Page_Rectangle(page, HPDF_REAL((t.x - 0.4) * pt), HPDF_REAL((pageH - t.y - 2) * pt),
                                        HPDF_REAL(2.4 * pt), HPDF_REAL(2.4 * pt));
                    HPDF_Page_Eofill(page);
                }
                HPDF_Page_SetRGBFill(page, 20 / 255.f, 20 / 255.f, 60 / 255.f);
                const double baseline = (pageH - t.y) * pt - HPDF_Font_GetAscent(font) / 1000.0 * t.size;
                HPDF_Page_BeginText(page);
                HPDF_Page_SetFontAndSize(page, font, HPDF_REAL(t.size));
                HPDF_Page_TextOut(page, HPDF_REAL(t.x * pt), HPDF_REAL(baseline), t.text.toLatin1().constData());
                HPDF_Page_EndText(page);
            }
        }
        HPDF_SaveToFile(doc, name.constData());
        HPDF_Free(doc);
    }
    setSize(state, file);
}

BENCHMARK(BM_PlainLibharu)->Unit(benchmark::kMillisecond)->MinTime(3.0);
BENCHMARK(BM_TandrelPaperHouse)->Unit(benchmark::kMillisecond)->MinTime(3.0);
BENCHMARK(BM_TandrelPaperHouseFromFrame)->Unit(benchmark::kMillisecond)->MinTime(3.0);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    g_program = std::make_unique<Program>();
    g_floorPages = FloorPages(g_program->input);
    RatioReporter reporter("BM_TandrelPaperHouse", "BM_PlainLibharu", "Paper house / plain libharu");
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    g_floorPages.clear();
    g_program.reset();
    return 0;
}
