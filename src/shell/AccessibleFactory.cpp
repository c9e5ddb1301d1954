// Makes screen readers see the widgets the program paints itself as what they are.
#include "AccessibleFactory.h"

#include "DeckButton.h"
#include "DeckButtonAccessible.h"
#include "PictureBox.h"
#include "PictureBoxAccessible.h"

#include <QAccessibleWidget>

namespace {
QAccessibleInterface* create(const QString& className, QObject* object) {
    if (className == QLatin1String("PictureBox"))
        return new PictureBoxAccessible(static_cast<PictureBox*>(object));
    if (className == QLatin1String("DeckButton"))
        return new DeckButtonAccessible(static_cast<DeckButton*>(object));
    if (className == QLatin1String("MenuCaptions"))
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::StaticText);
    if (className == QLatin1String("InfoBar"))
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::StatusBar);
    if (className == QLatin1String("MainWindow"))
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);
    if (className == QLatin1String("CardOutline"))
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Graphic);
    return nullptr;
}
} // namespace

void AccessibleFactory::install() {
    QAccessible::installFactory(create);
}
