// Turns the bytes of a picture file into a picture no larger than a card photo needs.
#pragma once

#include "Result.h"

#include <QIODevice>
#include <QImage>
#include <QSize>
#include <QString>

// A decoded picture as stored in its file, with the Exif orientation that turns it upright.
struct DecodedPicture final {
    QImage stored;       // Format_RGB32; may be shrunk more in one direction than the other
    int orientation = 1; // 1..8; 1 means already upright
    QSize fullSize;      // the size in the file, as stored, which gives the true proportions
    // The picture's true size once upright (the size of `stored` when fullSize is not set).
    QSize uprightSize() const;
    QImage upright() const;
};

class PictureReader final {
public:
    // The longest side read, the most a JPEG or GIF can hold; longer pictures are refused unread.
    static constexpr int kMaxSide = 65535;

    // Reads the picture on `device` (JPEG, PNG, BMP, GIF, ...) from its current position, decoding
    // it only as large as needed to cover `cover` in both directions once upright; smaller pictures
    // come back whole. The result is opaque (transparency laid on white). Errors are in Dutch and
    // name `displayName`.
    static Result<DecodedPicture> read(QIODevice& device, QSize cover, const QString& displayName);

private:
    static Result<DecodedPicture> readWithQt(QIODevice& device, QSize cover,
                                             const QString& displayName);
};
