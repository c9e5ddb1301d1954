// Pictures made by the tests themselves: plain or patterned images and the bytes of their files.
#pragma once

#include <QColor>
#include <QImage>

class TestPictures final {
public:
    // Red, green, blue and yellow quadrants clockwise from the top left.
    static QImage quadrants(int width, int height);
    static QImage plain(int width, int height, const QColor& colour);
    static QByteArray encode(const QImage& image, const char* format, int quality = 90);
    // A JPEG with an EXIF orientation tag, stored so that a correct reader shows `upright`.
    static QByteArray jpegWithOrientation(const QImage& upright, int orientation);
    static bool near(QRgb actual, const QColor& expected, int tolerance = 40) {
        return qAbs(qRed(actual) - expected.red()) <= tolerance &&
               qAbs(qGreen(actual) - expected.green()) <= tolerance &&
               qAbs(qBlue(actual) - expected.blue()) <= tolerance;
    }
};
