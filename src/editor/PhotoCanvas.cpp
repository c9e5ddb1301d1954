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

int PhotoCanvas::outlineOf(QSize size) { return qMax(1, size.width() / kCanvasSize.width()); }

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
    return framed(photoAreaOf(master), kCanvasSize);
}
