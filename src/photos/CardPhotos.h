// The four cards' photos: canvases, print masters, what each card and its thumbnails show.
#pragma once

#include "PreparedPhoto.h"
#include "Series.h"

#include <QImage>
#include <QObject>
#include <array>

// At start and after a new design every card shows the photo placeholder, every thumbnail the
// thumbnail placeholder, and the canvases are plain white. A placed photo shows its canvas on the
// card; a loaded one shows the raw picture (or nothing for an empty photo). Thumbnails always
// show the current canvases once a photo has been placed or loaded.
class CardPhotos final : public QObject {
    Q_OBJECT
public:
    explicit CardPhotos(QObject* parent = nullptr);

    // The card's canvas and print master; plain white ones while the card has no photo.
    const QImage& canvas(int card) const;
    const QImage& master(int card) const;
    // The card's picture on the sheet; meaningful when cardShowsPlaceholder() is false (a null
    // image then means an empty photo).
    const QImage& cardPicture(int card) const { return m_cards[card - 1].cardPicture; }
    bool cardShowsPlaceholder(int card) const { return m_cards[card - 1].cardPlaceholder; }
    // What the thumbnails showing the photo of `photoCard` show: its canvas, or a null image for
    // the thumbnail placeholder.
    QImage thumbnail(int photoCard) const;

    // A photo picked for the card: the card shows the prepared canvas.
    void place(int card, const PreparedPhoto& photo);
    // A photo read by a load: the card shows the raw picture, or nothing for an empty photo.
    void load(int card, const PreparedPhoto& photo);
    // Back to the placeholders and blank canvases.
    void reset();

signals:
    void changed(int card);

private:
    struct Card {
        QImage canvas;
        QImage master;
        QImage cardPicture;
        bool cardPlaceholder = true;
        bool thumbnailPlaceholder = true;
    };
    void set(int card, const PreparedPhoto& photo, const QImage& picture);
    // A null canvas or master stands for a plain white one.
    std::array<Card, kCards> m_cards;
    // Made when first asked for: at start-up no card shows its canvas and none is printed, and
    // the white pictures (4 MB for the master) would otherwise be written at every start.
    const QImage& blank(QImage& cached, QSize size) const;
    mutable QImage m_blankCanvas;
    mutable QImage m_blankMaster;
};
