// A deck button: a picture button that knows whether its deck is the one shown.
#include "DeckButton.h"

#include <QAccessible>

void DeckButton::setChosen(bool chosen) {
    if (chosen == m_chosen)
        return;
    m_chosen = chosen;
    QAccessible::State changed;
    changed.checked = true;
    QAccessibleStateChangeEvent event(this, changed);
    QAccessible::updateAccessibility(&event);
}
