#include "paperhouse/PageFormats.h"
#include "paperhouse/PaperHousePdf.h"
#include "pdf/PdfWriter.h"
#include "tests/paperhouse/PdfPlacements.h"
#include "tests/support/PdfContent.h"
#include "tests/paperhouse/PaperHouseTestData.h"
#include "tests/support/PdfReader.h"
#include "tests/support/TestEnv.h"

#include <QLocale>
#include <QProcess>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <numbers>
#include <string>

namespace {

using namespace tandrel::paperhouse;
using tandrel::test::PdfReader;
using tandrel::test::PdfTextBox;

using tandrel::test::Colour;
using tandrel::test::RoofPlanner;
using tandrel::test::Solid;

class PaperHousePdfTest : public tandrel::test::TestEnv {
protected:
    void SetUp() override { QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); }
    void TearDown() override { QLocale::setDefault(QLocale::c()); }

    static TPaperHousePdfInput Input(const QString& type, int index, bool portrait, int scale, bool roof)
    {
        TPaperHousePdfInput in;
        in.params.Seitenformattyp = type;
        in.params.Massstab = scale;
        const PageSize size = ComputePageSize(type, index, portrait);
        in.pageWidth = size.PageWidth;
        in.pageHeight = size.PageHeight;
        if (roof)
            in.roofPlanner = RoofPlanner();
        in.banner = Solid(432, 72, QColor(40, 140, 80));
        in.highRiseModule = Solid(90, 146, QColor(20, 24, 40));
        return in;
    }

    // Writes the document as the frame does: the high-rise opens with the
    // turned page size.
    QString Write(const TPaperHousePdfInput& in, bool highRise, const QString& name = QStringLiteral("haus.pdf"))
    {
        const QString path = tempDir.filePath(name);
        PdfWriter pdf;
        pdf.SetPaperSize(PdfWriter::kPaperCustom);
        pdf.SetPaperWidth(highRise ? in.pageHeight : in.pageWidth);
        pdf.SetPaperHeight(highRise ? in.pageWidth : in.pageHeight);
        pdf.SetFileName(path);
        pdf.BeginDoc();
        if (highRise)
            DrawHighRisePages(pdf, in);
        else
            DrawPaperHousePages(pdf, in);
        pdf.EndDoc();
        return path;
    }

    static void ExpectQpdfClean(const QString& path)
    {
        QProcess qpdf;
        qpdf.start(QStringLiteral("qpdf"), {QStringLiteral("--check"), path});
        ASSERT_TRUE(qpdf.waitForFinished(30000));
        EXPECT_EQ(qpdf.exitCode(), 0) << qpdf.readAllStandardOutput().toStdString();
    }
};

// --- page counts and sizes ----------------------------------------------------

struct PagesCase {
    const char* name;
    const char* type;
    int index;
    bool portrait;
    int scale;
    bool roofPlanner;
    bool highRise;
    std::vector<QSizeF> pages; // mm
};

void PrintTo(const PagesCase& c, std::ostream* os) { *os << c.name; }

class PaperHousePages : public PaperHousePdfTest, public ::testing::WithParamInterface<PagesCase> {};

TEST_P(PaperHousePages, CountAndSizes)
{
    const PagesCase& c = GetParam();
    const QString path = Write(Input(QString::fromUtf8(c.type), c.index, c.portrait, c.scale, c.roofPlanner), c.highRise);
    const PdfReader pdf(path);
    ASSERT_TRUE(pdf.isOpen());
    ASSERT_EQ(pdf.pageCount(), int(c.pages.size()));
    for (int i = 0; i < pdf.pageCount(); ++i) {
        EXPECT_NEAR(pdf.pageSizeMm(i).width(), c.pages[i].width(), 0.05) << "page " << i + 1;
        EXPECT_NEAR(pdf.pageSizeMm(i).height(), c.pages[i].height(), 0.05) << "page " << i + 1;
    }
    ExpectQpdfClean(path);
    EXPECT_EQ(shell.opened, QStringList{path});
}

const QSizeF kA4Landscape(297, 210), kA4Portrait(210, 297);

