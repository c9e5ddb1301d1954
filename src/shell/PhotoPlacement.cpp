// Placing a picture file on one card: the open dialog's filter, and what a prepared photo changes.
#include "PhotoPlacement.h"

#include "CardPhotos.h"
#include "SeriesModel.h"
#include "UserPrompts.h"

QString PhotoPlacement::filter() {
    return QStringLiteral(
        "Afbeeldingen (*.jpg *.JPG *.jpeg *.JPEG *.png *.PNG *.bmp *.BMP *.gif *.GIF)");
}

void PhotoPlacement::apply(SeriesModel& model, CardPhotos& cards, UserPrompts& prompts, int card,
                           const QString& path, const Result<PreparedPhoto>& photo) {
    if (!photo.ok()) {
        prompts.warn(QStringLiteral("Foto"), photo.error());
        return;
    }
    cards.place(card, photo.value());
    model.setPhotoPath(card, path);
}
