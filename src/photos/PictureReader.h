// Turns the bytes of a picture file into the part of it the cards show, no larger than they need.
#pragma once

#include "Result.h"

#include <QCoreApplication>
#include <QIODevice>
#include <QImage>
#include <QSize>
#include <QString>

// The kept part of a picture (PhotoFit) as stored in its file, with the Exif orientation that
// turns it upright.
struct DecodedPicture final {
    // Format_RGB32; may be shrunk more in one direction than the other. Null when the part is the
    // middle of `whole`, at the same scale.
    QImage stored;
    int orientation = 1; // 1..8; 1 means already upright
    QSize partSize;      // the part's size in the file, as stored, which gives its proportions
    QImage whole{};      // the whole picture shrunk alike, as stored; null when the part is all
    QSize wholeSize{};   // the whole picture's size in the file, as stored
    // The part's true size once upright (the size of `stored` when partSize is not set).
    QSize uprightSize() const;
    // The same for the whole picture (the size of `whole` when wholeSize is not set).
    QSize uprightWholeSize() const;
    // The part as stored: `stored`, or the middle of `whole` it was left in.
    QImage storedPart() const;
};

class PictureReader final {
    Q_DECLARE_TR_FUNCTIONS(PictureReader)

public:
    // The longest side read, the most a JPEG or GIF can hold; longer pictures are refused unread.
    static constexpr int kMaxSide = 65535;

    // Reads the middle part that PhotoFit keeps of the picture on `device` (JPEG, PNG, BMP, GIF,
    // ...) from its current position, decoding it only as large as PhotoFit::keptSize; smaller
    // pictures come back at their own size. When that part is not the whole picture, the whole
    // comes too, at the same scale (PhotoFit::wholeKeptSize), for framing; a Qt-read picture on a
    // device that cannot seek back comes without it. The result is opaque (transparency laid on
    // white). Errors name `displayName`.
    static Result<DecodedPicture> read(QIODevice& device, const QString& displayName);

private:
    static Result<DecodedPicture> readWithQt(QIODevice& device, const QString& displayName);
    // The whole picture on `device`, upright and opaque at `size`; null when it cannot be read so.
    static QImage readWhole(QIODevice& device, QSize size);
};
