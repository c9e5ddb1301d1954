// The program's one typeface, Liberation Sans (Arial's metrics), for widgets and for painters in
// twips.
#pragma once

#include <QFont>

class Fonts final {
public:
    enum class Weight { Normal, Bold };

    // The typeface at `points` for a widget.
    static QFont arial(double points, Weight weight = Weight::Normal);
    // Bold at `points`, sized in twips for a painter whose logical unit is one twip. Unhinted, so
    // a width measured on one device is the width drawn on any other.
    static QFont twipsBold(double points);
};
