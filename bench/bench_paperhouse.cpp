// The paper house: one repaint of the net view (which also rebuilds and
// redraws the 3D view), its parts, and tiling a wall texture.

#include "app/CommonFunctions.h"
#include "bench/BenchMain.h"
#include "drawing/Canvas.h"
#include "paperhouse/FPapierHausFrame.h"
#include "paperhouse/NetGeometry.h"
#include "paperhouse/WallSurfaces.h"

#include <QApplication>
#include <QComboBox>
#include <QFrame>
#include <QSlider>
#include <QTabWidget>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>
#include <string>

namespace {

// The default house with the texture "Backstein" in a shown window, on
// settings of its own.
struct House {
    House()
    {
        qputenv("TANDREL_REGISTRY", dir.filePath("registry.reg").toUtf8());
        qputenv("TANDREL_APPDATA", dir.filePath("appdata").toUtf8());
        host.resize(1200, 1000);
        frame = new TPapierHausFrame(&host);
        frame->InitFrame(&host, nullptr, nullptr, TPapierHausFrame::kFrameID);
        host.show();
        // Lay out the 3D tab once so its view has its real size.
        frame->findChild<QTabWidget*>(QStringLiteral("PageControlPapierHaus"))->setCurrentIndex(1);
        QApplication::processEvents();
        frame->findChild<QTabWidget*>(QStringLiteral("PageControlPapierHaus"))->setCurrentIndex(0);
        QApplication::processEvents();
        frame->findChild<QComboBox*>(QStringLiteral("ComboBoxWaende"))->setCurrentIndex(1);
    }
    QTemporaryDir dir;
    QWidget host;
    TPapierHausFrame* frame = nullptr;
};

House& TheHouse()
{
    static House house;
    return house;
}

// All a repaint of the net view does: the net, the 3D rebuild, two 3D redraws;
// the net tab (0) or the 3D tab (1) in front.
void BM_NetViewRepaint(benchmark::State& state)
{
    House& h = TheHouse();
    h.frame->findChild<QTabWidget*>(QStringLiteral("PageControlPapierHaus"))->setCurrentIndex(int(state.range(0)));
    QApplication::processEvents();
    MCanvas canvas(1200, 800);
    for (auto _ : state)
        h.frame->PaintNetView(canvas);
}
BENCHMARK(BM_NetViewRepaint)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The net alone: geometry and drawing with the four textured walls.
void BM_NetOnly(benchmark::State& state)
{
    House& h = TheHouse();
    const auto& params = h.frame->Parameters();
    MCanvas canvas(1200, 800);
    const std::array<const QImage*, 4> pictures{&h.frame->ImageWand()[0], &h.frame->ImageWand()[1],
                                                &h.frame->ImageWand()[2], &h.frame->ImageWand()[3]};
    for (auto _ : state) {
        canvas.Clear(params.ColorHintergrund);
        tandrel::paperhouse::TNetGeometry net(
            params, tandrel::paperhouse::TNetDevice::Screen(h.frame->PixelsPerMetre(), h.frame->PixelsPerMillimetre(),
                                                            params.LaschenGroesse));
        net.AddHouseNet(pictures);
        tandrel::paperhouse::DrawNetShapes(net.Shapes(), canvas);
    }
}
BENCHMARK(BM_NetOnly)->Unit(benchmark::kMillisecond);

// The 3D part: a new building and the two redraws, with the net tab (0) or
// the 3D tab (1) in front.
void BM_Rebuild3D(benchmark::State& state)
{
    House& h = TheHouse();
    h.frame->findChild<QTabWidget*>(QStringLiteral("PageControlPapierHaus"))->setCurrentIndex(int(state.range(0)));
    QApplication::processEvents();
    const QSize size = h.frame->findChild<QFrame*>(QStringLiteral("PanelElevationVorschau"))->size();
    state.SetLabel(std::to_string(size.width()) + "x" + std::to_string(size.height()));
    for (auto _ : state) {
        h.frame->RebuildBuilding();
        h.frame->UpdateElevationView();
        h.frame->UpdateElevationView();
    }
}
BENCHMARK(BM_Rebuild3D)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// What a texture or brightness change costs before the repaint: lighten the
// tile and tile both wall pictures.
void BM_TileWallTexture(benchmark::State& state)
{
    const QImage tile = tandrel::paperhouse::WallTextureTile(1);
    for (auto _ : state) {
        QImage lightened = tile.copy();
        LightenBitmap(lightened, 0.6);
        benchmark::DoNotOptimize(tandrel::paperhouse::TileWallTexture(lightened, 10, 5.8));
        benchmark::DoNotOptimize(tandrel::paperhouse::TileWallTexture(lightened, 7.2, 5.8));
    }
}
BENCHMARK(BM_TileWallTexture)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return bench::RunWidgetBenchmarks(argc, argv);
}
