// Reads the orientation tag of a photo's Exif block and turns a picture upright by it.
#include "ExifOrientation.h"

#include <QRect>
#include <algorithm>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {
constexpr int kTiffStart = 6; // after "Exif\0\0"
constexpr quint16 kOrientationTag = 0x0112;

// Bounds-checked reads of the TIFF structure in either byte order.
class TiffReader final {
public:
    TiffReader(const QByteArray& data, bool bigEndian) : m_data(data), m_bigEndian(bigEndian) {}
    bool has(qsizetype offset, qsizetype length) const {
        return offset >= 0 && length >= 0 && offset <= m_data.size() - kTiffStart - length;
    }
    quint16 u16(qsizetype offset) const {
        const auto a = quint8(m_data[kTiffStart + offset]);
        const auto b = quint8(m_data[kTiffStart + offset + 1]);
        return m_bigEndian ? quint16(a << 8 | b) : quint16(b << 8 | a);
    }
    quint32 u32(qsizetype offset) const {
        const quint32 high = u16(offset);
        const quint32 low = u16(offset + 2);
        return m_bigEndian ? (high << 16 | low) : (low << 16 | high);
    }

private:
    const QByteArray& m_data;
    bool m_bigEndian;
};
} // namespace

int ExifOrientation::fromApp1(const QByteArray& payload) {
    if (!payload.startsWith(QByteArray("Exif\0\0", 6)) || payload.size() < kTiffStart + 8)
        return 1;
    const QByteArray order = payload.mid(kTiffStart, 2);
    if (order != "MM" && order != "II")
        return 1;
    const TiffReader tiff(payload, order == "MM");
    if (tiff.u16(2) != 42)
        return 1;
    const qsizetype ifd = tiff.u32(4);
    if (!tiff.has(ifd, 2))
        return 1;
    const int entries = tiff.u16(ifd);
    for (int i = 0; i < entries; ++i) {
        const qsizetype entry = ifd + 2 + 12 * qsizetype(i);
        if (!tiff.has(entry, 12))
            return 1;
        if (tiff.u16(entry) != kOrientationTag)
            continue;
        const int value = tiff.u16(entry + 8); // a SHORT sits in the first bytes of the value field
        return value >= 1 && value <= 8 ? value : 1;
    }
    return 1;
}

namespace {

// Where a stored pixel lands in the upright target: the stored top-left pixel at `origin`, and a
// step across or down the stored picture `across` or `down` further, in target pixels.
struct Placement {
    qsizetype origin = 0;
    qsizetype across = 1;
    qsizetype down = 1;
};

Placement placementFor(int orientation, int w, int h, qsizetype stride) {
    switch (orientation) {
    case 2: // mirrored
        return {w - 1, -1, stride};
    case 3: // half a turn
        return {(h - 1) * stride + w - 1, -1, -stride};
    case 4: // upside down
        return {(h - 1) * stride, 1, -stride};
    case 5: // transposed
        return {0, stride, 1};
    case 6: // a quarter right
        return {h - 1, stride, -1};
    case 7:
        return {(w - 1) * stride + h - 1, -stride, -1};
    case 8: // a quarter left
        return {(w - 1) * stride, -stride, 1};
    default:
        return {0, 1, stride};
    }
}

// Writes the pixels of `stored` in columns [left, right) of rows [top, bottom) into the target.
void drawPixels(const QImage& stored, QRgb* corner, Placement at, QRect rect) {
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        const QRgb* in = reinterpret_cast<const QRgb*>(stored.constScanLine(y));
        QRgb* out = corner + at.origin + y * at.down;
        for (int x = rect.left(); x <= rect.right(); ++x)
            out[x * at.across] = in[x];
    }
}

