// The main window's own pictures: window icon, deck buttons, placeholders and the photo pointer.
#pragma once

#include <QImage>
#include <QPoint>

namespace artwork {

// The pixel of the photo pointer that is its pen tip; the window uses it as the hot spot.
inline constexpr QPoint kPointerHotSpot{1, 1};

// The window icon, a box of playing cards, drawn on a 64 x 64 grid and scaled to `size` pixels.
QImage windowIcon(int size);

// The deck buttons and the thumbnail placeholder are drawn `scale` times as large for screens of a
// higher pixel density; the photo placeholder already has twice the pixels of its box.
QImage normalDeckButton(int scale = 1); // 32 x 32, subject bar, photo and four name lines, one red
QImage childDeckButton(int scale = 1);  // 32 x 32, photo over four small squares
QImage photoPlaceholder();              // 240 x 160, sand with "Foto" in brown
QImage thumbPlaceholder(int scale = 1); // 37 x 37, plain light blue
QImage photoPointer();                  // 32 x 32, a hand holding a pen, tip at kPointerHotSpot

} // namespace artwork
