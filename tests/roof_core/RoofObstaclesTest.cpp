#include "app/KontaloRegistry.h"
#include "drawing/PVElementeReps.h"
#include "drawing/PVFlaecheReps.h"
#include "drawing/Structur.h"
#include "roof/RoofObstacles.h"
#include "tests/support/CaseName.h"
#include "tests/support/TestEnv.h"

#include <QStringList>
#include <gtest/gtest.h>
#include <QRectF>
#include <algorithm>
#include <limits>

namespace {

using namespace tandrel::roof;
using tandrel::test::CaseName;

// The default house's roof.
constexpr double kEaves = 11.2, kGable = 4.757;

QStringList Names(const MBaseStructur& s)
{
    QStringList out;
    for (const MSperrFlaecheRep* a : Obstacles(s))
        out << a->Name1;
    return out;
}

int ActiveModules(const MGruppeRep& g)
{
    int n = 0;
    for (const MBaseRep* r : g.Structure().Reps())
        n += static_cast<const MPVModulRep*>(r)->ModulStatus == 1;
    return n;
}

// ------------------------------------------------------------ placing

struct PlaceCase {
    const char* label;
    int kind;
    double x, y, roofW, roofH;
    double expectX, expectY; // the centre after snapping and holding
    int expectActive;        // of the 2 × 10 raster below
    bool expectOutside;
};

class PlaceObstacleTest : public ::testing::TestWithParam<PlaceCase> {};

// A raster of 2 rows × 10 columns of 1.0 × 1.667 m modules with 3 cm gaps
// from (0.3, 0.3).
TEST_P(PlaceObstacleTest, LandsSnappedOnTheRoofAndSwitchesOffWhatItOverlaps)
{
    const PlaceCase& c = GetParam();
    MStructur s;
    auto& g = s.Create<MGruppeRep>(0, 0, 0.301, 0.301);
    g.ElementBreite = 1.0;
    g.ElementHoehe = 1.667;
    g.RowDistance = g.ColDistance = 0.03;
    g.RowCount = 2;
    g.ColCount = 10;
    g.ColCountAnfang = 12;
    g.ColCountPeriode = 2000;
    g.BuildRaster();
    g.UpdateModuleStates(s);
    ASSERT_EQ(ActiveModules(g), 20);

    MSperrFlaecheRep& a = PlaceObstacle(s, c.kind, c.x, c.y, c.roofW, c.roofH);
    const TObstacleKind& k = ObstacleKinds()[std::size_t(c.kind)];
    EXPECT_NEAR(a.XPos, c.expectX, 1e-9);
    EXPECT_NEAR(a.YPos, c.expectY, 1e-9);
    EXPECT_NEAR(a.XSize, k.Width, 1e-9);
    EXPECT_NEAR(a.YSize, k.Height, 1e-9);
    EXPECT_DOUBLE_EQ(a.Aussenabstand, 0.2);
    EXPECT_EQ(a.Name1, QString::fromUtf8(k.Caption) + QStringLiteral(" 1"));
    EXPECT_EQ(LiesOutsideRoof(a, c.roofW, c.roofH), c.expectOutside);
    EXPECT_EQ(ActiveModules(g), c.expectActive);
}

INSTANTIATE_TEST_SUITE_P(Kinds, PlaceObstacleTest,
    ::testing::Values(
        // Centre (5.6, 2.38) → (5.6, 2.4): its outer outline (5.1…6.1 × 1.9…2.9)
        // reaches the modules of columns 5 and 6 in both rows.
        PlaceCase{"chimney_in_the_middle", 0, 5.6, 2.38, kEaves, kGable, 5.6, 2.4, 16, false},
        // Wholly in the first column's lower module (0.301…1.301 × 0.301…1.968).
        PlaceCase{"vent_on_one_module", 3, 0.81, 1.12, kEaves, kGable, 0.8, 1.1, 19, false},
        // Held half its size from the left gable and the ridge; reaches the
        // upper modules of columns 1 and 2 (top corners below 4.957).
        PlaceCase{"dormer_past_the_corner", 2, -3, 9, kEaves, kGable, 1.0, kGable - 0.8, 18, false},
        // Held at the right gable and the eaves: the last column's lower module.
        PlaceCase{"window_past_the_right_eaves_corner", 1, 20, -1, kEaves, kGable, kEaves - 0.39, 0.59, 19, false},
        // Larger than the roof: its lower left corner stays on it.
        PlaceCase{"free_area_on_a_tiny_roof", 4, 3, 3, 0.5, 0.8, 0.5, 0.5, 19, true}),
    CaseName{});

struct NameCase {
    const char* label;
    QStringList existing;
    int kind;
    const char* expect;
};

class ObstacleNameTest : public ::testing::TestWithParam<NameCase> {};

TEST_P(ObstacleNameTest, TakesTheFirstFreeNumberOfItsKind)
{
    const NameCase& c = GetParam();
    MStructur s;
    for (const QString& n : c.existing)
        s.Create<MSperrFlaecheRep>(0, 0, 0.0, 0.0).Name1 = n;
    EXPECT_EQ(PlaceObstacle(s, c.kind, 2, 2, kEaves, kGable).Name1, QString::fromUtf8(c.expect));
}

INSTANTIATE_TEST_SUITE_P(Names, ObstacleNameTest,
    ::testing::Values(NameCase{"first", {}, 0, "Schornstein 1"},
                      NameCase{"after_two", {"Schornstein 1", "Schornstein 2"}, 0, "Schornstein 3"},
                      NameCase{"gap_after_a_deletion", {"Schornstein 2"}, 0, "Schornstein 1"},
                      NameCase{"other_kinds_do_not_count", {"Gaube 1", "Schornstein 1"}, 2, "Gaube 2"},
                      NameCase{"renamed_ones_do_not_count", {"Schornstein alt", "Schornsteinx 1"}, 0, "Schornstein 1"},
                      NameCase{"vent_with_slash", {"Lüfter / Antenne 1"}, 3, "Lüfter / Antenne 2"}),
    CaseName{});

struct EditCase {
    const char* label;
    double x, y, w, h, distance, rotation;
    bool acceptable;
};

class AcceptableEditTest : public ::testing::TestWithParam<EditCase> {};

// What the area dialog may leave on the 11.2 m × 4.757 m roof.
TEST_P(AcceptableEditTest, TakesOnlyFiniteSizesThatFitTheRoof)
{
    const EditCase& c = GetParam();
    MStructur s;
    auto& a = s.Create<MSperrFlaecheRep>(0, 0, c.x, c.y);
    a.Laenge1 = c.w;
    a.Breite1 = c.h;
    a.Aussenabstand = c.distance;
    a.Nordrichtung = c.rotation;
    a.BuildOutline(kFormRechteck);
    EXPECT_EQ(IsAcceptableEdit(a, kEaves, kGable), c.acceptable);
}

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

INSTANTIATE_TEST_SUITE_P(Edits, AcceptableEditTest,
    ::testing::Values(EditCase{"chimney", 5, 2, 0.6, 0.6, 0.2, 0, true},
                      EditCase{"as_large_as_the_roof", 5.6, 2.3785, kEaves, kGable, 0.2, 0, true},
                      EditCase{"wider_than_the_roof", 5.6, 2, 11.3, 1, 0.2, 0, false},
                      // 4.5 m along the eaves, turned 90°: 4.5 m up a 4.757 m roof still fits.
                      EditCase{"turned_still_fits", 5, 2.3785, 4.5, 0.5, 0.2, 90, true},
                      EditCase{"turned_too_high", 5, 2.3785, 5.0, 0.5, 0.2, 90, false},
                      EditCase{"zero_width", 5, 2, 0, 0.6, 0.2, 0, false},
                      EditCase{"negative_height", 5, 2, 0.6, -0.6, 0.2, 0, false},
                      EditCase{"negative_distance", 5, 2, 0.6, 0.6, -0.1, 0, false},
                      EditCase{"size_not_a_number", 5, 2, kNaN, 0.6, 0.2, 0, false},
                      EditCase{"infinite_height", 5, 2, 0.6, kInf, 0.2, 0, false},
                      EditCase{"rotation_not_a_number", 5, 2, 0.6, 0.6, 0.2, kNaN, false},
                      EditCase{"centre_left_of_the_roof", -0.1, 2, 0.6, 0.6, 0.2, 0, false},
                      EditCase{"centre_above_the_ridge", 5, 4.8, 0.6, 0.6, 0.2, 0, false},
                      EditCase{"centre_not_a_number", kNaN, 2, 0.6, 0.6, 0.2, 0, false}),
    CaseName{});

// Refreshing again and again keeps the areas on top and in their order.
TEST(ObstaclesOnTop, KeepsTheAreasOrderOverTheRest)
{
    MStructur s;
    s.Create<MSperrFlaecheRep>(0, 0, 0.0, 0.0).Name1 = QStringLiteral("A");
    s.Create<MStandardFlaecheRep>(0, 0, 0.0, 0.0).Name1 = QStringLiteral("Dach");
    s.Create<MSperrFlaecheRep>(0, 0, 0.0, 0.0).Name1 = QStringLiteral("B");
    s.Create<MGruppeRep>(0, 0, 0.0, 0.0).Name1 = QStringLiteral("Module");
    s.Create<MSperrFlaecheRep>(0, 0, 0.0, 0.0).Name1 = QStringLiteral("C");
    for (int round = 0; round < 3; ++round) {
        ObstaclesOnTop(s);
        QStringList order;
        for (const MBaseRep* r : s.Reps())
            order << r->Name1;
        EXPECT_EQ(order, (QStringList{"Dach", "Module", "A", "B", "C"})) << "round " << round;
    }
}

// ------------------------------------------------------------ stored list

const QString kKey = ObstaclesKey(QStringLiteral("Dachplanung2DFrame"));

struct StoredCase {
    const char* label;
    bool saved;
    // Applied to the store after three obstacles were saved; index 1 is
    // the dormer.
    void (*damage)(MKontaloRegistry& reg);
    QStringList expectNames;
    int expectDropped;
};

class StoredObstaclesTest : public tandrel::test::TestEnv, public ::testing::WithParamInterface<StoredCase> {};

TEST_P(StoredObstaclesTest, LoadsWhatIsReadableAndCountsTheRest)
{
    const StoredCase& c = GetParam();
    if (c.saved) {
        MStructur s;
        s.Create<MGruppeRep>(0, 0, 0.0, 0.0); // not stored with the list
        PlaceObstacle(s, 0, 2, 2, kEaves, kGable);
        MSperrFlaecheRep& dormer = PlaceObstacle(s, 2, 6, 2, kEaves, kGable);
        dormer.Nordrichtung = 30;
        dormer.Name1 = QStringLiteral("Gaube Süd");
        dormer.BuildOutline(dormer.FlaechenForm);
        PlaceObstacle(s, 3, 9.5, 1, kEaves, kGable);
        MKontaloRegistry reg;
        SaveObstacles(s, reg, kKey);
    }
    if (c.damage) {
        MKontaloRegistry reg;
        c.damage(reg);
    }
    MKontaloRegistry reg;
    MStructur s;
    s.Create<MSperrFlaecheRep>(0, 0, 0.0, 0.0).Name1 = QStringLiteral("vorher");
    const TObstacleLoad load = LoadObstacles(s, reg, kKey);
    EXPECT_EQ(Names(s), c.expectNames);
    EXPECT_EQ(load.Loaded, c.expectNames.size());
    EXPECT_EQ(load.Dropped, c.expectDropped);
    for (const MSperrFlaecheRep* a : Obstacles(s)) {
        if (a->Name1 == QStringLiteral("Gaube Süd")) {
            EXPECT_DOUBLE_EQ(a->Nordrichtung, 30);
            EXPECT_DOUBLE_EQ(a->Laenge1, 2.0);
            EXPECT_DOUBLE_EQ(a->Breite1, 1.6);
            EXPECT_NEAR(a->XPos, 6, 1e-9);
        }
        EXPECT_DOUBLE_EQ(a->Aussenabstand, 0.2);
    }
}

const QString kDormer = kKey + QStringLiteral("\\1");

INSTANTIATE_TEST_SUITE_P(Store, StoredObstaclesTest,
    ::testing::Values(
        StoredCase{"round_trip", true, nullptr, {"Schornstein 1", "Gaube Süd", "Lüfter / Antenne 1"}, 0},
        StoredCase{"nothing_stored", false, nullptr, {}, 0},
        StoredCase{"size_no_number", true,
                   [](MKontaloRegistry& r) { r.WriteString(kDormer, QStringLiteral("Laenge1\\"), QStringLiteral("abc")); },
                   {"Schornstein 1", "Lüfter / Antenne 1"}, 1},
        StoredCase{"negative_size", true,
                   [](MKontaloRegistry& r) { r.WriteFloat(kDormer, QStringLiteral("Breite1\\"), -1.6); },
                   {"Schornstein 1", "Lüfter / Antenne 1"}, 1},
        StoredCase{"position_not_finite", true,
                   [](MKontaloRegistry& r) { r.WriteString(kDormer, QStringLiteral("XPos"), QStringLiteral("nan")); },
                   {"Schornstein 1", "Lüfter / Antenne 1"}, 1},
        StoredCase{"other_type", true,
                   [](MKontaloRegistry& r) { r.WriteInteger(kDormer, QStringLiteral("RepTyp"), 20); },
                   {"Schornstein 1", "Lüfter / Antenne 1"}, 1},
        StoredCase{"count_too_high", true, [](MKontaloRegistry& r) { r.WriteInteger(kKey, QStringLiteral("RepAnzahl"), 5); },
                   {"Schornstein 1", "Gaube Süd", "Lüfter / Antenne 1"}, 2},
        StoredCase{"count_absurd", true,
                   [](MKontaloRegistry& r) { r.WriteInteger(kKey, QStringLiteral("RepAnzahl"), 99999999); }, {}, 1},
        StoredCase{"count_negative", true, [](MKontaloRegistry& r) { r.WriteInteger(kKey, QStringLiteral("RepAnzahl"), -3); },
                   {}, 1},
        StoredCase{"count_no_number", true,
                   [](MKontaloRegistry& r) { r.WriteString(kKey, QStringLiteral("RepAnzahl"), QStringLiteral("drei")); },
                   {}, 0}),
    CaseName{});

// ------------------------------------------------------------ undo

struct HistoryCase {
    const char* label;
    const char* steps; // p place, m move the last, d delete the last, u undo, r redo
    QStringList expectNames;
    double expectLastX; // the last obstacle's centre
    bool canUndo, canRedo;
};

class ObstacleHistoryTest : public ::testing::TestWithParam<HistoryCase> {};

TEST_P(ObstacleHistoryTest, UndoAndRedoWalkTheOperations)
{
    const HistoryCase& c = GetParam();
    MStructur s;
    TObstacleHistory h;
    h.Reset(CaptureObstacles(s));
    for (const char* p = c.steps; *p; ++p) {
        std::vector<MSperrFlaecheRep*> all = Obstacles(s);
        switch (*p) {
        case 'p': PlaceObstacle(s, 0, 2, 2, kEaves, kGable); break;
        case 'm': all.back()->MoveBy(1, 0); break;
        case 'd': s.RemoveRep(all.back()); break;
        case 'u': RestoreObstacles(s, h.Undo()); break;
        case 'r': RestoreObstacles(s, h.Redo()); break;
        }
        const bool changed = h.Commit(CaptureObstacles(s));
        EXPECT_EQ(changed, *p == 'p' || *p == 'm' || *p == 'd') << "step " << (p - c.steps);
    }
    EXPECT_EQ(Names(s), c.expectNames);
    if (!c.expectNames.isEmpty()) {
        EXPECT_NEAR(Obstacles(s).back()->XPos, c.expectLastX, 1e-9);
    }
    EXPECT_EQ(h.CanUndo(), c.canUndo);
    EXPECT_EQ(h.CanRedo(), c.canRedo);
}

INSTANTIATE_TEST_SUITE_P(Steps, ObstacleHistoryTest,
    ::testing::Values(HistoryCase{"place_move", "pm", {"Schornstein 1"}, 3, true, false},
                      HistoryCase{"undo_the_move", "pmu", {"Schornstein 1"}, 2, true, true},
                      HistoryCase{"undo_all", "pmuuu", {}, 0, false, true},
                      HistoryCase{"redo_all", "pmuuurr", {"Schornstein 1"}, 3, true, false},
                      HistoryCase{"undo_a_delete", "ppdu", {"Schornstein 1", "Schornstein 2"}, 2, true, true},
                      HistoryCase{"new_step_drops_redo", "ppuup", {"Schornstein 1"}, 2, true, false},
                      HistoryCase{"new_step_after_undo", "pmup", {"Schornstein 1", "Schornstein 2"}, 2, true, false}),
    CaseName{});

} // namespace

