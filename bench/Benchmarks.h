// The in-process benchmarks, registered with Google Benchmark group by group.
#pragma once

#include <benchmark/benchmark.h>

class BenchWork;

// decode_baseline/*, prepare/* and place/* for each generated photo.
void registerPhotoBenchmarks(const BenchWork& work);
// load_series/*, render_front_page/* and pause/*.
void registerSeriesBenchmarks(const BenchWork& work);
// print_to_queue/*: pages printed on the default print queue and read back from its PDF.
void registerPrintBenchmarks(const BenchWork& work);
// decode_all/32x24mp and game_pdf/8x24mp: a whole game to PDF and its baseline.
void registerGameBenchmarks(const BenchWork& work);
// frame_drag/24mp-exif6 and frame_plain/24mp-exif6: the card redrawn during a framing drag.
void registerFramingBenchmarks(const BenchWork& work);
// stall/*: the window's longest time without handling events while it places, loads and exports.
void registerResponsivenessBenchmarks(const BenchWork& work);
// game_check/500 and game_dialog/50x24mp: the check of a game and the game dialog's first paint.
void registerGameDialogBenchmarks(const BenchWork& work);

// Wall-clock time in milliseconds, which is what the user waits for whatever the threads do.
inline benchmark::internal::Benchmark* inWallMilliseconds(benchmark::internal::Benchmark* b) {
    return b->UseRealTime()->Unit(benchmark::kMillisecond);
}
