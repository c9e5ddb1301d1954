// What a card's photo is in the history: its file, its framing and how the card shows it.
#pragma once

#include "CardPhotos.h"
#include "SeriesModel.h"

#include <QList>
#include <QString>

struct CardState final {
    int card = 1;
    QString path;
    Framing framing;
    CardPhotos::CardShows shows = CardPhotos::CardShows::Placeholder;

    // The state of `card` as the model and the cards hold it now.
    static CardState of(const SeriesModel& model, const CardPhotos& photos, int card) {
        return CardState{card, model.photoPath(card), model.framing(card), photos.cardShows(card)};
    }
    bool operator==(const CardState&) const = default;
};

// Puts cards back as they were, their photos prepared again from their files.
using CardRestorer = std::function<void(const QList<CardState>&)>;
