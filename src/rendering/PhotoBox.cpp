// A photo cut to fit a box of any proportions, inside the photo canvas's outline or bare.
#include "PhotoBox.h"

#include "CoverCrop.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

namespace {
// The width of the outline on an image `width` pixels wide: 1/400 of it, in whole pixels once it
// is a pixel or more, so the outline stays sharp; below that a faint line, as on a canvas shrunk.
double unitFor(int width) {
    const double unit = double(width) / PhotoBox::kCanvasSize.width();
    return unit < 1 ? unit : std::round(unit);
}

// The part of a picture of `picture` pixels that fills `area`: its middle in the area's
// proportions, or all of it when its own proportions differ from the area's by no more than
// PhotoBox::kUnseenStretch.
QRectF partShown(QSizeF picture, QSizeF area) {
    const double mismatch = picture.width() * area.height() / (picture.height() * area.width());
    if (std::abs(mismatch - 1) <= PhotoBox::kUnseenStretch)
        return QRectF(QPointF(0, 0), picture);
    return CoverCrop::of(picture, area);
}

// The pixels of `picture` inside `rect` (whole pixels), sharing its memory.
QImage viewOf(const QImage& picture, QRect rect) {
    return QImage(picture.constScanLine(rect.top()) + rect.left() * 4, rect.width(), rect.height(),
                  picture.bytesPerLine(), picture.format());
}

// Draws `part` of `picture` scaled to fill `area`; where the part has as many pixels as the area,
// the pixels of `copied(size)` are copied unscaled.
template <typename Copied>
void drawPart(QPainter& painter, const QRectF& area, const QImage& given, const QRectF& part,
              Copied copied) {
    const QImage picture =
        given.depth() == 32 ? given : given.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QRect whole = part.toAlignedRect() & picture.rect();
    if (std::abs(part.width() - area.width()) < 0.5 &&
        std::abs(part.height() - area.height()) < 0.5 && area == area.toRect()) {
        // One pixel of the picture for each pixel of the area: a plain copy.
        const QSize size = area.toRect().size();
        painter.drawImage(area.topLeft(), viewOf(picture, copied(size)));
    } else if (part.width() >= 2 * area.width() || part.height() >= 2 * area.height()) {
        // Shrinking this far needs an area-averaging filter, or fine detail aliases. The last
        // step maps the part exactly onto the area, whatever the rounding of the first.
        const QImage scaled =
            viewOf(picture, whole)
                .scaled(QSize(std::max(
                                  1, int(std::lround(whole.width() * area.width() / part.width()))),
                              std::max(1, int(std::lround(whole.height() * area.height() /
                                                          part.height())))),
                        Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        const QSizeF scale(double(scaled.width()) / whole.width(),
                           double(scaled.height()) / whole.height());
        painter.drawImage(area, scaled,
                          QRectF((part.left() - whole.left()) * scale.width(),
                                 (part.top() - whole.top()) * scale.height(),
                                 part.width() * scale.width(), part.height() * scale.height()));
    } else {
        painter.drawImage(area, picture, part);
    }
}

// Draws the part of `picture` that fills `area` (partShown), scaled to fill it.
void drawCovering(QPainter& painter, const QRectF& area, const QImage& picture) {
    drawPart(painter, area, picture, partShown(QSizeF(picture.size()), area.size()),
             [&picture](QSize size) { return CoverCrop::middle(picture.size(), size); });
}

// The outline and the white band around the photo area, `unit` pixels a step.
void drawFrame(QPainter& painter, QSizeF size, double unit) {
    const double w = size.width();
    const double h = size.height();
    const auto ring = [&](double thickness, const QColor& colour) {
        painter.fillRect(QRectF(0, 0, w, thickness), colour);
        painter.fillRect(QRectF(0, h - thickness, w, thickness), colour);
        painter.fillRect(QRectF(0, 0, thickness, h), colour);
        painter.fillRect(QRectF(w - thickness, 0, thickness, h), colour);
    };
    ring(3 * unit, Qt::white);
    ring(unit, Qt::black);
}
} // namespace

QImage PhotoBox::render(const QImage& picture, QSize size, PhotoFrame frame) {
    return renderWith(picture, size, frame, [&picture](QPainter& painter, const QRectF& area) {
        drawCovering(painter, area, picture);
    });
}

QImage PhotoBox::render(const FramedPicture& photo, QSize size, PhotoFrame frame) {
    if (photo.framing.isDefault() || photo.whole.isNull() || photo.middle.isNull())
        return render(photo.middle, size, frame);
    return renderWith(photo.middle, size, frame, [&photo](QPainter& painter, const QRectF& area) {
        const QRectF part = framedPart(photo, area.size());
        const QSize bounds = photo.whole.size();
        drawPart(painter, area, photo.whole, part, [&part, bounds](QSize copied) {
            return QRect(
                QPoint(std::clamp(qRound(part.left()), 0, bounds.width() - copied.width()),
                       std::clamp(qRound(part.top()), 0, bounds.height() - copied.height())),
                copied);
        });
    });
}

QRectF PhotoBox::framedPart(const FramedPicture& photo, QSizeF area) {
    const QSizeF whole(photo.whole.size());
    const QRectF middle = CoverCrop::of(whole, QSizeF(photo.middle.size()));
    const QSizeF base = partShown(middle.size(), area).size();
    return CoverCrop::framed(whole, base, photo.framing.point, photo.framing.zoom);
}

Framing PhotoBox::framingOf(const FramedPicture& photo, const QRectF& part, double zoom) {
    const QSizeF whole(photo.whole.size());
    if (whole.isEmpty())
        return {};
    const double left = std::clamp(part.left(), 0.0, std::max(0.0, whole.width() - part.width()));
    const double top = std::clamp(part.top(), 0.0, std::max(0.0, whole.height() - part.height()));
    return Framing{QPointF((left + part.width() / 2) / whole.width(),
                           (top + part.height() / 2) / whole.height()),
                   zoom}
        .clamped();
}

template <typename Draw>
QImage PhotoBox::renderWith(const QImage& picture, QSize size, PhotoFrame frame, Draw draw) {
    if (size.isEmpty() || (frame == PhotoFrame::Bare && picture.isNull()))
        return {};
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        painter.setRenderHints(QPainter::SmoothPixmapTransform | QPainter::Antialiasing);
        const double unit = frame == PhotoFrame::Outlined ? unitFor(size.width()) : 0;
        const QRectF area = QRectF(image.rect()).adjusted(3 * unit, 3 * unit, -3 * unit, -3 * unit);
        if (!picture.isNull() && !area.isEmpty())
            draw(painter, area);
        if (unit > 0)
            drawFrame(painter, QSizeF(size), unit);
    }
    return image;
}

