// The sixteen cut marks in the margins of a page of fronts, in twips.
#pragma once

#include <QColor>
#include <QRect>
#include <array>

class QPainter;

class CutMarks final {
public:
    static constexpr QColor kColour{112, 96, 96};
    // The marks in twips: the row edges in the left and right margins (rows top to bottom),
    // then the column edges in the top and bottom margins (columns left to right).
    static std::array<QRect, 16> rects();
    // Fills every mark in kColour; the painter's state is left as it was.
    static void draw(QPainter& painter);
};
