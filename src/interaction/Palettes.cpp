// Colours given to single widgets, and the colours the program's controls share.
#include "Palettes.h"

#include <QWidget>

void Palettes::set(QWidget* widget, QPalette::ColorRole role, const QColor& colour, States states) {
    QPalette palette = widget->palette();
    if (states == States::All) {
        palette.setColor(role, colour);
    } else {
        palette.setColor(QPalette::Active, role, colour);
        palette.setColor(QPalette::Inactive, role, colour);
    }
    widget->setPalette(palette);
}
