// A photo made ready for a card: the screen canvas, the print master and the card's own picture.
#pragma once

#include <QImage>

struct PreparedPhoto final {
    QImage canvas; // 400 x 300: white, picture stretched into the 394 x 294 middle, 1-pixel black
                   // outline
    QImage master; // 1200 x 900: the same at three times the size, for printing
    QImage cardImage; // the picture itself in its own proportions, at most 394 x 294, for the card
                      // on the sheet after a load; null for an empty photo
};
