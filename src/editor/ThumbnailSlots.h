// Which card's photo each of the four thumbnail slots of a card shows.
#pragma once

// On card K, slot 4 shows K's own photo and slots 1..3 the other cards' photos in ascending order.
class ThumbnailSlots final {
public:
    // The card (1..4) whose photo slot `slot` (1..4) of card `card` (1..4) shows.
    static int photoCardOf(int card, int slot);
    // The slot (1..4) of card `card` that shows the photo of card `photoCard`.
    static int slotOf(int card, int photoCard);
};
