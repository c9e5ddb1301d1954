// Scales decoded pictures to the sizes the program keeps, with a filter fit for each step.
#pragma once

#include <QImage>
#include <QSize>

class Resampler final {
public:
    // `picture` scaled to exactly `size` (proportions are the caller's matter). Shrinking to half
    // or less averages whole areas, so fine detail does not alias; a picture exactly three times
    // `size` takes the exact mean of each 3 x 3 block, which is both right and fast; otherwise
    // the picture is interpolated.
    static QImage resampled(const QImage& picture, QSize size);
    // `picture` as Format_RGB32, with any transparency laid on white.
    static QImage opaque(const QImage& picture);
};
