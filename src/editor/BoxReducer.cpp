// Shrinks pictures by whole powers of two, averaging each block of pixels: fast and alias-free.
#include "BoxReducer.h"

#include <bit>

namespace {
// Means of `count` blocks of FX x FY pixels (fx x fy when the template arguments are 0). Two
// channels are summed at a time in 16-bit lanes, which hold the sum of up to 256 pixels.
template <int FX, int FY>
void sumBlocks(const QRgb* rows, qsizetype stride, int count, QRgb* out, int fx = FX, int fy = FY) {
    constexpr quint32 kMask = 0x00ff00ff;
    if constexpr (FX > 0) {
        fx = FX;
        fy = FY;
    }
    const int shift = std::countr_zero(quint32(fx * fy));
    const quint32 rounding = (quint32(1) << shift >> 1) * 0x00010001;
    for (int o = 0; o < count; ++o) {
        quint32 low = rounding;
        quint32 high = rounding;
        for (int y = 0; y < fy; ++y) {
            const QRgb* block = rows + y * stride + o * fx;
            for (int x = 0; x < fx; ++x) {
                low += block[x] & kMask;
                high += (block[x] >> 8) & kMask;
            }
        }
        out[o] = ((low >> shift) & kMask) | (((high >> shift) & kMask) << 8);
    }
}

int factorFor(int size, int target) {
    int factor = 1;
    while (target > 0 && size / (2 * factor) >= target)
        factor *= 2;
    return factor;
}
} // namespace

QSize BoxReducer::factorsFor(QSize size, QSize target) {
    QSize factors(factorFor(size.width(), target.width()), factorFor(size.height(), target.height()));
    while (factors.width() * factors.height() > kMaxBlock) {
        if (factors.width() >= factors.height())
            factors.rwidth() /= 2;
        else
            factors.rheight() /= 2;
    }
    return factors;
}

QSize BoxReducer::reducedSize(QSize size, QSize factors) {
    return QSize((size.width() + factors.width() - 1) / factors.width(),
                 (size.height() + factors.height() - 1) / factors.height());
}

void BoxReducer::reduceRow(const QRgb* rows, qsizetype stride, int width, QSize factors, QRgb* out) {
    const int fx = factors.width();
    const int fy = factors.height();
    const int whole = width / fx; // blocks that lie inside the row
    // The common shapes get loops of fixed length, which the compiler unrolls and vectorises.
    if (fx == 2 && fy == 1)
        sumBlocks<2, 1>(rows, stride, whole, out);
    else if (fx == 1 && fy == 2)
        sumBlocks<1, 2>(rows, stride, whole, out);
    else if (fx == 2 && fy == 2)
        sumBlocks<2, 2>(rows, stride, whole, out);
    else
        sumBlocks<0, 0>(rows, stride, whole, out, fx, fy);
    if (whole * fx < width) { // a part block at the right end repeats its last column
        QRgb block[kMaxBlock];
        for (int y = 0; y < fy; ++y)
            for (int x = 0; x < fx; ++x)
                block[y * fx + x] = rows[y * stride + qMin(whole * fx + x, width - 1)];
        sumBlocks<0, 0>(block, fx, 1, out + whole, fx, fy);
    }
}
