// Roof planner: one refresh (raster rebuild, module states, redraw of the
// 2D frame with covering and modules) for the default roof and a large one;
// obstacles placed, moved and refreshed on the default roof.

#include "app/FrameFactory.h"
#include "app/FrameIds.h"
#include "bench/BenchDoubles.h"
#include "drawing/FAnlagePlanung2DFrame.h"
#include "drawing/ModelRep.h"
#include "drawing/PVElementeReps.h"
#include "drawing/PVFlaecheReps.h"
#include "drawing/VirtualView.h"
#include "paperhouse/FPapierHausFrame.h"
#include "roof/FDachplanung2DFrame.h"
#include "roof/RoofObstacles.h"

#include <QApplication>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QComboBox>
#include <benchmark/benchmark.h>
#include <cmath>
#include <memory>

namespace {

// The program's roof planner with its paper house; the drawing panel is
// about 1200 × 800 pixels.
struct Planner {
    bench::MainWindowStub window;
    TFrameFactory factory;
    TDachplanung2DFrame* roof = nullptr;
    TPapierHausFrame* house = nullptr;

    explicit Planner(bool large)
    {
        window.body.resize(1590, 850);
        window.body.show();
        factory.StartFactory(&window, nullptr);
        factory.ShowFrame(FrameId::Dachplanung2D);
        QApplication::processEvents();
        roof = qobject_cast<TDachplanung2DFrame*>(factory.FindFrame(FrameId::Dachplanung2D));
        house = qobject_cast<TPapierHausFrame*>(factory.FindFrame(FrameId::PapierHaus));
        if (!large)
            return;
        // Roof 30 m × 15 m: length 28.8 m and width 2 × 14.4 × cos 30° with 0.6 m overhangs.
        house->findChild<QLineEdit*>(QStringLiteral("EditHausLaenge"))->setText(QLocale().toString(28.8));
        house->findChild<QLineEdit*>(QStringLiteral("EditHausBreite"))
            ->setText(QLocale().toString(2 * 14.4 * std::cos(30 * M_PI / 180)));
        house->EditHausLaengeChange();
        MStructur& s = *roof->Frame2D->Structure();
        for (int i = 0; i < 5; ++i) {
            auto& a = s.Create<MSperrFlaecheRep>(0, 0, 3.0 + 5.5 * i, 4.0 + 1.7 * i);
            a.Laenge1 = 0.8;
            a.Breite1 = 1.2;
            a.BuildOutline(kFormRechteck);
        }
        roof->RefreshFrame();
    }
    ~Planner() { factory.ShutdownFactory(); }

