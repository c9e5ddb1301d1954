// What a page of card fronts or the exported sheet shows: title, subject, names, photos, card
// frame.
#pragma once

#include "PhotoBox.h"
#include "Series.h"

#include <QImage>
#include <QString>
#include <array>

// A card's photo as the printed boxes and the export show it: each box cuts its own middle from
// the picture. A null picture leaves the box white inside the outline, or untouched when bare.
struct FacePhoto final {
    QImage picture; // upright, in its own proportions, with as many pixels as the print needs
    PhotoFrame frame = PhotoFrame::Bare;
    QImage whole{}; // the whole photo at the same scale, for a framing other than the default
    Framing framing{};
};

struct FaceSheet final {
    QString seriesName; // printed after "Mosaret serie: "
    QString subject;    // the same on every card
    std::array<std::array<QString, kLines>, kCards>
        names;                            // [card - 1][line - 1], as the boxes hold them
    std::array<FacePhoto, kCards> photos; // per card
    QImage cardFrame;                     // drawn under every card at 3750 x 5700 twips
};
