// Gathers what a page of card fronts or the exported sheet shows from the current series.
#include "FaceSheetBuilder.h"

#include "BuiltInPictures.h"
#include "CardPhotos.h"
#include "SeriesModel.h"

FaceSheetBuilder::FaceSheetBuilder(const SeriesModel& model, const CardPhotos& photos)
    : m_model(model), m_photos(photos) {}

FaceSheet FaceSheetBuilder::build() const {
    FaceSheet sheet;
    sheet.seriesName = m_model.seriesName();
    sheet.subject = m_model.subject();
    for (int card = 1; card <= kCards; ++card) {
        for (int line = 1; line <= kLines; ++line)
            sheet.names[size_t(card - 1)][size_t(line - 1)] = m_model.name(card, line);
        // A photo still being read, or given up on, prints as the empty canvas of a missing one.
        if (m_photos.cardShows(card) != CardPhotos::CardShows::Placeholder)
            sheet.photos[size_t(card - 1)] = {m_photos.photo(card).picture, PhotoFrame::Outlined,
                                              m_photos.photo(card).whole, m_model.framing(card)};
    }
    if (m_cardFrame.isNull())
        m_cardFrame = BuiltInPictures::png(QStringLiteral("card-outline"));
    sheet.cardFrame = m_cardFrame;
    return sheet;
}
