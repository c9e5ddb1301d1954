// Gathers what a page of card fronts or the exported sheet shows from the current series.
#pragma once

#include "FaceSheet.h"

#include <QImage>

class CardPhotos;
class SeriesModel;

class FaceSheetBuilder final {
public:
    // Loads the built-in card outline once; every sheet is drawn on it.
    FaceSheetBuilder(const SeriesModel& model, const CardPhotos& photos);

    // The series name, subject, names as the boxes hold them, and per card the print master
    // (`forPrint`) or the screen canvas.
    FaceSheet build(bool forPrint) const;

private:
    const SeriesModel& m_model;
    const CardPhotos& m_photos;
    QImage m_cardFrame;
};
