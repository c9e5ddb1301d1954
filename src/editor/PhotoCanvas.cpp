// Draws a picture onto a card's photo canvas: white background, margin, stretched picture, outline.
#include "PhotoCanvas.h"

#include <QPainter>

namespace {
int scaleOf(QSize size) { return qMax(1, size.width() / PhotoCanvas::kCanvasSize.width()); }

void drawOutline(QImage& image, int thickness) {
    QPainter painter(&image);
    const int w = image.width();
    const int h = image.height();
    painter.fillRect(0, 0, w, thickness, Qt::black);
    painter.fillRect(0, h - thickness, w, thickness, Qt::black);
    painter.fillRect(0, 0, thickness, h, Qt::black);
    painter.fillRect(w - thickness, 0, thickness, h, Qt::black);
}
} // namespace

QImage PhotoCanvas::blank(QSize size) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

QImage PhotoCanvas::emptyOutlined(QSize size) {
    QImage image = blank(size);
    drawOutline(image, scaleOf(size));
    return image;
}

QImage PhotoCanvas::prepare(const QImage& picture, QSize size) {
    QImage image = blank(size);
    const int scale = scaleOf(size);
    const QRect area(3 * scale, 3 * scale, size.width() - 6 * scale, size.height() - 6 * scale);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(area, picture);
    }
    drawOutline(image, scale);
    return image;
}
