#include "paperhouse/PaperHousePdf.h"

#include "app/Links.h"
#include "paperhouse/NetGeometry.h"
#include "paperhouse/PaperHouseLayout.h"
#include "pdf/PdfWriter.h"

#include <QLocale>
#include <QPolygonF>
#include <algorithm>
#include <cmath>
#include <memory>

namespace tandrel::paperhouse {

namespace {

constexpr tandrel::platform::ColorRef kWhite = 16777215;
const QString kFont = QStringLiteral("Arial");

void TextSettings(PdfWriter& pdf, double size, int style = 0)
{
    pdf.SetFont(kFont, size, kPaperHouseTextColor, style);
    pdf.SetBrush(kWhite, PdfWriter::BrushStyle::Clear);
}

// Texts never start left of the page; a cut-off first letter reads as a misprint.
constexpr double kMinTextX = 2.0;

void Text(PdfWriter& pdf, double x, double y, const QString& text)
{
    pdf.TextOut(std::max(x, kMinTextX), y, text);
}

// Smallest size a shrunk line may take.
constexpr double kMinFittedSize = 6;
// Below this a footer line is moved rather than shrunk further.
constexpr double kMinFooterSize = 7;

// The size (from `size` down to `smallest` in half points) at which the
// text in the standard settings ends within maxWidth; `smallest` when none does.
double FittingSize(PdfWriter& pdf, const QString& text, double size, double maxWidth, double smallest, int style = 0)
{
    TextSettings(pdf, size, style);
    while (size > smallest && pdf.TextWidth(text) > maxWidth) {
        size -= 0.5;
        pdf.SetFontSize(size);
    }
    return size;
}

// A text in the standard settings, shrunk (not below 6 pt) so that it ends
// before maxWidth: long web addresses must not run into the banner or the
// module legend beside the footer.
void FittedText(PdfWriter& pdf, double x, double y, const QString& text, double size, double maxWidth)
{
    FittingSize(pdf, text, size, maxWidth, kMinFittedSize);
    Text(pdf, x, y, text);
}

QString MakerLine()
{
    return QStringLiteral("Tandrel: Hersteller Norvi GmbH, %1, %2")
        .arg(QLatin1String(links::kMakerWebAddress), QLatin1String(links::kProductWebSite));
}

QString SiblingLine()
{
    return QStringLiteral("Kontalo pro: Software zur professionellen PV-Anlagenplanung, ")
           + QLatin1String(links::kSiblingProductWebSite);
}

QString Number(double v, int decimals)
{
    return QLocale().toString(v, 'f', decimals);
}

TNetWall Piece(double x, double y, double width, double height, ColorRef fill)
{
    TNetWall w;
    w.x = x;
    w.y = y;
    w.width = width;
    w.height = height;
    w.fill = fill;
    return w;
}

const QImage* PictureOrNull(const QImage& image)
{
    return image.isNull() ? nullptr : &image;
}

TNetWall HouseWall(const TPaperHousePdfInput& in, int index, double x)
{
    const TPaperHouseParams& p = in.params;
    const double width = index % 2 == 0 ? p.Hauslaenge : p.Hausbreite;
    TNetWall w = Piece(x, 0, width, p.Haushoehe, p.ColorHauswand);
    w.picture = PictureOrNull(in.wallPictures[index]);
    w.showElements = p.ElementeAnzeigen[index];
    w.doorPositionPercent = p.TuerPosition[index];
    w.doorCount = p.TuerAnzahl[index];
    return w;
}

// Height of a text line's box (mm) at a size in points.
double LineHeight(double size)
{
    return size * 25.4 / 72 * 1.15;
}

bool Free(const QRectF& box, const std::vector<QRectF>& occupied, const QRectF& area)
{
    if (box.left() < area.left() - 1e-6 || box.right() > area.right() + 1e-6 || box.top() < area.top() - 1e-6
        || box.bottom() > area.bottom() + 1e-6)
        return false;
    return std::none_of(occupied.begin(), occupied.end(), [&](const QRectF& o) { return o.intersects(box); });
}

// A place for a line of text: its left top and the width it may take.
struct TTextSpot {
    double x, y, maxWidth;
};

// The first spot where the text, shrunk down to `smallest`, stays off the
// pieces and inside the print area; the last spot when none is free.
// Returns the box the text takes.
QRectF PlaceLine(PdfWriter& pdf, const QString& text, double size, int style, const std::vector<TTextSpot>& spots,
                 const std::vector<QRectF>& occupied, const QRectF& area, double smallest)
{
    for (std::size_t i = 0; i < spots.size(); ++i) {
        const TTextSpot& s = spots[i];
        const double fitted = FittingSize(pdf, text, size, s.maxWidth, smallest, style);
        const double width = pdf.TextWidth(text);
        const QRectF box(s.x, s.y, width, LineHeight(fitted));
        if ((width <= s.maxWidth && Free(box, occupied, area)) || i + 1 == spots.size()) {
            pdf.TextOut(s.x, s.y, text);
            return box;
        }
    }
    return {};
}

// The project summary inside the floor plate: shrunk (not below 6 pt) to
// the plate, and wrapped at 6 pt where a line is still too long.
void Summary(PdfWriter& pdf, const TRoofPlannerData& roof, int scale, const QRectF& plate)
{
    struct Line {
        double dy;
        int style;
        QString text;
    };
    const Line lines[] = {
        {0, 0, QStringLiteral("PV-Modul: %1").arg(roof.ModuleName)},
        {4.2, 0,
         QStringLiteral("Anzahl:  %1    Leistung: %2 Wp").arg(roof.CountActiveModules).arg(Number(roof.ModulePowerWp, 0))},
        {8.4, 0, QStringLiteral("Anlagenleistung: %1 kWp").arg(Number(roof.PlantPowerKWp, 1))},
        {12.6, 0, QStringLiteral("Internet: %1").arg(roof.ModuleInternet)},
        {18.8, PdfWriter::Bold, QStringLiteral("Erstellt mit Tandrel ") + QLatin1String(links::kProductWebSite)},
        {23.0, PdfWriter::Bold, QStringLiteral("Norvi GmbH, Software in der Solartechnik")},
        {27.0, PdfWriter::Bold, QString::fromUtf8(links::kMakerStreet)},
        {31.0, PdfWriter::Bold,
         QString::fromUtf8(links::kMakerPostcode) + QLatin1Char(' ') + QString::fromUtf8(links::kMakerTown)},
        {35.0, PdfWriter::Bold, QLatin1String(links::kMakerWebAddress)},
        {45.2, 0, QStringLiteral("Maßstab: 1:%1").arg(scale)},
    };
    const QRectF inner = plate.adjusted(1.5, 1.5, -1.5, -1.5);
    auto widest = [&](double size) {
        double w = 0;
        for (const Line& l : lines) {
            TextSettings(pdf, size, l.style);
            w = std::max(w, pdf.TextWidth(l.text));
        }
        return w;
    };
    double size = 10;
    while (size > kMinFittedSize
           && (widest(size) > inner.width() || (45.2 * size / 10 + LineHeight(size)) > inner.height()))
        size -= 0.5;
    const double f = size / 10;
    double extra = 0;
    for (const Line& l : lines) {
        TextSettings(pdf, size, l.style);
        // Word by word into rows of the plate's width.
        QStringList rows;
        QString row;
        for (const QString& word : l.text.split(QLatin1Char(' '))) {
            const QString longer = row.isEmpty() ? word : row + QLatin1Char(' ') + word;
            if (!row.isEmpty() && pdf.TextWidth(longer) > inner.width()) {
                rows << row;
                row = word;
            } else {
                row = longer;
            }
        }
        rows << row;
        for (qsizetype r = 0; r < rows.size(); ++r) {
            pdf.TextOut(inner.left(), inner.top() + l.dy * f + extra, rows[r]);
            if (r + 1 < rows.size())
                extra += 4.2 * f;
        }
    }
}

// The sibling product's banner and line, bottom right inside the margins,
// or right-aligned where the pieces leave no room at the usual place.
// Returns the block's box (empty when it found no free place and was left out).
QRectF Banner(PdfWriter& pdf, const QImage& banner, double pageWidth, double pageHeight,
              const std::vector<QRectF>& occupied, double usualLeft)
{
    const QRectF area = PrintArea(pageWidth, pageHeight);
    const double bannerHeight = banner.isNull() ? 0 : 18;
    const double lineHeight = LineHeight(10);
    for (double left : {std::max(usualLeft, area.left()), area.right() - 108}) {
        const QRectF block(left, area.bottom() - bannerHeight - 4.4 - 0.2, area.right() - left,
                           bannerHeight + 4.4 + 0.2);
        const QRectF line(left, block.top() - 0.2, area.right() - left, lineHeight);
        if (!Free(block.united(line), occupied, area))
            continue;
        if (!banner.isNull())
            pdf.DrawImage(QRectF(left, area.bottom() - bannerHeight, 108, bannerHeight), banner);
        FittedText(pdf, left, area.bottom() - bannerHeight - 4.4, SiblingLine(), 10, area.right() - left);
        return block.united(line);
    }
    return {};
}

// The maker line: at the page foot beside the banner, above the banner, or
// at the top left, wherever the pieces leave room.
void MakerFooter(PdfWriter& pdf, double pageWidth, double pageHeight, std::vector<QRectF> occupied,
                 const QRectF& banner)
{
    const QRectF area = PrintArea(pageWidth, pageHeight);
    const double h = LineHeight(12);
    const double besideBanner = banner.isEmpty() ? area.right() : banner.left() - 3;
    if (!banner.isEmpty())
        occupied.push_back(banner);
    const std::vector<TTextSpot> spots = {
        {area.left(), area.bottom() - h, besideBanner - area.left()},
        {banner.isEmpty() ? area.left() : banner.left(), (banner.isEmpty() ? area.bottom() : banner.top()) - h - 0.5,
         area.right() - (banner.isEmpty() ? area.left() : banner.left())},
        {area.left(), area.top(), area.width()},
        {area.left(), area.bottom() - h, area.width()},
    };
    if (PlaceLine(pdf, MakerLine(), 12, 0, spots, occupied, area, kMinFooterSize).isEmpty())
        PlaceLine(pdf, MakerLine(), 12, 0, spots, occupied, area, kMinFittedSize);
}

// Left edge of the module legend; on pages narrower than A4 landscape it
// stays inside the margin.
double LegendLeft(double pageWidth)
{
    return std::max(pageWidth - 154, kPrintMargin);
}

// Seven rows under the heading within the module picture's 38 mm.
constexpr double kLegendRowPitch = 3.9;

// The module legend at the foot of the roof page, the maker's logo beside
// or above it where it stays off the pieces; returns its box.
QRectF ModuleLegend(PdfWriter& pdf, const TRoofPlannerData& roof, double pageWidth, double pageHeight,
                    const std::vector<QRectF>& occupied)
{
    const double x0 = LegendLeft(pageWidth), y0 = pageHeight - kPrintMargin - 38;
    const QRectF area = PrintArea(pageWidth, pageHeight);
    QRectF box;
    if (!roof.MakerLogo.isNull() && roof.MakerLogo.height() > 0) {
        const double h = 20, w = h * roof.MakerLogo.width() / roof.MakerLogo.height();
        // Beside the legend above the maker line, or else above the legend.
        const QRectF beside(52, area.bottom() - LineHeight(12) - 1 - h, w, h);
        const QRectF above(x0, y0 - 3 - h, w, h);
        for (const QRectF& logo : {beside, above}) {
            if ((logo == beside && logo.right() + 3 > x0) || !Free(logo, occupied, area))
                continue;
            pdf.DrawImage(logo, roof.MakerLogo);
            box = logo;
            break;
        }
    }
    const double h = 38, w = h * roof.ModulePicture.width() / std::max(1, roof.ModulePicture.height());
    pdf.DrawImage(QRectF(x0, y0, w, h), roof.ModulePicture);
    box = box.isNull() ? QRectF(x0, y0, w, h) : box.united(QRectF(x0, y0, w, h));
    const double x1 = x0 + w + 2, x2 = x0 + w + 28;
    TextSettings(pdf, 9);
    pdf.TextOutMarkup(x1, y0 + 5.6, QStringLiteral("<u>Verwendetes PV-Modul:</u>"));
    const std::pair<QString, QString> rows[] = {
        {QStringLiteral("PV-Modul:"), roof.ModuleName},
        {QStringLiteral("Modulleistung:"), Number(roof.ModulePowerWp, 0) + QStringLiteral(" Wp")},
        {QStringLiteral("Modulbreite: "), Number(roof.ModuleWidth * 1000, 0) + QStringLiteral(" mm")},
        {QStringLiteral("Modullänge: "), Number(roof.ModuleHeight * 1000, 0) + QStringLiteral(" mm")},
        {QStringLiteral("Verlegung:"), roof.LaidAcross ? QStringLiteral("quer") : QStringLiteral("hochkant")},
        {QStringLiteral("Hersteller:"), roof.ModuleMaker},
        {QStringLiteral("Internet: "), roof.ModuleInternet},
    };
    double y = y0 + 10.2;
    double right = x2;
    for (const auto& [caption, value] : rows) {
        // Values end inside the margin.
        TextSettings(pdf, 10);
        Text(pdf, x1, y, caption);
        FittedText(pdf, x2, y, value, 10, pageWidth - kPrintMargin - x2);
        right = std::max(right, x2 + pdf.TextWidth(value));
        y += kLegendRowPitch;
    }
    return box.united(QRectF(x1, y0, right - x1, h));
}

// Glue numbers, in the order the model is put together: the walls into a
// ring, the floor plate, then the gables under the roof.
struct TGlueNumbers {
    int wallRing = 0, wallSplit = 0, floorLeft = 0, floorBottom = 0, floorRight = 0;
    int gable1Left = 0, gable1Right = 0, gable2Left = 0, gable2Right = 0;
};

// The piece groups of the walls page, for the building guide's pictures.
enum TPieceGroup { kWallGroup = 1, kFloorGroup, kGableGroup };

TGlueNumbers GlueNumbers(bool split)
{
    TGlueNumbers g;
    int n = 0;
    g.wallRing = ++n;
    if (split)
        g.wallSplit = ++n;
    g.floorLeft = ++n;
    g.floorBottom = ++n;
    g.floorRight = ++n;
    g.gable1Left = ++n;
    g.gable1Right = ++n;
    g.gable2Left = ++n;
    g.gable2Right = ++n;
    return g;
}

}  // namespace

// The composed pages of the paper house, before drawing.
struct TPaperHouseKit {
    explicit TPaperHouseKit(const TPaperHousePdfInput& input)
        : in(input)
    {
    }
    const TPaperHousePdfInput& in;
    bool split = false;
    bool whiteBelow = false; // the second roof layer under the roof planes instead of beside them
    std::unique_ptr<TKitPage> walls, extraWalls, roof;

