// Which part of a photo the program keeps, and at what size.
#pragma once

#include <QImage>
#include <QSize>

// Every box a photo is shown in is cut from the photo's middle, and every box lies between square
// (the thumbnails, the small printed photos) and a little wider than 3:2 (the card on the screen
// with its margin), so only the middle part of such proportions is ever seen. That part is kept at
// the least size whose cut for the 394 x 294 canvas still has three pixels for each canvas pixel:
// every printed photo then gets 400 pixels per inch or more.
class PhotoFit final {
public:
    static constexpr QSize kScreenArea{394, 294};        // the canvas's photo area
    static constexpr int kPrintScale = 3;                // kept pixels for each screen pixel
    static constexpr double kTallest = 1.0;              // width over height of the tallest box
    static constexpr double kWidest = 1.52;              // and of the widest
    static constexpr qint64 kMaxWholePixels = 4'000'000; // the whole photo, kept for framing

    // The size of the middle part of a picture of `size` (upright) that any box can show.
    static QSize shownPart(QSize size);
    // That middle part of the upright `picture`, cut out.
    static QImage middleOf(const QImage& picture);
    // The least size of the proportions of `part` that covers `area`; `part` when it is smaller.
    static QSize covering(QSize part, QSize area);
    // The size of the screen picture of a shown part: it covers the canvas's photo area.
    static QSize screenSize(QSize part) { return covering(part, kScreenArea); }
    // The size the part is kept at: three times its screen picture, or its own size when it has
    // fewer pixels than that.
    static QSize keptSize(QSize part);
    // The size the whole upright photo of `whole` pixels is kept at when its middle part of `part`
    // pixels is kept at `kept`: as many kept pixels for each photo pixel, but never more than
    // kMaxWholePixels in all, so a framing can show any part of the photo.
    static QSize wholeKeptSize(QSize whole, QSize part, QSize kept);
    // True when wholeKeptSize() keeps the whole at the scale of its kept part, so that part can
    // be cut from the kept whole.
    static bool wholeKeptAlike(QSize whole, QSize part, QSize kept);
};