INSTANTIATE_TEST_SUITE_P(
    Formats, PaperHousePages,
    ::testing::Values(
        // The walls, the roof and the building guide.
        PagesCase{"a4_landscape_125", "europäisch", 1, false, 125, true, false,
                  {kA4Landscape, kA4Landscape, kA4Landscape}},
        PagesCase{"a4_landscape_87_extra_wall_page", "europäisch", 1, false, 87, true, false,
                  {kA4Landscape, kA4Landscape, kA4Landscape, kA4Landscape}},
        PagesCase{"a4_landscape_125_without_roof_planner", "europäisch", 1, false, 125, false, false,
                  {kA4Landscape, kA4Landscape, kA4Landscape}},
        PagesCase{"a4_landscape_87_without_roof_planner", "europäisch", 1, false, 87, false, false,
                  {kA4Landscape, kA4Landscape, kA4Landscape, kA4Landscape}},
        PagesCase{"a3_portrait", "europäisch", 2, true, 125, true, false, {{297, 420}, {297, 420}, {297, 420}}},
        PagesCase{"a5_portrait", "europäisch", 0, true, 125, true, false,
                  {{148.49, 210.01}, {148.49, 210.01}, {148.49, 210.01}, {148.49, 210.01}}},
        // 275.2 mm of walls and the 6 mm flap are wider than the letter page inside its margins.
        PagesCase{"letter_landscape", "nordamerikanisch", 1, false, 125, true, false,
                  {{279, 216}, {279, 216}, {279, 216}, {279, 216}}},
        PagesCase{"letter_landscape_without_roof_planner", "nordamerikanisch", 1, false, 125, false, false,
                  {{279, 216}, {279, 216}, {279, 216}, {279, 216}}},
        PagesCase{"high_rise_a4_landscape_125", "europäisch", 1, false, 125, true, true,
                  {kA4Portrait, kA4Portrait, kA4Landscape, kA4Landscape}},
        PagesCase{"high_rise_a4_landscape_167", "europäisch", 1, false, 167, true, true,
                  {kA4Portrait, kA4Portrait, kA4Landscape, kA4Landscape}},
        PagesCase{"high_rise_a3_portrait", "europäisch", 2, true, 125, false, true,
                  {{420, 297}, {420, 297}, kA4Landscape, kA4Landscape}}),
    [](const auto& info) { return std::string(info.param.name); });

// --- true to scale -----------------------------------------------------------------

// Finds the outlines of the pieces on the page from the lines its content
// streams stroke (cut lines solid, fold lines dashed alike).
class OutlineProbe {
public:
    explicit OutlineProbe(const QString& path) : m_pages(tandrel::test::ReadPdfContent(path)) {}

    // The outline crossing the row y nearest to x (searched ±1.5 mm).
    std::optional<double> VerticalEdge(int page, double x, double y) const { return Find(page, x, y, true); }
    // The outline crossing the column x nearest to y.
    std::optional<double> HorizontalEdge(int page, double x, double y) const { return Find(page, y, x, false); }
    // The leftmost stroked point of the page.
    double LeftmostLine(int page) const
    {
        double left = 1e9;
        for (const auto& p : m_pages.at(std::size_t(page)).paths)
            if (p.stroked)
                for (const auto& sp : p.subpaths)
                    for (const QPointF& q : sp)
                        left = std::min(left, q.x());
        return left;
    }

private:
    static constexpr double kReach = 1.5;

    std::optional<double> Find(int page, double along, double at, bool row) const
    {
        if (page < 0 || std::size_t(page) >= m_pages.size())
            return std::nullopt;
        std::optional<double> best;
        for (const auto& p : m_pages[std::size_t(page)].paths) {
            if (!p.stroked)
                continue;
            for (const auto& sp : p.subpaths)
                for (std::size_t k = 1; k < sp.size(); ++k) {
                    const double a1 = row ? sp[k - 1].y() : sp[k - 1].x(), a2 = row ? sp[k].y() : sp[k].x();
                    const double b1 = row ? sp[k - 1].x() : sp[k - 1].y(), b2 = row ? sp[k].x() : sp[k].y();
                    if (std::abs(a2 - a1) < 1e-9 || at < std::min(a1, a2) || at > std::max(a1, a2))
                        continue;
                    const double cross = b1 + (b2 - b1) * (at - a1) / (a2 - a1);
                    if (std::abs(cross - along) <= kReach && (!best || std::abs(cross - along) < std::abs(*best - along)))
                        best = cross;
                }
        }
        return best;
    }

    std::vector<tandrel::test::PdfContentPage> m_pages;
};

constexpr double kScaleTolerance = 0.1; // mm

class TrueToScale : public PaperHousePdfTest, public ::testing::WithParamInterface<int> {};

