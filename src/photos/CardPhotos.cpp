// The four cards' photos and what each card's own photo box shows.
#include "CardPhotos.h"

#include <algorithm>

CardPhotos::CardPhotos(QObject* parent) : QObject(parent) {}

void CardPhotos::place(int card, const PreparedPhoto& photo) {
    set(card, Card{photo, CardShows::Outlined});
}

void CardPhotos::load(int card, const PreparedPhoto& photo) {
    set(card, Card{photo, CardShows::Bare});
}

int CardPhotos::expect(int card) {
    if (card < 1 || card > kCards)
        return 0;
    if (m_cards[card - 1].shows != CardShows::Coming)
        m_before[card - 1] = m_cards[card - 1];
    set(card, Card{{}, CardShows::Coming});
    return m_tickets[card - 1];
}

bool CardPhotos::awaits(int card, int ticket) const {
    return card >= 1 && card <= kCards && m_tickets[card - 1] == ticket &&
           m_cards[card - 1].shows == CardShows::Coming;
}

bool CardPhotos::anyComing() const {
    return std::any_of(m_cards.begin(), m_cards.end(),
                       [](const Card& card) { return card.shows == CardShows::Coming; });
}

void CardPhotos::giveUp(int card) {
    set(card, Card{{}, CardShows::Unreadable});
}

void CardPhotos::withdraw(int card) {
    if (card >= 1 && card <= kCards)
        set(card, m_before[card - 1]);
}

void CardPhotos::set(int card, const Card& shown) {
    if (card < 1 || card > kCards)
        return;
    m_cards[card - 1] = shown;
    ++m_tickets[card - 1];
    emit changed(card);
}

void CardPhotos::reset() {
    for (int card = 1; card <= kCards; ++card)
        set(card, Card{});
}
