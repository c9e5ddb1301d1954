// The card-sheet frame: the four cards, the deck buttons between them and the help pane on top.
#pragma once

#include "CardView.h"
#include "DeckMode.h"
#include "Framing.h"

#include <QFrame>
#include <QImage>
#include <array>
#include <memory>

class CardPhotos;
class DeckSwitcher;
class HelpPane;
class QLineEdit;
class SeriesModel;

class CardSheet final : public QFrame {
    Q_OBJECT
public:
    explicit CardSheet(QWidget* parent = nullptr);
    ~CardSheet() override;

    const CardView& card(int card) const { return *m_cards[card - 1]; }
    DeckSwitcher* deckSwitcher() const { return m_deckSwitcher; }
    HelpPane* helpPane() const { return m_help; }

    void setDeckMode(DeckMode mode);
    // Shows or hides the help pane; while it shows, the controls it covers cannot take the focus.
    void showHelp(bool shown);

    // Shows the model's texts and keeps the boxes and the model in step both ways.
    void bindTexts(SeriesModel& model);
    // Shows what each card and thumbnail should show, framed as the model says, and follows every
    // change.
    void bindPhotos(const CardPhotos& photos, const SeriesModel& model);

    // The card whose photo shows at `point` (in this frame's coordinates), or 0: none, or the help
    // pane covers the cards.
    int photoCardAt(QPoint point) const;
    // Outlines `card` as the target of a drag; 0 outlines none.
    void outlineCard(int card);

signals:
    void photoClicked(int card);
    // The user chose a framing on the card's photo (PictureBox::framingChosen).
    void framingChosen(int card, const Framing& framing, bool continues);
    // The user typed in a box of `card` (line 0: the subject), changing `before` to `after`.
    void textTyped(int card, int line, const QString& before, const QString& after);

private:
    void showSubject(const QString& text);
    void showName(int line, const QString& text);
    void showPhoto(const CardPhotos& photos, int photoCard);
    // Names the card's photo and its thumbnails after the card and the file they show.
    void namePhoto(const CardPhotos& photos, int photoCard);
    static void showText(QLineEdit* box, const QString& text);
    void arrangeStacking();

    std::array<std::unique_ptr<CardView>, 4> m_cards;
    DeckSwitcher* m_deckSwitcher = nullptr;
    HelpPane* m_help = nullptr;
    QImage m_photoPlaceholder;
    QImage m_thumbnailPlaceholder;
    const SeriesModel* m_framings = nullptr;
};
