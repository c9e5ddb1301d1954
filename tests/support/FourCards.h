// A sheet of four cards for the drawing, PDF and print tests.
#pragma once

#include "FaceSheet.h"

#include <QList>
#include <QSize>

// Photos of four shapes, each a TestPictures::target: upright, landscape, square and very wide.
inline const QList<QSize> kPhotoSizes{{900, 1200}, {1600, 1200}, {1000, 1000}, {2400, 600}};

// Card k shows photos[k - 1] (the list repeats when shorter) and the names Aap, Beer, Kat, Uil.
inline FaceSheet fourCards(const QList<QImage>& photos, PhotoFrame frame,
                           const QString& subject = "Dieren") {
    FaceSheet sheet{"Dieren.msr", subject, {}, {}, {}};
    for (int card = 0; card < kCards; ++card) {
        sheet.photos[size_t(card)] = {photos[card % photos.size()], frame};
        sheet.names[size_t(card)] = {"Aap", "Beer", "Kat", "Uil"};
    }
    return sheet;
}
