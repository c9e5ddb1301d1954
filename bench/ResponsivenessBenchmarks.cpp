// How long the window's thread goes without handling events while it places a 108 MP photo,
// loads a series of four 48 MP photos and writes a game of 13 series from the Export button.
#include "BenchWindow.h"
#include "BenchWork.h"
#include "Benchmarks.h"
#include "EventLoopProbe.h"

#include <QEventLoop>
#include <QTimer>
#include <functional>

namespace {
const QString kSeriesName = QStringLiteral("Bench4x48");
constexpr int kGameSeries = 13;

// Runs the window's events for `ms` milliseconds, so work that follows a command is probed too.
void settle(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

// Times `act` on a window of `program` with the probe running, once per iteration; the figure is
// the longest stall of the repetition. `act` says whether the window did what was asked.
void probe(benchmark::State& state, const QString& program,
           const std::function<bool(BenchWindow&)>& act) {
    BenchWindow window(program);
    EventLoopProbe probe;
    double longest = 0;
    bool done = true;
    for (auto _ : state) {
        settle(50);
        probe.start();
        done = act(window) && done;
        settle(100);
        probe.stop();
        longest = std::max(longest, probe.longestStallMs());
    }
    if (!done)
        return state.SkipWithError(qPrintable(window.prompts().messages().value(0)));
    state.counters["stall_ms"] = longest;
}
} // namespace

void registerResponsivenessBenchmarks(const BenchWork& work) {
    const QString photo = work.photo(QStringLiteral("photo-108mp.jpg"));
    inWallMilliseconds(benchmark::RegisterBenchmark(
                           "stall/place_108mp", probe, work.programFolder(),
                           [photo](BenchWindow& window) { return window.place(1, photo); }))
        ->Iterations(1);
    if (!work.saveSeries(kSeriesName, 48))
        qFatal("cannot write the series of 48 MP photos");
    inWallMilliseconds(
        benchmark::RegisterBenchmark(
            "stall/load_4x48mp", probe, work.programFolder(),
            [](BenchWindow& window) { return window.load(kSeriesName + QStringLiteral(".msr")); }))
        ->Iterations(1);
    const QString pdf = work.root() + QStringLiteral("/game13.pdf");
    inWallMilliseconds(
        benchmark::RegisterBenchmark("stall/game_13x24mp", probe, work.gameProgram(kGameSeries),
                                     [pdf](BenchWindow& window) { return window.writeGame(pdf); }))
        ->Iterations(1);
}
