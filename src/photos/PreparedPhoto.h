// A photo made ready for the cards: its kept part for print and export, and a smaller one for the
// screen.
#pragma once

#include <QImage>

// Both pictures are upright, opaque and in the proportions of the photo's kept part (PhotoFit);
// every box cuts its own middle from them. Both are null for an empty photo.
struct PreparedPhoto final {
    QImage picture; // covers three times the canvas's 394 x 294 photo area (or the whole photo)
    QImage screen;  // covers the 394 x 294 area: a third of `picture` across and down
};
