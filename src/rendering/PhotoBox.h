// A photo cut to fit a box of any proportions, inside the photo canvas's outline or bare.
#pragma once

#include "Framing.h"

#include <QImage>
#include <QRectF>
#include <QSize>

class QPainter;

enum class PhotoFrame {
    Bare,     // the photo fills the whole box
    Outlined, // a black outline and a white band around the photo, as on the photo canvas
};

// A photo with its framing: the kept middle part, which every box cuts from at the default
// framing, and the whole photo at the same scale, which other framings cut from.
struct FramedPicture final {
    QImage middle;
    QImage whole; // null: the middle is all there is
    Framing framing;
};

class PhotoBox final {
public:
    // The photo canvas: 400 x 300 pixels, with a one-pixel outline and a two-pixel white band.
    static constexpr QSize kCanvasSize{400, 300};
    // A photo whose proportions differ from its box's by this much or less fills the box whole:
    // no eye sees so small a stretch (a circle stays round within 2 %), and a 4:3 photo then
    // shows whole, as it always did, in the boxes of nearly 4:3 (the canvas's 394 x 294 area, the
    // printed and exported names layout's 3220 x 2400 twips less the outline).
    static constexpr double kUnseenStretch = 0.015;

    // An image of `size` in which `picture` is scaled to cover the photo area and its middle is
    // kept, cut evenly on both sides, so it is never visibly stretched. With the outline the photo
    // area lies inside an outline 1/400 of the width and a white band twice as wide (on boxes
    // narrower than the canvas a faint line, as on a canvas shrunk to that size). A null picture
    // leaves the area white with the outline, or gives a null image bare.
    static QImage render(const QImage& picture, QSize size, PhotoFrame frame);
    // The same for a framed photo: the part around the framing's point, its size shrunk by the
    // zoom, moved back inside the photo where it would leave it. The default framing gives
    // exactly what render() gives for the middle.
    static QImage render(const FramedPicture& photo, QSize size, PhotoFrame frame);
    // Where the framed part lies in `photo.whole` when it fills `area` (whole-picture pixels).
    static QRectF framedPart(const FramedPicture& photo, QSizeF area);
    // The framing that shows `part` of `photo.whole`, at `zoom`, moved inside the photo.
    static Framing framingOf(const FramedPicture& photo, const QRectF& part, double zoom);
    // The size render() is asked for when the box `box` of `painter` is drawn: the box's size on
    // the device, but never finer than the picture's own pixels or three times the canvas,
    // whichever is more. Three times the canvas is 300 pixels an inch or more in every printed box,
    // so a small photo is smoothed by this program, not blown up in blocks by the printer.
    static QSize sizeFor(const QPainter& painter, const QRectF& box, const QImage& picture,
                         PhotoFrame frame);

private:
    // An image of `size` with the outline (or bare), `draw` filling the photo area.
    template <typename Draw>
    static QImage renderWith(const QImage& picture, QSize size, PhotoFrame frame, Draw draw);
};
