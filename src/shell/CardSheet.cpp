// The card-sheet frame: the four cards, the deck buttons between them and the help pane on top.
#include "CardSheet.h"

#include "AccessibleTexts.h"
#include "BuiltInPictures.h"
#include "CardOutline.h"
#include "CardPhotos.h"
#include "DeckSwitcher.h"
#include "HelpPane.h"
#include "PhotoPlaceholder.h"
#include "PictureBox.h"
#include "SeriesModel.h"
#include "ThumbnailSlots.h"
#include "Twips.h"

#include <QCursor>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>

CardSheet::CardSheet(QWidget* parent)
    : QFrame(parent), m_photoPlaceholder(PhotoPlaceholder::inLanguage(
                          BuiltInPictures::image(QStringLiteral("photo-placeholder")))),
      m_thumbnailPlaceholder(
          BuiltInPictures::image(QStringLiteral("thumb-placeholder"), devicePixelRatioF())) {
    setObjectName(QStringLiteral("Frame2"));
    m_deckSwitcher = new DeckSwitcher(this);
    const QCursor photoPointer(BuiltInPictures::pixmap(QStringLiteral("photo-pointer")), 1, 1);
    for (int card = 1; card <= kCards; ++card) {
        m_cards[card - 1] = std::make_unique<CardView>(card, this, photoPointer);
        const CardView& view = *m_cards[card - 1];
        view.photo()->setPicture(m_photoPlaceholder);
        for (int slot = 1; slot <= 4; ++slot)
            view.thumbnail(slot)->setPicture(m_thumbnailPlaceholder);
        connect(view.photo(), &PictureBox::clicked, this,
                [this, card] { emit photoClicked(card); });
        view.photo()->setFramable(true);
        view.photo()->setPressable(true, true);
        connect(view.photo(), &PictureBox::framingChosen, this,
                [this, card](const Framing& framing, bool continues) {
                    emit framingChosen(card, framing, continues);
                });
    }
    m_help = new HelpPane(this);
    m_help->setGeometry(twips::rectToPx(90, 225, 5595, 6765));
    m_help->hide();
    arrangeStacking();
}

CardSheet::~CardSheet() = default;

void CardSheet::arrangeStacking() {
    // Card outlines at the bottom, text boxes and buttons above the pictures, help over all.
    for (const auto& view : m_cards)
        view->outline()->lower();
    for (const auto& view : m_cards) {
        view->subject()->raise();
        for (int line = 1; line <= kLines; ++line)
            view->name(line)->raise();
    }
    m_deckSwitcher->normalButton()->raise();
    m_deckSwitcher->childrenButton()->raise();
    m_help->raise();
}

void CardSheet::showHelp(bool shown) {
    m_help->setVisible(shown);
    // Disabled, so Tab passes them by; they lie under the pane, so nothing looks different.
    QList<QWidget*> covered{m_deckSwitcher->normalButton(), m_deckSwitcher->childrenButton()};
    for (const auto& view : m_cards) {
        covered << view->subject() << view->photo();
        for (int line = 1; line <= kLines; ++line)
            covered << view->name(line);
    }
    for (QWidget* widget : covered)
        widget->setEnabled(!shown);
}

void CardSheet::setDeckMode(DeckMode mode) {
    m_deckSwitcher->showMode(mode);
    for (const auto& view : m_cards)
        view->setDeckMode(mode);
}

void CardSheet::bindTexts(SeriesModel& model) {
    connect(&model, &SeriesModel::subjectChanged, this, &CardSheet::showSubject);
    connect(&model, &SeriesModel::nameChanged, this, &CardSheet::showName);
    // The boxes are this sheet's children, so the model is the connections' context: they end
    // with whichever of the two goes first.
    for (const auto& view : m_cards) {
        // After each edit the box shows the model's text, which has line breaks made blanks.
        connect(view->subject(), &QLineEdit::textEdited, &model,
                [this, &model, card = view->card()](const QString& text) {
                    const QString before = model.subject();
                    model.setSubject(text);
                    showSubject(model.subject());
                    if (model.subject() != before)
                        emit textTyped(card, 0, before, model.subject());
                });
        for (int line = 1; line <= kLines; ++line) {
            connect(view->name(line), &QLineEdit::textEdited, &model,
                    [this, &model, card = view->card(), line](const QString& text) {
                        const QString before = model.name(card, line);
                        model.setName(card, line, text);
                        showName(line, model.name(card, line));
                        if (model.name(card, line) != before)
                            emit textTyped(card, line, before, model.name(card, line));
                    });
        }
    }
    showSubject(model.subject());
    for (int line = 1; line <= kLines; ++line)
        showName(line, model.name(1, line));
}

