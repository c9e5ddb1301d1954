// The card pictures: the blank card outline and the card backs of the designs folder.
#pragma once

#include <QImage>
#include <vector>

namespace artwork {

// A card of 3750 x 5700 twips at 307.2 pixels per inch, sharp enough to print at 300 ppi. The
// pictures are drawn on the 250 x 380 grid of the card at 96 pixels per inch and scaled 3.2 times.
inline constexpr QSize kCardSize{800, 1216};
inline constexpr QSize kCardTwips{3750, 5700};

// A white card with a dark red-brown rounded border 4 grid units wide, opaque everywhere.
QImage blankCard();

// The card backs, in the order they are numbered after the blank card (kaart2, kaart3, ...).
std::vector<QImage> cardBacks();

} // namespace artwork
