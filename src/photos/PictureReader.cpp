// Turns the bytes of a picture file into a picture no larger than a card photo needs.
#include "PictureReader.h"

#include "ExifOrientation.h"
#include "JpegDecoder.h"
#include "PhotoCanvas.h"

#include <QImageReader>
#include <cmath>

namespace {
Error unreadable(const QString& name) {
    return Error{QStringLiteral("Het bestand \"%1\" is geen leesbare foto.").arg(name)};
}

Error tooLarge(const QString& name, QSize size) {
    return Error{QStringLiteral("De foto \"%1\" is te groot (%2 x %3 beeldpunten).")
                     .arg(name)
                     .arg(size.width())
                     .arg(size.height())};
}

// A side longer than any JPEG or GIF can have is a damaged or hostile header: stretching such a
// thin picture onto the canvas would take many seconds. So is more pixels than the largest photo.
bool beyondLimits(QSize size) {
    return size.width() > PictureReader::kMaxSide || size.height() > PictureReader::kMaxSide ||
           qint64(size.width()) * size.height() > JpegDecoder::kMaxPixels;
}

// The smallest size of the picture's own proportions that still covers `need`, or `stored`
// itself when that is already small enough.
QSize coveringSize(QSize stored, QSize need) {
    const double factor =
        qMax(double(need.width()) / stored.width(), double(need.height()) / stored.height());
    if (factor >= 1.0)
        return stored;
    return QSize(qMax(1, int(std::ceil(stored.width() * factor))),
                 qMax(1, int(std::ceil(stored.height() * factor))));
}
} // namespace

QSize DecodedPicture::uprightSize() const {
    const QSize size = fullSize.isValid() ? fullSize : stored.size();
    return ExifOrientation::swapsAxes(orientation) ? size.transposed() : size;
}

QImage DecodedPicture::upright() const {
    return ExifOrientation::upright(stored, orientation);
}

Result<DecodedPicture> PictureReader::read(QIODevice& device, QSize cover,
                                           const QString& displayName) {
    if (!JpegDecoder::isJpeg(device))
        return readWithQt(device, cover, displayName);
    const qint64 start = device.pos();
    const JpegDecoder::Decoded jpeg = JpegDecoder::decode(device, cover);
    switch (jpeg.outcome) {
    case JpegDecoder::Outcome::Decoded:
        return DecodedPicture{jpeg.picture, jpeg.orientation, jpeg.storedSize};
    case JpegDecoder::Outcome::TooLarge:
        return tooLarge(displayName, jpeg.storedSize);
    case JpegDecoder::Outcome::Unreadable:
        return unreadable(displayName);
    case JpegDecoder::Outcome::Unsupported:
        break;
    }
    if (device.isSequential() || !device.seek(start))
        return unreadable(displayName);
    return readWithQt(device, cover, displayName);
}

Result<DecodedPicture> PictureReader::readWithQt(QIODevice& device, QSize cover,
                                                 const QString& displayName) {
    QImageReader reader(&device);
    reader.setAutoTransform(true);
    const QSize stored = reader.size();
    if (!reader.canRead())
        return unreadable(displayName);
    if (stored.isValid()) {
        if (beyondLimits(stored))
            return tooLarge(displayName, stored);
        // The scaled size is taken before the picture is turned upright.
        const bool turned = reader.transformation() & QImageIOHandler::TransformationRotate90;
        const QSize scaled = coveringSize(stored, turned ? cover.transposed() : cover);
        if (scaled != stored)
            reader.setScaledSize(scaled);
    }
    const QImage picture = reader.read();
    if (picture.isNull()) {
        const qint64 bytes = qint64(stored.width()) * stored.height() * 4;
        if (stored.isValid() && bytes > qint64(QImageReader::allocationLimit()) * 1024 * 1024)
            return tooLarge(displayName, stored);
        return unreadable(displayName);
    }
    if (beyondLimits(picture.size())) // a reader that could not tell the size beforehand
        return tooLarge(displayName, picture.size());
    return DecodedPicture{PhotoCanvas::opaque(picture), 1, {}}; // Qt has turned it upright
}