int CardSheet::photoCardAt(QPoint point) const {
    if (m_help->isVisibleTo(this))
        return 0;
    for (const auto& view : m_cards) {
        if (view->photo()->isVisibleTo(this) && view->photo()->geometry().contains(point))
            return view->card();
    }
    return 0;
}

void CardSheet::outlineCard(int card) {
    for (const auto& view : m_cards)
        view->outline()->setHighlighted(view->card() == card);
}

void CardSheet::showSubject(const QString& text) {
    for (const auto& view : m_cards)
        showText(view->subject(), text);
}

void CardSheet::showName(int line, const QString& text) {
    for (const auto& view : m_cards)
        showText(view->name(line), text);
}

void CardSheet::showText(QLineEdit* box, const QString& text) {
    // Only boxes that differ are written, so the box being typed in keeps its cursor and undo.
    if (box->text() == text)
        return;
    const QSignalBlocker blocker(box);
    const int cursor = box->cursorPosition();
    box->setText(text);
    if (box->hasFocus())
        box->setCursorPosition(qMin(cursor, int(text.size())));
}

void CardSheet::bindPhotos(const CardPhotos& photos, const SeriesModel& model) {
    m_framings = &model;
    connect(&photos, &CardPhotos::changed, this,
            [this, &photos](int card) { showPhoto(photos, card); });
    connect(&model, &SeriesModel::framingChanged, this,
            [this, &photos](int card) { showPhoto(photos, card); });
    // A photo path may change after its picture arrived.
    connect(&model, &SeriesModel::edited, this, [this, &photos] {
        for (int card = 1; card <= kCards; ++card)
            namePhoto(photos, card);
    });
    for (int card = 1; card <= kCards; ++card)
        showPhoto(photos, card);
}

void CardSheet::showPhoto(const CardPhotos& photos, int photoCard) {
    using Shows = CardPhotos::CardShows;
    const Shows shows = photos.cardShows(photoCard);
    const PreparedPhoto& prepared = photos.photo(photoCard);
    const FramedPicture screen{prepared.screen, prepared.wholeScreen,
                               m_framings ? m_framings->framing(photoCard) : Framing{}};
    PictureBox* own = m_cards[photoCard - 1]->photo();
    // A photo still being read, or given up on, shows the placeholder with a note saying so.
    const bool noPhoto =
        shows == Shows::Placeholder || shows == Shows::Coming || shows == Shows::Unreadable;
    own->setNote(shows == Shows::Coming       ? tr("Foto wordt gelezen…")
                 : shows == Shows::Unreadable ? tr("Foto kan niet worden gelezen")
                                              : QString());
    if (noPhoto)
        own->setPicture(m_photoPlaceholder);
    else
        own->setPhoto(screen, shows == Shows::Outlined ? PhotoFrame::Outlined : PhotoFrame::Bare);
    // The four thumbnails of a photo show the same picture, cut once.
    const PictureBox* first = m_cards[0]->thumbnail(1);
    const qreal ratio = first->devicePixelRatioF();
    QImage thumbnail = m_thumbnailPlaceholder;
    if (!noPhoto) {
        thumbnail = PhotoBox::render(screen, first->size() * ratio, PhotoFrame::Outlined);
        thumbnail.setDevicePixelRatio(ratio);
    }
    for (const auto& view : m_cards)
        view->thumbnail(ThumbnailSlots::slotOf(view->card(), photoCard))->setPicture(thumbnail);
    namePhoto(photos, photoCard);
}

void CardSheet::namePhoto(const CardPhotos& photos, int photoCard) {
    const bool shown = photos.cardShows(photoCard) != CardPhotos::CardShows::Placeholder;
    const QString fileName =
        m_framings && shown ? QFileInfo(m_framings->photoPath(photoCard)).fileName() : QString();
    PictureBox* own = m_cards[photoCard - 1]->photo();
    own->setAccessibleName(AccessibleTexts::photo(photoCard, fileName, own->note()));
    for (const auto& view : m_cards)
        view->thumbnail(ThumbnailSlots::slotOf(view->card(), photoCard))
            ->setAccessibleName(AccessibleTexts::thumbnail(photoCard, fileName));
}
