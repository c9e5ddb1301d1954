// Reads a picture file once and makes the canvas, the print master and the card picture from it.
#include "PhotoPreparer.h"

#include "PhotoCanvas.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QPromise>
#include <QThreadPool>
#include <atomic>
#include <memory>
#include <optional>

Result<PreparedPhoto> PhotoPreparer::fromFile(const QString& path) {
    const QFileInfo info(path);
    if (path.isEmpty() || !info.exists())
        return Error{QStringLiteral("Het bestand \"%1\" bestaat niet.").arg(path)};
    // A folder, a pipe or a device is never opened: reading a pipe could wait for ever.
    if (!info.isFile())
        return Error{QStringLiteral("\"%1\" is geen bestand maar een map of apparaat.").arg(path)};
    QFile file(path);
    // Unbuffered: the JPEG decoder reads large pieces of its own.
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return Error{QStringLiteral("Het bestand \"%1\" kan niet worden geopend.").arg(path)};
    return fromDevice(file, path);
}

Result<PreparedPhoto> PhotoPreparer::fromDevice(QIODevice& device, const QString& displayName) {
    const Result<DecodedPicture> picture =
        PictureReader::read(device, PhotoCanvas::kMasterPhotoArea, displayName);
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
    return fromDecoded(DecodedPicture{PhotoCanvas::opaque(upright), 1, {}});
}

PreparedPhoto PhotoPreparer::fromDecoded(const DecodedPicture& picture) {
    PreparedPhoto photo;
    const QSize upright = picture.uprightSize();
    // At least one pixel each way, however thin the picture.
    const QSize fitted =
        upright.scaled(PhotoCanvas::kPhotoArea, Qt::KeepAspectRatio).expandedTo(QSize(1, 1));
    photo.master = PhotoCanvas::master(picture.stored, picture.orientation);
    photo.canvas = PhotoCanvas::canvasFromMaster(photo.master);
    // The card on the sheet shows the picture in its own proportions; the canvas's photo area
    // holds more detail than the card's 120 x 80 box can show.
    if (upright.width() <= fitted.width() && upright.height() <= fitted.height())
        photo.cardImage = picture.upright();
    else
        photo.cardImage = PhotoCanvas::photoAreaOf(photo.canvas)
                              .scaled(fitted, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return photo;
}

PreparedPhoto PhotoPreparer::emptyPhoto() {
    return {PhotoCanvas::emptyOutlined(PhotoCanvas::kCanvasSize),
            PhotoCanvas::emptyOutlined(PhotoCanvas::kMasterSize), QImage()};
}

QFuture<std::vector<Result<PreparedPhoto>>> PhotoPreparer::prepareAll(const QStringList& paths) {
    // Each file is prepared on a thread of the global pool; the last one to finish hands over the
    // whole batch. The pool comes with Qt Core, so the program needs no further library to start.
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
        QThreadPool::globalInstance()->start([batch, handOver, i, path = paths[i]] {
            batch->results[size_t(i)] =
                path.isEmpty() ? Result<PreparedPhoto>(emptyPhoto()) : fromFile(path);
            if (--batch->left == 0)
                handOver(*batch);
        });
    }
    return future;
}
