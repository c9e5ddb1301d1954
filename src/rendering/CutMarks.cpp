// The sixteen cut marks in the margins of a page of fronts, filled in the cut-line colour.
#include "CutMarks.h"

#include <QPainter>

std::array<QRect, 16> CutMarks::rects() {
    constexpr int kLong = 750;
    constexpr int kThin = 15;
    constexpr int kRight = 10700;
    constexpr int kBottom = 15600;
    // Horizontal marks in the left and right margins at the top and bottom edge of each row,
    // then vertical marks in the top and bottom margins at the left and right edge of each column.
    return {{
        {0, 2400, kLong, kThin},
        {kRight, 2400, kLong, kThin},
        {0, 8100, kLong, kThin},
        {kRight, 8100, kLong, kThin},
        {0, 9000, kLong, kThin},
        {kRight, 9000, kLong, kThin},
        {0, 14700, kLong, kThin},
        {kRight, 14700, kLong, kThin},
        {1680, 0, kThin, kLong},
        {5400, 0, kThin, kLong},
        {6180, 0, kThin, kLong},
        {9900, 0, kThin, kLong},
        {1680, kBottom, kThin, kLong},
        {5400, kBottom, kThin, kLong},
        {6180, kBottom, kThin, kLong},
        {9900, kBottom, kThin, kLong},
    }};
}

void CutMarks::draw(QPainter& painter) {
    for (const QRect& mark : rects())
        painter.fillRect(mark, kColour);
}
