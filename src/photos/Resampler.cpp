// Scales decoded pictures to the sizes the program keeps, with a filter fit for each step.
#include "Resampler.h"

#include <QPainter>

namespace {
// Each pixel of the result is the rounded mean of the 3 x 3 block of `from` it covers.
QImage shrinkByThree(const QImage& from) {
    const int w = from.width() / 3;
    const int h = from.height() / 3;
    QImage into(w, h, QImage::Format_RGB32);
    // n / 9 rounded, for n up to 9 * 255, as (n * 7282 + 32768) >> 16.
    const auto ninth = [](quint32 n) { return (n * 7282 + 32768) >> 16; };
    for (int y = 0; y < h; ++y) {
        const QRgb* rows[3];
        for (int r = 0; r < 3; ++r)
            rows[r] = reinterpret_cast<const QRgb*>(from.constScanLine(3 * y + r));
        QRgb* out = reinterpret_cast<QRgb*>(into.scanLine(y));
        for (int x = 0; x < w; ++x) {
            quint32 redBlue = 0; // two channels at a time in 16-bit lanes
            quint32 green = 0;
            for (const QRgb* row : rows) {
                for (int k = 3 * x; k < 3 * x + 3; ++k) {
                    redBlue += row[k] & 0x00ff00ff;
                    green += (row[k] >> 8) & 0xff;
                }
            }
            out[x] =
                qRgb(int(ninth(redBlue >> 16)), int(ninth(green)), int(ninth(redBlue & 0xffff)));
        }
    }
    return into;
}
} // namespace

QImage Resampler::resampled(const QImage& picture, QSize size) {
    if (picture.isNull() || picture.size() == size || size.isEmpty())
        return picture;
    if (picture.size() == size * 3 && picture.format() == QImage::Format_RGB32)
        return shrinkByThree(picture);
    if (picture.width() >= 2 * size.width() || picture.height() >= 2 * size.height())
        return picture.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    QImage image(size, QImage::Format_RGB32);
    {
        QPainter painter(&image);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(QRect(QPoint(0, 0), size), picture);
    }
    return image;
}

QImage Resampler::opaque(const QImage& picture) {
    if (!picture.hasAlphaChannel())
        return picture.convertToFormat(QImage::Format_RGB32);
    QImage image(picture.size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        painter.drawImage(0, 0, picture);
    }
    return image;
}
