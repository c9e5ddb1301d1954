// How the pointer's moves change the framing of a photo shown in a box.
#pragma once

#include "PhotoBox.h"

#include <QPointF>
#include <QSizeF>

class FramingMoves final {
public:
    static constexpr double kZoomStep = 1.1; // one wheel notch or one + or - key

    // The framing after the photo, shown in a box of `box` pixels, is dragged by `moved` pixels:
    // the photo follows the pointer until its edge reaches the box's.
    static Framing dragged(const FramedPicture& photo, QSizeF box, QPointF moved);
    // The framing after zooming by `factor` around `at` (pixels in the box): the point of the photo
    // under `at` stays there as far as the photo still covers the box; the zoom stays 1 to 4.
    static Framing zoomed(const FramedPicture& photo, QSizeF box, QPointF at, double factor);
};
