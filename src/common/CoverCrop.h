// The part of a picture that fills a box of other proportions when the picture is scaled to cover
// it: the middle, cut evenly on both sides, so nothing is ever stretched.
#pragma once

#include <QRect>
#include <QRectF>
#include <QSizeF>

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
    // Where a part of `part` pixels lies in the middle of a picture of `whole` pixels.
    static QRect middle(QSize whole, QSize part) {
        return QRect(
            QPoint((whole.width() - part.width()) / 2, (whole.height() - part.height()) / 2), part);
    }
};
