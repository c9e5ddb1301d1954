// Reads a picture file once and makes the pictures every card box is cut from.
#pragma once

#include "PictureReader.h"
#include "PreparedPhoto.h"
#include "Result.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QFuture>
#include <QIODevice>
#include <QImage>
#include <QString>
#include <QStringList>
#include <atomic>
#include <vector>

class PhotoPreparer final {
    Q_DECLARE_TR_FUNCTIONS(PhotoPreparer)

public:
    // Decodes the file once (only the part PhotoFit keeps, upright by its Exif orientation, only
    // as large as that part is kept) and prepares it. A missing file, a folder or device, an
    // unreadable or damaged picture and an absurdly large one give an error naming the file.
    // `bytesRead`, when given, counts the bytes as they come from the file.
    static Result<PreparedPhoto> fromFile(const QString& path,
                                          std::atomic<qint64>* bytesRead = nullptr);
    static Result<PreparedPhoto> fromDevice(QIODevice& device, const QString& displayName);
    static Result<PreparedPhoto> fromData(const QByteArray& data, const QString& displayName);
    // The pictures of an upright picture already in memory.
    static PreparedPhoto fromPicture(const QImage& upright);
    // The same for a decoded part still to be turned upright; it is scaled first and then turned,
    // which is cheaper than turning the larger picture.
    static PreparedPhoto fromDecoded(const DecodedPicture& picture);
    // What a card shows whose photo line is empty or whose picture cannot be read.
    static PreparedPhoto emptyPhoto();
    // Prepares the files in parallel on PhotoThreads, each decoded once; result i belongs to
    // paths[i], and an empty path gives emptyPhoto(). Wait on the future without blocking the
    // window (a QFutureWatcher). Where `whole` says false for a path, the photo keeps no whole
    // picture of its own (its whole is its kept part), which saves memory where only the default
    // framing is drawn.
    static QFuture<std::vector<Result<PreparedPhoto>>> prepareAll(const QStringList& paths,
                                                                  const QList<bool>& whole = {});
};
