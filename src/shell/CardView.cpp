// One card on the card sheet: outline, subject box, photo, four name lines and four thumbnails.
#include "CardView.h"

#include "CardOutline.h"
#include "Palettes.h"
#include "PictureBox.h"
#include "Twips.h"

#include <QLineEdit>

namespace {
// Card origins in twips inside the card-sheet frame: two columns, two rows.
int originX(int card) {
    return 300 + 3090 * ((card - 1) % 2);
}
int originY(int card) {
    return 390 + 3330 * ((card - 1) / 2);
}

// Thumbnail slots stand three in a row with the fourth centred below them.
constexpr std::array<QPoint, 4> kThumbnailOffsets{QPoint(150, 1770), QPoint(765, 1770),
                                                  QPoint(1380, 1770), QPoint(765, 2370)};
} // namespace

CardView::CardView(int card, QWidget* frame, const QCursor& photoPointer) : m_card(card) {
    const QString k = QString::number(card);

    m_outline = new CardOutline(frame);
    m_outline->setObjectName(QStringLiteral("Kaart") + k);
    m_outline->setGeometry(twipsX(0), twipsY(0), twips::toPx(2100), twips::toPx(3120));

    m_subject = makeTextBox(frame, QStringLiteral("Onderwerp1_") + k, subjectColour());
    m_subject->setAlignment(Qt::AlignCenter);
    m_subject->setGeometry(twipsX(150), twipsY(150), twips::toPx(1800), twips::toPx(285));

    m_photo = new PictureBox(frame);
    m_photo->setObjectName(QStringLiteral("Foto_") + k);
    m_photo->setCursor(photoPointer);

    for (int slot = 1; slot <= 4; ++slot) {
        auto* thumb = new PictureBox(frame);
        thumb->setObjectName(QStringLiteral("Foto%1_%2").arg(card).arg(slot));
        const QPoint at = kThumbnailOffsets[slot - 1];
        thumb->setGeometry(twipsX(at.x()), twipsY(at.y()), twips::toPx(555), twips::toPx(555));
        thumb->hide();
        m_thumbnails[slot - 1] = thumb;
    }

    int top = 1770;
    for (int line = 1; line <= kLines; ++line, top += 300) {
        const QColor colour = line == card ? ownNameColour() : otherNameColour();
        QLineEdit* box =
            makeTextBox(frame, QStringLiteral("Naam%1_%2").arg(card).arg(line), colour);
        box->setGeometry(twipsX(150), twipsY(top), twips::toPx(1800), twips::toPx(285));
        m_names[line - 1] = box;
    }
    setDeckMode(DeckMode::Normal);
}

void CardView::setDeckMode(DeckMode mode) {
    const bool normal = mode == DeckMode::Normal;
    m_subject->setVisible(normal);
    for (QLineEdit* box : m_names)
        box->setVisible(normal);
    // The children's deck gives the photo the subject box's place as well.
    const int top = normal ? 510 : 210;
    const int height = normal ? 1200 : 1500;
    m_photo->setGeometry(twipsX(150), twipsY(top), twips::toPx(1800), twips::toPx(height));
    for (PictureBox* thumb : m_thumbnails)
        thumb->setVisible(!normal);
}

QLineEdit* CardView::makeTextBox(QWidget* frame, const QString& objectName,
                                 const QColor& background) {
    auto* box = new QLineEdit(frame);
    box->setObjectName(objectName);
    Palettes::set(box, QPalette::Base, background);
    Palettes::set(box, QPalette::Text, Qt::black);
    return box;
}

int CardView::twipsX(int offset) const {
    return twips::toPx(originX(m_card) + offset);
}
int CardView::twipsY(int offset) const {
    return twips::toPx(originY(m_card) + offset);
}
