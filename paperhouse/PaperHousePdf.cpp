#include "paperhouse/PaperHousePdf.h"

#include "app/Links.h"
#include "paperhouse/NetGeometry.h"
#include "pdf/PdfWriter.h"

#include <QLocale>
#include <algorithm>

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
double FittingSize(PdfWriter& pdf, const QString& text, double size, double maxWidth, double smallest)
{
    TextSettings(pdf, size);
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

// Whether the text fits into maxWidth at a readable footer size.
bool FitsAsFooter(PdfWriter& pdf, const QString& text, double size, double maxWidth)
{
    FittingSize(pdf, text, size, maxWidth, kMinFooterSize);
    return pdf.TextWidth(text) <= maxWidth;
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

// Draws pieces through the shared net geometry onto the current page.
class TNetPage {
public:
    TNetPage(PdfWriter& pdf, const TPaperHouseParams& p, double originX, double originY)
        : m_pdf(pdf)
        , m_geometry(p, TNetDevice::Pdf(MillimetresPerMetre(p.Massstab), originX, originY, p.LaschenGroesse))
    {
    }
    void SetHighRiseModules(const QImage* picture) { m_geometry.SetHighRiseModules(picture); }
    void Wall(const TNetWall& wall)
    {
        m_geometry.AddWall(wall);
        Flush();
    }
    void Gable(int share, double base, double pitch, double baseY, double baseX)
    {
        m_geometry.AddGable(share, base, pitch, baseY, baseX);
        Flush();
    }

private:
    void Flush()
    {
        m_pdf.SetPen(0);
        DrawNetShapes(m_geometry.Shapes(), m_pdf);
        m_geometry.Clear();
    }

    PdfWriter& m_pdf;
    TNetGeometry m_geometry;
};

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

void Summary(PdfWriter& pdf, const TRoofPlannerData& roof, int scale, double x, double y)
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
    for (const Line& l : lines) {
        TextSettings(pdf, 10, l.style);
        Text(pdf, x, y + l.dy, l.text);
    }
}

void Banner(PdfWriter& pdf, const QImage& banner, double left, double pageHeight)
{
    if (!banner.isNull())
        pdf.DrawImage(QRectF(left, pageHeight - 18.8, 108, 18), banner);
    FittedText(pdf, left, pageHeight - 23.2, SiblingLine(), 10, pdf.PageWidth() - left - 3);
}

// Left edge of the module legend; on pages narrower than A4 landscape it
// stays on the page.
double LegendLeft(double pageWidth)
{
    return std::max(pageWidth - 154, kMinTextX);
}

void ModuleLegend(PdfWriter& pdf, const TRoofPlannerData& roof, double pageWidth, double pageHeight)
{
    const double x0 = LegendLeft(pageWidth), y0 = pageHeight - 40;
    if (!roof.MakerLogo.isNull() && roof.MakerLogo.height() > 0) {
        const double h = 20, w = h * roof.MakerLogo.width() / roof.MakerLogo.height();
        // Where the legend leaves no room beside it, the logo stands above it.
        const bool beside = 52 + w + 3 <= x0;
        pdf.DrawImage(beside ? QRectF(52, pageHeight - 36, w, h) : QRectF(x0, y0 - 3 - h, w, h), roof.MakerLogo);
    }
    const double h = 38, w = h * roof.ModulePicture.width() / std::max(1, roof.ModulePicture.height());
    pdf.DrawImage(QRectF(x0, y0, w, h), roof.ModulePicture);
    const double x1 = x0 + w + 2, x2 = x0 + w + 28;
    TextSettings(pdf, 9);
    pdf.TextOutMarkup(x1, y0 + 5.6, QStringLiteral("<u>Verwendetes PV-Modul:</u>"));
    const std::pair<QString, QString> rows[] = {
        {QStringLiteral("PV-Modul:"), roof.ModuleName},
        {QStringLiteral("Modulleistung:"), Number(roof.ModulePowerWp, 0) + QStringLiteral(" Wp")},
        {QStringLiteral("Modulbreite: "), Number(roof.ModuleWidth * 1000, 0) + QStringLiteral(" mm")},
        {QStringLiteral("Modullänge: "), Number(roof.ModuleHeight * 1000, 0) + QStringLiteral(" mm")},
        {QStringLiteral("Hersteller:"), roof.ModuleMaker},
        {QStringLiteral("Internet: "), roof.ModuleInternet},
    };
    TextSettings(pdf, 10);
    double y = y0 + 10.2;
    for (const auto& [caption, value] : rows) {
        Text(pdf, x1, y, caption);
        Text(pdf, x2, y, value);
        y += 4.2;
    }
}

void RoofPage(PdfWriter& pdf, const TPaperHousePdfInput& in)
{
    const TPaperHouseParams& p = in.params;
    if (in.roofPlanner && !in.roofPlanner->ModulePicture.isNull())
        ModuleLegend(pdf, *in.roofPlanner, in.pageWidth, in.pageHeight);

    const double originX = 12, originY = 0.5 * in.pageHeight;
    const double g = p.RoofGableSideLength(), e = p.RoofEavesSideLength();
    TNetPage net(pdf, p, originX, originY);
    net.Wall(Piece(0, 0, e, g, p.ColorDach));
    net.Wall(Piece(0, -g, e, g, p.ColorDach));
    net.Wall(Piece(e, 0, e, g, kWhite));
    net.Wall(Piece(e, -g, e, g, kWhite));

    const TNetDevice d = TNetDevice::Pdf(MillimetresPerMetre(p.Massstab), originX, originY, p.LaschenGroesse);
    if (in.roofPlanner) {
        if (!in.roofPlanner->RoofWithModules.isNull())
            pdf.DrawImage(QRectF(QPointF(d.X(0), d.Y(0)), QPointF(d.X(e), d.Y(-g))), in.roofPlanner->RoofWithModules);
        if (!in.roofPlanner->RoofSecondSide.isNull())
            pdf.DrawImage(QRectF(QPointF(d.X(0), d.Y(g)), QPointF(d.X(e), d.Y(0))), in.roofPlanner->RoofSecondSide);
    }
    pdf.SetPen(0);
    pdf.Line(d.X(0), d.Y(0), d.X(e), d.Y(0));

    FittedText(pdf, 10, 4.8, QStringLiteral("Dachfläche kann doppelt übereinander geklebt werden zur besseren Stabilität"),
               12, in.pageWidth - 13);
    const bool legend = in.roofPlanner && !in.roofPlanner->ModulePicture.isNull();
    const double footerX = originX - 2;
    const double footerEnd = legend ? LegendLeft(in.pageWidth) - 3 : in.pageWidth - 3;
    // A legend filling the page foot pushes the maker line under the heading.
    if (FitsAsFooter(pdf, MakerLine(), 12, footerEnd - footerX))
        FittedText(pdf, footerX, in.pageHeight - 6.8, MakerLine(), 12, footerEnd - footerX);
    else
        FittedText(pdf, footerX, 10, MakerLine(), 12, in.pageWidth - 3 - footerX);
}

}  // namespace

