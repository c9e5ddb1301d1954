// Pictures made by the tests themselves: plain or patterned images and the bytes of their files.
#include "TestPictures.h"

#include <QBuffer>
#include <QPainter>
#include <QTransform>
#include <cmath>

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

QImage TestPictures::upright() {
    QImage image = plain(600, 1200, Qt::gray);
    QPainter(&image).fillRect(0, 0, 600, 120, Qt::red);
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

QImage TestPictures::target(int width, int height) {
    QImage image = plain(width, height, Qt::blue);
    QPainter painter(&image);
    painter.fillRect(QRectF(width / 40.0, height / 40.0, width * 0.95, height * 0.95), Qt::white);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::red);
    const double radius = qMin(width, height) / 4.0;
    painter.drawEllipse(QPointF(width / 2.0, height / 2.0), radius, radius);
    return image;
}

QRectF TestPictures::disc(const QImage& image, QRect area) {
    double sum = 0, x = 0, y = 0, xx = 0, yy = 0; // the redness and its moments
    for (int py = area.top(); py <= area.bottom(); ++py)
        for (int px = area.left(); px <= area.right(); ++px) {
            const QRgb c = image.pixel(px, py);
            const double w = qMax(0, qRed(c) - qGreen(c)) / 255.0;
            sum += w, x += w * px, y += w * py, xx += w * px * px, yy += w * py * py;
        }
    const QPointF centre(x / sum, y / sum);
    const QSizeF size(4 * std::sqrt(xx / sum - centre.x() * centre.x()),
                      4 * std::sqrt(yy / sum - centre.y() * centre.y()));
    return sum == 0 ? QRectF()
                    : QRectF(centre + QPointF(0.5, 0.5) - QPointF(size.width(), size.height()) / 2,
                             size);
}
