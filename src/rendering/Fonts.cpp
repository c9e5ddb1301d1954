// The program's one typeface, Liberation Sans (Arial's metrics), for widgets and for painters in
// twips.
#include "Fonts.h"

#include "Twips.h"

#include <QStringList>
#include <algorithm>
#include <cmath>

namespace {
QFont typeface(Fonts::Weight weight) {
    QFont font;
    font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Arial")});
    font.setBold(weight == Fonts::Weight::Bold);
    return font;
}
} // namespace

QFont Fonts::arial(double points, Weight weight) {
    QFont font = typeface(weight);
    font.setPointSizeF(points);
    return font;
}

QFont Fonts::twipsBold(double points) {
    QFont font = typeface(Weight::Bold);
    font.setStyleHint(QFont::SansSerif);
    // The size is given in logical units, which are twips on a painter set up in twips.
    font.setPixelSize(std::max(1, int(std::lround(points * twips::perPoint))));
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}
