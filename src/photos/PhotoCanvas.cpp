// Draws a picture onto a card's photo canvas: white background, margin, stretched picture, outline.
#include "PhotoCanvas.h"

#include "ExifOrientation.h"

#include <QPainter>

namespace {
// The white band and the black outline around the photo area; the area itself is left alone.
void drawFrame(QPainter& painter, QSize size) {
    const int w = size.width();
    const int h = size.height();
    const int outline = PhotoCanvas::outlineOf(size);
    const auto ring = [&](int thickness, const QColor& colour) {
        painter.fillRect(0, 0, w, thickness, colour);
        painter.fillRect(0, h - thickness, w, thickness, colour);
        painter.fillRect(0, 0, thickness, h, colour);
        painter.fillRect(w - thickness, 0, thickness, h, colour);
    };
    ring(3 * outline, Qt::white);
    ring(outline, Qt::black);
}

// Draws `picture` stretched over `area`. Shrinking to half or less needs an area-averaging filter
// so fine detail does not alias; otherwise the painter's bilinear stretch looks the same and is
// faster.
void drawStretched(QPainter& painter, const QRect& area, const QImage& picture) {
    if (picture.isNull()) {
        painter.fillRect(area, Qt::white);
    } else if (picture.size() == area.size()) {
        painter.drawImage(area.topLeft(), picture);
    } else if (picture.width() >= 2 * area.width() || picture.height() >= 2 * area.height()) {
        painter.drawImage(area.topLeft(), picture.scaled(area.size(), Qt::IgnoreAspectRatio,
                                                         Qt::SmoothTransformation));
    } else {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(area, picture);
    }
}

// Each pixel of `into` from `at` on is the rounded mean of the 3 x 3 block of `from` it covers;
// `from` is three times as wide and high as the part of `into` it fills.
void shrinkByThree(const QImage& from, QImage& into, QPoint at) {
    const int w = from.width() / 3;
    const int h = from.height() / 3;
    // n / 9 rounded, for n up to 9 * 255, as (n * 7282 + 32768) >> 16.
    const auto ninth = [](quint32 n) { return (n * 7282 + 32768) >> 16; };
    for (int y = 0; y < h; ++y) {
        const QRgb* rows[3];
        for (int r = 0; r < 3; ++r)
            rows[r] = reinterpret_cast<const QRgb*>(from.constScanLine(3 * y + r));
        QRgb* out = reinterpret_cast<QRgb*>(into.scanLine(at.y() + y)) + at.x();
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
}

QImage framed(const QImage& picture, QSize size) {
    QImage image(size, QImage::Format_RGB32);
    {
        QPainter painter(&image);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        drawStretched(painter, PhotoCanvas::photoRectOf(size), picture);
        drawFrame(painter, size);
    }
    return image;
}
} // namespace

int PhotoCanvas::outlineOf(QSize size) {
    return qMax(1, size.width() / kCanvasSize.width());
}

QRect PhotoCanvas::photoRectOf(QSize size) {
    const int margin = 3 * outlineOf(size);
    return QRect(margin, margin, size.width() - 2 * margin, size.height() - 2 * margin);
}

QImage PhotoCanvas::blank(QSize size) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

QImage PhotoCanvas::emptyOutlined(QSize size) {
    QImage image = blank(size);
    {
        QPainter painter(&image);
        drawFrame(painter, size);
    }
    return image;
}

QImage PhotoCanvas::stretched(const QImage& picture, QSize size) {
    if (picture.size() == size)
        return picture;
    QImage image(size, QImage::Format_RGB32);
    {
        QPainter painter(&image);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        drawStretched(painter, QRect(QPoint(0, 0), size), picture);
    }
    return image;
}

QImage PhotoCanvas::opaque(const QImage& picture) {
    if (!picture.hasAlphaChannel())
        return picture.convertToFormat(QImage::Format_RGB32);
    QImage image = blank(picture.size());
    {
        QPainter painter(&image);
        painter.drawImage(0, 0, picture);
    }
    return image;
}

QImage PhotoCanvas::prepare(const QImage& picture, QSize size) {
    return framed(opaque(picture), size);
}

QImage PhotoCanvas::master(const QImage& picture, int orientation) {
    if (orientation == 1)
        return prepare(picture, kMasterSize);
    const bool turned = ExifOrientation::swapsAxes(orientation);
    const QImage photo =
        stretched(opaque(picture), turned ? kMasterPhotoArea.transposed() : kMasterPhotoArea);
    QImage image(kMasterSize, QImage::Format_RGB32);
    ExifOrientation::drawUpright(photo, orientation, image, photoRectOf(kMasterSize).topLeft());
    QPainter painter(&image);
    drawFrame(painter, kMasterSize);
    return image;
}

QImage PhotoCanvas::photoAreaOf(const QImage& canvas) {
    const QRect area = photoRectOf(canvas.size());
    return QImage(canvas.constScanLine(area.top()) + area.left() * 4, area.width(), area.height(),
                  canvas.bytesPerLine(), QImage::Format_RGB32);
}

QImage PhotoCanvas::canvasFromMaster(const QImage& master) {
    if (master.size() != kMasterSize)
        return framed(photoAreaOf(master), kCanvasSize);
    // The master's photo area is exactly three times the canvas's: an exact 3 x 3 mean is both
    // the right filter and cheaper than a general smooth scaling.
    QImage image(kCanvasSize, QImage::Format_RGB32);
    shrinkByThree(photoAreaOf(master), image, photoRectOf(kCanvasSize).topLeft());
    QPainter painter(&image);
    drawFrame(painter, kCanvasSize);
    return image;
}
