// Shrinks pictures by whole powers of two, averaging each block of pixels: fast and alias-free.
#include "BoxReducer.h"

#include <bit>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

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

// Rounded means (a + b + 1) / 2 of neighbouring pixel pairs, exactly as sumBlocks<2, 1> gives
// them. Photos taken with the phone held upright come in this shape, so it gets the vector unit.
void pairMeans(const QRgb* row, int count, QRgb* out) {
    int o = 0;
#if defined(__SSE2__)
    const auto load = [row](int at) {
        return _mm_castsi128_ps(_mm_loadu_si128(reinterpret_cast<const __m128i*>(row + at)));
    };
    for (; o + 4 <= count; o += 4) {
        const __m128 a = load(2 * o);
        const __m128 b = load(2 * o + 4);
        const __m128i even = _mm_castps_si128(_mm_shuffle_ps(a, b, _MM_SHUFFLE(2, 0, 2, 0)));
        const __m128i odd = _mm_castps_si128(_mm_shuffle_ps(a, b, _MM_SHUFFLE(3, 1, 3, 1)));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + o), _mm_avg_epu8(even, odd));
    }
#endif
    sumBlocks<2, 1>(row + 2 * o, 0, count - o, out + o);
}

int factorFor(int size, int target) {
    int factor = 1;
    while (target > 0 && size / (2 * factor) >= target)
        factor *= 2;
    return factor;
}
} // namespace

QSize BoxReducer::factorsFor(QSize size, QSize target) {
    QSize factors(factorFor(size.width(), target.width()),
                  factorFor(size.height(), target.height()));
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

void BoxReducer::reduceRow(const QRgb* rows, qsizetype stride, int width, QSize factors,
                           QRgb* out) {
    const int fx = factors.width();
    const int fy = factors.height();
    const int whole = width / fx; // blocks that lie inside the row
    // The common shapes get loops of fixed length, which the compiler unrolls and vectorises.
    if (fx == 2 && fy == 1)
        pairMeans(rows, whole, out);
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
