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

const QImage& CardPhotos::master(int card) const {
    const Card& c = m_cards[card - 1];
    if (!c.master.isNull())
        return c.master;
    if (m_blankMaster.isNull())
        m_blankMaster = PhotoCanvas::blank(PhotoCanvas::kMasterSize);
    return m_blankMaster;
}

void CardPhotos::reset() {
    // The four cards share one blank canvas until photos replace it.
    const QImage canvas = PhotoCanvas::blank(PhotoCanvas::kCanvasSize);
    for (int card = 1; card <= kCards; ++card) {
        Card& c = m_cards[card - 1];
        c.canvas = canvas;
        c.master = QImage();
        c.cardPicture = QImage();
        c.cardPlaceholder = true;
        c.thumbnailPlaceholder = true;
        emit changed(card);
    }
}
