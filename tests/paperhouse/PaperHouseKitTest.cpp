// The paper house as a kit: what the written PDF draws, read back from its
// content streams and text.
#include "paperhouse/PageFormats.h"
#include "paperhouse/PaperHouseLayout.h"
#include "paperhouse/PaperHousePdf.h"
#include "pdf/PdfWriter.h"
#include "tests/support/PdfContent.h"
#include "tests/paperhouse/PaperHouseTestData.h"
#include "tests/support/PdfReader.h"
#include "tests/support/TestEnv.h"

#include <QLineF>
#include <QLocale>
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <numbers>
#include <string>

namespace {

using namespace tandrel::paperhouse;
using tandrel::test::PdfContentPage;
using tandrel::test::PdfReader;

using tandrel::test::Colour;
using tandrel::test::RoofPlanner;
using tandrel::test::Solid;

struct KitCase {
    const char* name;
    const char* type = "europäisch";
    int index = 1;
    bool portrait = false;
    int scale = 125; // 0: the suggested scale
    double length = 10, width = 7.2, height = 5.8;
    int pitch = 30;
    bool highRise = false;
    bool wallPictures = false;
};

void PrintTo(const KitCase& c, std::ostream* os) { *os << c.name; }

class KitTest : public tandrel::test::TestEnv {
protected:
    void SetUp() override { QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); }
    void TearDown() override { QLocale::setDefault(QLocale::c()); }

    TPaperHousePdfInput Input(const KitCase& c)
    {
        TPaperHousePdfInput in;
        in.params.Seitenformattyp = QString::fromUtf8(c.type);
        in.params.Hauslaenge = c.length;
        in.params.Hausbreite = c.width;
        in.params.Haushoehe = c.height;
        in.params.DachNeigung = c.pitch;
        in.params.Massstab = c.scale;
        const PageSize size = ComputePageSize(in.params.Seitenformattyp, c.index, c.portrait);
        in.pageWidth = size.PageWidth;
        in.pageHeight = size.PageHeight;
        in.roofPlanner = RoofPlanner();
        in.banner = Solid(432, 72, QColor(40, 140, 80));
        in.highRiseModule = Solid(90, 146, QColor(20, 24, 40));
        in.highRiseFacade = Solid(300, 500, QColor(160, 60, 40));
        if (c.wallPictures)
            for (QImage& w : in.wallPictures)
                w = Solid(200, 120, QColor(160, 60, 40));
        if (c.scale == 0)
            in.params.Massstab = SuggestedScale(in).value_or(125);
        return in;
    }

