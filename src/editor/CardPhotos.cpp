// The four cards' photos: canvases, print masters, what each card and its thumbnails show.
#include "CardPhotos.h"

#include "PhotoCanvas.h"

CardPhotos::CardPhotos(QObject* parent) : QObject(parent) { reset(); }

QImage CardPhotos::thumbnail(int photoCard) const {
    const Card& c = m_cards[photoCard - 1];
    return c.thumbnailPlaceholder ? QImage() : c.canvas;
}

void CardPhotos::place(int card, const PreparedPhoto& photo) { set(card, photo, photo.canvas); }

void CardPhotos::load(int card, const PreparedPhoto& photo) { set(card, photo, photo.cardImage); }

void CardPhotos::set(int card, const PreparedPhoto& photo, const QImage& picture) {
    if (card < 1 || card > kCards)
        return;
    Card& c = m_cards[card - 1];
    c.canvas = photo.canvas;
    c.master = photo.master;
    c.cardPicture = picture;
    c.cardPlaceholder = false;
    c.thumbnailPlaceholder = false;
    emit changed(card);
}

void CardPhotos::reset() {
    for (int card = 1; card <= kCards; ++card) {
        Card& c = m_cards[card - 1];
        c.canvas = PhotoCanvas::blank(PhotoCanvas::kCanvasSize);
        c.master = PhotoCanvas::blank(PhotoCanvas::kMasterSize);
        c.cardPicture = QImage();
        c.cardPlaceholder = true;
        c.thumbnailPlaceholder = true;
        emit changed(card);
    }
}