    bool Fits() const
    {
        return walls->Fits() && (!extraWalls || extraWalls->Fits()) && roof->Fits();
    }
};

namespace {

bool HasLegend(const TPaperHousePdfInput& in)
{
    return in.roofPlanner && !in.roofPlanner->ModulePicture.isNull();
}

void AddWallPages(TPaperHouseKit& kit, bool split)
{
    const TPaperHousePdfInput& in = kit.in;
    const TPaperHouseParams& p = in.params;
    const double L = p.Hauslaenge, B = p.Hausbreite, H = p.Haushoehe;
    const int s = p.Schenkelanteil;
    const TGlueNumbers g = GlueNumbers(split);
    const double originY = 0.46 * in.pageHeight;
    kit.split = split;
    kit.walls = std::make_unique<TKitPage>(p, 6.8, originY);
    TNetGeometry& net = kit.walls->Net();
    TNetWall wall1 = HouseWall(in, 0, 0);
    wall1.flaps.left = true;
    net.AddWall(wall1, {.left = g.wallRing});
    net.AddWall(HouseWall(in, 1, L), {.bottom = g.floorRight, .right = g.wallSplit});
    kit.walls->Tag(kWallGroup);
    TNetWall wall3 = HouseWall(in, 2, split ? 0 : L + B);
    const TNetGlue glue3{.left = g.wallSplit, .bottom = g.floorBottom};
    const TNetWall wall4 = HouseWall(in, 3, split ? L : 2 * L + B);
    const TNetGlue glue4{.bottom = g.floorLeft, .right = g.wallRing};
    if (split) {
        wall3.flaps.left = true;
    } else {
        net.AddWall(wall3, glue3);
        net.AddWall(wall4, glue4);
        kit.walls->Tag(kWallGroup);
    }
    TNetWall floor = Piece(0, -B, L, B, kFloorPlateColor);
    floor.flaps = {true, false, true, true};
    net.AddWall(floor, {g.floorLeft, 0, g.floorBottom, g.floorRight});
    kit.walls->Tag(kFloorGroup);
    net.AddGable(s, B, p.DachNeigung, H, L, g.gable1Left, g.gable1Right);
    if (!split)
        net.AddGable(100 - s, B, p.DachNeigung, H, 2 * L + B, g.gable2Left, g.gable2Right);
    kit.walls->Tag(kGableGroup);
    const QRectF area = PrintArea(in.pageWidth, in.pageHeight);
    kit.walls->Place(area);
    if (split) {
        kit.extraWalls = std::make_unique<TKitPage>(p, 8.4, originY);
        TNetGeometry& extra = kit.extraWalls->Net();
        extra.AddWall(wall3, glue3);
        extra.AddWall(wall4, glue4);
        extra.AddGable(100 - s, B, p.DachNeigung, H, L, g.gable2Left, g.gable2Right);
        kit.extraWalls->Place(area);
    }
}

void AddRoofPage(TPaperHouseKit& kit, bool whiteBelow)
{
    const TPaperHousePdfInput& in = kit.in;
    const TPaperHouseParams& p = in.params;
    const double g = p.RoofGableSideLength(), e = p.RoofEavesSideLength(), ox = p.DachUeberstandX;
    const TGlueNumbers glue = GlueNumbers(kit.split);
    kit.whiteBelow = whiteBelow;
    kit.roof = std::make_unique<TKitPage>(p, 12, 0.5 * in.pageHeight);
    TNetGeometry& net = kit.roof->Net();
    net.AddWall(Piece(0, 0, e, g, p.ColorDach));
    net.AddWall(Piece(0, -g, e, g, p.ColorDach));
    // The white layer is folded under the roof planes; the gables' flaps
    // are glued to it where the gables stand, the overhang in from its ends.
    const TNetDevice& d = kit.roof->Device();
    auto mark = [&](double x, double y, double inwardMm, int n) { kit.roof->AddMark({d.X(x) + inwardMm, d.Y(y)}, n); };
    if (!whiteBelow) {
        net.AddWall(Piece(e, 0, e, g, kWhite));
        net.AddWall(Piece(e, -g, e, g, kWhite));
        // Mirrored at x = e: the roof's end over wall 2 lies at e, over wall 4 at 2e.
        mark(e + ox, -g / 2, 2.5, glue.gable1Left);
        mark(e + ox, g / 2, 2.5, glue.gable1Right);
        mark(2 * e - ox, g / 2, -2.5, glue.gable2Left);
        mark(2 * e - ox, -g / 2, -2.5, glue.gable2Right);
    } else {
        net.AddWall(Piece(0, -2 * g, e, g, kWhite));
        net.AddWall(Piece(0, -3 * g, e, g, kWhite));
        // Mirrored at the lower eaves: under the lower plane lies the upper white piece.
        mark(e - ox, -1.5 * g, -2.5, glue.gable1Left);
        mark(e - ox, -2.5 * g, -2.5, glue.gable1Right);
        mark(ox, -2.5 * g, 2.5, glue.gable2Left);
        mark(ox, -1.5 * g, 2.5, glue.gable2Right);
    }
    // The roof planner's renderings: the lower plane always shows the
    // modules, the upper one only with two roof sides.
    if (in.roofPlanner) {
        kit.roof->AddPicture(QRectF(QPointF(d.X(0), d.Y(0)), QPointF(d.X(e), d.Y(-g))), &in.roofPlanner->RoofWithModules);
        kit.roof->AddPicture(QRectF(QPointF(d.X(0), d.Y(g)), QPointF(d.X(e), d.Y(0))), &in.roofPlanner->RoofSecondSide);
    }
    // Under the heading and the maker line, above the module legend and,
    // where it cannot stand beside the legend, the maker's logo.
    const QRectF area = PrintArea(in.pageWidth, in.pageHeight);
    const QRectF band = area.adjusted(0, 2 * LineHeight(12) + 1.5, 0, 0);
    std::vector<QRectF> bands;
    if (HasLegend(in)) {
        const double legendTop = in.pageHeight - kPrintMargin - 38;
        const QImage& logo = in.roofPlanner->MakerLogo;
        if (!logo.isNull() && logo.height() > 0 && 52 + 20.0 * logo.width() / logo.height() + 3 > LegendLeft(in.pageWidth))
            bands.push_back(QRectF(QPointF(band.left(), band.top()), QPointF(band.right(), legendTop - 3 - 20 - 2)));
        bands.push_back(QRectF(QPointF(band.left(), band.top()), QPointF(band.right(), legendTop - 2)));
    }
    bands.push_back(band);
    bands.push_back(area);
    for (const QRectF& b : bands)
        if (kit.roof->Place(b) || &b == &bands.back())
            break;
}

std::unique_ptr<TPaperHouseKit> ComposeKit(const TPaperHousePdfInput& in)
{
    auto kit = std::make_unique<TPaperHouseKit>(in);
    const QRectF area = PrintArea(in.pageWidth, in.pageHeight);
    AddWallPages(*kit, false);
    if (kit->walls->Bounds().width() > area.width())
        AddWallPages(*kit, true);
    AddRoofPage(*kit, false);
    if (!kit->roof->Fits())
        AddRoofPage(*kit, true);
    if (!kit->roof->Fits())
        AddRoofPage(*kit, false);
    return kit;
}

// Obstacles: grey boxes with a darker outline where they lie on the roof
// plane, cut off at its edges and kept off its cut line.
constexpr tandrel::platform::ColorRef kObstacleFill = 0xA0A0A0, kObstacleOutline = 0x505050;

void ObstacleBoxes(PdfWriter& pdf, const TKitPage& page, const TRoofPlannerData& roof, double e, double g)
{
    if (roof.Obstacles.empty() || !(e > 0) || !(g > 0))
        return;
    constexpr double kLineClearance = 0.3; // mm
    pdf.SetPen(kObstacleOutline, 1);
    pdf.SetBrush(kObstacleFill);
    // The lower plane from net y = -g (eaves) to 0; the upper one as its picture lies.
    const double offsets[] = {-g, 0};
    for (int plane = 0; plane < (roof.TwoRoofSides ? 2 : 1); ++plane) {
        const QRectF planeRect = QRectF(page.Map(0, offsets[plane] + g), page.Map(e, offsets[plane])).normalized();
        const QPolygonF clip(planeRect.adjusted(kLineClearance, kLineClearance, -kLineClearance, -kLineClearance));
        for (const std::vector<QPointF>& outline : roof.Obstacles) {
            QPolygonF mm;
            for (const QPointF& p : outline)
                if (std::isfinite(p.x()) && std::isfinite(p.y()))
                    mm << page.Map(p.x(), offsets[plane] + p.y());
            if (mm.size() < 3)
                continue;
            const QPolygonF shown = mm.intersected(clip);
            if (shown.size() >= 3)
                pdf.Polygon(std::vector<QPointF>(shown.begin(), shown.end()));
        }
    }
}

void RoofPage(PdfWriter& pdf, const TPaperHouseKit& kit)
{
    const TPaperHousePdfInput& in = kit.in;
    const TKitPage& page = *kit.roof;
    page.Draw(pdf);
    if (in.roofPlanner)
        ObstacleBoxes(pdf, page, *in.roofPlanner, in.params.RoofEavesSideLength(), in.params.RoofGableSideLength());
    const QRectF area = PrintArea(in.pageWidth, in.pageHeight);
    FittedText(pdf, 10, area.top(),
               QStringLiteral("Dachfläche kann doppelt übereinander geklebt werden zur besseren Stabilität"), 12,
               area.right() - 10);
    std::vector<QRectF> occupied = page.Occupied();
    QRectF legend;
    // After the roof planes, so that neither hides the other's edge.
    if (HasLegend(in))
        legend = ModuleLegend(pdf, *in.roofPlanner, in.pageWidth, in.pageHeight, occupied);
    if (!legend.isNull())
        occupied.push_back(legend.adjusted(-2, -2, 2, 2));
    occupied.push_back(QRectF(10, area.top(), area.right() - 10, LineHeight(12)));
    const double h = LineHeight(12);
    const double footerX = std::max(page.Map(0, 0).x() - 2, area.left());
    const std::vector<TTextSpot> spots = {
        {footerX, area.bottom() - h, (legend.isNull() ? area.right() : legend.left() - 3) - footerX},
        {10, area.top() + h + 0.5, area.right() - 10},
    };
    if (PlaceLine(pdf, MakerLine(), 12, 0, spots, occupied, area, kMinFooterSize).isEmpty())
        PlaceLine(pdf, MakerLine(), 12, 0, spots, occupied, area, kMinFittedSize);
}


// Rows of text no wider than `width` in the current font.
QStringList Wrap(PdfWriter& pdf, const QString& text, double width)
{
    QStringList rows;
    QString row;
    for (const QString& word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QString longer = row.isEmpty() ? word : row + QLatin1Char(' ') + word;
        if (!row.isEmpty() && pdf.TextWidth(longer) > width) {
            rows << row;
            row = word;
        } else {
            row = longer;
        }
    }
    if (!row.isEmpty())
        rows << row;
    return rows;
}

QString Range(int first, int last)
{
    return first == last ? QString::number(first) : QStringLiteral("%1 bis %2").arg(first).arg(last);
}

// The last page: how the kit is put together, step by step, each with a
// small picture of the pieces it is about, drawn from the same net.
void BuildingGuide(PdfWriter& pdf, TPaperHouseKit& kit)
{
    const TPaperHousePdfInput& in = kit.in;
    const bool split = kit.split;
    const QRectF area = PrintArea(in.pageWidth, in.pageHeight);
    TextSettings(pdf, 14, PdfWriter::Bold);
    pdf.TextOut(area.left(), area.top(), QStringLiteral("Bauanleitung"));
    const TGlueNumbers g = GlueNumbers(split);
    const QString walls = split ? QStringLiteral("den Laschen %1 und %2").arg(g.wallRing).arg(g.wallSplit)
                                : QStringLiteral("der Lasche %1").arg(g.wallRing);
    struct Step {
        QString text;
        int picture; // 0: the walls page, 1: the roof page
        std::vector<int> emphasis; // the pieces the step is about; empty: all
    };
    const Step steps[] = {
        {QStringLiteral("Alle Teile an den durchgezogenen Linien ausschneiden, auch die grauen Klebelaschen."), 0, {}},
        {QStringLiteral("An allen gestrichelten Linien nach hinten falten und die Falze mit dem Fingernagel "
                        "nachziehen."),
         0, {}},
        {QStringLiteral("Die Wände zu einem Kasten schließen: mit %1 an die Kante mit derselben Zahl kleben.").arg(walls),
         0, {kWallGroup}},
        {QStringLiteral("Die Bodenplatte einklappen und mit den Laschen %1 an die Wände kleben.")
             .arg(Range(g.floorLeft, g.floorRight)),
         0, {kFloorGroup}},
        {QStringLiteral("Das Dach ausschneiden, die weiße Hälfte an der gestrichelten Linie darunter falten und "
                        "aufkleben; dann am First knicken."),
         1, {}},
        {QStringLiteral("Zuletzt das Dach aufsetzen: die Giebellaschen %1 an die gleich nummerierten Stellen unter "
                        "dem Dach kleben.")
             .arg(Range(g.gable1Left, g.gable2Right)),
         0, {kGableGroup}},
    };
    const int columns = in.pageWidth >= in.pageHeight ? 3 : 2, rows = 6 / columns;
    const double top = area.top() + LineHeight(14) + 3, gap = 4;
    const double cellWidth = (area.width() - (columns - 1) * gap) / columns;
    const double cellHeight = (area.bottom() - top - (rows - 1) * gap) / rows;
    for (int i = 0; i < 6; ++i) {
        const QRectF cell(area.left() + (i % columns) * (cellWidth + gap), top + (i / columns) * (cellHeight + gap),
                          cellWidth, cellHeight);
        TextSettings(pdf, 9, PdfWriter::Bold);
        pdf.TextOut(cell.left(), cell.top(), QStringLiteral("%1.").arg(i + 1));
        TextSettings(pdf, 9);
        double y = cell.top();
        for (const QString& row : Wrap(pdf, steps[i].text, cell.width() - 6)) {
            pdf.TextOut(cell.left() + 6, y, row);
            y += LineHeight(9);
        }
        const QRectF picture(cell.left() + 6, y + 2, cell.width() - 6, cell.bottom() - y - 2);
        TKitPage& page = steps[i].picture == 0 ? *kit.walls : *kit.roof;
        page.SetScale(1);
        const QRectF bounds = page.Bounds();
        if (bounds.width() <= 0 || bounds.height() <= 0 || picture.height() < 5)
            continue;
        // The outline's reach does not shrink with the picture.
        page.SetScale(std::min((picture.width() - 1) / bounds.width(), (picture.height() - 1) / bounds.height()));
        page.Place(picture);
        page.SetEmphasis(steps[i].emphasis);
        page.Draw(pdf);
        page.SetEmphasis({});
    }
}
}  // namespace

int RoofPictureWidth(const TPaperHouseParams& p)
{
    const double mm = p.RoofEavesSideLength() * MillimetresPerMetre(p.Massstab);
    const double px = std::ceil(mm / 25.4 * kRoofPictureDpi);
    return px >= 1 && px < 1e6 ? int(px) : 1;
}

bool NeedsExtraWallPage(const TPaperHouseParams& p, double pageWidth)
{
    TPaperHousePdfInput in;
    in.params = p;
    in.pageWidth = pageWidth;
    TPaperHouseKit kit(in);
    AddWallPages(kit, false);
    return kit.walls->Bounds().width() > PrintArea(pageWidth, in.pageHeight).width();
}

THighRiseMeasures HighRiseMeasures(int scale, double pageWidth)
{
    THighRiseMeasures m;
    if (1000 * m.width / scale > 180)
        m.width = 0.18 * scale;
    // The facade fills the turned page's height inside the margins.
    m.height = (pageWidth - 2 * (kPrintMargin + 0.5)) * scale / 1000.0;
    return m;
}

bool PaperHouseFits(const TPaperHousePdfInput& in)
{
    return ComposeKit(in)->Fits();
}

const std::vector<int>& StandardModelScales()
{
    static const std::vector<int> scales = {24, 32, 40, 48, 72, 87, 120, 144, 160, 200, 220, 250, 300};
    return scales;
}

std::optional<int> SuggestedScale(const TPaperHousePdfInput& in)
{
    TPaperHousePdfInput at = in;
    for (int scale : StandardModelScales()) {
        at.params.Massstab = scale;
        if (PaperHouseFits(at))
            return scale;
    }
    return std::nullopt;
}

void DrawPaperHousePages(PdfWriter& pdf, const TPaperHousePdfInput& in)
{
    const std::unique_ptr<TPaperHouseKit> kit = ComposeKit(in);
    const TPaperHouseParams& p = in.params;

    // Page 1: the walls, the floor plate and the gables.
    kit->walls->Draw(pdf);
    if (in.roofPlanner)
        Summary(pdf, *in.roofPlanner, p.Massstab, kit->walls->MapRect(0, -p.Hausbreite, p.Hauslaenge, p.Hausbreite));
    const std::vector<QRectF> occupied = kit->walls->Occupied();
    const QRectF banner = Banner(pdf, in.banner, in.pageWidth, in.pageHeight, occupied, in.pageWidth - 140);
    MakerFooter(pdf, in.pageWidth, in.pageHeight, occupied, banner);

    // Walls 3 and 4 with the second gable where the four walls are too wide;
    // the banner goes there when the first page had no room for it.
    if (kit->extraWalls) {
        pdf.NewPage();
        kit->extraWalls->Draw(pdf);
        const std::vector<QRectF> extra = kit->extraWalls->Occupied();
        const QRectF moved =
            banner.isEmpty() ? Banner(pdf, in.banner, in.pageWidth, in.pageHeight, extra, in.pageWidth - 140) : QRectF();
        MakerFooter(pdf, in.pageWidth, in.pageHeight, extra, moved);
    }

    pdf.NewPage();
    RoofPage(pdf, *kit);
    pdf.NewPage();
    // The pages drawn above serve as the guide's small pictures.
    BuildingGuide(pdf, *kit);
}

namespace {

// The glue numbers of the high-rise: the facade's right flap goes behind the
// next facade's left edge, the roof plate's flaps into the facades' tops,
// the base plate's into their feet.
constexpr int kFacadeGlue = 1, kRoofGlue = 2, kBaseGlue = 3;

// The high-rise's pages 3 and 4 are A4 landscape whatever the chosen format.
constexpr double kHighRiseLastWidth = 297, kHighRiseLastHeight = 210;

// The composed pages of the high-rise, before drawing. The pieces keep a
// reference to params, so the kit stays where it was made.
struct THighRiseKit {
    explicit THighRiseKit(const TPaperHousePdfInput& in);
    THighRiseKit(const THighRiseKit&) = delete;
    THighRiseKit& operator=(const THighRiseKit&) = delete;

