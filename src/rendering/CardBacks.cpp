// Places and draws the four card backs of a back page, starting at the user's X/Y offsets.
#include "CardBacks.h"

#include <QPainter>
#include <cmath>

namespace {
constexpr double kStepAcross = 4500;
constexpr double kStepDown = 6600;
constexpr double kLastLeft = 7500;
constexpr QSizeF kBackSize{3750, 5700};
} // namespace

std::array<QPointF, 4> CardBacks::positions(double backX, qint32 backY) {
    std::array<QPointF, 4> result;
    // Doubles hold every step exactly and cannot overflow near the ends of the 32-bit range.
    double x = backX;
    double y = backY;
    for (QPointF& position : result) {
        position = QPointF(x, y);
        x += kStepAcross;
        if (x > kLastLeft) {
            x = backX;
            y += kStepDown;
        }
    }
    return result;
}

void CardBacks::draw(QPainter& painter, const QImage& design, double backX, qint32 backY) {
    if (design.isNull() || !std::isfinite(backX))
        return;
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    // The whole design is stretched onto the back, so a design of any size fills it exactly.
    for (const QPointF& corner : positions(backX, backY))
        painter.drawImage(QRectF(corner, kBackSize), design, QRectF(design.rect()));
    painter.restore();
}
