// Gathers what a page of card fronts or the exported sheet shows from the current series.
#pragma once

#include "FaceSheet.h"

#include <QImage>

class CardPhotos;
class SeriesModel;

// Which pictures of the photos a sheet draws: the screen canvases or the print masters.
enum class SheetPhotos { Canvases, PrintMasters };

class FaceSheetBuilder final {
public:
    // Every sheet is drawn on the built-in card outline, loaded once when first needed.
    FaceSheetBuilder(const SeriesModel& model, const CardPhotos& photos);

    // The series name, subject, names as the boxes hold them, and per card its canvas or master.
    FaceSheet build(SheetPhotos photos) const;

private:
    const SeriesModel& m_model;
    const CardPhotos& m_photos;
    mutable QImage m_cardFrame; // not read at start-up, which has enough to do
};
