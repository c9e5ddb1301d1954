// What a page of card fronts or the exported sheet shows: title, subject, names, photos, card
// frame.
#pragma once

#include "Series.h"

#include <QImage>
#include <QString>
#include <array>

struct FaceSheet final {
    QString seriesName; // printed after "Mosaret serie: "
    QString subject;    // the same on every card
    std::array<std::array<QString, kLines>, kCards>
        names;                         // [card - 1][line - 1], as the boxes hold them
    std::array<QImage, kCards> photos; // prepared canvas or print master per card
    QImage cardFrame;                  // drawn under every card at 3750 x 5700 twips
};
