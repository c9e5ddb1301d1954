// Deterministic photo-like JPEG files of phone-camera sizes, written once into the work folder.
#include "BenchPictures.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <cmath>
#include <cstdio> // jpeglib.h needs FILE
#include <jpeglib.h>
#include <vector>

namespace {
// Bumped whenever the pictures change, so old files in the work folder are not reused.
constexpr int kVersion = 1;

quint32 hash(quint32 x, quint32 y) {
    quint32 h = x * 0x9E3779B1u ^ (y + 0x7F4A7C15u) * 0x85EBCA77u;
    h ^= h >> 15;
    h *= 0x2C1B3C6Du;
    h ^= h >> 12;
    return h;
}

quint8 clampByte(float value) {
    return quint8(value < 0 ? 0 : value > 255 ? 255 : value);
}

// One row of the picture: a sky-to-ground gradient, two soft discs, a fine ripple and noise, all
// in proportion to the picture, so every size looks alike and compresses like a photo.
void fillRow(std::vector<JSAMPLE>& row, int y, QSize size, int variant) {
    const float v = float(y) / float(size.height());
    const float w = float(size.width());
    for (int x = 0; x < size.width(); ++x) {
        const float u = float(x) / w;
        const float d1 = std::hypot(u - 0.35f - 0.1f * float(variant % 6), v - 0.45f);
        const float d2 = std::hypot(u - 0.7f, v - 0.6f);
        const float disc = 90.0f / (1.0f + 400.0f * d1 * d1) - 70.0f / (1.0f + 300.0f * d2 * d2);
        const float ripple = 14.0f * std::sin(float(x) * 0.045f) * std::sin(float(y) * 0.061f);
        const quint32 n = hash(quint32(x + 7919 * variant), quint32(y));
        const float noise = float(int(n & 31) - 16);
        const float base = v < 0.55f ? 120.0f + 100.0f * (1.0f - v) : 90.0f + 60.0f * v;
        row[size_t(3 * x)] = clampByte(base * 0.7f + disc + ripple + noise);
        const float noise2 = float(int(n >> 8 & 31) - 16);
        const float sky = v < 0.55f ? 255.0f : 60.0f;
        row[size_t(3 * x + 1)] = clampByte(base * 0.85f + disc * 0.5f + ripple + noise2);
        row[size_t(3 * x + 2)] = clampByte(sky * (1.0f - v * 0.5f) - disc * 0.3f + noise);
    }
}

// An APP1 block holding only the orientation tag, little-endian.
std::vector<JOCTET> exifBlock(int orientation) {
    const unsigned char header[] = {'E',
                                    'x',
                                    'i',
                                    'f',
                                    0,
                                    0,
                                    'I',
                                    'I',
                                    42,
                                    0,
                                    8,
                                    0,
                                    0,
                                    0,
                                    1,
                                    0, // one entry
                                    0x12,
                                    0x01,
                                    3,
                                    0,
                                    1,
                                    0,
                                    0,
                                    0, // orientation, SHORT, count 1
                                    static_cast<unsigned char>(orientation),
                                    0,
                                    0,
                                    0,
                                    0,
                                    0,
                                    0,
                                    0}; // no next directory
    return std::vector<JOCTET>(std::begin(header), std::end(header));
}
} // namespace

QList<BenchPictures::Photo> BenchPictures::standard() {
    return {{QStringLiteral("photo-12mp.jpg"), {4000, 3000}, 1},
            {QStringLiteral("photo-24mp.jpg"), {6000, 4000}, 1},
            {QStringLiteral("photo-24mp-exif6.jpg"), {6000, 4000}, 6},
            {QStringLiteral("photo-48mp.jpg"), {8000, 6000}, 1},
            {QStringLiteral("photo-108mp.jpg"), {12000, 9000}, 1}};
}

QList<BenchPictures::Photo> BenchPictures::series(int megapixels) {
    const QSize size = megapixels == 48 ? QSize(8000, 6000) : QSize(6000, 4000);
    QList<Photo> photos;
    for (int variant = 0; variant < 4; ++variant)
        photos.append({QStringLiteral("photo-%1mp-card%2.jpg").arg(megapixels).arg(variant + 1),
                       size, 1, variant});
    return photos;
}

QList<BenchPictures::Photo> BenchPictures::game(int count) {
    QList<Photo> photos;
    for (int variant = 0; variant < count; ++variant)
        photos.append({QStringLiteral("photo-24mp-game%1.jpg").arg(variant + 1, 2, 10, QChar(u'0')),
                       {6000, 4000},
                       1,
                       variant});
    return photos;
}

BenchPictures::Photo BenchPictures::byName(const QString& name) {
    for (const Photo& photo : standard())
        if (photo.name == name)
            return photo;
    qFatal("no bench picture %s", qPrintable(name));
}

QString BenchPictures::pathIn(const QString& folder, const Photo& photo) {
    return QDir(folder).filePath(QStringLiteral("v%1-%2").arg(kVersion).arg(photo.name));
}

QString BenchPictures::ensure(const QString& folder, const Photo& photo) {
    QDir().mkpath(folder);
    const QString path = pathIn(folder, photo);
    if (!QFileInfo::exists(path) && !write(path, photo))
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

bool BenchPictures::write(const QString& path, const Photo& photo) {
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors); // a failure ends the benchmark, which is what we want
    jpeg_create_compress(&info);
    unsigned char* bytes = nullptr;
    unsigned long length = 0;
    jpeg_mem_dest(&info, &bytes, &length);
    info.image_width = JDIMENSION(photo.stored.width());
    info.image_height = JDIMENSION(photo.stored.height());
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 90, TRUE);
    jpeg_start_compress(&info, TRUE);
    if (photo.orientation != 1) {
        const std::vector<JOCTET> exif = exifBlock(photo.orientation);
        jpeg_write_marker(&info, JPEG_APP0 + 1, exif.data(), unsigned(exif.size()));
    }
    std::vector<JSAMPLE> row(size_t(3 * photo.stored.width()));
    while (info.next_scanline < info.image_height) {
        fillRow(row, int(info.next_scanline), photo.stored, photo.variant);
        JSAMPROW rows[1] = {row.data()};
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);

    QSaveFile file(path);
    const bool written =
        file.open(QIODevice::WriteOnly) &&
        file.write(reinterpret_cast<const char*>(bytes), qint64(length)) == qint64(length) &&
        file.commit();
    std::free(bytes);
    return written;
}
