// Postcode map and business directory: the map frame's start (postcode table
// and map picture), one radius search with sort and grid fill, and the map
// repaint; with the 45 built-in companies and with 10,000 generated ones.

#include "app/FrameIds.h"
#include "app/Pictures.h"
#include "bench/BenchMain.h"
#include "drawing/Canvas.h"
#include "geo/FBranchenbuchFrame.h"
#include "geo/MapPainting.h"
#include "geo/MapProjection.h"
#include "geo/PostcodeTable.h"
#include "geo/StringGrid.h"

#include <QApplication>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

const MPostcodeTable& Table()
{
    static const MPostcodeTable table = [] {
        MPostcodeTable t;
        t.LoadBuiltInLists();
        return t;
    }();
    return table;
}

// The directory frame with its built-in companies, topped up with generated
// ones placed at listed postcodes.
std::unique_ptr<TBranchenbuchFrame> Directory(int companies)
{
    auto frame = std::make_unique<TBranchenbuchFrame>();
    frame->InitFrame(nullptr, nullptr, nullptr, FrameId::Branchenbuch);
    MCompanyDirectory& d = frame->Directory();
    std::vector<int> listed;
    for (int p = 0; p < MPostcodeTable::kSize; ++p)
        if (Table().IsListed(p))
            listed.push_back(p);
    for (int i = d.Count(); i < companies; ++i) {
        auto a = std::make_unique<MAdresse>();
        const int plz = listed[size_t(i * 7919) % listed.size()];
        a->ID = 1000 + i;
        a->Name1 = QStringLiteral("Solarbetrieb %1").arg(i * 37 % 10007);
        a->Strasse = QStringLiteral("Hauptstraße %1").arg(i % 90 + 1);
        a->Plz = QStringLiteral("%1").arg(plz, 5, 10, QLatin1Char('0'));
        a->Ort = QStringLiteral("Ort %1").arg(i % 500);
        a->Branche = 17;
        a->MapX = Table().PostcodeX(plz);
        a->MapY = Table().PostcodeY(plz);
        d.Add(std::move(a));
    }
    return frame;
}

void BM_MapStart(benchmark::State& state)
{
    for (auto _ : state) {
        auto table = std::make_unique<MPostcodeTable>();
        table->LoadBuiltInLists();
        QImage map = tandrel::pictures::image(QStringLiteral("ui/map-germany")).convertToFormat(QImage::Format_RGB32);
        benchmark::DoNotOptimize(map.constBits());
        benchmark::DoNotOptimize(table->PostcodeX(99084));
    }
}
BENCHMARK(BM_MapStart)->Unit(benchmark::kMillisecond);

void BM_ApplyRadius(benchmark::State& state)
{
    auto frame = Directory(int(state.range(0)));
    TStringGrid grid;
    const int a = Table().PostcodeX(99084), b = Table().PostcodeY(99084);
    for (auto _ : state) {
        MCompanyDirectory& d = frame->Directory();
        d.ClearSelection();
        d.ComputeDistances(a, b, 400);
        d.SortCompaniesDirection(0);
        frame->SortCompanies(10);
        frame->SetCompanyGridHeadings(&grid);
        frame->FillCompanyGrid(&grid, 400);
    }
}
BENCHMARK(BM_ApplyRadius)->Arg(45)->Arg(10000)->Unit(benchmark::kMillisecond);

void BM_MapRepaint(benchmark::State& state)
{
    auto frame = Directory(int(state.range(0)));
    const int a = Table().PostcodeX(99084), b = Table().PostcodeY(99084);
    frame->Directory().ComputeDistances(a, b, 400);
    frame->Directory().Companies().front()->Selected = true;
    const QImage map = tandrel::pictures::image(QStringLiteral("ui/map-germany")).convertToFormat(QImage::Format_RGB32);
    const QImage marker = tandrel::pictures::image(QStringLiteral("ui/map-marker"));
    QImage target(tandrel::geo::kMapWidth, tandrel::geo::kMapHeight, QImage::Format_RGB32);
    MMapView view;
    view.StandortX = a;
    view.StandortY = b;
    view.RadiusKm = 400;
    for (auto _ : state) {
        MCanvas canvas(target);
        PaintMap(canvas, map, marker, view, &frame->Directory().Companies());
    }
}
BENCHMARK(BM_MapRepaint)->Arg(45)->Arg(10000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return bench::RunWidgetBenchmarks(argc, argv);
}
