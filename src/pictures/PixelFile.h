// Pictures kept as their raw pixels: a small header and the premultiplied ARGB rows, so reading one
// back is a copy instead of a decode. Made at build time for the program's own pictures.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QImage>

class PixelFile final {
public:
    static QByteArray encode(const QImage& picture);
    // The picture held in `bytes`, or a null image when they are not a whole pixel file.
    static QImage decode(QByteArrayView bytes);
};
