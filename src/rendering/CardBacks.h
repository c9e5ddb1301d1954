// The four card backs of a back page at the user's X/Y offsets, in twips.
#pragma once

#include <QImage>
#include <QPoint>
#include <array>

class QPainter;

class CardBacks final {
public:
    // Top-left corners of the four backs: steps of 4500 across and 6600 down, a new row when
    // the next left edge would pass 7500.
    static std::array<QPointF, 4> positions(double backX, qint32 backY);
    // Draws `design` stretched to 3750 x 5700 twips at each position.
    static void draw(QPainter& painter, const QImage& design, double backX, qint32 backY);
};
