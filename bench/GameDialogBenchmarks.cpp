// Composing a game: the check of 500 series, and the game dialog's first paint with 50 series of
// four 24 MP photos, with the longest time its thread is busy while the small photos arrive.
#include "BenchWork.h"
#include "Benchmarks.h"
#include "GameCheck.h"
#include "GameDialog.h"
#include "GameSurvey.h"
#include "ProgramFolder.h"
#include "SeriesFolder.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QTimer>
#include <QTreeWidget>

namespace {

QStringList seriesOf(const QString& program) {
    return SeriesFolder(ProgramFolder(program).seriesFolder()).listPaths();
}

void checkGame(benchmark::State& state, const QStringList& paths) {
    for (auto _ : state)
        benchmark::DoNotOptimize(GameCheck::check(paths));
    state.counters["series"] = double(paths.size());
}

// Notes when the watched widget has painted.
class PaintSeen final : public QObject {
public:
    bool seen = false;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        seen |= event->type() == QEvent::Paint;
        return false;
    }
};

// From opening the dialog to the list's first paint; then, while its small photos arrive, the
// longest gap between two turns of the event loop.
void dialogFirstPaint(benchmark::State& state, const QStringList& paths) {
    double longestStall = 0;
    for (auto _ : state) {
        GameDialog dialog(paths, nullptr);
        PaintSeen painted;
        dialog.findChild<QTreeWidget*>()->viewport()->installEventFilter(&painted);
        dialog.show();
        while (!painted.seen)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        state.PauseTiming();
        int photos = 0;
        const auto* survey = dialog.findChild<GameSurvey*>();
        QObject::connect(survey, &GameSurvey::photoRead, &dialog, [&photos] { ++photos; });
        QElapsedTimer turn;
        turn.start();
        QTimer tick;
        QObject::connect(&tick, &QTimer::timeout, &dialog, [&] {
            longestStall = std::max(longestStall, double(turn.nsecsElapsed()) / 1e6);
            turn.restart();
        });
        tick.start(1);
        while (photos < 4 * paths.size())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        state.ResumeTiming();
    }
    state.counters["longest_stall_ms"] = longestStall;
}

} // namespace

void registerGameDialogBenchmarks(const BenchWork& work) {
    inWallMilliseconds(
        benchmark::RegisterBenchmark("game_check/500", checkGame, seriesOf(work.gameProgram(500))));
    inWallMilliseconds(benchmark::RegisterBenchmark("game_dialog/50x24mp", dialogFirstPaint,
                                                    seriesOf(work.gameProgram(50))))
        ->Iterations(1);
}
