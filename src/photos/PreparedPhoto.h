// A photo made ready for the cards: its kept part for print and export, and a smaller one for the
// screen.
#pragma once

#include <QImage>

// The first two pictures are upright, opaque and in the proportions of the photo's kept part
// (PhotoFit); every box at its default framing cuts its own middle from them. The other two hold
// the whole upright photo at the same scale, for other framings (the same pictures when the kept
// part is the whole photo). All are null for an empty photo.
struct PreparedPhoto final {
    QImage picture; // covers three times the canvas's 394 x 294 photo area (or the whole photo)
    QImage screen;  // covers the 394 x 294 area: a third of `picture` across and down
    QImage whole{}; // the whole photo, as many pixels for each photo pixel as `picture`
    QImage wholeScreen{}; // the whole photo at the scale of `screen`
};
