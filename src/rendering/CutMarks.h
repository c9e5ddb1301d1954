// The sixteen cut marks in the margins of a page of fronts, in twips, and how the page moves up on
// paper too short for them.
#pragma once

#include <QColor>
#include <QRect>
#include <array>
#include <limits>

class QPainter;

class CutMarks final {
public:
    static constexpr QColor kColour{112, 96, 96};
    // How far down the page with its marks reaches from the printable area's top.
    static constexpr int kPageHeight = 16350;
    // A printable area as tall as any paper: the page as it always stood.
    static constexpr double kTallEnough = std::numeric_limits<double>::max();

    // How far up (a negative number of twips) the title, the fronts and the backs move on a
    // printable area `printableHeight` twips tall: none when the marks fit, else as far as the
    // top marks can be shortened (by half), so the bottom marks come within the paper.
    static int shift(double printableHeight);
    // The marks in twips on a printable area that tall: the row edges in the left and right
    // margins (rows top to bottom), then the column edges in the top and bottom margins (columns
    // left to right). On short paper they follow the shifted cards, the top ones cut at the
    // paper's top, the bottom ones moved up closer to the cards and cut at its bottom.
    static std::array<QRect, 16> rects(double printableHeight = kTallEnough);
    // Fills every mark in kColour; the painter's state is left as it was.
    static void draw(QPainter& painter, double printableHeight = kTallEnough);
};