#if defined(__SSE2__)
// For an orientation that swaps the axes: turns the stored picture in blocks of 4 x 4 pixels,
// each transposed in registers, so every write is four pixels of a target row. Returns the part
// of the stored picture done; the pixels right of it and below it are left.
QRect drawBlocks(const QImage& stored, QRgb* corner, Placement at) {
    const int w = stored.width() / 4 * 4;
    const int h = stored.height() / 4 * 4;
    const bool reversed = at.down < 0; // the stored rows run right to left in the target
    const qsizetype row = at.across;   // one stored column further is one target row further
    constexpr int kTile = 64;          // the rows read and written stay in the processor's cache
    for (int top = 0; top < h; top += kTile) {
        for (int left = 0; left < w; left += kTile) {
            for (int y = top; y < std::min(top + kTile, h); y += 4) {
                const QRgb* in = reinterpret_cast<const QRgb*>(stored.constScanLine(y));
                const qsizetype bytes = stored.bytesPerLine();
                // The four target pixels of a stored column start at this row's lowest column.
                QRgb* out = corner + at.origin + (reversed ? y + 3 : y) * at.down;
                for (int x = left; x < std::min(left + kTile, w); x += 4) {
                    __m128i r[4];
                    for (int k = 0; k < 4; ++k)
                        r[k] = _mm_loadu_si128(reinterpret_cast<const __m128i*>(
                            reinterpret_cast<const uchar*>(in + x) + k * bytes));
                    const __m128i t0 = _mm_unpacklo_epi32(r[0], r[1]);
                    const __m128i t1 = _mm_unpacklo_epi32(r[2], r[3]);
                    const __m128i t2 = _mm_unpackhi_epi32(r[0], r[1]);
                    const __m128i t3 = _mm_unpackhi_epi32(r[2], r[3]);
                    __m128i c[4] = {_mm_unpacklo_epi64(t0, t1), _mm_unpackhi_epi64(t0, t1),
                                    _mm_unpacklo_epi64(t2, t3), _mm_unpackhi_epi64(t2, t3)};
                    for (int k = 0; k < 4; ++k) {
                        if (reversed)
                            c[k] = _mm_shuffle_epi32(c[k], _MM_SHUFFLE(0, 1, 2, 3));
                        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + (x + k) * row), c[k]);
                    }
                }
            }
        }
    }
    return QRect(0, 0, w, h);
}
#endif

// Writes the 32-bit picture `stored`, turned upright, into the 32-bit `target` of the upright
// size, each pixel where `at` places it.
void drawUpright(const QImage& stored, int orientation, Placement at, QImage& target) {
    const int w = stored.width();
    const int h = stored.height();
    QRgb* const corner = reinterpret_cast<QRgb*>(target.scanLine(0));
#if defined(__SSE2__)
    if (ExifOrientation::swapsAxes(orientation)) {
        const QRect done = drawBlocks(stored, corner, at);
        drawPixels(stored, corner, at, QRect(done.width(), 0, w - done.width(), h));
        drawPixels(stored, corner, at, QRect(0, done.height(), done.width(), h - done.height()));
        return;
    }
#endif
    // Square tiles keep both the rows read and the columns written in the first-level cache.
    constexpr int kTile = 32;
    for (int top = 0; top < h; top += kTile)
        for (int left = 0; left < w; left += kTile)
            drawPixels(stored, corner, at,
                       QRect(left, top, std::min(kTile, w - left), std::min(kTile, h - top)));
}

} // namespace

QImage ExifOrientation::upright(const QImage& stored, int orientation) {
    if (orientation < 2 || orientation > 8 || stored.isNull())
        return stored;
    const QImage source =
        stored.depth() == 32 ? stored : stored.convertToFormat(QImage::Format_ARGB32);
    QImage turned(swapsAxes(orientation) ? source.size().transposed() : source.size(),
                  source.format());
    if (turned.isNull())
        return {};
    drawUpright(
        source, orientation,
        placementFor(orientation, source.width(), source.height(), turned.bytesPerLine() / 4),
        turned);
    return turned;
}

void ExifOrientation::placeRows(const QImage& rows, int first, QSize stored, int orientation,
                                QImage& upright) {
    Placement at =
        placementFor(orientation, stored.width(), stored.height(), upright.bytesPerLine() / 4);
    at.origin += first * at.down;
    drawUpright(rows, orientation, at, upright);
}
