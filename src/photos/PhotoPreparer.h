// Reads a picture file once and makes the canvas, the print master and the card picture from it.
#pragma once

#include "PictureReader.h"
#include "PreparedPhoto.h"
#include "Result.h"

#include <QByteArray>
#include <QFuture>
#include <QIODevice>
#include <QImage>
#include <QString>
#include <QStringList>
#include <vector>

class PhotoPreparer final {
public:
    // Decodes the file once (upright by its Exif orientation, only as large as the print master
    // needs) and prepares it. A missing file, a folder or device, an unreadable or damaged picture
    // and an absurdly large one give a Dutch error naming the file.
    static Result<PreparedPhoto> fromFile(const QString& path);
    static Result<PreparedPhoto> fromDevice(QIODevice& device, const QString& displayName);
    static Result<PreparedPhoto> fromData(const QByteArray& data, const QString& displayName);
    // The canvas, master and card picture of an upright picture already in memory.
    static PreparedPhoto fromPicture(const QImage& upright);
    // The same for a decoded picture still to be turned upright; only the stretched photo area is
    // turned, which is cheaper than turning the whole picture.
    static PreparedPhoto fromDecoded(const DecodedPicture& picture);
    // What a card shows whose photo line is empty or whose picture cannot be read.
    static PreparedPhoto emptyPhoto();
    // Prepares the files in parallel on the global thread pool, each decoded once; result i
    // belongs to paths[i], and an empty path gives emptyPhoto(). Wait on the future without
    // blocking the window (a QFutureWatcher).
    static QFuture<std::vector<Result<PreparedPhoto>>> prepareAll(const QStringList& paths);
};