    TPaperHouseParams params;
    std::unique_ptr<TKitPage> facade, roof, gable, base;

    bool Fits() const { return facade->Fits() && roof->Fits() && gable->Fits() && base->Fits(); }
};

THighRiseKit::THighRiseKit(const TPaperHousePdfInput& in)
    : params(in.params)
{
    TPaperHouseParams& p = params;
    const THighRiseMeasures m = HighRiseMeasures(p.Massstab, in.pageWidth);
    p.Hauslaenge = m.length;
    p.Hausbreite = m.width;
    p.Haushoehe = m.height;
    const double B = p.Hausbreite, H = p.Haushoehe;
    // The turned pages: pageHeight wide, pageWidth high.
    const QRectF turnedArea = PrintArea(in.pageHeight, in.pageWidth);
    const QImage* module = PictureOrNull(in.highRiseModule);

    // Page 1: the facade with its modules, printed once for each side.
    facade = std::make_unique<TKitPage>(p, 0.1, in.pageWidth - 0.1);
    facade->Net().SetHighRiseModules(module);
    TNetWall wall = Piece(0, 0, 1.009 * B, H, p.ColorHauswand);
    wall.picture = PictureOrNull(in.highRiseFacade);
    wall.showElements = p.ElementeAnzeigen[0];
    wall.doorPositionPercent = p.TuerPosition[0];
    wall.doorCount = p.TuerAnzahl[0];
    wall.flaps.right = true;
    facade->Net().AddWall(wall, {kFacadeGlue, kRoofGlue, kBaseGlue, kFacadeGlue});
    facade->Place(turnedArea);

    // Page 2: the roof plate, under the two text lines and above the banner.
    roof = std::make_unique<TKitPage>(p, 0.1, in.pageWidth - 0.1);
    TNetWall plate = Piece(1.4, 4.0, B, B, p.ColorHauswand);
    plate.flaps = {true, true, true, true};
    roof->Net().AddWall(plate, {kRoofGlue, kRoofGlue, kRoofGlue, kRoofGlue});
    const double foot = in.banner.isNull() ? LineHeight(12) + 1 : 18 + 4.4 + LineHeight(10) + 1;
    if (!roof->Place(turnedArea.adjusted(0, 2 * LineHeight(12) + 1, 0, -foot)))
        roof->Place(turnedArea);

    // Half the height of the last pages themselves: half the chosen format's
    // height would put the gable's base below the page edge for every
    // portrait format (and A3 landscape or larger).
    const double originX = 12, originY = 0.5 * kHighRiseLastHeight;
    const QRectF last = PrintArea(kHighRiseLastWidth, kHighRiseLastHeight);
    gable = std::make_unique<TKitPage>(p, originX, originY);
    gable->Net().SetHighRiseModules(module);
    gable->Net().AddGable(p.Schenkelanteil, B - 1, 60, -12, 0.2);
    gable->Place(last);

    // As large as the tower's footprint, in the wall colour.
    base = std::make_unique<TKitPage>(p, originX, originY);
    TNetWall footprint = Piece(0.2, -12, B, B, p.ColorHauswand);
    footprint.flaps = {true, true, true, true};
    base->Net().AddWall(footprint, {kBaseGlue, kBaseGlue, kBaseGlue, kBaseGlue});
    base->Place(last);
}

}  // namespace

bool HighRiseFits(const TPaperHousePdfInput& in)
{
    return THighRiseKit(in).Fits();
}

std::optional<int> SuggestedHighRiseScale(const TPaperHousePdfInput& in)
{
    TPaperHousePdfInput at = in;
    for (int scale : StandardModelScales()) {
        at.params.Massstab = scale;
        if (HighRiseFits(at))
            return scale;
    }
    return std::nullopt;
}

void DrawHighRisePages(PdfWriter& pdf, const TPaperHousePdfInput& in)
{
    const THighRiseKit kit(in);
    const TPaperHouseParams& p = kit.params;
    const double B = p.Hausbreite, H = p.Haushoehe;
    const double turnedWidth = in.pageHeight, turnedHeight = in.pageWidth;
    const QRectF turnedArea = PrintArea(turnedWidth, turnedHeight);

    // Page 1: the facade with its modules, printed once for each side.
    {
        const TKitPage& page = *kit.facade;
        page.Draw(pdf);
        const QRectF piece = page.MapRect(0, 0, 1.009 * B, H);
        // Beside the facade where there is room, otherwise on it.
        const double besideX = page.Bounds().translated(page.Shift()).right() + 2;
        TextSettings(pdf, 12, PdfWriter::Bold);
        const QString times = QStringLiteral("4 × drucken");
        const double timesWidth = pdf.TextWidth(times);
        if (besideX + timesWidth <= turnedArea.right())
            pdf.TextOut(besideX, turnedArea.top(), times);
        else
            pdf.TextOut(piece.left() + 2, piece.top() + 2, times);
        const double maxWidth = turnedArea.width();
        const double size = FittingSize(pdf, MakerLine(), 12, maxWidth, kMinFittedSize);
        const double plinthTop = piece.bottom() - p.SockelHoehe / 100 * MillimetresPerMetre(p.Massstab);
        double y = turnedArea.bottom() - LineHeight(size);
        if (p.ElementeAnzeigen[0] && y < plinthTop + 0.3 && plinthTop + 0.3 + LineHeight(size) <= piece.bottom())
            y = plinthTop + 0.3;
        FittedText(pdf, turnedArea.left(), y, MakerLine(), 12, maxWidth);
    }

    // Page 2: the roof plate.
    pdf.NewPage();
    kit.roof->Draw(pdf);
    TextSettings(pdf, 12);
    FittedText(pdf, 10, turnedArea.top(),
               QStringLiteral("Dachfläche kann doppelt übereinander geklebt werden zur besseren Stabilität"), 12,
               turnedArea.right() - 10);
    // The banner and the plate's flap fill the foot of this narrow page; the
    // maker line stands under the heading instead of on the banner.
    const double makerY = in.banner.isNull() ? turnedArea.bottom() - LineHeight(12) : turnedArea.top() + LineHeight(12);
    FittedText(pdf, 10, makerY, MakerLine(), 12, turnedArea.right() - 10);
    if (!in.banner.isNull()) {
        const double left = std::max(turnedWidth - 154, turnedArea.left());
        pdf.DrawImage(QRectF(left, turnedArea.bottom() - 18, 108, 18), in.banner);
        FittedText(pdf, left, turnedArea.bottom() - 18 - 4.4, SiblingLine(), 10, turnedArea.right() - left);
    }

    // Pages 3 and 4 in A4 landscape: the gable with the module pyramid and
    // the base plate the tower stands on.
    pdf.SetPaperSize(PdfWriter::kPaperCustom);
    pdf.SetPaperWidth(kHighRiseLastWidth);
    pdf.SetPaperHeight(kHighRiseLastHeight);
    pdf.SetHeaderHeight(0);
    pdf.SetFooterHeight(0);
    pdf.SetTopMargin(0);
    pdf.SetBottomMargin(0);
    pdf.NewPage();
    kit.gable->Draw(pdf);
    pdf.NewPage();
    kit.base->Draw(pdf);
}

}  // namespace tandrel::paperhouse