TEST_P(TrueToScale, WallsFloorPlateAndGableRidgeLandWhereTheNetSays)
{
    const int scale = GetParam();
    const TPaperHousePdfInput in = Input(kPageFormatEuropean, 1, false, scale, false);
    const OutlineProbe probe(Write(in, false));
    const double k = 1000.0 / scale; // mm per metre
    // The net is moved inward as a whole until wall 1's flap (6 mm deep)
    // clears the print margin; the walls' foot stays near 0.46 of the height.
    const double leftmost = probe.LeftmostLine(0);
    EXPECT_GE(leftmost, 5.0);
    EXPECT_LE(leftmost, 5.5);
    const double ox = leftmost + 6;
    const auto foot = probe.HorizontalEdge(0, ox + 0.3 * k, 0.46 * 210);
    ASSERT_TRUE(foot);
    const double oy = *foot;
    auto X = [&](double x) { return ox + x * k; };
    auto Y = [&](double y) { return oy - y * k; };
    const double L = 10, B = 7.2, H = 5.8;

    // Wall edges on a row above the upper windows (5.5 m).
    for (double x : {0.0, L, L + B, 2 * L + B, 2 * L + 2 * B}) {
        if (X(x) > 297 - 2)
            continue;
        const auto edge = probe.VerticalEdge(0, X(x), Y(5.5));
        ASSERT_TRUE(edge) << "wall edge at " << x << " m";
        EXPECT_NEAR(*edge, X(x), kScaleTolerance) << "wall edge at " << x << " m";
    }
    // Top and bottom of the walls and the floor plate's far edge, 0.3 m in.
    for (double y : {H, 0.0, -B}) {
        const auto edge = probe.HorizontalEdge(0, X(0.3), Y(y));
        ASSERT_TRUE(edge) << "edge at " << y << " m";
        EXPECT_NEAR(*edge, Y(y), kScaleTolerance) << "edge at " << y << " m";
    }

    // The first gable's ridge: where its two sloping edges meet, measured on
    // two rows across them.
    const double ridge = B / 2 * std::tan(30 * std::numbers::pi / 180);
    const QPointF apex(X(L + B / 2), Y(H + ridge));
    const QPointF left(X(L), Y(H)), right(X(L + B), Y(H));
    auto along = [](QPointF from, QPointF to, double y) {
        return from.x() + (to.x() - from.x()) * (y - from.y()) / (to.y() - from.y());
    };
    const double y1 = Y(H + 0.3 * ridge), y2 = Y(H + 0.7 * ridge);
    const auto l1 = probe.VerticalEdge(0, along(left, apex, y1), y1), l2 = probe.VerticalEdge(0, along(left, apex, y2), y2);
    const auto r1 = probe.VerticalEdge(0, along(right, apex, y1), y1),
               r2 = probe.VerticalEdge(0, along(right, apex, y2), y2);
    ASSERT_TRUE(l1 && l2 && r1 && r2);
    // x = a + b·y on each side; the ridge is where both agree.
    const double bl = (*l2 - *l1) / (y2 - y1), br = (*r2 - *r1) / (y2 - y1);
    const double al = *l1 - bl * y1, ar = *r1 - br * y1;
    const double apexY = (ar - al) / (bl - br), apexX = al + bl * apexY;
    EXPECT_NEAR(apexX, apex.x(), kScaleTolerance);
    EXPECT_NEAR(apexY, apex.y(), kScaleTolerance);
}

TEST_P(TrueToScale, RoofPlanesLieAboveAndBelowTheRidge)
{
    const int scale = GetParam();
    const TPaperHousePdfInput in = Input(kPageFormatEuropean, 1, false, scale, false);
    const QString path = Write(in, false);
    const OutlineProbe probe(path);
    const int roofPage = PdfReader(path).pageCount() - 2; // before the building guide
    const double k = 1000.0 / scale, ox = 12, oy = 105;
    const double g = in.params.RoofGableSideLength(), e = in.params.RoofEavesSideLength();
    for (double y : {g, 0.0, -g}) {
        const auto edge = probe.HorizontalEdge(roofPage, ox + 0.5 * e * k, oy - y * k);
        ASSERT_TRUE(edge) << y;
        EXPECT_NEAR(*edge, oy - y * k, kScaleTolerance) << y;
    }
    for (double x : {0.0, e, 2 * e}) {
        const auto edge = probe.VerticalEdge(roofPage, ox + x * k, oy + 0.5 * g * k);
        ASSERT_TRUE(edge) << x;
        EXPECT_NEAR(*edge, ox + x * k, kScaleTolerance) << x;
    }
}

INSTANTIATE_TEST_SUITE_P(Scales, TrueToScale, ::testing::Values(125, 87),
                         [](const auto& info) { return "scale_1_" + std::to_string(info.param); });

// --- texts at their places -------------------------------------------------------

constexpr double kTextTolerance = 0.3; // mm

// The run of words equal to `text` nearest to (x, y): a caption such as
// "PV-Modul:" also ends the legend's heading.
std::optional<PdfTextBox> FindNear(const PdfReader& pdf, int page, const QString& text, double x, double y)
{
    const QStringList words = text.split(u' ', Qt::SkipEmptyParts);
    const std::vector<PdfTextBox> boxes = pdf.textBoxes(page);
    std::optional<PdfTextBox> best;
    for (std::size_t first = 0; first + words.size() <= boxes.size(); ++first) {
        PdfTextBox run = boxes[first];
        bool match = run.text == words[0];
        for (qsizetype k = 1; k < words.size() && match; ++k) {
            match = boxes[first + k].text == words[k];
            run.mm = run.mm.united(boxes[first + k].mm);
        }
        auto distance = [&](const PdfTextBox& b) { return std::hypot(b.mm.left() - x, b.mm.top() - y); };
        if (match && (!best || distance(run) < distance(*best)))
            best = run;
    }
    return best;
}

