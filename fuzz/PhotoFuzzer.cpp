// Fuzzes photo preparation with arbitrary bytes handed over as a picture file.
#include "FuzzCheck.h"
#include "PhotoCanvas.h"
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

// The card on the sheet never needs more than this; a larger card picture means a size guard
// failed.
constexpr qint64 kMaxCardPixels = 16'000'000;

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
    fuzzRequire(photo->canvas.size() == PhotoCanvas::kCanvasSize, "the canvas has its fixed size");
    fuzzRequire(photo->master.size() == PhotoCanvas::kMasterSize, "the master has its fixed size");
    fuzzRequire(!photo->cardImage.isNull(), "a read photo has a card picture");
    fuzzRequire(qint64(photo->cardImage.width()) * photo->cardImage.height() <= kMaxCardPixels,
                "the card picture stays small");
    return 0;
}