bool NeedsExtraWallPage(const TPaperHouseParams& p, double pageWidth)
{
    return 2 * (p.Hauslaenge + p.Hausbreite) * MillimetresPerMetre(p.Massstab) > pageWidth;
}

THighRiseMeasures HighRiseMeasures(int scale, double pageWidth)
{
    THighRiseMeasures m;
    if (1000 * m.width / scale > 180)
        m.width = 0.18 * scale;
    m.height = pageWidth * scale / 1000.0;
    return m;
}

void DrawPaperHousePages(PdfWriter& pdf, const TPaperHousePdfInput& in)
{
    const TPaperHouseParams& p = in.params;
    const double L = p.Hauslaenge, B = p.Hausbreite, H = p.Haushoehe;
    const int s = p.Schenkelanteil;

    // Page 1: the walls, the floor plate and the gables.
    double originX = 6.8;
    const double originY = 0.46 * in.pageHeight;
    {
        TNetPage net(pdf, p, originX, originY);
        TNetWall wall1 = HouseWall(in, 0, 0);
        wall1.flaps.left = true;
        net.Wall(wall1);
        net.Wall(HouseWall(in, 1, L));
        net.Wall(HouseWall(in, 2, L + B));
        net.Wall(HouseWall(in, 3, 2 * L + B));
        TNetWall floor = Piece(0, -B, L, B, kFloorPlateColor);
        floor.flaps = {true, false, true, true};
        net.Wall(floor);
        net.Gable(s, B, p.DachNeigung, H, L);
        net.Gable(100 - s, B, p.DachNeigung, H, 2 * L + B);
    }
    if (in.roofPlanner)
        Summary(pdf, *in.roofPlanner, p.Massstab, originX + 1.5, originY + 1.5);
    const double bannerLeft = in.pageWidth - 140;
    const double footerX = originX - 2;
    // On pages too narrow for the maker line beside the banner it stands
    // above the sibling-product line.
    if (FitsAsFooter(pdf, MakerLine(), 12, bannerLeft - 3 - footerX))
        FittedText(pdf, footerX, in.pageHeight - 6.8, MakerLine(), 12, bannerLeft - 3 - footerX);
    else
        FittedText(pdf, bannerLeft, in.pageHeight - 28.2, MakerLine(), 12, in.pageWidth - 3 - bannerLeft);
    Banner(pdf, in.banner, bannerLeft, in.pageHeight);

    // Walls 3 and 4 again when they ran off the first page.
    if (NeedsExtraWallPage(p, in.pageWidth)) {
        pdf.NewPage();
        originX = 8.4;
        TNetPage net(pdf, p, originX, originY);
        TNetWall wall3 = HouseWall(in, 2, 0);
        wall3.flaps.left = true;
        net.Wall(wall3);
        net.Wall(HouseWall(in, 3, L));
        net.Gable(100 - s, B, p.DachNeigung, H, L);
        FittedText(pdf, originX - 2, in.pageHeight - 6.8, MakerLine(), 12, in.pageWidth - 3 - (originX - 2));
    }

    pdf.NewPage();
    RoofPage(pdf, in);
}

