// The four cards' photos: canvases, print masters, what each card and its thumbnails show.
#include "CardPhotos.h"

#include "PhotoCanvas.h"

CardPhotos::CardPhotos(QObject* parent) : QObject(parent) {
    reset();
}

QImage CardPhotos::thumbnail(int photoCard) const {
    return m_cards[photoCard - 1].thumbnailPlaceholder ? QImage() : canvas(photoCard);
}

void CardPhotos::place(int card, const PreparedPhoto& photo) {
    set(card, photo, photo.canvas);
}

void CardPhotos::load(int card, const PreparedPhoto& photo) {
    set(card, photo, photo.cardImage);
}

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

const QImage& CardPhotos::canvas(int card) const {
    const QImage& canvas = m_cards[card - 1].canvas;
    return canvas.isNull() ? blank(m_blankCanvas, PhotoCanvas::kCanvasSize) : canvas;
}

const QImage& CardPhotos::master(int card) const {
    const QImage& master = m_cards[card - 1].master;
    return master.isNull() ? blank(m_blankMaster, PhotoCanvas::kMasterSize) : master;
}

const QImage& CardPhotos::blank(QImage& cached, QSize size) const {
    if (cached.isNull())
        cached = PhotoCanvas::blank(size);
    return cached;
}

void CardPhotos::reset() {
    for (int card = 1; card <= kCards; ++card) {
        Card& c = m_cards[card - 1];
        c.canvas = QImage();
        c.master = QImage();
        c.cardPicture = QImage();
        c.cardPlaceholder = true;
        c.thumbnailPlaceholder = true;
        emit changed(card);
    }
}
