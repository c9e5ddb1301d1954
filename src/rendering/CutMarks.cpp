// The sixteen cut marks in the margins of a page of fronts, in twips, and how the page moves up on
// paper too short for them.
#include "CutMarks.h"

#include <QPainter>
#include <algorithm>

namespace {
constexpr int kLong = 750;
constexpr int kThin = 15;
constexpr int kRight = 10700;
constexpr int kBottom = 15600;
constexpr int kCardsBottom = 14700;
constexpr int kLeastGap = 150; // between the lower cards and the bottom marks on short paper
} // namespace

int CutMarks::shift(double printableHeight) {
    if (printableHeight >= kPageHeight)
        return 0;
    return -int(std::min<double>(kPageHeight - printableHeight, kLong / 2));
}

std::array<QRect, 16> CutMarks::rects(double printableHeight) {
    const int up = shift(printableHeight);
    const int topLength = kLong + up;
    int bottom = kBottom;
    int bottomLength = kLong;
    if (up != 0) {
        const int floor = int(printableHeight);
        bottom = std::max(kCardsBottom + up + kLeastGap, std::min(kBottom + up, floor - kLong));
        bottomLength = std::max(kThin, std::min(kLong, floor - bottom));
    }
    // Horizontal marks in the left and right margins at the top and bottom edge of each row,
    // then vertical marks in the top and bottom margins at the left and right edge of each column.
    return {{
        {0, 2400 + up, kLong, kThin},
        {kRight, 2400 + up, kLong, kThin},
        {0, 8100 + up, kLong, kThin},
        {kRight, 8100 + up, kLong, kThin},
        {0, 9000 + up, kLong, kThin},
        {kRight, 9000 + up, kLong, kThin},
        {0, kCardsBottom + up, kLong, kThin},
        {kRight, kCardsBottom + up, kLong, kThin},
        {1680, 0, kThin, topLength},
        {5400, 0, kThin, topLength},
        {6180, 0, kThin, topLength},
        {9900, 0, kThin, topLength},
        {1680, bottom, kThin, bottomLength},
        {5400, bottom, kThin, bottomLength},
        {6180, bottom, kThin, bottomLength},
        {9900, bottom, kThin, bottomLength},
    }};
}

void CutMarks::draw(QPainter& painter, double printableHeight) {
    for (const QRect& mark : rects(printableHeight))
        painter.fillRect(mark, kColour);
}
