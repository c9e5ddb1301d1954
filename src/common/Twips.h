// Twips (1440 per inch) and their conversion to screen pixels at 15 twips per pixel.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace twips {

inline constexpr int perPixel = 15;
inline constexpr int perInch = 1440;
inline constexpr int perPoint = 20;

// Screen pixels for a twip measure, rounded to the nearest pixel.
constexpr int toPx(int value) {
    return value >= 0 ? (value + perPixel / 2) / perPixel : -((-value + perPixel / 2) / perPixel);
}

constexpr QRect rectToPx(int left, int top, int width, int height) {
    return QRect(toPx(left), toPx(top), toPx(width), toPx(height));
}

} // namespace twips