void ExpectTextAt(const PdfReader& pdf, int page, const QString& text, double x, double y, bool bold = false)
{
    const std::optional<PdfTextBox> box = FindNear(pdf, page, text, x, y);
    ASSERT_TRUE(box) << text.toStdString() << " not on page " << page + 1 << ": " << pdf.pageText(page).toStdString();
    EXPECT_NEAR(box->mm.left(), x, kTextTolerance) << text.toStdString();
    EXPECT_NEAR(box->mm.top(), y, kTextTolerance) << text.toStdString();
    EXPECT_EQ(box->fontName.contains(QStringLiteral("Bold")), bold) << text.toStdString();
}

TEST_F(PaperHousePdfTest, SummaryStandsOnTheFloorPlateBelowTheWalls)
{
    const QString path = Write(Input(kPageFormatEuropean, 1, false, 125, true), false);
    const PdfReader pdf(path);
    // The floor plate: 80 × 57.6 mm under wall 1, whose flap marks the net's left.
    const double plateLeft = OutlineProbe(path).LeftmostLine(0) + 6, plateRight = plateLeft + 80;
    const auto first = pdf.findText(0, QStringLiteral("PV-Modul: SI M260 black"));
    ASSERT_TRUE(first);
    // Shrunk as a whole until the longest line fits the plate, not below 6 pt.
    const double size = first->fontSize, f = size / 10;
    EXPECT_GE(size, 6);
    EXPECT_LT(size, 10);
    const double x = plateLeft + 1.5, y = first->mm.top();
    EXPECT_NEAR(first->mm.left(), x, kTextTolerance);
    const std::pair<double, const char*> lines[] = {
        {4.2, "Anzahl: 20 Leistung: 260 Wp"},
        {8.4, "Anlagenleistung: 5,2 kWp"},
        {12.6, "Internet: www.solarindustries-module.de"},
        {18.8, "Erstellt mit Tandrel https://www.norvi-software.de/tandrel"},
        {23.0, "Norvi GmbH, Software in der Solartechnik"},
        {27.0, "Lichtenbergstraße 14"},
        {31.0, "80331 München"},
        {35.0, "www.norvi-software.de"},
        {45.2, "Maßstab: 1:125"},
    };
    for (const auto& [dy, text] : lines) {
        ExpectTextAt(pdf, 0, QString::fromUtf8(text), x, y + dy * f, dy > 15 && dy < 40);
        const auto box = FindNear(pdf, 0, QString::fromUtf8(text), x, y + dy * f);
        ASSERT_TRUE(box);
        EXPECT_LE(box->mm.right(), plateRight - 1.5 + kTextTolerance) << text;
        EXPECT_NEAR(box->fontSize, size, 0.01) << text;
    }
}

TEST_F(PaperHousePdfTest, ModuleLegendStandsBesideTheModulePicture)
{
    const PdfReader pdf(Write(Input(kPageFormatEuropean, 1, false, 125, true), false));
    // Module picture 100 × 170 pixels, 38 mm high at (297 - 154), ending at the 5 mm margin.
    const double x0 = 143, y0 = 167, w = 38.0 * 100 / 170;
    const double x1 = x0 + w + 2, x2 = x0 + w + 28;
    ExpectTextAt(pdf, 1, QStringLiteral("Verwendetes PV-Modul:"), x1, y0 + 5.6);
    const std::pair<const char*, const char*> rows[] = {
        {"PV-Modul:", "SI M260 black"}, {"Modulleistung:", "260 Wp"},    {"Modulbreite:", "1.000 mm"},
        {"Modullänge:", "1.667 mm"},   {"Verlegung:", "hochkant"},   {"Hersteller:", "Solar Industries AG"},
        {"Internet:", "www.solarindustries-module.de"},
    };
    // Seven rows within the module picture's height.
    double y = y0 + 10.2;
    for (const auto& [caption, value] : rows) {
        ExpectTextAt(pdf, 1, QString::fromUtf8(caption), x1, y);
        ExpectTextAt(pdf, 1, QString::fromUtf8(value), x2, y);
        y += 3.9;
    }
    ExpectTextAt(pdf, 1, QStringLiteral("Dachfläche kann doppelt übereinander geklebt werden zur besseren Stabilität"), 10,
                 5);
}

