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
    // A white picture with a blue band 1/40 of its width and height along its edges and a red
    // disc in the middle, as wide as half its shorter side.
    static QImage target(int width, int height);
    // Where the red disc lies in `area` of `image`: its middle from the mean of its redness, its
    // width and height from the spread (four standard deviations), exact for discs and ellipses
    // however small; null when nothing there is red.
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
