// Maps twips onto a painter's device and writes text by its top-left corner.
#include "TwipsPainter.h"

#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>
#include <cmath>

void TwipsPainter::setUp(QPainter& painter, const QRectF& deviceRect, const QSizeF& twipsSize) {
    // The window and viewport take whole numbers; twips and device pixels are both fine enough.
    painter.setWindow(0, 0, int(std::lround(twipsSize.width())),
                      int(std::lround(twipsSize.height())));
    painter.setViewport(deviceRect.toRect());
}

double TwipsPainter::textWidth(QPainter& painter, const QFont& font, const QString& text) {
    return QFontMetricsF(font, painter.device()).horizontalAdvance(text);
}

void TwipsPainter::drawText(QPainter& painter, const QFont& font, const QColor& colour, double left,
                            double top, const QString& text) {
    if (text.isEmpty())
        return;
    const QFontMetricsF metrics(font, painter.device());
    painter.save();
    painter.setFont(font);
    painter.setPen(colour);
    painter.drawText(QPointF(left, top + metrics.ascent()), text);
    painter.restore();
}