    QString Write(const TPaperHousePdfInput& in, bool highRise)
    {
        const QString path = tempDir.filePath(QStringLiteral("kit.pdf"));
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
};

// --- printer margins ---------------------------------------------------------------

class KitMargins : public KitTest, public ::testing::WithParamInterface<KitCase> {};

TEST_P(KitMargins, NoInkWithinFiveMillimetresOfAnyEdge)
{
    const KitCase& c = GetParam();
    const TPaperHousePdfInput in = Input(c);
    if (!c.highRise) {
        ASSERT_TRUE(PaperHouseFits(in)) << "at 1 : " << in.params.Massstab;
    }
    const QString path = Write(in, c.highRise);
    const PdfReader pdf(path);
    const std::vector<PdfContentPage> pages = tandrel::test::ReadPdfContent(path);
    ASSERT_EQ(int(pages.size()), pdf.pageCount());
    ASSERT_GT(pdf.pageCount(), 1);
    constexpr double kSlack = 0.02;
    for (int i = 0; i < pdf.pageCount(); ++i) {
        const QRectF inside = PrintArea(pdf.pageSizeMm(i).width(), pdf.pageSizeMm(i).height())
                                  .adjusted(-kSlack, -kSlack, kSlack, kSlack);
        ASSERT_FALSE(pages[i].paths.empty()) << "page " << i + 1;
        for (const auto& p : pages[i].paths)
            EXPECT_TRUE(inside.contains(p.bounds()))
                << "page " << i + 1 << ": path " << p.bounds().left() << ", " << p.bounds().top() << " – "
                << p.bounds().right() << ", " << p.bounds().bottom();
        for (const auto& p : pages[i].pictures)
            EXPECT_TRUE(inside.contains(p.mm)) << "page " << i + 1 << ": picture " << p.mm.left() << ", " << p.mm.top()
                                               << " – " << p.mm.right() << ", " << p.mm.bottom();
        for (const auto& t : pdf.textBoxes(i))
            EXPECT_TRUE(inside.contains(t.mm)) << "page " << i + 1 << ": \"" << t.text.toStdString() << "\" "
                                               << t.mm.left() << ", " << t.mm.top() << " – " << t.mm.right() << ", "
                                               << t.mm.bottom();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Documents, KitMargins,
    ::testing::Values(KitCase{"default_house"}, KitCase{.name = "house_15m_at_suggested_scale", .scale = 0, .length = 15, .width = 12, .height = 10},
                      KitCase{.name = "pitch_60", .pitch = 60},
                      KitCase{.name = "scale_87_extra_wall_page", .scale = 87},
                      KitCase{.name = "a5_landscape", .index = 0},
                      KitCase{.name = "a5_portrait_at_suggested_scale", .index = 0, .portrait = true, .scale = 0},
                      KitCase{.name = "a4_portrait", .portrait = true},
                      KitCase{.name = "letter_landscape", .type = "nordamerikanisch"},
                      KitCase{.name = "high_rise", .highRise = true},
                      KitCase{.name = "high_rise_a4_portrait", .portrait = true, .highRise = true},
                      KitCase{.name = "high_rise_letter", .type = "nordamerikanisch", .highRise = true}),
    [](const auto& info) { return std::string(info.param.name); });

// --- cut and fold lines --------------------------------------------------------------

struct Segment {
    QPointF a, b;
};

bool Same(const QLineF& l, QPointF a, QPointF b, double tol = 0.05)
{
    auto near = [&](QPointF p, QPointF q) { return std::hypot(p.x() - q.x(), p.y() - q.y()) < tol; };
    return (near(l.p1(), a) && near(l.p2(), b)) || (near(l.p1(), b) && near(l.p2(), a));
}

std::vector<QLineF> Lines(const PdfContentPage& page, bool dashed)
{
    std::vector<QLineF> lines;
    for (const auto& p : page.paths)
        if (p.stroked && !p.filled && p.dashed == dashed)
            for (const auto& sp : p.subpaths)
                for (std::size_t k = 1; k < sp.size(); ++k)
                    lines.emplace_back(sp[k - 1], sp[k]);
    return lines;
}

class KitFolds : public KitTest, public ::testing::WithParamInterface<KitCase> {};

// Every edge two pieces share (wall to wall, wall to floor plate, wall to
// gable, piece to flap) is one dashed line; the other edges are solid; no
// picture is drawn over a fold line.
TEST_P(KitFolds, SharedEdgesAreDashedOnceAndOuterEdgesSolid)
{
    const KitCase& c = GetParam();
    const TPaperHousePdfInput in = Input(c);
    const QString path = Write(in, false);
    const std::vector<PdfContentPage> pages = tandrel::test::ReadPdfContent(path);
    const TPaperHouseParams& p = in.params;
    const double k = 1000.0 / p.Massstab, L = p.Hauslaenge, B = p.Hausbreite, H = p.Haushoehe;
    const double R = B / 2 * std::tan(p.DachNeigung * std::numbers::pi / 180);
    const bool split = NeedsExtraWallPage(p, in.pageWidth);
    ASSERT_EQ(pages.size(), split ? 4u : 3u); // and the roof and the building guide

    // Per page: the net's folds in metres from wall 1's (page 2: wall 3's) bottom-left.
    using Fold = std::pair<QPointF, QPointF>;
    auto gable = [&](double x0, std::vector<Fold>& f) {
        f.push_back({{x0, H}, {x0 + B, H}});
        f.push_back({{x0, H}, {x0 + B / 2, H + R}});
        f.push_back({{x0 + B, H}, {x0 + B / 2, H + R}});
    };
    std::vector<std::vector<Fold>> expected(split ? 2 : 1);
    auto& first = expected[0];
    first = {{{0, 0}, {0, H}}, {{0, 0}, {L, 0}}, {{0, -B}, {0, 0}}, {{0, -B}, {L, -B}}, {{L, -B}, {L, 0}},
             {{L, 0}, {L, H}}};
    gable(L, first);
    if (split) {
        expected[1] = {{{0, 0}, {0, H}}, {{L, 0}, {L, H}}};
        gable(L, expected[1]);
    } else {
        first.push_back({{L + B, 0}, {L + B, H}});
        first.push_back({{2 * L + B, 0}, {2 * L + B, H}});
        gable(2 * L + B, first);
    }

    for (std::size_t page = 0; page < expected.size(); ++page) {
        const std::vector<QLineF> dashed = Lines(pages[page], true), solid = Lines(pages[page], false);
        // The origin: on page 1 the upper end of the floor plate's fold, on page 2 wall 3's flap fold.
        std::optional<QPointF> origin;
        for (const QLineF& l : dashed) {
            if (page == 0 && std::abs(l.dy()) < 1e-6 && std::abs(std::abs(l.dx()) - L * k) < 0.05) {
                const QPointF left = l.x1() < l.x2() ? l.p1() : l.p2();
                if (!origin || left.y() < origin->y())
                    origin = left;
            }
            if (page == 1 && std::abs(l.dx()) < 1e-6 && std::abs(std::abs(l.dy()) - H * k) < 0.05) {
                const QPointF bottom = l.y1() > l.y2() ? l.p1() : l.p2();
                if (!origin || bottom.x() < origin->x())
                    origin = bottom;
            }
        }
        ASSERT_TRUE(origin) << "page " << page + 1;
        auto at = [&](QPointF net) { return QPointF(origin->x() + net.x() * k, origin->y() - net.y() * k); };
        EXPECT_EQ(dashed.size(), expected[page].size()) << "page " << page + 1;
        for (const auto& [a, b] : expected[page]) {
            const QPointF da = at(a), db = at(b);
            EXPECT_TRUE(std::any_of(dashed.begin(), dashed.end(), [&](const QLineF& l) { return Same(l, da, db); }))
                << "page " << page + 1 << ": no fold from " << a.x() << "," << a.y() << " to " << b.x() << "," << b.y();
            EXPECT_FALSE(std::any_of(solid.begin(), solid.end(), [&](const QLineF& l) { return Same(l, da, db); }))
                << "page " << page + 1 << ": solid line on the fold " << a.x() << "," << a.y();
        }
        // Cut lines: the top of the first wall and the foot of the last one.
        const double last = split ? L : 2 * L + B;
        for (const auto& [a, b] : std::vector<Fold>{{{0, H}, {L, H}}, {{last, 0}, {last + B, 0}}})
            EXPECT_TRUE(std::any_of(solid.begin(), solid.end(), [&](const QLineF& l) { return Same(l, at(a), at(b)); }))
                << "page " << page + 1 << ": no cut line from " << a.x() << "," << a.y();
        // Nothing drawn over a fold afterwards.
        for (const auto& path : pages[page].paths) {
            if (!path.dashed)
                continue;
            const QPointF mid = (path.subpaths[0].front() + path.subpaths[0].back()) / 2;
            for (const auto& pic : pages[page].pictures)
                EXPECT_FALSE(pic.order > path.order && pic.mm.contains(mid)) << "page " << page + 1;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Documents, KitFolds,
                         ::testing::Values(KitCase{"default_house"},
                                           KitCase{.name = "wall_pictures", .wallPictures = true},
                                           KitCase{.name = "extra_wall_page", .scale = 87, .wallPictures = true},
                                           KitCase{.name = "pitch_60", .pitch = 60}),
                         [](const auto& info) { return std::string(info.param.name); });

// --- glue numbers -----------------------------------------------------------------------

class KitGlue : public KitTest, public ::testing::WithParamInterface<KitCase> {};

// Each number stands twice: on its flap and at the edge it goes to; never
// over a window or a door.
TEST_P(KitGlue, EveryFlapNumberHasItsPartnerAndStaysOffWindowsAndDoors)
{
    const KitCase& c = GetParam();
    const TPaperHousePdfInput in = Input(c);
    const QString path = Write(in, false);
    const PdfReader pdf(path);
    const std::vector<PdfContentPage> pages = tandrel::test::ReadPdfContent(path);
    const QColor frame = Colour(in.params.ColorFensterRahmen), door = Colour(in.params.ColorHausTuer);
    std::map<int, int> seen;
    for (int page = 0; page < pdf.pageCount(); ++page) {
        for (const auto& box : pdf.textBoxes(page)) {
            bool digits = false;
            const int n = box.text.toInt(&digits);
            if (!digits || std::abs(box.fontSize - kGlueNumberSize) > 0.1)
                continue;
            ++seen[n];
            for (const auto& p : pages[page].paths) {
                const bool element = p.filled && (p.fillColor == frame || p.fillColor == door);
                EXPECT_FALSE(element && p.bounds().intersects(box.mm)) << "number " << n << " on page " << page + 1;
            }
        }
    }
    const int flaps = NeedsExtraWallPage(in.params, in.pageWidth) ? 9 : 8;
    std::map<int, int> expected;
    for (int n = 1; n <= flaps; ++n)
        expected[n] = 2;
    EXPECT_EQ(seen, expected);
}

INSTANTIATE_TEST_SUITE_P(Documents, KitGlue,
                         ::testing::Values(KitCase{"default_house"}, KitCase{.name = "extra_wall_page", .scale = 87},
                                           KitCase{.name = "a5_landscape", .index = 0},
                                           KitCase{.name = "a5_portrait", .index = 0, .portrait = true}),
                         [](const auto& info) { return std::string(info.param.name); });

// --- fitting the page ---------------------------------------------------------------------

struct FitCase {
    const char* name;
    KitCase house;
    double overhang; // m, both sides
    bool fits;
    std::optional<int> suggested;
};

void PrintTo(const FitCase& c, std::ostream* os) { *os << c.name; }

class KitFit : public KitTest, public ::testing::WithParamInterface<FitCase> {};

TEST_P(KitFit, SuggestsTheFinestStandardScaleThatFits)
{
    const FitCase& c = GetParam();
    TPaperHousePdfInput in = Input(c.house);
    in.params.DachUeberstandX = in.params.DachUeberstandY = c.overhang;
    EXPECT_EQ(PaperHouseFits(in), c.fits);
    EXPECT_EQ(SuggestedScale(in), c.suggested);
}

INSTANTIATE_TEST_SUITE_P(
    Houses, KitFit,
    ::testing::Values(
        FitCase{"default_house_fits", KitCase{"default"}, 0.6, true, 87},
        FitCase{"house_15m_needs_1_144", KitCase{.name = "15m", .length = 15, .width = 12, .height = 10}, 0.6, false,
                144},
        FitCase{"default_house_a5_portrait_needs_1_144", KitCase{.name = "a5p", .index = 0, .portrait = true}, 0.6,
                false, 144},
        FitCase{"house_15m_a3_fits", KitCase{.name = "15m_a3", .index = 2, .length = 15, .width = 12, .height = 10}, 0.6,
                true, 120},
        FitCase{"wide_overhangs_on_a5_fit_nowhere",
                KitCase{.name = "a5", .index = 0, .length = 15, .width = 12, .height = 10}, 8, false, std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

// --- the building guide --------------------------------------------------------------

struct GuideStepCase {
    const char* name;
    int step;                 // 1 … 6
    bool wallsShown, floorShown, gablesShown; // drawn in their own colours
    bool faintLines;          // grey lines of the pieces the step is not about
};

void PrintTo(const GuideStepCase& c, std::ostream* os) { *os << c.name; }

class KitGuide : public KitTest, public ::testing::WithParamInterface<GuideStepCase> {};

// Each step's small picture shows the pieces of that step in their colours
// and the others pale with grey lines.
TEST_P(KitGuide, StepPicturesShowTheirOwnPieces)
{
    const GuideStepCase& c = GetParam();
    const TPaperHousePdfInput in = Input(KitCase{"default"});
    const QString path = Write(in, false);
    const std::vector<PdfContentPage> pages = tandrel::test::ReadPdfContent(path);
    ASSERT_EQ(pages.size(), 3u);
    const PdfContentPage& guide = pages.back();
    // Three columns of two steps on a landscape page, the second row below its middle.
    const QRectF area = PrintArea(in.pageWidth, in.pageHeight);
    const double cellWidth = (area.width() - 2 * 4) / 3;
    const int column = (c.step - 1) % 3, row = (c.step - 1) / 3;
    const QRectF cell(area.left() + column * (cellWidth + 4), row == 0 ? area.top() : in.pageHeight / 2, cellWidth,
                      area.height() / 2);
    bool walls = false, floor = false, gables = false, grey = false, anyFill = false;
    for (const auto& p : guide.paths) {
        if (!cell.contains(p.bounds().center()))
            continue;
        if (p.filled) {
            anyFill = true;
            walls = walls || p.fillColor == Colour(in.params.ColorHauswand);
            // The plate, not a pale flap of the same grey.
            const QRectF b = p.bounds();
            floor = floor
                    || (p.fillColor == Colour(kFloorPlateColor)
                        && std::abs(b.width() / b.height() - in.params.Hauslaenge / in.params.Hausbreite) < 0.03);
            gables = gables || p.fillColor == Colour(in.params.ColorGiebel);
        }
        if (p.stroked && p.strokeColor != QColor(Qt::black))
            grey = true;
    }
    ASSERT_TRUE(anyFill) << "no picture in step " << c.step;
    EXPECT_EQ(walls, c.wallsShown);
    EXPECT_EQ(floor, c.floorShown);
    EXPECT_EQ(gables, c.gablesShown);
    EXPECT_EQ(grey, c.faintLines);
}

INSTANTIATE_TEST_SUITE_P(Steps, KitGuide,
                         ::testing::Values(GuideStepCase{"cut_out_all", 1, true, true, true, false},
                                           GuideStepCase{"fold_all", 2, true, true, true, false},
                                           GuideStepCase{"walls_into_a_ring", 3, true, false, false, true},
                                           GuideStepCase{"floor_plate", 4, false, true, false, true},
                                           GuideStepCase{"gables_last", 6, false, false, true, true}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
