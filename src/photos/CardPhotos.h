// The four cards' photos and what each card's own photo box shows.
#pragma once

#include "PreparedPhoto.h"
#include "Series.h"

#include <QObject>
#include <array>

// At start and after a new design every card shows the photo placeholder and every thumbnail the
// thumbnail placeholder. A placed photo shows on its card inside the canvas's outline; a loaded
// one shows bare (nothing for an empty photo). Once a photo has been placed or loaded, the
// thumbnails and the printed boxes show it inside the outline. While a card's photo is being read
// the card says so, and when the read is given up it says the photo could not be read.
class CardPhotos final : public QObject {
    Q_OBJECT
public:
    enum class CardShows { Placeholder, Outlined, Bare, Coming, Unreadable };

    explicit CardPhotos(QObject* parent = nullptr);

    // The card's pictures; null ones while it has none or its photo is empty.
    const PreparedPhoto& photo(int card) const { return m_cards[card - 1].photo; }
    CardShows cardShows(int card) const { return m_cards[card - 1].shows; }

    // A photo picked for the card.
    void place(int card, const PreparedPhoto& photo);
    // A photo read by a load; an empty photo shows nothing on the card.
    void load(int card, const PreparedPhoto& photo);
    // Back to the placeholders.
    void reset();
    // The card alone back to its placeholders.
    void clear(int card) { set(card, Card{}); }

    // The card shows that its photo is coming; returns the ticket of that photo. Anything else
    // the card is given since makes the ticket stale, so a photo arriving late is dropped.
    int expect(int card);
    bool awaits(int card, int ticket) const;
    // True while a card shows that its photo is coming.
    bool anyComing() const;
    // The card says its photo could not be read.
    void giveUp(int card);
    // The card shows again what it showed before its photo was expected.
    void withdraw(int card);

signals:
    void changed(int card);

private:
    struct Card {
        PreparedPhoto photo;
        CardShows shows = CardShows::Placeholder;
    };
    void set(int card, const Card& shown);

    std::array<Card, kCards> m_cards;
    std::array<Card, kCards> m_before;   // what each card showed before its photo was expected
    std::array<int, kCards> m_tickets{}; // counts what each card was given
};
