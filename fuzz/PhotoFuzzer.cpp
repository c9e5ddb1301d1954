// Fuzzes photo preparation with arbitrary bytes handed over as a picture file.
#include "FuzzCheck.h"
#include "PhotoFit.h"
#include "PhotoPreparer.h"

#include <QBuffer>
#include <QGuiApplication>
#include <cstddef>
#include <cstdint>
#include <memory>

namespace {

// Inputs beyond this are not tried: the fuzzer looks for faults in the decoders, not in the time
// a long file takes.
constexpr size_t kMaxInputBytes = 256 * 1024;

// No photo is kept larger than this (a square part is 1182 high, a 3:2 part 1341 wide); more means
// a size guard failed.
constexpr qint64 kMaxKeptPixels = 1341LL * 1182;

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // Image format plugins (JPEG, GIF) are found through the application object. It gets its own
    // arguments, so Qt never takes one of the fuzzer's.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "fuzz_photo";
    static char* argv[] = {name, nullptr};
    static const std::unique_ptr<QGuiApplication> application =
        std::make_unique<QGuiApplication>(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size > kMaxInputBytes)
        return 0;
    QBuffer buffer;
    buffer.setData(reinterpret_cast<const char*>(data), qsizetype(size));
    buffer.open(QIODevice::ReadOnly);
    const Result<PreparedPhoto> photo =
        PhotoPreparer::fromDevice(buffer, QStringLiteral("fuzz.jpg"));
    if (!photo) {
        fuzzRequire(photo.error().contains(QStringLiteral("fuzz.jpg")), "an error names the file");
        return 0;
    }
    const QImage& kept = photo->picture;
    fuzzRequire(!kept.isNull() && !photo->screen.isNull(), "a read photo has both pictures");
    fuzzRequire(qint64(kept.width()) * kept.height() <= kMaxKeptPixels,
                "the kept picture is small");
    const double proportions = double(kept.width()) / kept.height();
    fuzzRequire(
        kept.width() < 50 || kept.height() < 50 || // small ones are rounded
            (proportions > PhotoFit::kTallest * 0.98 && proportions < PhotoFit::kWidest * 1.02),
        "the kept part lies between square and 3:2");
    return 0;
}
