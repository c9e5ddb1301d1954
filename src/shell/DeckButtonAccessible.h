// What screen readers see of a deck button: one of two radio buttons, checked when its deck is
// shown.
#pragma once

#include <QAccessibleWidget>

class DeckButton;

class DeckButtonAccessible final : public QAccessibleWidget {
public:
    explicit DeckButtonAccessible(DeckButton* button);

    QAccessible::State state() const override;
    QStringList actionNames() const override;
    // Clicks the button once the caller has had its answer.
    void doAction(const QString& actionName) override;

private:
    DeckButton* button() const;
};
