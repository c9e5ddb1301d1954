// The middle column of the card sheet: card numbers, the two deck buttons and their captions.
#pragma once

#include "DeckButton.h"
#include "DeckMode.h"

#include <QObject>

class QLabel;
class QPushButton;
class QWidget;

// Creates its widgets as children of the card-sheet frame; the caption of the active deck is
// enabled, the other one greyed.
class DeckSwitcher final : public QObject {
    Q_OBJECT
public:
    explicit DeckSwitcher(QWidget* frame);

    QPushButton* normalButton() const { return m_normal; }
    QPushButton* childrenButton() const { return m_children; }

    void showMode(DeckMode mode);

signals:
    void chosen(DeckMode mode);

private:
    QLabel* makeLabel(QWidget* frame, const QString& objectName, const QString& text);
    DeckButton* makeButton(QWidget* frame, const QString& objectName, const QString& picture,
                           int top);

    QLabel* m_normalCaption = nullptr;
    QLabel* m_childrenCaption = nullptr;
    DeckButton* m_normal = nullptr;
    DeckButton* m_children = nullptr;
};
