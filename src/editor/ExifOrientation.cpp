// Reads the orientation tag of a photo's Exif block and turns a picture upright by it.
#include "ExifOrientation.h"

#include <QTransform>

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

QImage ExifOrientation::upright(const QImage& stored, int orientation) {
    // Mirror first, then turn a quarter clockwise where needed; both are Qt's fast paths.
    const bool mirror = orientation == 2 || orientation == 7;
    const bool flip = orientation == 4 || orientation == 5;
    const QImage mirrored = mirror || flip ? stored.mirrored(mirror, flip) : stored;
    switch (orientation) {
    case 3: return stored.mirrored(true, true); // both mirrors make half a turn
    case 5:
    case 6:
    case 7: return mirrored.transformed(QTransform().rotate(90));
    case 8: return stored.transformed(QTransform().rotate(270));
    default: return mirrored;
    }
}
