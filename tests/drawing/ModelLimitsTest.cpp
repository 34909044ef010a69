#include "app/KontaloRegistry.h"
#include "drawing/Canvas.h"
#include "drawing/ModelRep.h"
#include "drawing/PVElementeReps.h"
#include "drawing/VirtualView.h"
#include "tests/support/CaseName.h"
#include "tests/support/TestEnv.h"

#include <QFile>
#include <gtest/gtest.h>
#include <limits>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

namespace {

// Stored models a damaged or hostile settings file may hold.
class ModelLimitsTest : public tandrel::test::TestEnv {
protected:
    MStructur container;

    MPVModelRep& NewModel() { return container.Create<MPVModelRep>(0, 0, 0.0, 0.0); }
    static void Load(MModelRep& model, const QString& key)
    {
        MKontaloRegistry store;
        model.LoadSettings(store, key);
    }
    QByteArray SettingsFile() const
    {
        QFile f(registryPath());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
};

struct CountCase {
    const char* label;
    int count;
    bool damaged;
};

class StoredCount : public ModelLimitsTest, public ::testing::WithParamInterface<CountCase> {};

// Only two entries exist; reading a count never creates the missing ones.
TEST_P(StoredCount, ACountBeyondARoofMarksTheModelDamagedAndCreatesNothing)
{
    {
        MKontaloRegistry store;
        store.WriteInteger("Dach", "RepAnzahl", GetParam().count);
        store.WriteInteger("Dach\\0", "RepTyp", 110);
        store.WriteInteger("Dach\\1", "RepTyp", 20);
    }
    const QByteArray before = SettingsFile();
    MPVModelRep& model = NewModel();
    Load(model, "Dach");
    EXPECT_EQ(model.Damaged, GetParam().damaged);
    EXPECT_EQ(model.Structure().Count(), GetParam().damaged ? 0 : 2);
    EXPECT_EQ(SettingsFile(), before) << "the loader created entries";
}

INSTANTIATE_TEST_SUITE_P(Counts, StoredCount,
                         ::testing::Values(CountCase{"two", 2, false}, CountCase{"roof_limit", 100'000, false},
                                           CountCase{"one_more", 100'001, true},
                                           CountCase{"million", 1'000'000, true},
                                           CountCase{"int_max", std::numeric_limits<int>::max(), true},
                                           CountCase{"negative", -1, true}),
                         tandrel::test::CaseName{});

// Groups hold models, so a stored file can nest them: only a few levels load.
TEST_F(ModelLimitsTest, DeeplyNestedGroupsStopAtTheDepthLimit)
{
    {
        MKontaloRegistry store;
        QString key = "Tief";
        store.WriteInteger(key, "RepAnzahl", 1);
        for (int level = 0; level < 1000; ++level) {
            key += "\\0";
            store.WriteInteger(key, "RepTyp", 510);
            store.WriteInteger(key, "RepAnzahl", 1);
            store.WriteInteger(key, "ColCount", 1);
            store.WriteInteger(key, "RowCount", 1);
        }
    }
    MPVModelRep& model = NewModel();
    Load(model, "Tief");
    int depth = 0;
    MPVModelRep* inner = &model;
    while (inner->Structure().Count() == 1) {
        auto* group = dynamic_cast<MGruppeRep*>(inner->Structure().Items(0));
        if (!group)
            break;
        inner = group;
        ++depth;
    }
    EXPECT_EQ(depth, MPVModelRep::kMaxNestingDepth);
    EXPECT_TRUE(inner->Damaged);
    EXPECT_FALSE(model.Damaged);
}

struct ExtremeBarCase {
    const char* label;
    double scale;    // pixels per world unit
    double x;        // world position of the bar
    bool leftOfCanvas;
};

class ScaleBarExtreme : public ModelLimitsTest, public ::testing::WithParamInterface<ExtremeBarCase> {};

// Drawn at an absurd stored scale, the bar's coordinates saturate instead of
// overflowing: they keep their order, stay on the side of the canvas where
// the bar lies, and the labels still name the tick positions.
TEST_P(ScaleBarExtreme, ScaleBarAtAnExtremeScaleDrawsWithoutOverflow)
{
    MCanvas canvas(200, 100);
    const QImage blank = canvas.Image().copy();
    MVirtualView view;
    view.Canvas = &canvas;
    view.xdehnung2d = view.ydehnung2d = GetParam().scale;
    MStructur list;
    auto& bar = list.Create<MMasstabRep>(0, 0, GetParam().x, 1.0);
    bar.XSize = 2;
    const MMasstabRep::Layout l = bar.ComputeLayout(view);
    bar.Draw(view);

    EXPECT_EQ(bar.BarHeightPx, l.H);
    EXPECT_GT(l.H, 0);
    EXPECT_LE(l.BarX1, l.BarX2);
    EXPECT_LE(l.BarY1, l.BarY2);
    EXPECT_LE(l.EndX2, l.EndX1);
    ASSERT_FALSE(l.Ticks.empty());
    EXPECT_LE(int(l.Ticks.size()), MMasstabRep::kMaxTicks + 1);
    for (std::size_t k = 0; k < l.Ticks.size(); ++k) {
        const MMasstabRep::Tick& t = l.Ticks[k];
        if (k > 0)
            EXPECT_LE(l.Ticks[k - 1].X, t.X) << "tick " << k;
        EXPECT_EQ(t.Y1, l.BarY1);
        EXPECT_LE(t.Y1, t.Y2);
        if (GetParam().leftOfCanvas)
            EXPECT_LT(t.X, 0) << "tick " << k;
        else
            EXPECT_GE(t.X, canvas.Image().width()) << "tick " << k;
        bool ok = false;
        const double labelled = QString(t.Label).replace(QLatin1Char(','), QLatin1Char('.')).toDouble(&ok);
        ASSERT_TRUE(ok) << t.Label.toStdString();
        EXPECT_NEAR(labelled, t.WorldX, 0.001);
    }
    EXPECT_EQ(canvas.Image(), blank) << "everything lies off the canvas";
}

INSTANTIATE_TEST_SUITE_P(Scales, ScaleBarExtreme,
                         ::testing::Values(ExtremeBarCase{"far_left", 1e12, -5e9, true},
                                           ExtremeBarCase{"far_right", 1e12, 5e9, false}),
                         tandrel::test::CaseName{});

#ifdef Q_OS_UNIX
// A stored picture name that meanwhile names a FIFO must not hang the
// program in open(): nothing is loaded from it.
TEST_F(ModelLimitsTest, ABackgroundPictureNamedAfterAFifoIsNotOpened)
{
    const QString fifo = tempDir.filePath("bild.png");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    {
        MKontaloRegistry store;
        store.WriteInteger("Hintergrund", "RepAnzahl", 1);
        store.WriteInteger("Hintergrund\\0", "RepTyp", 10);
        store.WriteString("Hintergrund\\0", "FileName", fifo);
        store.WriteString("Hintergrund\\0", "BackBitmapFilename", fifo);
    }
    MPVModelRep& model = NewModel();
    Load(model, "Hintergrund");
    ASSERT_EQ(model.Structure().Count(), 1);
    auto* back = dynamic_cast<MBackPlaneRep*>(model.Structure().Items(0));
    ASSERT_NE(back, nullptr);
    EXPECT_FALSE(back->PictureLoaded);
    EXPECT_TRUE(back->Picture.isNull());
}
#endif

} // namespace
