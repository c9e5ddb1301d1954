// Pictures made by the tests themselves: plain or patterned images and the bytes of their files.
#pragma once

#include <QColor>
#include <QImage>

class TestPictures final {
public:
    // An image split into four coloured quadrants (red, green, blue, yellow from the top left,
    // clockwise), so orientation and stretching can be read from its pixels.
    static QImage quadrants(int width, int height);
    static QImage plain(int width, int height, const QColor& colour);
    // The bytes of `image` as a `format` file ("JPG", "PNG", "BMP"); empty when it cannot be made.
    static QByteArray encode(const QImage& image, const char* format, int quality = 90);
    // A JPEG with an EXIF orientation tag (6 = turn the stored picture 90 degrees clockwise) whose
    // pixels are stored so that a correct reader shows `upright`.
    static QByteArray jpegWithOrientation(const QImage& upright, int orientation);
    // True when `actual` is within `tolerance` of `expected` in every channel.
    static bool near(QRgb actual, const QColor& expected, int tolerance = 40) {
        return qAbs(qRed(actual) - expected.red()) <= tolerance &&
               qAbs(qGreen(actual) - expected.green()) <= tolerance &&
               qAbs(qBlue(actual) - expected.blue()) <= tolerance;
    }
};