namespace {

using namespace tandrel::roof;

struct ValueCase {
    const char* label;
    const char* name;
    double x, y, w, h, rotation;
    TRoofObstacleKind kind;
    QRectF outlineBox; // what the turned corners span, m on the roof
};

class ObstacleValueTest : public ::testing::TestWithParam<ValueCase> {};

// What other frames get: the kind from the tool's name, the corners as the
// area lies on the roof (turned about its centre).
TEST_P(ObstacleValueTest, GivesKindAndCornersAsLaid)
{
    const ValueCase& c = GetParam();
    MStructur s;
    TObstacleSnapshot snapshot(1);
    snapshot[0].Name = QString::fromUtf8(c.name);
    snapshot[0].X = c.x;
    snapshot[0].Y = c.y;
    snapshot[0].Width = c.w;
    snapshot[0].Height = c.h;
    snapshot[0].Rotation = c.rotation;
    RestoreObstacles(s, snapshot);
    const std::vector<TRoofObstacle> values = ObstacleValues(s);
    ASSERT_EQ(values.size(), 1u);
    const TRoofObstacle& o = values[0];
    EXPECT_EQ(o.Name, QString::fromUtf8(c.name));
    EXPECT_EQ(o.Kind, c.kind);
    EXPECT_DOUBLE_EQ(o.X, c.x);
    EXPECT_DOUBLE_EQ(o.Y, c.y);
    EXPECT_DOUBLE_EQ(o.Width, c.w);
    EXPECT_DOUBLE_EQ(o.Height, c.h);
    ASSERT_EQ(o.Outline.size(), 4u);
    double minX = 1e9, maxX = -1e9, minY = 1e9, maxY = -1e9;
    for (const QPointF& p : o.Outline) {
        minX = std::min(minX, p.x());
        maxX = std::max(maxX, p.x());
        minY = std::min(minY, p.y());
        maxY = std::max(maxY, p.y());
    }
    EXPECT_NEAR(minX, c.outlineBox.left(), 1e-9);
    EXPECT_NEAR(maxX, c.outlineBox.right(), 1e-9);
    EXPECT_NEAR(minY, c.outlineBox.top(), 1e-9);
    EXPECT_NEAR(maxY, c.outlineBox.bottom(), 1e-9);
}

INSTANTIATE_TEST_SUITE_P(Values, ObstacleValueTest,
    ::testing::Values(
        ValueCase{"chimney", "Schornstein 1", 4.9, 2.95, 0.6, 0.6, 0, TRoofObstacleKind::Chimney,
                  QRectF(4.6, 2.65, 0.6, 0.6)},
        ValueCase{"window", "Dachfenster 2", 2.0, 2.0, 0.78, 1.18, 0, TRoofObstacleKind::RoofWindow,
                  QRectF(1.61, 1.41, 0.78, 1.18)},
        // Turned a quarter round: it spans its height along the eaves.
        ValueCase{"dormer_turned", "Gaube 1", 5.0, 2.0, 2.0, 1.6, 90, TRoofObstacleKind::Dormer,
                  QRectF(4.2, 1.0, 1.6, 2.0)},
        ValueCase{"vent_with_slash", "Lüfter / Antenne 3", 1.0, 1.0, 0.3, 0.3, 0, TRoofObstacleKind::Vent,
                  QRectF(0.85, 0.85, 0.3, 0.3)},
        ValueCase{"free_area", "Freie Fläche 1", 3.0, 3.0, 1.0, 1.0, 0, TRoofObstacleKind::FreeArea,
                  QRectF(2.5, 2.5, 1.0, 1.0)},
        // Renamed by the user: no tool's kind, so no chimney in 3D.
        ValueCase{"renamed", "Kamin", 3.0, 3.0, 0.6, 0.6, 0, TRoofObstacleKind::Other, QRectF(2.7, 2.7, 0.6, 0.6)},
        ValueCase{"caption_without_number", "Schornstein alt", 3.0, 3.0, 0.6, 0.6, 0, TRoofObstacleKind::Other,
                  QRectF(2.7, 2.7, 0.6, 0.6)}),
    CaseName{});

} // namespace