TEST_F(PaperHousePdfTest, WithoutRoofPlannerTheRoofPlanesStayBareAndNoSummaryIsWritten)
{
    const TPaperHousePdfInput in = Input(kPageFormatEuropean, 1, false, 125, false);
    const QString path = Write(in, false);
    const PdfReader pdf(path);
    EXPECT_FALSE(pdf.pageText(0).contains(QStringLiteral("PV-Modul")));
    EXPECT_FALSE(pdf.pageText(1).contains(QStringLiteral("Verwendetes")));
    EXPECT_TRUE(pdf.pageText(0).contains(QStringLiteral("Tandrel: Hersteller Norvi GmbH,")));
    EXPECT_TRUE(pdf.pageText(1).contains(QStringLiteral("Tandrel: Hersteller Norvi GmbH,")));
    const QImage roof = pdf.render(1, 72);
    const double k = 8, g = in.params.RoofGableSideLength(), e = in.params.RoofEavesSideLength();
    EXPECT_EQ(PdfReader::colorAtMm(roof, 72, 12 + e * k / 2, 105 - g * k / 2), Colour(in.params.ColorDach));
    EXPECT_EQ(PdfReader::colorAtMm(roof, 72, 12 + e * k / 2, 105 + g * k / 2), Colour(in.params.ColorDach));
    EXPECT_EQ(PdfReader::colorAtMm(roof, 72, 12 + 1.5 * e * k, 105 + g * k / 2), QColor(Qt::white));
}

TEST_F(PaperHousePdfTest, RoofRenderingsFillTheirPlanes)
{
    const TPaperHousePdfInput in = Input(kPageFormatEuropean, 1, false, 125, true);
    const PdfReader pdf(Write(in, false));
    const QImage roof = pdf.render(1, 72);
    const double k = 8, g = in.params.RoofGableSideLength(), e = in.params.RoofEavesSideLength();
    // Lower plane: the rendering with modules; upper: the second side.
    EXPECT_EQ(PdfReader::colorAtMm(roof, 72, 12 + e * k / 2, 105 + g * k / 2), QColor(0, 0, 255));
    EXPECT_EQ(PdfReader::colorAtMm(roof, 72, 12 + e * k / 2, 105 - g * k / 2), QColor(255, 0, 0));
    EXPECT_EQ(PdfReader::colorAtMm(roof, 72, 12 + 1.5 * e * k, 105 - g * k / 2), QColor(Qt::white));
}

// --- obstacles on the roof page ---------------------------------------------------

struct ObstacleBoxCase {
    const char* name;
    std::vector<QPointF> outline; // m on the roof plane: from the left gable, from the eaves
    bool twoSides;
    bool laidAcross;
    // The boxes expected on the page, in roof metres (the lower plane first):
    // the outline's box cut at the plane's edge.
    std::vector<QRectF> boxes;
};

void PrintTo(const ObstacleBoxCase& c, std::ostream* os) { *os << c.name; }

class ObstacleBoxes : public PaperHousePdfTest, public ::testing::WithParamInterface<ObstacleBoxCase> {};

// At 1:125 (8 mm per metre) the roof page's net starts at (12 mm, 105 mm):
// the lower plane's eaves lie g below the ridge line y = 105 mm, the upper
// plane lies above it as its picture does.
TEST_P(ObstacleBoxes, StandWhereTheRoofPlannerPutThem)
{
    const ObstacleBoxCase& c = GetParam();
    TPaperHousePdfInput in = Input(kPageFormatEuropean, 1, false, 125, true);
    in.roofPlanner->Obstacles = {c.outline};
    in.roofPlanner->TwoRoofSides = c.twoSides;
    in.roofPlanner->LaidAcross = c.laidAcross;
    const QString path = Write(in, false);
    const int roofPage = PdfReader(path).pageCount() - 2;
    const std::vector<tandrel::test::PdfContentPage> pages = tandrel::test::ReadPdfContent(path);
    ASSERT_GT(int(pages.size()), roofPage);
    const double k = 8, g = in.params.RoofGableSideLength();
    std::vector<QRectF> found;
    for (const auto& p : pages[std::size_t(roofPage)].paths) {
        if (!p.filled || p.fillColor != QColor(0xA0, 0xA0, 0xA0))
            continue;
        EXPECT_TRUE(p.stroked);
        EXPECT_EQ(p.strokeColor, QColor(0x50, 0x50, 0x50));
        QRectF box;
        for (const auto& sp : p.subpaths)
            for (const QPointF& q : sp)
                box = box.isNull() ? QRectF(q, QSizeF(1e-9, 1e-9)) : box.united(QRectF(q, QSizeF(1e-9, 1e-9)));
        found.push_back(box);
    }
    ASSERT_EQ(found.size(), c.boxes.size());
    constexpr double kClearance = 0.3; // kept off the planes' cut lines, mm
    for (std::size_t i = 0; i < found.size(); ++i) {
        const QRectF& m = c.boxes[i];
        const double base = i == 0 ? 105 + g * k : 105; // the plane's eaves line on the page
        const double e = in.params.RoofEavesSideLength();
        auto inside = [&](double mm, double lo, double hi) { return std::clamp(mm, lo + kClearance, hi - kClearance); };
        const double left = inside(12 + m.left() * k, 12, 12 + e * k), right = inside(12 + m.right() * k, 12, 12 + e * k);
        const double top = inside(base - m.bottom() * k, base - g * k, base);
        const double bottom = inside(base - m.top() * k, base - g * k, base);
        EXPECT_NEAR(found[i].left(), left, 0.05) << i;
        EXPECT_NEAR(found[i].right(), right, 0.05) << i;
        EXPECT_NEAR(found[i].top(), top, 0.05) << i;
        EXPECT_NEAR(found[i].bottom(), bottom, 0.05) << i;
    }
    const PdfReader pdf(path);
    EXPECT_TRUE(pdf.pageText(roofPage).contains(c.laidAcross ? QStringLiteral("quer") : QStringLiteral("hochkant")));
}

