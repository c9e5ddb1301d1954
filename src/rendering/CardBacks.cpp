// Places and draws the four card backs of a back page, starting at the user's X/Y offsets.
#include "CardBacks.h"

#include "CardGeometry.h"

#include <QPainter>
#include <cmath>

std::array<QPointF, 4> CardBacks::positions(double backX, qint32 backY) {
    // Doubles hold every step exactly and cannot overflow near the ends of the 32-bit range.
    return CardGeometry::grid(QPointF(backX, backY), 7500, 6600);
}

void CardBacks::draw(QPainter& painter, const QImage& design, double backX, qint32 backY) {
    if (design.isNull() || !std::isfinite(backX))
        return;
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    // The whole design is stretched onto the back, so a design of any size fills it exactly.
    for (const QPointF& corner : positions(backX, backY))
        painter.drawImage(QRectF(corner, CardGeometry::kCardSize), design, QRectF(design.rect()));
    painter.restore();
}
