// Turns the bytes of a picture file into the part of it the cards show, no larger than they need.
#include "PictureReader.h"

#include "CoverCrop.h"
#include "ExifOrientation.h"
#include "JpegDecoder.h"
#include "PhotoFit.h"
#include "Resampler.h"

#include <QImageReader>
#include <cmath>

namespace {
Error unreadable(const QString& name) {
    return Error{PictureReader::tr("Het bestand \"%1\" is geen leesbare foto.").arg(name)};
}

Error tooLarge(const QString& name, QSize size) {
    return Error{PictureReader::tr("De foto \"%1\" is te groot (%2 x %3 beeldpunten).")
                     .arg(name)
                     .arg(size.width())
                     .arg(size.height())};
}

// A side longer than any JPEG or GIF can have is a damaged or hostile header: scaling such a thin
// picture would take many seconds. So is more pixels than the largest photo.
bool beyondLimits(QSize size) {
    return size.width() > PictureReader::kMaxSide || size.height() > PictureReader::kMaxSide ||
           qint64(size.width()) * size.height() > JpegDecoder::kMaxPixels;
}

} // namespace

QSize DecodedPicture::uprightSize() const {
    const QSize size = partSize.isValid() ? partSize : stored.size();
    return ExifOrientation::swapsAxes(orientation) ? size.transposed() : size;
}

QSize DecodedPicture::uprightWholeSize() const {
    const QSize size = wholeSize.isValid() ? wholeSize : whole.size();
    return ExifOrientation::swapsAxes(orientation) ? size.transposed() : size;
}

QImage DecodedPicture::storedPart() const {
    if (!stored.isNull() || whole.isNull())
        return stored;
    const QSize full = wholeSize.isValid() ? wholeSize : whole.size();
    const QSize size = partSize.isValid() ? partSize : full;
    const auto share = [](int part, int of, int pixels) {
        return qBound(1, int(std::lround(double(part) * pixels / of)), pixels);
    };
    return whole.copy(CoverCrop::middle(
        whole.size(), QSize(share(size.width(), full.width(), whole.width()),
                            share(size.height(), full.height(), whole.height()))));
}

Result<DecodedPicture> PictureReader::read(QIODevice& device, const QString& displayName) {
    if (!JpegDecoder::isJpeg(device))
        return readWithQt(device, displayName);
    const qint64 start = device.pos();
    const JpegDecoder::Decoded jpeg = JpegDecoder::decode(device);
    switch (jpeg.outcome) {
    case JpegDecoder::Outcome::Decoded:
        return DecodedPicture{jpeg.picture, jpeg.orientation, jpeg.partSize, jpeg.whole,
                              jpeg.storedSize};
    case JpegDecoder::Outcome::TooLarge:
        return tooLarge(displayName, jpeg.storedSize);
    case JpegDecoder::Outcome::Unreadable:
        return unreadable(displayName);
    case JpegDecoder::Outcome::Unsupported:
        break;
    }
    if (device.isSequential() || !device.seek(start))
        return unreadable(displayName);
    return readWithQt(device, displayName);
}

Result<DecodedPicture> PictureReader::readWithQt(QIODevice& device, const QString& displayName) {
    const qint64 start = device.pos();
    QImageReader reader(&device);
    reader.setAutoTransform(true);
    const QSize stored = reader.size();
    if (!reader.canRead())
        return unreadable(displayName);
    // The part and its size are chosen upright, but cut and scaled before Qt turns it.
    const bool turned = reader.transformation() & QImageIOHandler::TransformationRotate90;
    const auto asStored = [turned](QSize size) { return turned ? size.transposed() : size; };
    const QSize part = PhotoFit::shownPart(asStored(stored));
    const QSize kept = PhotoFit::keptSize(part); // upright
    if (!stored.isEmpty()) {
        if (beyondLimits(stored))
            return tooLarge(displayName, stored);
        if (asStored(part) != stored)
            reader.setClipRect(CoverCrop::middle(stored, asStored(part)));
        if (kept != part)
            reader.setScaledSize(asStored(kept));
    }
    const QImage picture = reader.read();
    if (picture.isNull()) {
        const qint64 bytes = qint64(stored.width()) * stored.height() * 4;
        if (!stored.isEmpty() && bytes > qint64(QImageReader::allocationLimit()) * 1024 * 1024)
            return tooLarge(displayName, stored);
        return unreadable(displayName);
    }
    if (beyondLimits(picture.size())) // a reader that could not tell the size beforehand
        return tooLarge(displayName, picture.size());
    // Qt has turned it upright. A reader that could not tell the size, or read another than it
    // told (a GIF may tell its first frame's), gave the whole picture: it is cut and shrunk here.
    if (!stored.isEmpty() && picture.size() == kept) {
        QImage whole;
        if (asStored(part) != stored && device.seek(start))
            whole = readWhole(device, PhotoFit::wholeKeptSize(asStored(stored), part, kept));
        return DecodedPicture{Resampler::opaque(picture), 1, {}, whole, {}};
    }
    const QImage middle = PhotoFit::middleOf(picture);
    const QSize shrunk = PhotoFit::keptSize(middle.size());
    const QImage cut = shrunk == middle.size() ? middle : Resampler::resampled(middle, shrunk);
    QImage whole;
    if (middle.size() != picture.size())
        whole = Resampler::opaque(Resampler::resampled(
            picture, PhotoFit::wholeKeptSize(picture.size(), middle.size(), shrunk)));
    return DecodedPicture{Resampler::opaque(cut), 1, {}, whole, {}};
}

QImage PictureReader::readWhole(QIODevice& device, QSize size) {
    QImageReader reader(&device);
    reader.setAutoTransform(true);
    const bool turned = reader.transformation() & QImageIOHandler::TransformationRotate90;
    reader.setScaledSize(turned ? size.transposed() : size);
    const QImage whole = reader.read();
    return whole.size() == size ? Resampler::opaque(whole) : QImage();
}
