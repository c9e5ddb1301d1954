// Reads a picture file once and makes the canvas, the print master and the card picture from it.
#pragma once

#include "PreparedPhoto.h"
#include "Result.h"

#include <QFuture>
#include <QIODevice>
#include <QString>

#include <vector>

class PhotoPreparer final {
public:
    // Decodes the file (upright by its EXIF orientation, at the size the print master needs) and
    // prepares it. An error names the file in Dutch when it is not a readable picture.
    static Result<PreparedPhoto> fromFile(const QString& path);
    static Result<PreparedPhoto> fromDevice(QIODevice& device, const QString& displayName);
    // What a card shows whose photo line is empty or whose picture cannot be read.
    static PreparedPhoto emptyPhoto();
    // Prepares several files at once on the global thread pool; an empty path gives emptyPhoto().
    static QFuture<std::vector<Result<PreparedPhoto>>> prepareAll(const QStringList& paths);
};
