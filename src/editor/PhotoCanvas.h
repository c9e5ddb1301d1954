// Draws a picture onto a card's photo canvas: white background, margin, stretched picture, outline.
#pragma once

#include <QImage>
#include <QSize>

class PhotoCanvas final {
public:
    static constexpr QSize kCanvasSize{400, 300};
    static constexpr QSize kMasterSize{1200, 900};
    static constexpr QSize kPhotoArea{394, 294};       // inside the 3-pixel margin of the canvas
    static constexpr QSize kMasterPhotoArea{1182, 882}; // the same area on the print master

    // A canvas of `size` (the canvas or the master size) with `picture` stretched into its middle,
    // a white margin of size/133 and a black outline one canvas pixel wide (three on the master).
    static QImage prepare(const QImage& picture, QSize size);
    // A white canvas of `size` with only the black outline (a card whose photo is empty).
    static QImage emptyOutlined(QSize size);
    // A plain white canvas without outline (after a new design and at start-up).
    static QImage blank(QSize size);
};
