// Pixel files: "MPX1", the width and height as 32-bit little-endian numbers, then the rows of
// 32-bit premultiplied ARGB pixels in the machine's own byte order (they are made by the build).
#include "PixelFile.h"

#include <QtEndian>
#include <cstring>

namespace {
constexpr char kMagic[4] = {'M', 'P', 'X', '1'};
constexpr qsizetype kHeader = 12;
constexpr int kLargestSide = 4096;
constexpr auto kFormat = QImage::Format_ARGB32_Premultiplied;
} // namespace

QByteArray PixelFile::encode(const QImage& picture) {
    const QImage pixels = picture.convertToFormat(kFormat);
    const qsizetype row = qsizetype(pixels.width()) * 4;
    QByteArray bytes(kHeader + row * pixels.height(), Qt::Uninitialized);
    std::memcpy(bytes.data(), kMagic, 4);
    qToLittleEndian<quint32>(quint32(pixels.width()), bytes.data() + 4);
    qToLittleEndian<quint32>(quint32(pixels.height()), bytes.data() + 8);
    for (int y = 0; y < pixels.height(); ++y)
        std::memcpy(bytes.data() + kHeader + row * y, pixels.constScanLine(y), size_t(row));
    return bytes;
}

QImage PixelFile::decode(QByteArrayView bytes) {
    if (bytes.size() < kHeader || std::memcmp(bytes.data(), kMagic, 4) != 0)
        return {};
    const quint32 width = qFromLittleEndian<quint32>(bytes.data() + 4);
    const quint32 height = qFromLittleEndian<quint32>(bytes.data() + 8);
    if (width < 1 || height < 1 || width > kLargestSide || height > kLargestSide)
        return {};
    const qsizetype row = qsizetype(width) * 4;
    if (bytes.size() != kHeader + row * qsizetype(height))
        return {};
    QImage picture(int(width), int(height), kFormat);
    for (int y = 0; y < picture.height(); ++y)
        std::memcpy(picture.scanLine(y), bytes.data() + kHeader + row * y, size_t(row));
    return picture;
}
