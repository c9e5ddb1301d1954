// Placing one photo: libjpeg-turbo's least decoding, the photo preparer, and a click on a card.
#include "BaselineDecoder.h"
#include "BenchWindow.h"
#include "BenchWork.h"
#include "Benchmarks.h"
#include "ExifOrientation.h"
#include "PhotoFit.h"
#include "PhotoPreparer.h"

namespace {
std::string stem(const QString& name) {
    QString s = name;
    return s.remove(QStringLiteral("photo-")).remove(QStringLiteral(".jpg")).toStdString();
}

void decodeBaseline(benchmark::State& state, const QString& path, bool turned) {
    BaselineDecoder::Decoded decoded;
    for (auto _ : state) {
        decoded =
            BaselineDecoder::decode(path, PhotoFit::kScreenArea * PhotoFit::kPrintScale, turned);
        benchmark::DoNotOptimize(decoded);
    }
    if (decoded.denominator == 0)
        state.SkipWithError("libjpeg-turbo could not decode the photo");
    state.counters["scale_denom"] = decoded.denominator;
}

void prepare(benchmark::State& state, const QString& path) {
    bool placed = true;
    for (auto _ : state) {
        const Result<PreparedPhoto> photo = PhotoPreparer::fromFile(path);
        placed = placed && photo.ok();
        benchmark::DoNotOptimize(photo);
    }
    if (!placed)
        state.SkipWithError("the photo was not prepared");
}

void place(benchmark::State& state, const QString& programFolder, const QString& path) {
    BenchWindow window(programFolder);
    bool placed = true;
    for (auto _ : state)
        placed = window.place(1, path) && placed;
    if (!placed)
        state.SkipWithError(qPrintable(window.prompts().messages().value(0)));
    state.counters["placed"] = placed;
}
} // namespace

void registerPhotoBenchmarks(const BenchWork& work) {
    for (const BenchPictures::Photo& photo : BenchPictures::standard()) {
        const QString path = work.photo(photo);
        const bool turned = ExifOrientation::swapsAxes(photo.orientation);
        inWallMilliseconds(benchmark::RegisterBenchmark(
            ("decode_baseline/" + stem(photo.name)).c_str(), decodeBaseline, path, turned));
        inWallMilliseconds(
            benchmark::RegisterBenchmark(("prepare/" + stem(photo.name)).c_str(), prepare, path));
        inWallMilliseconds(benchmark::RegisterBenchmark(("place/" + stem(photo.name)).c_str(),
                                                        place, work.programFolder(), path));
    }
}