std::vector<QPointF> Square(double x, double y, double w, double h)
{
    return {{x, y}, {x + w, y}, {x + w, y + h}, {x, y + h}};
}

// The default house's roof is 11.2 m × 4.757 m.
INSTANTIATE_TEST_SUITE_P(
    Places, ObstacleBoxes,
    ::testing::Values(
        ObstacleBoxCase{"chimney_on_the_lower_plane", Square(4.6, 2.65, 0.6, 0.6), false, false,
                        {QRectF(4.6, 2.65, 0.6, 0.6)}},
        ObstacleBoxCase{"on_both_planes_with_two_sides", Square(1.0, 0.5, 0.78, 1.18), true, true,
                        {QRectF(1.0, 0.5, 0.78, 1.18), QRectF(1.0, 0.5, 0.78, 1.18)}},
        ObstacleBoxCase{"cut_at_the_gable_and_the_eaves", Square(10.6, -0.5, 2.0, 1.6), false, false,
                        {QRectF(10.6, -0.5, 2.0, 1.6)}},
        ObstacleBoxCase{"turned_square_reaches_its_corners",
                        {{5.0, 2.0}, {5.5, 2.5}, {5.0, 3.0}, {4.5, 2.5}}, false, true, {QRectF(4.5, 2.0, 1.0, 1.0)}},
        ObstacleBoxCase{"wholly_outside_the_roof_is_not_drawn", Square(12.0, 1.0, 0.6, 0.6), false, false, {}}),
    [](const auto& info) { return std::string(info.param.name); });

// Footer and sibling lines end before the banner and the legend; no text
// leaves the page on the formats a salesperson uses.
class TextsOnThePage : public PaperHousePdfTest, public ::testing::WithParamInterface<PagesCase> {};

TEST_P(TextsOnThePage, EveryTextLiesOnItsPage)
{
    const PagesCase& c = GetParam();
    const PdfReader pdf(Write(Input(QString::fromUtf8(c.type), c.index, c.portrait, c.scale, c.roofPlanner), c.highRise));
    for (int page = 0; page < pdf.pageCount(); ++page) {
        const QSizeF size = pdf.pageSizeMm(page);
        for (const PdfTextBox& box : pdf.textBoxes(page)) {
            EXPECT_GE(box.mm.left(), 2 - kTextTolerance) << "page " << page + 1 << ": " << box.text.toStdString();
            EXPECT_LE(box.mm.right(), size.width()) << "page " << page + 1 << ": " << box.text.toStdString();
            EXPECT_GE(box.mm.top(), 0) << "page " << page + 1 << ": " << box.text.toStdString();
            EXPECT_LE(box.mm.bottom(), size.height()) << "page " << page + 1 << ": " << box.text.toStdString();
        }
    }
    // The maker line never runs into the banner (page 1) or the legend (last page).
    const double width = pdf.pageSizeMm(0).width();
    if (!c.highRise) {
        const auto footer = pdf.findText(0, QStringLiteral("Tandrel: Hersteller Norvi GmbH,"));
        ASSERT_TRUE(footer);
        const auto sibling = pdf.findText(0, QStringLiteral("Kontalo pro:"));
        ASSERT_TRUE(sibling);
        const bool besideBanner = footer->mm.top() > sibling->mm.bottom();
        if (besideBanner) {
            EXPECT_LT(footer->mm.right(), width - 140);
        }
        const int last = pdf.pageCount() - 2; // the roof page, before the building guide
        const auto roofFooter = pdf.findText(last, QStringLiteral("Tandrel: Hersteller Norvi GmbH,"));
        const auto legend = pdf.findText(last, QStringLiteral("Verwendetes PV-Modul:"));
        ASSERT_TRUE(roofFooter && legend);
        EXPECT_FALSE(roofFooter->mm.intersects(QRectF(legend->mm.left() - 40, 210 - 40, 200, 40)))
            << "maker line over the legend";
    }
}

