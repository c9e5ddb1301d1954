// The four cards' photos and what each card's own photo box shows.
#include "CardPhotos.h"

CardPhotos::CardPhotos(QObject* parent) : QObject(parent) {}

void CardPhotos::place(int card, const PreparedPhoto& photo) {
    set(card, photo, CardShows::Outlined);
}

void CardPhotos::load(int card, const PreparedPhoto& photo) {
    set(card, photo, CardShows::Bare);
}

void CardPhotos::set(int card, const PreparedPhoto& photo, CardShows shows) {
    if (card < 1 || card > kCards)
        return;
    m_cards[card - 1] = Card{photo, shows};
    emit changed(card);
}

void CardPhotos::reset() {
    for (int card = 1; card <= kCards; ++card)
        set(card, {}, CardShows::Placeholder);
}
