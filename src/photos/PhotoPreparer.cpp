// Reads a picture file once and makes the pictures every card box is cut from.
#include "PhotoPreparer.h"

#include "CoverCrop.h"
#include "ExifOrientation.h"
#include "PhotoFit.h"
#include "PhotoThreads.h"
#include "Resampler.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QPromise>
#include <QThread>
#include <algorithm>
#include <atomic>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>

namespace {
// A file that counts the bytes read from it, so a watcher on another thread sees data arrive.
class CountedFile final : public QFile {
public:
    CountedFile(const QString& path, std::atomic<qint64>* bytesRead)
        : QFile(path), m_bytesRead(bytesRead) {}

protected:
    qint64 readData(char* data, qint64 maxSize) override {
        const qint64 read = QFile::readData(data, maxSize);
        if (m_bytesRead != nullptr && read > 0)
            *m_bytesRead += read;
        return read;
    }

private:
    std::atomic<qint64>* m_bytesRead;
};
} // namespace

Result<PreparedPhoto> PhotoPreparer::fromFile(const QString& path, std::atomic<qint64>* bytesRead) {
    const QFileInfo info(path);
    if (path.isEmpty() || !info.exists())
        return Error{tr("Het bestand \"%1\" bestaat niet.").arg(path)};
    // A folder, a pipe or a device is never opened: reading a pipe could wait for ever.
    if (!info.isFile())
        return Error{tr("\"%1\" is geen bestand maar een map of apparaat.").arg(path)};
    CountedFile file(path, bytesRead);
    // Unbuffered: the JPEG decoder reads large pieces of its own.
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return Error{tr("Het bestand \"%1\" kan niet worden geopend.").arg(path)};
    return fromDevice(file, path);
}

Result<PreparedPhoto> PhotoPreparer::fromDevice(QIODevice& device, const QString& displayName) {
    const Result<DecodedPicture> picture = PictureReader::read(device, displayName);
    if (!picture)
        return Error{picture.error()};
    return fromDecoded(picture.value());
}

Result<PreparedPhoto> PhotoPreparer::fromData(const QByteArray& data, const QString& displayName) {
    QBuffer buffer;
    buffer.setData(data);
    buffer.open(QIODevice::ReadOnly);
    return fromDevice(buffer, displayName);
}

PreparedPhoto PhotoPreparer::fromPicture(const QImage& upright) {
    const QImage middle = PhotoFit::middleOf(upright);
    return fromDecoded(
        DecodedPicture{Resampler::opaque(middle),
                       1,
                       {},
                       middle.size() == upright.size() ? QImage() : Resampler::opaque(upright),
                       {}});
}

namespace {
// The pixels of `rect` of `picture`, sharing its memory, which they keep while they last.
QImage sharedPart(const QImage& picture, QRect rect) {
    auto* keeper = new QImage(picture);
    return QImage(
        keeper->constScanLine(rect.top()) + qsizetype(rect.left()) * 4, rect.width(), rect.height(),
        keeper->bytesPerLine(), keeper->format(),
        [](void* kept) { delete static_cast<QImage*>(kept); }, keeper);
}

// The pictures of a photo whose part is the middle of its decoded whole, at the same scale: the
// whole is scaled and turned upright once, and the part and its screen picture are cut from it.
PreparedPhoto cutFromWhole(const DecodedPicture& picture, QSize part, QSize kept) {
    const QSize whole = picture.uprightWholeSize();
    const QSize wholeKept = PhotoFit::wholeKeptSize(whole, part, kept);
    const QSize screen = PhotoFit::screenSize(part);
    const bool turned = ExifOrientation::swapsAxes(picture.orientation);
    PreparedPhoto photo;
    photo.whole = ExifOrientation::upright(
        Resampler::resampled(picture.whole, turned ? wholeKept.transposed() : wholeKept),
        picture.orientation);
    photo.wholeScreen =
        Resampler::resampled(photo.whole, PhotoFit::wholeKeptSize(whole, part, screen));
    photo.picture = sharedPart(photo.whole, CoverCrop::middle(wholeKept, kept));
    photo.screen =
        sharedPart(photo.wholeScreen, CoverCrop::middle(photo.wholeScreen.size(), screen));
    return photo;
}
} // namespace

