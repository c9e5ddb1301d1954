// Pictures made by the tests themselves: plain or patterned images and the bytes of their files.
#include "TestPictures.h"

#include <QBuffer>
#include <QPainter>
#include <QTransform>

QImage TestPictures::quadrants(int width, int height) {
    QImage image = plain(width, height, Qt::yellow);
    QPainter painter(&image);
    const int hw = width / 2, hh = height / 2;
    painter.fillRect(0, 0, hw, hh, Qt::red);
    painter.fillRect(hw, 0, width - hw, hh, Qt::green);
    painter.fillRect(hw, hh, width - hw, height - hh, Qt::blue);
    return image;
}

QImage TestPictures::plain(int width, int height, const QColor& colour) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

QByteArray TestPictures::encode(const QImage& image, const char* format, int quality) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    return buffer.open(QIODevice::WriteOnly) && image.save(&buffer, format, quality) ? bytes
                                                                                     : QByteArray();
}

QByteArray TestPictures::jpegWithOrientation(const QImage& upright, int orientation) {
    // Per tag, how `upright` is stored: turned the other way, or mirrored as the tag mirrors.
    const int m[] = {1, 0,  0, 1, 1, 0, 0, 1,  -1, 0, 0, 1,  -1, 0, 0, -1, 1,  0,
                     0, -1, 0, 1, 1, 0, 0, -1, 1,  0, 0, -1, -1, 0, 0, 1,  -1, 0};
    const int* s = m + 4 * orientation;
    // A big-endian Exif block holding only the orientation tag, right after the start marker.
    QByteArray exif = QByteArray::fromHex("ffe100224578696600004d4d002a00000008000101120003"
                                          "000000010000000000000000");
    exif[29] = char(orientation);
    return encode(upright.transformed(QTransform(s[0], s[1], s[2], s[3], 0, 0)), "JPG")
        .insert(2, exif);
}
