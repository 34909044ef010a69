#pragma once

#include <QApplication>

#include <benchmark/benchmark.h>

namespace bench {

// main() of a benchmark that needs widgets but no workspace: an offscreen
// application, then every benchmark of the program.
inline int RunWidgetBenchmarks(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

} // namespace bench
