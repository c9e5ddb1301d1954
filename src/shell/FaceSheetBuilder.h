// Gathers what a page of card fronts or the exported sheet shows from the current series.
#pragma once

#include "FaceSheet.h"

#include <QImage>

class CardPhotos;
class SeriesModel;

class FaceSheetBuilder final {
public:
    // Every sheet is drawn on the built-in card outline, loaded once when first needed.
    FaceSheetBuilder(const SeriesModel& model, const CardPhotos& photos);

    // The series name, subject, names as the boxes hold them, and per card its photo: the kept
    // picture inside the outline once a photo has been placed or loaded, nothing before.
    FaceSheet build() const;

private:
    const SeriesModel& m_model;
    const CardPhotos& m_photos;
    mutable QImage m_cardFrame; // not read at start-up, which has enough to do
};
