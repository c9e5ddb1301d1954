// Shrinks pictures by whole powers of two, averaging each block of pixels: fast and alias-free.
#pragma once

#include <QRgb>
#include <QSize>

class BoxReducer final {
public:
    static constexpr int kMaxBlock = 256; // pixels averaged into one, at most

    // The largest power-of-two factors (across, down) by which `size` can shrink and still be at
    // least `target` in that direction, with blocks of at most kMaxBlock pixels; (1, 1) when it
    // is already less than twice `target`.
    static QSize factorsFor(QSize size, QSize target);
    // The size `size` shrinks to by `factors`; a last part block counts as a whole pixel.
    static QSize reducedSize(QSize size, QSize factors);
    // One output row: the mean of each factors.width() x `rowCount` block of the `rowCount` rows
    // starting at `rows`, `stride` pixels apart, `width` pixels wide. `rowCount` is
    // factors.height() (repeat the last row to fill a short band at the bottom).
    static void reduceRow(const QRgb* rows, qsizetype stride, int width, QSize factors, QRgb* out);
};
