// Decodes JPEG photos with libjpeg's DCT scaling, reading a large photo at the least size it needs.
#pragma once

#include <QIODevice>
#include <QImage>
#include <QSize>

class JpegDecoder final {
public:
    enum class Outcome {
        Decoded,     // `picture` holds the photo as stored, `orientation` how to turn it upright
        Unsupported, // a JPEG libjpeg cannot turn into RGB (CMYK); another reader may manage
        Unreadable,  // damaged or not a JPEG at all
        TooLarge,    // the header claims more pixels than the program will decode
    };
    struct Decoded {
        Outcome outcome = Outcome::Unreadable;
        QImage picture;      // Format_RGB32, as stored in the file (not yet turned upright)
        int orientation = 1; // Exif orientation 1..8
        QSize storedSize;    // full size as stored
    };

    static constexpr qint64 kMaxPixels = 200'000'000; // the largest phone photos are 200 MP
    static constexpr long kMaxWorkingMemory = 768L * 1024 * 1024;

    // True when the device's next bytes start a JPEG file (read without consuming them).
    static bool isJpeg(QIODevice& device);
    // Decodes the JPEG read from `device` at the smallest of the scales 1, 1/2, 1/4 and 1/8 whose
    // result, once turned upright, still covers `cover` in both directions (full size when even
    // that is smaller). A direction still twice `cover` or more is averaged down by powers of two.
    static Decoded decode(QIODevice& device, QSize cover);
    // The scale denominator (1, 2, 4 or 8) that decode() uses for a photo stored at `stored`
    // whose upright form must cover `cover`; `swapsAxes` when the photo is stored turned.
    static int scaleDenominator(QSize stored, QSize cover, bool swapsAxes);
};
