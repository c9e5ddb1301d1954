// Pictures made by the tests themselves: plain or patterned images written as JPEG, PNG or BMP.
#include "TestPictures.h"

#include <QBuffer>
#include <QFile>
#include <QPainter>
#include <QTransform>

QImage TestPictures::quadrants(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    QPainter painter(&image);
    const int hw = width / 2;
    const int hh = height / 2;
    painter.fillRect(0, 0, hw, hh, Qt::red);
    painter.fillRect(hw, 0, width - hw, hh, Qt::green);
    painter.fillRect(hw, hh, width - hw, height - hh, Qt::blue);
    painter.fillRect(0, hh, hw, height - hh, Qt::yellow);
    return image;
}

QImage TestPictures::plain(int width, int height, const QColor& colour) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

bool TestPictures::write(const QImage& image, const QString& path, const char* format, int quality) {
    return image.save(path, format, quality);
}

namespace {
// A minimal big-endian Exif block holding only the orientation tag.
QByteArray exifOrientation(int orientation) {
    QByteArray tiff;
    tiff.append("MM\x00\x2a", 4);                 // byte order, magic
    tiff.append("\x00\x00\x00\x08", 4);           // offset of IFD0
    tiff.append("\x00\x01", 2);                   // one entry
    tiff.append("\x01\x12\x00\x03", 4);           // tag 0x0112 orientation, type SHORT
    tiff.append("\x00\x00\x00\x01", 4);           // count 1
    tiff.append(char(0)).append(char(orientation)).append(2, '\0'); // value, padded
    tiff.append(4, '\0');                         // no next IFD
    QByteArray payload = QByteArray("Exif\0\0", 6) + tiff;
    const int length = payload.size() + 2;
    QByteArray segment("\xff\xe1", 2);
    segment.append(char(length >> 8)).append(char(length & 0xff));
    return segment + payload;
}
} // namespace

bool TestPictures::writeJpegWithOrientation(const QImage& upright, const QString& path,
                                            int orientation) {
    // Store the pixels turned the other way, so that applying the tag gives `upright` back.
    QTransform undo;
    if (orientation == 6)
        undo.rotate(-90);
    else if (orientation == 8)
        undo.rotate(90);
    else if (orientation == 3)
        undo.rotate(180);
    const QImage stored = upright.transformed(undo);
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    if (!stored.save(&buffer, "JPG", 90))
        return false;
    jpeg.insert(2, exifOrientation(orientation)); // right after the SOI marker
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(jpeg) == jpeg.size();
}

bool TestPictures::near(QRgb actual, const QColor& expected, int tolerance) {
    return qAbs(qRed(actual) - expected.red()) <= tolerance &&
           qAbs(qGreen(actual) - expected.green()) <= tolerance &&
           qAbs(qBlue(actual) - expected.blue()) <= tolerance;
}
