// Draws a picture onto a card's photo canvas: white background, margin, stretched picture, outline.
#pragma once

#include <QImage>
#include <QRect>
#include <QSize>

class PhotoCanvas final {
public:
    static constexpr QSize kCanvasSize{400, 300};
    static constexpr QSize kMasterSize{1200, 900};
    static constexpr QSize kPhotoArea{394, 294};        // inside the 3-pixel margin of the canvas
    static constexpr QSize kMasterPhotoArea{1182, 882}; // the same area on the print master
    static constexpr int kMasterScale = 3; // the master is the canvas at three times the size

    // A canvas of `size` (the canvas or the master size) with `picture` stretched into its middle
    // (proportions not kept) inside a 3-pixel margin whose outermost pixel is black and the two
    // within it white; on the master all of it is three times as wide.
    static QImage prepare(const QImage& picture, QSize size);
    // The print master for `picture`; the same as prepare(picture, kMasterSize). A picture still
    // to be turned upright by its Exif `orientation` is stretched as it is stored and turned
    // straight into place, which costs less than turning the picture first.
    static QImage master(const QImage& picture, int orientation = 1);
    // The screen canvas made from a print master by averaging each 3 x 3 block of its photo area,
    // so both show the same picture without reading the photo again.
    static QImage canvasFromMaster(const QImage& master);
    // The photo area of a canvas or master made here, sharing its pixels (valid while it lives).
    static QImage photoAreaOf(const QImage& canvas);
    // `picture` resampled to exactly `size` with the same filter prepare() uses.
    static QImage stretched(const QImage& picture, QSize size);
    // `picture` as Format_RGB32, with any transparency laid on white.
    static QImage opaque(const QImage& picture);
    // A white canvas of `size` with only the black outline (a card whose photo is empty).
    static QImage emptyOutlined(QSize size);
    // A plain white canvas without outline (after a new design and at start-up).
    static QImage blank(QSize size);

    // The margin and the outline width on a canvas of `size`, in its own pixels.
    static int outlineOf(QSize size);
    static QRect photoRectOf(QSize size);
};
