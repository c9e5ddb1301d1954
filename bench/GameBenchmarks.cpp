// A whole game to PDF: eight series with 32 different 24 MP photos, against libjpeg-turbo
// decoding the same photos on every core, and the PDF's size and least resolution.
#include "BaselineDecoder.h"
#include "BenchWork.h"
#include "Benchmarks.h"
#include "DesignsFolder.h"
#include "GameWriter.h"
#include "PdfImages.h"
#include "PhotoFit.h"
#include "ProgramFolder.h"
#include "SeriesFolder.h"

#include <QEventLoop>
#include <QFileInfo>
#include <QThread>
#include <atomic>
#include <thread>
#include <vector>

namespace {
constexpr int kSeries = 8;

// Decodes every file once, as many at a time as there are cores.
void decodeAll(benchmark::State& state, const QStringList& paths) {
    std::atomic<int> denominator = 0;
    for (auto _ : state) {
        std::atomic<qsizetype> next = 0;
        std::vector<std::thread> threads;
        for (int t = 0; t < QThread::idealThreadCount(); ++t)
            threads.emplace_back([&] {
                for (qsizetype i = next++; i < paths.size(); i = next++)
                    denominator =
                        BaselineDecoder::decode(
                            paths[i], PhotoFit::kScreenArea * PhotoFit::kPrintScale, false)
                            .denominator;
            });
        for (std::thread& thread : threads)
            thread.join();
    }
    if (denominator == 0)
        state.SkipWithError("libjpeg-turbo could not decode a photo");
    state.counters["scale_denom"] = denominator.load();
}

// The least pixels per inch of every picture in the PDF, and how many photos it holds (the
// pictures that are neither the card outline nor the back design, both 800 x 1216).
void inspect(benchmark::State& state, const QString& pdf) {
    double least = 1e9;
    int photos = 0;
    for (const PdfImages::Image& image : PdfImages::list(pdf)) {
        least = std::min({least, image.ppi.width(), image.ppi.height()});
        photos += image.pixels != QSize(800, 1216);
    }
    state.counters["least_ppi"] = least;
    state.counters["photos"] = photos;
    state.counters["mb_per_series"] = double(QFileInfo(pdf).size()) / 1e6 / kSeries;
}

void writeGame(benchmark::State& state, const QString& program, const QString& pdf) {
    const ProgramFolder folder(program);
    GameRequest request;
    const SeriesFolder series(folder.seriesFolder());
    for (const QString& name : series.list())
        request.seriesFiles << series.path() + u'/' + name;
    request.outputPath = pdf;
    request.designPath = DesignsFolder(folder.designsFolder()).picturePath(2);
    int written = 0;
    for (auto _ : state) {
        GameWriter writer(request);
        QEventLoop loop;
        QObject::connect(&writer, &GameWriter::finished, &loop, [&](const GameReport& report) {
            written = report.written;
            loop.quit();
        });
        writer.start();
        loop.exec();
    }
    if (written != kSeries)
        return state.SkipWithError("the game was not written whole");
    inspect(state, pdf);
}
} // namespace

void registerGameBenchmarks(const BenchWork& work) {
    QStringList photos;
    for (const BenchPictures::Photo& photo : BenchPictures::game(4 * kSeries))
        photos << work.photo(photo);
    inWallMilliseconds(benchmark::RegisterBenchmark("decode_all/32x24mp", decodeAll, photos));
    inWallMilliseconds(benchmark::RegisterBenchmark("game_pdf/8x24mp", writeGame,
                                                    work.gameProgram(kSeries),
                                                    work.root() + QStringLiteral("/game8.pdf")));
}
