// What screen readers see of a picture box: a button when a click on it does something, otherwise
// a picture.
#pragma once

#include <QAccessibleWidget>

class PictureBox;

class PictureBoxAccessible final : public QAccessibleWidget {
public:
    explicit PictureBoxAccessible(PictureBox* box);

    QAccessible::Role role() const override;
    QStringList actionNames() const override;
    // The press action clicks the box once the caller has had its answer, so a dialog the click
    // opens does not keep the screen reader waiting.
    void doAction(const QString& actionName) override;
    QStringList keyBindingsForAction(const QString& actionName) const override;

private:
    PictureBox* box() const;
};
