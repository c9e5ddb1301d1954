// Pictures made by the tests themselves: plain or patterned images and the bytes of their files.
#pragma once

#include <QColor>
#include <QImage>
#include <QString>

class TestPictures final {
public:
    // An image split into four coloured quadrants (red, green, blue, yellow from the top left,
    // clockwise), so orientation and stretching can be read from its pixels.
    static QImage quadrants(int width, int height);
    static QImage plain(int width, int height, const QColor& colour);
    // The bytes of `image` as a `format` file ("JPG", "PNG", "BMP"); empty when it cannot be made.
    static QByteArray encode(const QImage& image, const char* format, int quality = 90);
    // A JPEG whose pixels are stored as `image` rotated, with an EXIF orientation tag (6 = the
    // stored picture must be turned 90 degrees clockwise) so a correct reader shows `image`.
    static bool writeJpegWithOrientation(const QImage& upright, const QString& path,
                                         int orientation);
    // True when `actual` is within `tolerance` of `expected` in every channel.
    static bool near(QRgb actual, const QColor& expected, int tolerance = 40);
};
