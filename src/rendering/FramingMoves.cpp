// How the pointer's moves change the framing of a photo shown in a box.
#include "FramingMoves.h"

#include <algorithm>

Framing FramingMoves::dragged(const FramedPicture& photo, QSizeF box, QPointF moved) {
    if (photo.whole.isNull() || box.isEmpty())
        return photo.framing;
    const QRectF part = PhotoBox::framedPart(photo, box);
    const QPointF shift(moved.x() * part.width() / box.width(),
                        moved.y() * part.height() / box.height());
    return PhotoBox::framingOf(photo, part.translated(-shift), photo.framing.zoom);
}

Framing FramingMoves::zoomed(const FramedPicture& photo, QSizeF box, QPointF at, double factor) {
    if (photo.whole.isNull() || box.isEmpty())
        return photo.framing;
    const double zoom = std::clamp(photo.framing.zoom * factor, 1.0, Framing::kMaxZoom);
    const QRectF part = PhotoBox::framedPart(photo, box);
    const QPointF share(at.x() / box.width(), at.y() / box.height());
    const QPointF under(part.left() + share.x() * part.width(),
                        part.top() + share.y() * part.height());
    const QSizeF size = part.size() * (photo.framing.zoom / zoom);
    const QPointF corner(under.x() - share.x() * size.width(),
                         under.y() - share.y() * size.height());
    return PhotoBox::framingOf(photo, QRectF(corner, size), zoom);
}
