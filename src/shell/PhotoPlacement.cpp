// Picks a picture file for one card and places it on the card's photo canvas.
#include "PhotoPlacement.h"

#include "BusyCursor.h"
#include "CardPhotos.h"
#include "PhotoBatch.h"
#include "SeriesModel.h"
#include "UserPrompts.h"

PhotoPlacement::PhotoPlacement(SeriesModel& model, CardPhotos& photos, UserPrompts& prompts,
                               QWidget* window)
    : m_model(model), m_photos(photos), m_prompts(prompts), m_window(window) {}

QString PhotoPlacement::filter() {
    return QStringLiteral(
        "Afbeeldingen (*.jpg *.JPG *.jpeg *.JPEG *.png *.PNG *.bmp *.BMP *.gif *.GIF)");
}

void PhotoPlacement::run(int card) {
    const QString path = m_prompts.openPicture(filter());
    if (path.isEmpty())
        return;
    // The busy pointer starts after the dialog, so the dialog itself keeps the normal pointer.
    BusyCursor busy;
    auto results = PhotoBatch::prepare({path}, m_window);
    const Result<PreparedPhoto>& result = results.front();
    if (!result.ok()) {
        busy.release();
        m_prompts.warn(QStringLiteral("Foto"), result.error());
        return;
    }
    m_photos.place(card, result.value());
    m_model.setPhotoPath(card, path);
}
