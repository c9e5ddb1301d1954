// Which card's photo each of the four thumbnail slots of a card shows.
#include "ThumbnailSlots.h"

int ThumbnailSlots::photoCardOf(int card, int slot) {
    if (slot == 4)
        return card;
    return slot < card ? slot : slot + 1;
}

int ThumbnailSlots::slotOf(int card, int photoCard) {
    if (photoCard == card)
        return 4;
    return photoCard < card ? photoCard : photoCard - 1;
}
