// Writing the generated pictures into the source tree, or checking the files there against them.
#include "ArtworkFiles.h"

#include "ShellPictures.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>
#include <QSaveFile>
#include <cstdlib>

namespace artwork {
namespace {

// The image as it is stored: opaque pictures without an alpha channel, the rest with one.
QImage storedForm(const Artwork& art) {
    const bool opaque = art.type == FileType::Jpeg || !art.image.hasAlphaChannel();
    return art.image.convertToFormat(opaque ? QImage::Format_RGB32 : QImage::Format_ARGB32);
}

bool encode(const Artwork& art, QIODevice& device, QString& error) {
    QImageWriter writer(&device, art.type == FileType::Jpeg ? "jpeg" : "png");
    if (art.type == FileType::Jpeg) {
        writer.setQuality(kJpegQuality);
        writer.setOptimizedWrite(true);
    }
    if (!writer.write(storedForm(art))) {
        error = writer.errorString();
        return false;
    }
    return true;
}

// Largest difference of any colour or alpha channel between two images of one size, beyond the
// one level by which un-premultiplying a partly transparent pixel rounds differently on different
// processors.
int largestDifference(const QImage& a, const QImage& b) {
    int largest = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            const int colour =
                std::max({std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                          std::abs(qBlue(p) - qBlue(q))});
            const bool seeThrough = qAlpha(p) < 255 && qAlpha(q) < 255;
            largest = std::max(
                {largest, seeThrough && colour == 1 ? 0 : colour, std::abs(qAlpha(p) - qAlpha(q))});
        }
    }
    return largest;
}

} // namespace

QStringList selfCheck(const Artwork& art) {
    QStringList problems;
    if (art.image.size() != art.size)
        problems << QStringLiteral("%1: drawn at %2 x %3, expected %4 x %5")
                        .arg(art.relativePath)
                        .arg(art.image.width())
                        .arg(art.image.height())
                        .arg(art.size.width())
                        .arg(art.size.height());
    if (art.relativePath.endsWith(QLatin1String("photo-pointer.png")) &&
        qAlpha(art.image.pixel(kPointerHotSpot)) != 255)
        problems << QStringLiteral("%1: the pen tip pixel is not opaque").arg(art.relativePath);
    return problems;
}

QString writeArtwork(const QDir& source, const Artwork& art) {
    const QString path = source.filePath(art.relativePath);
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return QStringLiteral("%1: %2").arg(path, file.errorString());
    QString error;
    if (!encode(art, file, error)) {
        file.cancelWriting();
        return QStringLiteral("%1: %2").arg(path, error);
    }
    if (!file.commit())
        return QStringLiteral("%1: %2").arg(path, file.errorString());
    return {};
}

QString compareArtwork(const QDir& source, const Artwork& art) {
    const QString path = source.filePath(art.relativePath);
    QImageReader reader(path);
    const QImage onDisk = reader.read();
    if (onDisk.isNull())
        return QStringLiteral("%1: cannot be read (%2)").arg(path, reader.errorString());
    QBuffer buffer;
    buffer.open(QIODevice::ReadWrite);
    QString error;
    if (!encode(art, buffer, error))
        return QStringLiteral("%1: %2").arg(path, error);
    const QImage fresh = QImage::fromData(buffer.data());
    if (fresh.size() != onDisk.size())
        return QStringLiteral("%1: size differs from the drawing").arg(path);
    if (fresh.dotsPerMeterX() != onDisk.dotsPerMeterX() ||
        fresh.dotsPerMeterY() != onDisk.dotsPerMeterY())
        return QStringLiteral("%1: resolution differs from the drawing").arg(path);
    // JPEG decoders may round differently by a step or two; anything more is a real change.
    const int tolerance = art.type == FileType::Jpeg ? 3 : 0;
    const int difference = largestDifference(fresh.convertToFormat(QImage::Format_ARGB32),
                                             onDisk.convertToFormat(QImage::Format_ARGB32));
    if (difference > tolerance)
        return QStringLiteral("%1: differs from the drawing by up to %2 levels")
            .arg(path)
            .arg(difference);
    return {};
}

} // namespace artwork