void DrawHighRisePages(PdfWriter& pdf, const TPaperHousePdfInput& in)
{
    TPaperHouseParams p = in.params;
    const THighRiseMeasures m = HighRiseMeasures(p.Massstab, in.pageWidth);
    p.Hauslaenge = m.length;
    p.Hausbreite = m.width;
    p.Haushoehe = m.height;
    const double B = p.Hausbreite, H = p.Haushoehe;
    // The turned pages: pageHeight wide, pageWidth high.
    const double turnedWidth = in.pageHeight, turnedHeight = in.pageWidth;
    const QImage* module = PictureOrNull(in.highRiseModule);

    // Page 1: the facade with its modules.
    {
        TNetPage net(pdf, p, 0.1, in.pageWidth - 0.1);
        net.SetHighRiseModules(module);
        TNetWall facade = Piece(0, 0, 1.009 * B, H, p.ColorHauswand);
        facade.picture = PictureOrNull(in.highRiseFacade);
        facade.showElements = p.ElementeAnzeigen[0];
        facade.doorPositionPercent = p.TuerPosition[0];
        facade.doorCount = p.TuerAnzahl[0];
        facade.flaps.right = true;
        net.Wall(facade);
    }
    {
        // The maker line lies on the facade's foot; where the plinth is tall
        // enough it stands inside it rather than across its upper edge.
        const double maxWidth = turnedWidth - 3 - kMinTextX;
        const double size = FittingSize(pdf, MakerLine(), 12, maxWidth, kMinFittedSize);
        const double lineHeight = size * 25.4 / 72 * 1.2;
        const double plinthTop = in.pageWidth - 0.1 - p.SockelHoehe / 100 * MillimetresPerMetre(p.Massstab);
        double y = in.pageWidth - 6.8;
        if (p.ElementeAnzeigen[0] && y < plinthTop + 0.3 && plinthTop + 0.3 + lineHeight <= in.pageWidth - 0.1)
            y = plinthTop + 0.3;
        FittedText(pdf, 0.1 - 2, y, MakerLine(), 12, maxWidth);
    }

    // Page 2: the roof plate.
    pdf.NewPage();
    {
        TNetPage net(pdf, p, 0.1, in.pageWidth - 0.1);
        TNetWall plate = Piece(1.4, 4.0, B, B, p.ColorHauswand);
        plate.flaps = {true, true, true, true};
        net.Wall(plate);
    }
    TextSettings(pdf, 12);
    Text(pdf, 10, 6.8, QStringLiteral("Dachfläche kann doppelt übereinander geklebt werden zur besseren Stabilität"));
    // The banner and the plate's flap fill the foot of this narrow page; the
    // maker line stands under the heading instead of on the banner.
    const double bannerLeft = turnedWidth - 154;
    const double makerY = in.banner.isNull() ? turnedHeight - 6.8 : 12.0;
    FittedText(pdf, 10, makerY, MakerLine(), 12, turnedWidth - 13);
    Banner(pdf, in.banner, bannerLeft, turnedHeight);

    // Pages 3 and 4 in A4 landscape: the gable with the module pyramid and
    // the plate under it.
    pdf.SetPaperSize(PdfWriter::kPaperCustom);
    pdf.SetPaperWidth(297);
    pdf.SetPaperHeight(210);
    pdf.SetHeaderHeight(0);
    pdf.SetFooterHeight(0);
    pdf.SetTopMargin(0);
    pdf.SetBottomMargin(0);
    pdf.NewPage();
    // Half the height of these pages themselves: half the chosen format's
    // height would put the gable's base below the page edge for every
    // portrait format (and A3 landscape or larger).
    const double originX = 12, originY = 0.5 * 210;
    {
        TNetPage net(pdf, p, originX, originY);
        net.SetHighRiseModules(module);
        net.Gable(p.Schenkelanteil, B - 1, 60, -12, 0.2);
    }
    pdf.NewPage();
    {
        TNetPage net(pdf, p, originX, originY);
        TNetWall plate = Piece(0.2, -12, B - 1, B - 1, p.ColorLaschen);
        plate.flaps = {true, true, true, true};
        net.Wall(plate);
    }
}

}  // namespace tandrel::paperhouse
