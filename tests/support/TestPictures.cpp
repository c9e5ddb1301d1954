// Pictures made by the tests themselves: plain or patterned images and the bytes of their files.
#include "TestPictures.h"

#include <QBuffer>
#include <QFile>
#include <QPainter>
#include <QTransform>

QImage TestPictures::quadrants(int width, int height) {
    QImage image = plain(width, height, Qt::yellow);
    QPainter painter(&image);
    const int hw = width / 2;
    const int hh = height / 2;
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

bool TestPictures::writeJpegWithOrientation(const QImage& upright, const QString& path,
                                            int orientation) {
    // The pixels are stored turned the other way, so that applying the tag gives `upright` back.
    const int turn = orientation == 6 ? -90 : orientation == 8 ? 90 : orientation == 3 ? 180 : 0;
    QByteArray jpeg = encode(upright.transformed(QTransform().rotate(turn)), "JPG");
    // A big-endian Exif block holding only the orientation tag, right after the start marker.
    QByteArray exif = QByteArray::fromHex("ffe100224578696600004d4d002a00000008000101120003"
                                          "000000010000000000000000");
    exif[29] = char(orientation);
    jpeg.insert(2, exif);
    QFile file(path);
    return !jpeg.isEmpty() && file.open(QIODevice::WriteOnly) && file.write(jpeg) == jpeg.size();
}

bool TestPictures::near(QRgb actual, const QColor& expected, int tolerance) {
    return qAbs(qRed(actual) - expected.red()) <= tolerance &&
           qAbs(qGreen(actual) - expected.green()) <= tolerance &&
           qAbs(qBlue(actual) - expected.blue()) <= tolerance;
}