    void Report(benchmark::State& state)
    {
        state.counters["modules"] = double(roof->ModuleGroup->Structure().Count());
        state.counters["active"] = double(roof->CountActiveModules());
        state.counters["px_w"] = double(roof->Frame2D->PaintBox->width());
        state.counters["px_h"] = double(roof->Frame2D->PaintBox->height());
    }
};

void BM_RoofRefreshDefault(benchmark::State& state)
{
    Planner p(false);
    for (auto _ : state) {
        p.roof->RefreshFrame();
        QApplication::processEvents();
    }
    p.Report(state);
}

void BM_RoofRefreshLarge(benchmark::State& state)
{
    Planner p(true);
    for (auto _ : state) {
        p.roof->RefreshFrame();
        QApplication::processEvents();
    }
    p.Report(state);
}

// The catalogue's modules give some 260 on the large roof; the refresh's
// raster, states and redraw with modules of 0.5 m × 0.8 m lay about 1,000
// (done on the frame's own objects: the catalogue has no such module).
void BM_RoofRebuildSmallModules(benchmark::State& state)
{
    Planner p(true);
    MGruppeRep& g = *p.roof->ModuleGroup;
    MStructur& s = *p.roof->Frame2D->Structure();
    for (auto _ : state) {
        g.Structure().FreeAll();
        g.ElementBreite = 0.5;
        g.ElementHoehe = 0.8;
        g.RowCount = int(std::trunc((15 - 0.4) / (0.8 + g.RowDistance)));
        g.ColCount = int(std::trunc((30 - 0.4) / (0.5 + g.ColDistance)));
        g.BuildRaster();
        g.UpdateModuleStates(s);
        p.roof->Frame2D->Paint();
        QApplication::processEvents();
    }
    p.Report(state);
}

// Dragging a blocked area: its move re-checks the modules, then a repaint.
void BM_RoofDragBlockedArea(benchmark::State& state)
{
    Planner p(true);
    MGruppeRep& g = *p.roof->ModuleGroup;
    MStructur& s = *p.roof->Frame2D->Structure();
    g.Structure().FreeAll();
    g.ElementBreite = 0.5;
    g.ElementHoehe = 0.8;
    g.RowCount = 18;
    g.ColCount = 57;
    g.BuildRaster();
    g.UpdateModuleStates(s);
    MSperrFlaecheRep* area = nullptr;
    for (MBaseRep* r : s.Reps())
        if ((area = dynamic_cast<MSperrFlaecheRep*>(r)))
            break;
    double dx = 0.05;
    for (auto _ : state) {
        area->MoveBy(dx, 0);
        dx = -dx;
        p.roof->Frame2D->Paint();
        QApplication::processEvents();
    }
    p.Report(state);
}

// The default roof with 20 obstacles (chimneys and vents on a 4 × 5 grid
// over the roof).
void PlaceTwenty(Planner& p)
{
    // The list stored by an earlier run of the benchmark goes first.
    tandrel::roof::RestoreObstacles(*p.roof->Frame2D->Structure(), {});
    for (int i = 0; i < 20; ++i)
        p.roof->PlaceObstacle(i % 2 == 0 ? 0 : 3, 1.0 + 2.3 * (i % 5), 0.8 + 1.1 * (i / 5));
}

// Not stored for the next benchmark.
void RemoveObstacles(Planner& p)
{
    tandrel::roof::RestoreObstacles(*p.roof->Frame2D->Structure(), {});
}

void BM_RoofRefreshDefault20Obstacles(benchmark::State& state)
{
    Planner p(false);
    PlaceTwenty(p);
    for (auto _ : state) {
        p.roof->RefreshFrame();
        QApplication::processEvents();
    }
    p.Report(state);
    state.counters["obstacles"] = double(tandrel::roof::Obstacles(*p.roof->Frame2D->Structure()).size());
    RemoveObstacles(p);
}

// One iteration places a chimney (modules re-checked, list, labels,
// repaint) and deletes it again: two operations.
void BM_RoofPlaceAndDeleteObstacle(benchmark::State& state)
{
    Planner p(false);
    PlaceTwenty(p);
    for (auto _ : state) {
        p.roof->PlaceObstacle(0, 5.6, 2.4);
        p.roof->DeleteSelectedObstacles();
        QApplication::processEvents();
    }
    p.Report(state);
    RemoveObstacles(p);
}

// Moving one of 20 obstacles by 5 cm: the modules re-checked, then a repaint.
void BM_RoofMoveObstacle(benchmark::State& state)
{
    Planner p(false);
    PlaceTwenty(p);
    MSperrFlaecheRep* area = tandrel::roof::Obstacles(*p.roof->Frame2D->Structure()).at(7);
    double dx = 0.05;
    for (auto _ : state) {
        area->MoveBy(dx, 0);
        dx = -dx;
        p.roof->Frame2D->Paint();
        QApplication::processEvents();
    }
    p.Report(state);
    RemoveObstacles(p);
}

// One of 20 obstacles dragged with the mouse by a few pixels and back in
// turns: the drag, then what letting go does (snap, hold on the roof, undo
// step, modules re-checked, repaint, labels and list).
void BM_RoofDragObstacleWithMouse(benchmark::State& state)
{
    Planner p(false);
    PlaceTwenty(p);
    MSperrFlaecheRep* area = tandrel::roof::Obstacles(*p.roof->Frame2D->Structure()).at(7);
    p.roof->Frame2D->SelectOnly(area);
    QWidget* box = p.roof->Frame2D->PaintBox;
    MVirtualView& view = *p.roof->Frame2D->View();
    auto send = [box](QEvent::Type type, QPointF at, Qt::MouseButton button, Qt::MouseButtons held) {
        QMouseEvent e(type, at, box->mapToGlobal(at), button, held, Qt::NoModifier);
        QApplication::sendEvent(box, &e);
    };
    int step = 3;
    for (auto _ : state) {
        const QPointF from(view.WorldToDeviceX(area->XPos), view.WorldToDeviceY(area->YPos));
        const QPointF to = from + QPointF(step, 0);
        step = -step;
        send(QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
        send(QEvent::MouseMove, to, Qt::NoButton, Qt::LeftButton);
        send(QEvent::MouseButtonRelease, to, Qt::LeftButton, Qt::NoButton);
        QApplication::processEvents();
        // The drag may have picked the area anew.
        area = tandrel::roof::Obstacles(*p.roof->Frame2D->Structure()).at(7);
    }
    p.Report(state);
    RemoveObstacles(p);
}

BENCHMARK(BM_RoofRefreshDefault20Obstacles)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_RoofPlaceAndDeleteObstacle)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_RoofMoveObstacle)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_RoofDragObstacleWithMouse)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_RoofRefreshDefault)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_RoofRefreshLarge)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_RoofRebuildSmallModules)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_RoofDragBlockedArea)->Unit(benchmark::kMillisecond)->MinTime(2.0);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Settings and folders of this run only.
    QTemporaryDir dir;
    qputenv("TANDREL_REGISTRY", (dir.path() + "/registry.reg").toUtf8());
    qputenv("TANDREL_APPDATA", (dir.path() + "/appdata").toUtf8());
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
