// Runs the in-process benchmarks inside an application on the offscreen platform.
#include "BenchWork.h"
#include "Benchmarks.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    const BenchWork work(qEnvironmentVariable("MOSARET_BENCH_WORK", MOSARET_BENCH_WORK),
                         QStringLiteral(MOSARET_PROGRAM_FILES));
    registerPhotoBenchmarks(work);
    registerSeriesBenchmarks(work);
    registerPrintBenchmarks(work);
    registerGameBenchmarks(work);
    registerFramingBenchmarks(work);
    registerResponsivenessBenchmarks(work);
    registerGameDialogBenchmarks(work);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
