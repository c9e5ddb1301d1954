// A deck button: a picture button that knows whether its deck is the one shown.
#pragma once

#include <QPushButton>

// Looks the same chosen or not (the captions show the choice); screen readers hear it as checked.
class DeckButton final : public QPushButton {
    Q_OBJECT
public:
    explicit DeckButton(QWidget* parent = nullptr) : QPushButton(parent) {}

    // Marks the button's deck as shown or not and tells screen readers when that changes.
    void setChosen(bool chosen);
    bool isChosen() const { return m_chosen; }

private:
    bool m_chosen = false;
};
