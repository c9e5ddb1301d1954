// The sixteen cut marks in the margins of a page of fronts, in twips.
#pragma once

#include <QColor>
#include <QRect>

#include <array>

class QPainter;

class CutMarks final {
public:
    static constexpr QColor kColour{112, 96, 96};
    static std::array<QRect, 16> rects();
    static void draw(QPainter& painter);
};
