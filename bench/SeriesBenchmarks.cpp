// A series loaded with four phone photos, a page of fronts rendered at 1200 dpi, and a pause.
#include "BenchWindow.h"
#include "BenchWork.h"
#include "Benchmarks.h"
#include "ImagePageSink.h"
#include "Pause.h"
#include "PrintJob.h"

namespace {
const QString kSeriesName = QStringLiteral("Bench4x24");

void loadSeries(benchmark::State& state, const BenchWork& work) {
    if (!work.saveSeries(kSeriesName, 24)) {
        state.SkipWithError("the series file could not be saved");
        return;
    }
    BenchWindow window(work.programFolder());
    window.window().setDeckMode(DeckMode::Children); // every thumbnail shows a photo
    bool loaded = true;
    for (auto _ : state)
        loaded = window.load(kSeriesName + QStringLiteral(".msr")) && loaded;
    for (int card = 1; card <= kCards; ++card)
        loaded = loaded && !window.window().photos().photo(card).picture.isNull();
    if (!loaded)
        state.SkipWithError("the series did not load with its four photos");
}

void renderFrontPage(benchmark::State& state, const BenchWork& work, DeckMode deck) {
    const std::optional<FaceSheet> prepared = work.frontSheet(QStringLiteral("Bench.msr"));
    if (!prepared)
        return state.SkipWithError("a photo could not be prepared");
    const FaceSheet sheet = *prepared;
    PrintRequest request;
    request.copiesText = QStringLiteral("1");
    request.deckMode = deck;
    request.fronts = [sheet] { return sheet; };
    for (auto _ : state) {
        ImagePageSink page(1200);
        const Result<PrintJob> job = PrintJob::prepare(request);
        if (!job || !job->print(page))
            return state.SkipWithError("the page could not be rendered");
        benchmark::DoNotOptimize(page.image().constBits());
    }
}

void pauseOneSecond(benchmark::State& state) {
    for (auto _ : state)
        pause(1.0);
}
} // namespace

void registerSeriesBenchmarks(const BenchWork& work) {
    inWallMilliseconds(benchmark::RegisterBenchmark("load_series/4x24mp", loadSeries, work));
    // The processor time of the whole process as well: the wall time of a page drawn on one
    // thread grows with whatever else the machine runs.
    inWallMilliseconds(benchmark::RegisterBenchmark("render_front_page/names", renderFrontPage,
                                                    work, DeckMode::Normal))
        ->MeasureProcessCPUTime();
    inWallMilliseconds(benchmark::RegisterBenchmark("render_front_page/pictures", renderFrontPage,
                                                    work, DeckMode::Children))
        ->MeasureProcessCPUTime();
    // The processor time of the whole process, every thread, against the time on the clock.
    inWallMilliseconds(benchmark::RegisterBenchmark("pause/1s", pauseOneSecond))
        ->MeasureProcessCPUTime()
        ->Iterations(2);
}
