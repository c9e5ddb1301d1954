// What screen readers see of a deck button: one of two radio buttons, checked when its deck is
// shown.
#include "DeckButtonAccessible.h"

#include "DeckButton.h"

DeckButtonAccessible::DeckButtonAccessible(DeckButton* button)
    : QAccessibleWidget(button, QAccessible::RadioButton) {}

DeckButton* DeckButtonAccessible::button() const {
    return static_cast<DeckButton*>(widget());
}

QAccessible::State DeckButtonAccessible::state() const {
    QAccessible::State state = QAccessibleWidget::state();
    state.checkable = true;
    state.checked = button()->isChosen();
    return state;
}

QStringList DeckButtonAccessible::actionNames() const {
    QStringList names = QAccessibleWidget::actionNames();
    if (button()->isEnabled())
        names.prepend(pressAction());
    return names;
}

void DeckButtonAccessible::doAction(const QString& actionName) {
    // Queued on the widget, so the call is dropped if the widget goes first.
    if (actionName == pressAction())
        QMetaObject::invokeMethod(button(), &DeckButton::click, Qt::QueuedConnection);
    else
        QAccessibleWidget::doAction(actionName);
}
