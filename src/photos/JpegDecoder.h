// Decodes the part of a JPEG photo the program keeps, with libjpeg's DCT scaling and cropping, at
// the least size it needs.
#pragma once

#include <QIODevice>
#include <QImage>
#include <QSize>

class JpegDecoder final {
public:
    enum class Outcome {
        Decoded, // `picture` holds the kept part as stored, `orientation` how to turn it upright
        Unsupported, // a JPEG libjpeg cannot turn into RGB (CMYK); another reader may manage
        Unreadable,  // damaged or not a JPEG at all
        TooLarge,    // the header claims more pixels than the program will decode
    };
    struct Decoded {
        Outcome outcome = Outcome::Unreadable;
        // Format_RGB32, in the file's directions until turned upright by `orientation`; null
        // when the part is the middle of `whole`, at the same scale
        QImage picture;
        int orientation = 1; // Exif orientation 1..8; 1 once the decoder has turned the pictures
        QSize storedSize;    // full size, in the pictures' directions
        QSize partSize;      // the kept part at full size, likewise: its true proportions
        QImage whole; // the whole picture as stored, shrunk alike; null when the part is all of it
    };

    static constexpr qint64 kMaxPixels = 200'000'000; // the largest phone photos are 200 MP
    static constexpr long kMaxWorkingMemory = 768L * 1024 * 1024;

    // True when the device's next bytes start a JPEG file (read without consuming them).
    static bool isJpeg(QIODevice& device);
    // Decodes the middle part of the JPEG read from `device` that PhotoFit keeps (only the rows and
    // columns of that part are turned into pixels), at the smallest of the scales 1, 1/2, 1/4 and
    // 1/8 at which the part still covers PhotoFit::keptSize. A direction still twice that size or
    // more is averaged down by powers of two while decoding. When the part is not the whole
    // picture, the whole is decoded too, for framing: alone when it is kept at the part's scale
    // (the part is then cut from it), otherwise in the same pass as the part. A part or whole
    // decoded alone is scaled to the size it is kept at and turned upright while it is decoded.
    static Decoded decode(QIODevice& device);
    // The scale denominator (1, 2, 4 or 8) that decode() uses for a part of `part` pixels as
    // stored that must keep `need` pixels.
    static int scaleDenominator(QSize part, QSize need);
};
