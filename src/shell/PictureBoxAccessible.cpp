// What screen readers see of a picture box: a button when a click on it does something, otherwise
// a picture.
#include "PictureBoxAccessible.h"

#include "PictureBox.h"

PictureBoxAccessible::PictureBoxAccessible(PictureBox* box)
    : QAccessibleWidget(box, QAccessible::Graphic) {}

PictureBox* PictureBoxAccessible::box() const {
    return static_cast<PictureBox*>(widget());
}

QAccessible::Role PictureBoxAccessible::role() const {
    return box()->isPressable() ? QAccessible::Button : QAccessible::Graphic;
}

QStringList PictureBoxAccessible::actionNames() const {
    QStringList names = QAccessibleWidget::actionNames();
    if (box()->isPressable() && box()->isEnabled())
        names.prepend(pressAction());
    return names;
}

void PictureBoxAccessible::doAction(const QString& actionName) {
    // Queued on the widget, so the call is dropped if the widget goes first.
    if (actionName == pressAction())
        QMetaObject::invokeMethod(box(), &PictureBox::click, Qt::QueuedConnection);
    else
        QAccessibleWidget::doAction(actionName);
}

QStringList PictureBoxAccessible::keyBindingsForAction(const QString& actionName) const {
    if (actionName == pressAction() && box()->isPressable())
        return {QStringLiteral("Space"), QStringLiteral("Return")};
    return QAccessibleWidget::keyBindingsForAction(actionName);
}
