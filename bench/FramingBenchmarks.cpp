// Framing a card's photo: the card redrawn at each mouse move of a drag, against one plain
// redraw of the prepared picture.
#include "BenchWork.h"
#include "Benchmarks.h"
#include "PhotoPreparer.h"
#include "PictureBox.h"

#include <QCoreApplication>
#include <QMouseEvent>

namespace {
const QString kPhoto = QStringLiteral("photo-24mp-exif6.jpg"); // an upright phone photo
const QSize kCardPhoto(120, 80); // the card's photo box on the screen, 1800 x 1200 twips

// The card's photo box showing the prepared photo, or nothing when it could not be prepared.
bool show(PictureBox& box, const QString& path) {
    const Result<PreparedPhoto> photo = PhotoPreparer::fromFile(path);
    if (!photo)
        return false;
    box.resize(kCardPhoto);
    box.setFramable(true);
    box.setPhoto(FramedPicture{photo.value().screen, photo.value().wholeScreen, {}},
                 PhotoFrame::Outlined);
    return true;
}

void send(PictureBox& box, QEvent::Type type, QPointF at) {
    QMouseEvent event(type, at, box.mapToGlobal(at), Qt::LeftButton,
                      type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(&box, &event);
}

// One mouse move of a drag and the card painted again.
void dragMove(benchmark::State& state, const QString& path) {
    PictureBox box;
    if (!show(box, path)) {
        state.SkipWithError("the photo was not prepared");
        return;
    }
    const QPointF from(60, 40);
    send(box, QEvent::MouseButtonPress, from);
    int step = 0;
    for (auto _ : state) {
        send(box, QEvent::MouseMove, from + QPointF(0, 10 + step++ % 60));
        benchmark::DoNotOptimize(box.grab());
    }
    send(box, QEvent::MouseButtonRelease, from);
}

// The card painted once from its prepared picture at the default framing.
void plainRedraw(benchmark::State& state, const QString& path) {
    PictureBox box;
    if (!show(box, path)) {
        state.SkipWithError("the photo was not prepared");
        return;
    }
    const FramedPicture photo = box.photo();
    for (auto _ : state) {
        box.setPhoto(photo, PhotoFrame::Outlined);
        benchmark::DoNotOptimize(box.grab());
    }
}
} // namespace

void registerFramingBenchmarks(const BenchWork& work) {
    const QString path = work.photo(kPhoto);
    benchmark::RegisterBenchmark("frame_drag/24mp-exif6", dragMove, path)
        ->UseRealTime()
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("frame_plain/24mp-exif6", plainRedraw, path)
        ->UseRealTime()
        ->Unit(benchmark::kMillisecond);
}
