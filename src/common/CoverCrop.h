// The part of a picture that fills a box of other proportions when the picture is scaled to cover
// it: the middle, cut evenly on both sides, so nothing is ever stretched.
#pragma once

#include <QRect>
#include <QRectF>
#include <QSizeF>
#include <algorithm>

class CoverCrop final {
public:
    // The largest part of a `picture`-sized picture that has the proportions of `box`, centred.
    // The whole picture when either size is empty.
    static QRectF of(QSizeF picture, QSizeF box) {
        if (picture.isEmpty() || box.isEmpty())
            return QRectF(QPointF(0, 0), picture);
        const QSizeF part = box.scaled(picture, Qt::KeepAspectRatio);
        return QRectF(
            QPointF((picture.width() - part.width()) / 2, (picture.height() - part.height()) / 2),
            part);
    }
    // The part of a `whole`-sized picture that shows when `base` (the part shown at zoom 1) is
    // shrunk by `zoom` and centred on `point` (fractions of the whole), moved back inside the
    // picture where it would leave it, so it always covers its box.
    static QRectF framed(QSizeF whole, QSizeF base, QPointF point, double zoom) {
        const QSizeF size(std::min(base.width() / zoom, whole.width()),
                          std::min(base.height() / zoom, whole.height()));
        const double left = std::clamp(point.x() * whole.width() - size.width() / 2, 0.0,
                                       whole.width() - size.width());
        const double top = std::clamp(point.y() * whole.height() - size.height() / 2, 0.0,
                                      whole.height() - size.height());
        return QRectF(QPointF(left, top), size);
    }
    // Where a part of `part` pixels lies in the middle of a picture of `whole` pixels.
    static QRect middle(QSize whole, QSize part) {
        return QRect(
            QPoint((whole.width() - part.width()) / 2, (whole.height() - part.height()) / 2), part);
    }
};