INSTANTIATE_TEST_SUITE_P(
    Formats, TextsOnThePage,
    ::testing::Values(PagesCase{"a4_landscape", "europäisch", 1, false, 125, true, false, {}},
                      PagesCase{"a3_portrait", "europäisch", 2, true, 125, true, false, {}},
                      // At 1 : 125 the house does not fit A5 portrait (and the program says so).
                      PagesCase{"a5_portrait", "europäisch", 0, true, 160, true, false, {}},
                      PagesCase{"letter_landscape", "nordamerikanisch", 1, false, 125, true, false, {}},
                      PagesCase{"high_rise_a4_landscape", "europäisch", 1, false, 125, true, true, {}},
                      PagesCase{"high_rise_letter_landscape", "nordamerikanisch", 1, false, 125, true, true, {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(PaperHousePdfTest, OnASmallPageTheMakerLogoStandsAboveTheLegend)
{
    // A5 portrait: the legend starts at the page's print margin, so the logo
    // cannot stand beside it (at 1 : 160, where the house fits the page).
    const PdfReader pdf(Write(Input(kPageFormatEuropean, 0, true, 160, true), false));
    const int last = pdf.pageCount() - 2; // the roof page, before the building guide
    const QImage page = pdf.render(last, 72);
    const double height = pdf.pageSizeMm(last).height();
    EXPECT_EQ(PdfReader::colorAtMm(page, 72, 5 + 10, height - 43 - 3 - 10), QColor(0, 90, 160));
    ExpectTextAt(pdf, last, QStringLiteral("Verwendetes PV-Modul:"), 5 + 38.0 * 100 / 170 + 2, height - 43 + 5.6);
}

// --- the high-rise --------------------------------------------------------------

struct MeasuresCase {
    const char* name;
    int scale;
    double pageWidth;
    double width, height; // m
};

void PrintTo(const MeasuresCase& c, std::ostream* os) { *os << c.name; }

class HighRiseMeasuresTest : public ::testing::TestWithParam<MeasuresCase> {};

TEST_P(HighRiseMeasuresTest, WidthIsLimitedAndHeightFillsTheTurnedPage)
{
    const MeasuresCase& c = GetParam();
    const THighRiseMeasures m = HighRiseMeasures(c.scale, c.pageWidth);
    EXPECT_DOUBLE_EQ(m.length, 30);
    EXPECT_NEAR(m.width, c.width, 1e-9);
    EXPECT_NEAR(m.height, c.height, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(Scales, HighRiseMeasuresTest,
                         // The height leaves the 5 mm print margins and half a millimetre for the outline.
                         ::testing::Values(MeasuresCase{"a4_landscape_125", 125, 297, 22.5, 35.75},
                                           MeasuresCase{"a4_landscape_166", 166, 297, 29.88, 47.476},
                                           MeasuresCase{"a4_landscape_167", 167, 297, 30, 47.762},
                                           MeasuresCase{"a4_portrait_350", 350, 210, 30, 69.65}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(PaperHousePdfTest, HighRiseFacadeCarriesTwentyFiveModulesOnStoreysOneToEleven)
{
    // 35.75 m of facade: 12 storeys of 2.8 m, modules on all but the ground storey.
    const TPaperHousePdfInput in = Input(kPageFormatEuropean, 1, false, 125, false);
    const QString path = Write(in, true);
    const auto placements = tandrel::test::ImagePlacements(path);
    ASSERT_EQ(placements.size(), 4u);
    const double k = 8;
    std::vector<QRectF> modules;
    for (const auto& p : placements[0])
        if (std::abs(p.mm.width() - 0.9 * 0.995 * k) <= 0.01)
            modules.push_back(p.mm);
    ASSERT_FALSE(modules.empty());
    // Storey 1's modules are the lowest; each storey 2.8 m above the last.
    double lowest = 0;
    for (const QRectF& m : modules)
        lowest = std::max(lowest, m.bottom());
    std::map<int, int> perStorey;
    for (const QRectF& m : modules) {
        const double storey = 1 + (lowest - m.bottom()) / (2.8 * k);
        EXPECT_NEAR(storey, std::round(storey), 1e-3);
        EXPECT_NEAR(m.height(), (1.46 + 0.16) * k, 0.01);
        ++perStorey[int(std::lround(storey))];
    }
    std::map<int, int> expected;
    for (int storey = 1; storey <= 11; ++storey)
        expected[storey] = 25;
    EXPECT_EQ(perStorey, expected);
    // Storey 1's modules start 2.8 − 0.58 m above the facade's foot, which ends at the margin.
    EXPECT_NEAR(lowest, 297 - 5 - 0.2 - (2.8 - 0.58) * k, 0.05);
}

TEST_F(PaperHousePdfTest, HighRisePyramidRowsForATwentyOneAndAHalfMetreBase)
{
    const TPaperHousePdfInput in = Input(kPageFormatEuropean, 1, false, 125, false);
    const auto placements = tandrel::test::ImagePlacements(Write(in, true));
    ASSERT_EQ(placements.size(), 4u);
    const double k = 8, ox = 12, oy = 105, b = 21.5;
    const int n = 23; // trunc(21.5 / 0.9)
    std::map<int, std::vector<double>> rows; // row → module centres (m)
    for (const auto& p : placements[2]) {
        const double bottom = (oy - p.mm.bottom()) / k; // m above the page's origin
        const int row = int(std::lround((bottom + 12 - 0.52) / 1.46 + 1));
        EXPECT_NEAR(bottom, -12 + ((row - 1) * 146 + 52) / 100.0, 1e-3);
        rows[row].push_back((p.mm.center().x() - ox) / k);
    }
    ASSERT_EQ(rows.size(), 10u); // rows 1 … 10; row 0 lies below the base, row 11 is empty
    for (auto& [row, centres] : rows) {
        ASSERT_GE(row, 1);
        ASSERT_LE(row, 10);
        std::sort(centres.begin(), centres.end());
        ASSERT_EQ(int(centres.size()), n - 2 * row - 1) << "row " << row; // columns row + 2 … n − row
        EXPECT_NEAR(centres.front(), 0.2 + b * (row + 1) / n, 1e-3) << "row " << row;
        EXPECT_NEAR(centres.back(), 0.2 + b * (n - row - 1) / n, 1e-3) << "row " << row;
    }
    // The roof plate page shows only the banner; the plate under the gable nothing.
    ASSERT_EQ(placements[1].size(), 1u);
    EXPECT_NEAR(placements[1][0].mm.width(), 108, 0.01);
    EXPECT_NEAR(placements[1][0].mm.height(), 18, 0.01);
    EXPECT_TRUE(placements[3].empty());
}

struct GablePageCase {
    const char* name;
    const char* type;
    int index;
    bool portrait;
    int scale;
};

void PrintTo(const GablePageCase& c, std::ostream* os) { *os << c.name; }

class HighRiseGablePage : public PaperHousePdfTest, public ::testing::WithParamInterface<GablePageCase> {};

// Pages 3 and 4 are A4 landscape whatever the format; the gable and the
// plate under it stay on them.
TEST_P(HighRiseGablePage, GableAndPlateStayOnThePage)
{
    const GablePageCase& c = GetParam();
    TPaperHousePdfInput in = Input(QString::fromUtf8(c.type), c.index, c.portrait, c.scale, false);
    const double b = HighRiseMeasures(c.scale, in.pageWidth).width - 1;
    const PdfReader pdf(Write(in, true));
    ASSERT_EQ(pdf.pageCount(), 4);
    const double k = 1000.0 / c.scale, base = 105 + 12 * k;
    const double ridge = b / 2 * std::tan(60 * std::numbers::pi / 180);
    EXPECT_LE(base + 6, 210); // the plate's bottom flap
    EXPECT_GE(base - ridge * k, 0);
    const QImage gable = pdf.render(2, 72);
    const QImage plate = pdf.render(3, 72);
    const double left = 12 + 0.2 * k;
    EXPECT_EQ(PdfReader::colorAtMm(gable, 72, left + 1, base - 0.5), Colour(in.params.ColorGiebel));
    // The base plate: the tower's footprint (b + 1 m square) in the wall colour, moved at most
    // the few millimetres its flaps need to clear the margins.
    const double side = (b + 1) * k;
    for (const double dx : {20.0, side / 2, side - 20})
        for (const double dy : {-20.0, -side / 2, -side + 20})
            EXPECT_EQ(PdfReader::colorAtMm(plate, 72, left + dx, base + dy), Colour(in.params.ColorHauswand))
                << dx << ", " << dy;
}

INSTANTIATE_TEST_SUITE_P(Formats, HighRiseGablePage,
                         ::testing::Values(GablePageCase{"a4_landscape_125", "europäisch", 1, false, 125},
                                           GablePageCase{"a4_landscape_167", "europäisch", 1, false, 167},
                                           GablePageCase{"a4_portrait_125", "europäisch", 1, true, 125},
                                           GablePageCase{"a3_portrait_125", "europäisch", 2, true, 125},
                                           GablePageCase{"letter_landscape_125", "nordamerikanisch", 1, false, 125}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(PaperHousePdfTest, HighRiseLeavesTheGivenMeasuresAlone)
{
    const TPaperHousePdfInput in = Input(kPageFormatEuropean, 1, false, 125, false);
    const TPaperHouseParams before = in.params;
    Write(in, true);
    EXPECT_DOUBLE_EQ(in.params.Hauslaenge, before.Hauslaenge);
    EXPECT_DOUBLE_EQ(in.params.Hausbreite, before.Hausbreite);
    EXPECT_DOUBLE_EQ(in.params.Haushoehe, before.Haushoehe);
}

TEST_F(PaperHousePdfTest, NeedsExtraWallPageWhenTheFourWallsAreWiderThanThePage)
{
    TPaperHouseParams p;
    EXPECT_FALSE(NeedsExtraWallPage(p, 297)); // 275.2 mm
    p.Massstab = 87;
    EXPECT_TRUE(NeedsExtraWallPage(p, 297)); // 395.4 mm
    p.Massstab = 125;
    // 275.2 mm of walls, the 6 mm flap, the outline and two 5 mm margins.
    EXPECT_FALSE(NeedsExtraWallPage(p, 291.7));
    EXPECT_TRUE(NeedsExtraWallPage(p, 291.5));
}

} // namespace
