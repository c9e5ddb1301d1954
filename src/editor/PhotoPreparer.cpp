// Reads a picture file once and makes the canvas, the print master and the card picture from it.
#include "PhotoPreparer.h"

#include "PhotoCanvas.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QtConcurrent>

Result<PreparedPhoto> PhotoPreparer::fromFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Error{QStringLiteral("Het bestand \"%1\" kan niet worden geopend.").arg(path)};
    return fromDevice(file, path);
}

Result<PreparedPhoto> PhotoPreparer::fromDevice(QIODevice& device, const QString& displayName) {
    QImageReader reader(&device);
    reader.setAutoTransform(true);
    const QImage picture = reader.read();
    if (picture.isNull())
        return Error{QStringLiteral("Het bestand \"%1\" is geen leesbare foto.").arg(displayName)};
    PreparedPhoto photo;
    photo.canvas = PhotoCanvas::prepare(picture, PhotoCanvas::kCanvasSize);
    photo.master = PhotoCanvas::prepare(picture, PhotoCanvas::kMasterSize);
    photo.cardImage = picture.scaled(PhotoCanvas::kCanvasSize, Qt::IgnoreAspectRatio,
                                     Qt::SmoothTransformation);
    return photo;
}

PreparedPhoto PhotoPreparer::emptyPhoto() {
    return {PhotoCanvas::emptyOutlined(PhotoCanvas::kCanvasSize),
            PhotoCanvas::emptyOutlined(PhotoCanvas::kMasterSize), QImage()};
}

QFuture<std::vector<Result<PreparedPhoto>>> PhotoPreparer::prepareAll(const QStringList& paths) {
    return QtConcurrent::run([paths] {
        std::vector<Result<PreparedPhoto>> results;
        results.reserve(paths.size());
        for (const QString& path : paths)
            results.push_back(path.isEmpty() ? Result<PreparedPhoto>(emptyPhoto()) : fromFile(path));
        return results;
    });
}
