// One card on the card sheet: outline, subject box, photo, four name lines and four thumbnails.
#pragma once

#include "DeckMode.h"
#include "Series.h"

#include <QColor>
#include <QCursor>
#include <array>

class CardOutline;
class PictureBox;
class QLineEdit;
class QWidget;

// Creates the card's widgets as children of the card-sheet frame, placed from the card's origin;
// the photo shows `photoPointer` as its mouse pointer.
class CardView final {
public:
    CardView(int card, QWidget* frame, const QCursor& photoPointer);

    static QColor subjectColour() { return QColor(200, 230, 240); }
    static QColor ownNameColour() { return QColor(255, 255, 192); }
    static QColor otherNameColour() { return QColor(192, 255, 255); }

    int card() const { return m_card; }
    CardOutline* outline() const { return m_outline; }
    QLineEdit* subject() const { return m_subject; }
    PictureBox* photo() const { return m_photo; }
    QLineEdit* name(int line) const { return m_names[line - 1]; }
    PictureBox* thumbnail(int slot) const { return m_thumbnails[slot - 1]; }

    // Shows the boxes of the deck and moves the photo to its place; texts and pictures stay.
    void setDeckMode(DeckMode mode);

private:
    QLineEdit* makeTextBox(QWidget* frame, const QString& objectName, const QColor& background);
    int twipsX(int offset) const; // pixels of the card origin's X plus `offset` twips
    int twipsY(int offset) const;

    int m_card;
    CardOutline* m_outline = nullptr;
    QLineEdit* m_subject = nullptr;
    PictureBox* m_photo = nullptr;
    std::array<QLineEdit*, kLines> m_names{};
    std::array<PictureBox*, 4> m_thumbnails{};
};
