// Scales a picture that arrives row by row, as a decoder gives it, straight to the size it is kept
// at.
#include "RowScaler.h"

#include "ExifOrientation.h"

#include <algorithm>
#include <cmath>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {
// (a * (256 - w) + b * w + 128) / 256 for each channel, two channels at a time.
QRgb mix(QRgb a, QRgb b, quint32 w) {
    constexpr quint32 kMask = 0x00ff00ff;
    const quint32 rest = 256 - w;
    const quint32 low = ((a & kMask) * rest + (b & kMask) * w + 0x00800080) >> 8;
    const quint32 high = ((a >> 8) & kMask) * rest + ((b >> 8) & kMask) * w + 0x00800080;
    return (low & kMask) | (high & ~kMask);
}
} // namespace

RowScaler::RowScaler(QSize from, QImage& out, int orientation)
    : m_out(out), m_orientation(orientation),
      m_size(ExifOrientation::swapsAxes(orientation) ? out.size().transposed() : out.size()),
      m_across(stepsFor(from.width(), m_size.width())),
      m_down(stepsFor(from.height(), m_size.height())),
      m_spare(from.width(), 1, QImage::Format_RGB32),
      m_made(m_size.width(), kMadeRows, QImage::Format_RGB32) {
    for (QImage& scaled : m_scaled)
        scaled = QImage(m_size.width(), 1, QImage::Format_RGB32);
    for (const Step& step : m_across) {
        Lanes lanes;
        for (int k = 0; k < 4; ++k) {
            lanes.weights[k] = qint16(256 - step.weight);
            lanes.weights[k + 4] = qint16(step.weight);
        }
        m_acrossLanes.push_back(lanes);
    }
}

std::vector<RowScaler::Step> RowScaler::stepsFor(int from, int to) {
    std::vector<Step> steps(size_t(std::max(to, 0)));
    for (int i = 0; i < to; ++i) {
        const double at =
            std::clamp((i + 0.5) * from / to - 0.5, 0.0, double(std::max(from - 1, 0)));
        Step& step = steps[size_t(i)];
        step.first = std::min(int(at), std::max(from - 2, 0));
        step.weight = quint16(std::lround((at - step.first) * 256));
    }
    return steps;
}

void RowScaler::take(const QRgb* row) {
    const int source = m_row++;
    // A row that no row of the result lies next to is not scaled at all.
    if (m_target >= m_size.height() || source < m_down[size_t(m_target)].first)
        return;
    const int slot = source & 1;
    scaleAcross(row, reinterpret_cast<QRgb*>(m_scaled[slot].scanLine(0)));
    while (m_target < m_size.height()) {
        const Step down = m_down[size_t(m_target)];
        if (down.first + 1 > source)
            break;
        // Two neighbouring rows, so one in each slot.
        const int upper = down.first & 1;
        const bool turned = m_orientation != 1;
        const int made = m_target % kMadeRows;
        blendDown(
            reinterpret_cast<const QRgb*>(m_scaled[upper].constScanLine(0)),
            reinterpret_cast<const QRgb*>(m_scaled[1 - upper].constScanLine(0)), down.weight,
            reinterpret_cast<QRgb*>(turned ? m_made.scanLine(made) : m_out.scanLine(m_target)));
        ++m_target;
        // Turned a few rows at a time, in blocks that stay in the processor's cache.
        if (turned && (made == kMadeRows - 1 || m_target == m_size.height()))
            ExifOrientation::placeRows(QImage(m_made.constBits(), m_made.width(), made + 1,
                                              m_made.bytesPerLine(), m_made.format()),
                                       m_target - made - 1, m_size, m_orientation, m_out);
    }
}

void RowScaler::scaleAcross(const QRgb* row, QRgb* out) const {
    const int width = int(m_across.size());
#if defined(__SSE2__)
    const __m128i zero = _mm_setzero_si128();
    const __m128i rounding = _mm_set1_epi16(128);
    // Each channel of the two neighbouring pixels, in 16-bit lanes, times its weight.
    const auto weighted = [&](int x) {
        const __m128i pair = _mm_unpacklo_epi8(
            _mm_loadl_epi64(reinterpret_cast<const __m128i*>(row + m_across[size_t(x)].first)),
            zero);
        return _mm_mullo_epi16(pair, _mm_load_si128(reinterpret_cast<const __m128i*>(
                                         m_acrossLanes[size_t(x)].weights)));
    };
    int x = 0;
    for (; x + 2 <= width; x += 2) { // two pixels of the result at a time
        const __m128i a = weighted(x);
        const __m128i b = weighted(x + 1);
        const __m128i sum = _mm_add_epi16(
            _mm_add_epi16(_mm_unpacklo_epi64(a, b), _mm_unpackhi_epi64(a, b)), rounding);
        _mm_storel_epi64(reinterpret_cast<__m128i*>(out + x),
                         _mm_packus_epi16(_mm_srli_epi16(sum, 8), zero));
    }
    for (; x < width; ++x) {
        const Step step = m_across[size_t(x)];
        out[x] = mix(row[step.first], row[step.first + 1], step.weight);
    }
#else
    for (int x = 0; x < width; ++x) {
        const Step step = m_across[size_t(x)];
        out[x] = mix(row[step.first], row[step.first + 1], step.weight);
    }
#endif
}

void RowScaler::blendDown(const QRgb* upper, const QRgb* lower, int weight, QRgb* out) const {
    const int width = m_size.width();
    int x = 0;
#if defined(__SSE2__)
    const __m128i zero = _mm_setzero_si128();
    const __m128i rounding = _mm_set1_epi16(128);
    const __m128i upperWeight = _mm_set1_epi16(short(256 - weight));
    const __m128i lowerWeight = _mm_set1_epi16(short(weight));
    const auto blend = [&](__m128i a, __m128i b) {
        const __m128i sum =
            _mm_add_epi16(_mm_mullo_epi16(a, upperWeight), _mm_mullo_epi16(b, lowerWeight));
        return _mm_srli_epi16(_mm_add_epi16(sum, rounding), 8);
    };
    for (; x + 4 <= width; x += 4) {
        const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(upper + x));
        const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(lower + x));
        const __m128i low = blend(_mm_unpacklo_epi8(a, zero), _mm_unpacklo_epi8(b, zero));
        const __m128i high = blend(_mm_unpackhi_epi8(a, zero), _mm_unpackhi_epi8(b, zero));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + x), _mm_packus_epi16(low, high));
    }
#endif
    for (; x < width; ++x)
        out[x] = mix(upper[x], lower[x], quint32(weight));
}
