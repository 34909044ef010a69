// Drawing core: rebuilding the module raster with its states, and drawing
// the roof plan.

#include "drawing/Canvas.h"
#include "bench/BenchMain.h"
#include "drawing/PVElementeReps.h"
#include "drawing/PVFlaecheReps.h"
#include "drawing/Structur.h"
#include "drawing/VirtualView.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>
#include <cmath>
#include <memory>

namespace {

QImage Pattern(int w, int h, QColor a, QColor b)
{
    QImage img(w, h, QImage::Format_RGB32);
    QPainter p(&img);
    p.fillRect(img.rect(), a);
    p.setPen(b);
    for (int y = 0; y < h; y += 6)
        p.drawLine(0, y, w, y);
    return img;
}

// A roof plan as the roof planner builds it: one mounting area with a
// covering, one module group, some blocked areas.
struct RoofPlan {
    MStructur structure;
    MStandardFlaecheRep* roof = nullptr;
    MGruppeRep* group = nullptr;
    QImage tile = Pattern(48, 60, QColor(170, 60, 40), QColor(120, 40, 30));
    QImage module = Pattern(60, 100, QColor(20, 30, 60), QColor(90, 90, 120));

    RoofPlan(int rows, int cols, int blockedAreas)
    {
        const double moduleW = 1.0, moduleH = 1.667, gap = 0.01;
        const double a = 0.4 + cols * (moduleW + gap) + 0.4; // eaves side
        const double b = 0.4 + rows * (moduleH + gap) + 0.4;  // gable side
        roof = &structure.Create<MStandardFlaecheRep>(0, 0, 0.0, 0.0);
        roof->Laenge1 = a;
        roof->Breite1 = b;
        roof->Laenge2 = 0;
        roof->Laenge3 = a;
        roof->Innenabstand1 = 0.2;
        roof->BuildOutline(kFormTrapez);
        roof->CoveringPicture = &tile;
        roof->TileWidth = 0.33;
        roof->TileHeight = 0.42;
        roof->TileOverlapX = 0.03;
        roof->TileOverlapY = 0.021;
        group = &structure.Create<MGruppeRep>(0, 0, 0.201, 0.201);
        group->ElementBreite = moduleW;
        group->ElementHoehe = moduleH;
        group->RowDistance = group->ColDistance = gap;
        group->RowCount = rows;
        group->ColCount = cols;
        group->ColCountAnfang = 12;
        group->ColCountPeriode = 2000;
        group->ColPeriodeAbstand = 0.6;
        group->ModulePicture = &module;
        group->FillColor = 0x602010;
        for (int i = 0; i < blockedAreas; ++i) {
            auto& chimney = structure.Create<MSperrFlaecheRep>(0, 0, a * (i + 1) / (blockedAreas + 1),
                                                               b * (0.3 + 0.4 * (i % 2)));
            chimney.Laenge1 = 0.6;
            chimney.Breite1 = 0.8;
            chimney.BuildOutline(kFormRechteck);
        }
        Rebuild();
    }

    // What the roof planner does on every refresh.
    void Rebuild()
    {
        group->Structure().FreeAll();
        group->BuildRaster();
        group->UpdateModuleStates(structure);
    }
};

void BM_RebuildRaster(benchmark::State& state)
{
    const int modules = int(state.range(0));
    const int rows = modules == 20 ? 2 : modules / 50;
    const int cols = modules / rows;
    RoofPlan plan(rows, cols, modules == 20 ? 1 : 5);
    for (auto _ : state) {
        plan.Rebuild();
        benchmark::DoNotOptimize(plan.group->Structure().Count());
    }
    state.SetComplexityN(modules);
    state.counters["modules"] = plan.group->Structure().Count();
}
BENCHMARK(BM_RebuildRaster)->Arg(20)->Arg(1000)->Arg(10000)->Unit(benchmark::kMicrosecond)->Complexity(benchmark::oN);

struct Screen {
    MCanvas canvas{1200, 800};
    MVirtualView view{&canvas};

    explicit Screen(RoofPlan& plan)
    {
        plan.structure.FitViewToContents(view);
        view.FitToDevice(&canvas, 1200, 800, 108);
    }
    void Paint(RoofPlan& plan)
    {
        canvas.Clear(13169149);
        plan.structure.DrawAll(view);
    }
};

// The default roof (11.2 m × 4.757 m, 2 × 10 modules) with tiles and modules.
void BM_DrawDefaultRoof(benchmark::State& state)
{
    RoofPlan plan(2, 10, 1);
    Screen screen(plan);
    for (auto _ : state)
        screen.Paint(plan);
}
BENCHMARK(BM_DrawDefaultRoof)->Unit(benchmark::kMicrosecond);

void BM_RebuildAndDrawDefaultRoof(benchmark::State& state)
{
    RoofPlan plan(2, 10, 1);
    Screen screen(plan);
    for (auto _ : state) {
        plan.Rebuild();
        screen.Paint(plan);
    }
}
BENCHMARK(BM_RebuildAndDrawDefaultRoof)->Unit(benchmark::kMicrosecond);

// Modules only, at a fixed 3 pixels per metre so that every module has the
// same size and all lie on the screen: the drawing cost per module.
void BM_DrawModules(benchmark::State& state)
{
    const int modules = int(state.range(0));
    RoofPlan plan(modules / 100, 100, 5);
    MCanvas canvas(1200, 800);
    MVirtualView view(&canvas);
    view.xdehnung2d = view.ydehnung2d = 3;
    view.xver2d = 10;
    view.yver2d = 790;
    for (auto _ : state)
        plan.group->Draw(view);
    state.SetComplexityN(modules);
}
BENCHMARK(BM_DrawModules)->Arg(1000)->Arg(10000)->Unit(benchmark::kMicrosecond)->Complexity(benchmark::oN);

} // namespace

int main(int argc, char** argv)
{
    return bench::RunWidgetBenchmarks(argc, argv);
}