QSize PhotoBox::sizeFor(const QPainter& painter, const QRectF& box, const QImage& picture,
                        PhotoFrame frame) {
    const QSizeF device = painter.combinedTransform().mapRect(box).size();
    const auto rounded = [](double width, double height) {
        return QSize(std::max(1, int(std::lround(width))), std::max(1, int(std::lround(height))));
    };
    // The photo area's share of the box, and the part of the picture it shows.
    const bool outlined = frame == PhotoFrame::Outlined;
    const double share = outlined ? 1 - 6.0 / kCanvasSize.width() : 1;
    const QSizeF area = box.size() - QSizeF(1, 1) * box.width() * (1 - share);
    const QSizeF part =
        picture.isNull() ? QSizeF() : partShown(QSizeF(picture.size()), area).size();
    const double least = 3.0 * kCanvasSize.width();
    if (device.width() <= std::max(part.width() / share, least))
        return rounded(device.width(), device.width() * box.height() / box.width());
    if (part.width() / share < least)
        return rounded(least, least * box.height() / box.width());
    // As many pixels as the picture has there: the photo is copied, not scaled.
    const double margin = outlined ? 6 * unitFor(int(std::lround(part.width() / share))) : 0;
    return rounded(std::round(part.width()) + margin, std::round(part.height()) + margin);
}
