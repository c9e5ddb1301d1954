// Turns the bytes of a picture file into a picture no larger than a card photo needs.
#pragma once

#include "Result.h"

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

// A decoded picture as stored in its file, with the Exif orientation that turns it upright.
struct DecodedPicture final {
    QImage stored;       // Format_RGB32
    int orientation = 1; // 1..8; 1 means already upright
    QSize uprightSize() const;
    QImage upright() const;
};

class PictureReader final {
public:
    // Reads `data` (JPEG, PNG, BMP, GIF, ...), decoding it only as large as needed to cover
    // `cover` in both directions once upright; smaller pictures come back whole. The result is
    // opaque (transparency laid on white). Errors are in Dutch and name `displayName`.
    static Result<DecodedPicture> read(const QByteArray& data, QSize cover,
                                       const QString& displayName);

private:
    static Result<DecodedPicture> readWithQt(const QByteArray& data, QSize cover,
                                             const QString& displayName);
};
