// Colours given to single widgets, and the colours the program's controls share.
#pragma once

#include <QColor>
#include <QPalette>

class QWidget;

class Palettes final {
public:
    // Which states of a widget a colour is given for.
    enum class States { All, EnabledOnly };

    // The dark grey of captions, labels and the info bar.
    static constexpr QColor kCaptionGrey{64, 64, 64};

    // Gives `widget` `colour` for `role` (in every state, or only while it is enabled, so that a
    // disabled widget keeps the style's greyed colour).
    static void set(QWidget* widget, QPalette::ColorRole role, const QColor& colour,
                    States states = States::All);
};
