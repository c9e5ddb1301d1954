// What screen readers see of a deck button: one of two radio buttons, checked when its deck is
// shown.
#include "DeckButtonAccessible.h"

#include "DeckButton.h"

#include <QPointer>

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
    if (actionName != pressAction()) {
        QAccessibleWidget::doAction(actionName);
        return;
    }
    QMetaObject::invokeMethod(
        button(),
        [button = QPointer<DeckButton>(button())] {
            if (button)
                button->click();
        },
        Qt::QueuedConnection);
}
