// Reads the orientation tag of a photo's Exif block and turns a picture upright by it.
#pragma once

#include <QByteArray>
#include <QImage>

class ExifOrientation final {
public:
    // The orientation (1..8) in an APP1 payload starting with "Exif\0\0"; 1 when the payload
    // holds none or is damaged.
    static int fromApp1(const QByteArray& payload);
    // True when turning a picture upright by `orientation` swaps its width and height.
    static bool swapsAxes(int orientation) { return orientation >= 5 && orientation <= 8; }
    // The picture as it must be shown: rotated and mirrored as `orientation` says.
    static QImage upright(const QImage& stored, int orientation);
    // Writes the 32-bit `rows`, from row `first` on of a picture of `stored` pixels stored with
    // `orientation`, where they belong in the 32-bit `upright` picture of the upright size.
    static void placeRows(const QImage& rows, int first, QSize stored, int orientation,
                          QImage& upright);
};
