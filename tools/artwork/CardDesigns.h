// The 250 x 380 card pictures: the blank card outline and the card backs of the designs folder.
#pragma once

#include <QImage>
#include <vector>

namespace artwork {

inline constexpr QSize kCardSize{250, 380};

// A white card with a dark red-brown rounded border about 4 pixels wide, opaque everywhere.
QImage blankCard();

// The card backs, in the order they are numbered after the blank card (kaart2, kaart3, ...).
std::vector<QImage> cardBacks();

} // namespace artwork