PreparedPhoto PhotoPreparer::fromDecoded(const DecodedPicture& picture) {
    const QSize part = picture.uprightSize();
    const QSize kept = PhotoFit::keptSize(part);
    if (picture.stored.isNull() && !picture.whole.isNull())
        return cutFromWhole(picture, part, kept);
    const bool turned = ExifOrientation::swapsAxes(picture.orientation);
    PreparedPhoto photo;
    photo.picture = ExifOrientation::upright(
        Resampler::resampled(picture.stored, turned ? kept.transposed() : kept),
        picture.orientation);
    photo.screen = Resampler::resampled(photo.picture, PhotoFit::screenSize(part));
    if (picture.whole.isNull()) {
        photo.whole = photo.picture;
        photo.wholeScreen = photo.screen;
        return photo;
    }
    const QSize whole = picture.uprightWholeSize();
    const QSize wholeKept = PhotoFit::wholeKeptSize(whole, part, kept);
    photo.whole = ExifOrientation::upright(
        Resampler::resampled(picture.whole, turned ? wholeKept.transposed() : wholeKept),
        picture.orientation);
    photo.wholeScreen = Resampler::resampled(
        photo.whole, PhotoFit::wholeKeptSize(whole, part, PhotoFit::screenSize(part)));
    return photo;
}

PreparedPhoto PhotoPreparer::emptyPhoto() {
    return {};
}

namespace {
// Photos of batches waiting to be decoded, first come first served, by one worker per core on
// PhotoThreads. A worker takes the next photo when it is done with one, so the decoding stays on
// as few threads as there are cores: each thread that decodes keeps its own allocator arena, and
// pictures let go on many threads would leave their memory held in many arenas.
class DecodeQueue final {
public:
    static DecodeQueue& instance() {
        // Never deleted: a worker stuck in a read may still use it while the program ends.
        static DecodeQueue* const queue = new DecodeQueue;
        return *queue;
    }

    void add(std::function<void()> job) {
        {
            const std::lock_guard lock(m_mutex);
            m_waiting.push_back(std::move(job));
            if (m_workers >= m_maxWorkers)
                return;
            ++m_workers;
        }
        PhotoThreads::pool().start([this] { work(); });
    }

private:
    void work() {
        for (;;) {
            std::function<void()> job;
            {
                const std::lock_guard lock(m_mutex);
                if (m_waiting.empty()) {
                    --m_workers;
                    return;
                }
                job = std::move(m_waiting.front());
                m_waiting.pop_front();
            }
            job();
        }
    }

    std::mutex m_mutex;
    std::deque<std::function<void()>> m_waiting;
    int m_workers = 0;
    const int m_maxWorkers = std::max(1, QThread::idealThreadCount());
};
} // namespace

QFuture<std::vector<Result<PreparedPhoto>>> PhotoPreparer::prepareAll(const QStringList& paths,
                                                                      const QList<bool>& whole) {
    // Each file is prepared on a thread of PhotoThreads; the last one to finish hands over the
    // whole batch.
    struct Batch {
        QPromise<std::vector<Result<PreparedPhoto>>> promise;
        std::vector<std::optional<Result<PreparedPhoto>>> results;
        std::atomic<qsizetype> left;
    };
    auto batch = std::make_shared<Batch>();
    batch->results.resize(size_t(paths.size()));
    batch->left = paths.size();
    batch->promise.start();
    QFuture<std::vector<Result<PreparedPhoto>>> future = batch->promise.future();
    const auto handOver = [](Batch& done) {
        std::vector<Result<PreparedPhoto>> results;
        for (std::optional<Result<PreparedPhoto>>& slot : done.results)
            results.push_back(std::move(*slot));
        done.promise.addResult(std::move(results));
        done.promise.finish();
    };
    if (paths.isEmpty())
        handOver(*batch);
    for (qsizetype i = 0; i < paths.size(); ++i) {
        DecodeQueue::instance().add(
            [batch, handOver, i, path = paths[i], keep = whole.value(i, true)] {
                Result<PreparedPhoto> photo =
                    path.isEmpty() ? Result<PreparedPhoto>(emptyPhoto()) : fromFile(path);
                if (!keep && photo.ok()) {
                    PreparedPhoto kept = std::move(photo).value();
                    if (kept.whole.size() != kept.picture.size()) { // may share the whole's pixels
                        kept.picture = kept.picture.copy();
                        kept.screen = kept.screen.copy();
                    }
                    kept.whole = kept.picture;
                    kept.wholeScreen = kept.screen;
                    photo = std::move(kept);
                }
                batch->results[size_t(i)] = std::move(photo);
                if (--batch->left == 0)
                    handOver(*batch);
            });
    }
    return future;
}
