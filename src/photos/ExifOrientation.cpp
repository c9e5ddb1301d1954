// Reads the orientation tag of a photo's Exif block and turns a picture upright by it.
#include "ExifOrientation.h"

#include <algorithm>

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

// Writes the 32-bit picture `stored`, turned upright, into the 32-bit `target` of the upright
// size, pixel by pixel.
void drawUpright(const QImage& stored, int orientation, QImage& target) {
    const int w = stored.width();
    const int h = stored.height();
    const qsizetype stride = target.bytesPerLine() / 4;
    QRgb* const corner = reinterpret_cast<QRgb*>(target.scanLine(0));
    // Where the stored top-left pixel lands, and how far a step across or down the stored
    // picture moves in the target.
    qsizetype origin = 0;
    qsizetype across = 1;
    qsizetype down = stride;
    switch (orientation) {
    case 2: // mirrored
        origin = w - 1, across = -1;
        break;
    case 3: // half a turn
        origin = (h - 1) * stride + w - 1, across = -1, down = -stride;
        break;
    case 4: // upside down
        origin = (h - 1) * stride, down = -stride;
        break;
    case 5: // transposed
        across = stride, down = 1;
        break;
    case 6: // a quarter right
        origin = h - 1, across = stride, down = -1;
        break;
    case 7:
        origin = (w - 1) * stride + h - 1, across = -stride, down = -1;
        break;
    case 8: // a quarter left
        origin = (w - 1) * stride, across = -stride, down = 1;
        break;
    default:
        break;
    }
    // Square tiles keep both the rows read and the columns written in the first-level cache.
    constexpr int kTile = 32;
    for (int top = 0; top < h; top += kTile) {
        const int bottom = std::min(top + kTile, h);
        for (int left = 0; left < w; left += kTile) {
            const int right = std::min(left + kTile, w);
            for (int y = top; y < bottom; ++y) {
                const QRgb* in = reinterpret_cast<const QRgb*>(stored.constScanLine(y));
                QRgb* out = corner + origin + y * down;
                for (int x = left; x < right; ++x)
                    out[x * across] = in[x];
            }
        }
    }
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
    drawUpright(source, orientation, turned);
    return turned;
}
