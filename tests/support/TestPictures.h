// Pictures made by the tests themselves: plain or patterned images and the bytes of their files.
#pragma once

#include <QColor>
#include <QImage>
#include <QList>
#include <QRect>

class TestPictures final {
public:
    // Red, green, blue and yellow quadrants clockwise from the top left.
    static QImage quadrants(int width, int height);
    static QImage plain(int width, int height, const QColor& colour);
    // A grey 600 x 1200 photo with a red band along its top tenth, which no box shows unframed.
    static QImage upright();
    static QByteArray encode(const QImage& image, const char* format, int quality = 90);
    // A JPEG with an EXIF orientation tag, stored so that a correct reader shows `upright`.
    static QByteArray jpegWithOrientation(const QImage& upright, int orientation);
    // White with a blue band 1/40 wide along its edges and a red disc half its shorter side wide.
    static QImage target(int width, int height);
    // Where the red disc lies in `area` of `image`, from the mean and spread of its redness (exact
    // for discs and ellipses however small); null when nothing there is red.
    static QRectF disc(const QImage& image, QRect area);
    // Width and height within 2 % of each other.
    static bool round(const QRectF& disc) {
        return !disc.isEmpty() && qAbs(disc.width() / disc.height() - 1) <= 0.02;
    }
    static bool near(QRgb actual, const QColor& expected, int tolerance = 40) {
        return qAbs(qRed(actual) - expected.red()) <= tolerance &&
               qAbs(qGreen(actual) - expected.green()) <= tolerance &&
               qAbs(qBlue(actual) - expected.blue()) <= tolerance;
    }
};
