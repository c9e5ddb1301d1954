// Placing picture files on the cards: the kinds of picture, the open dialog's filter, and what the
// prepared photos change.
#include "PhotoPlacement.h"

#include "CardPhotos.h"
#include "SeriesModel.h"
#include "UserPrompts.h"

namespace {
const QStringList kExtensions{"jpg", "jpeg", "png", "bmp", "gif"};
} // namespace

QString PhotoPlacement::filter() {
    QStringList patterns;
    for (const QString& extension : kExtensions)
        patterns << "*." + extension << "*." + extension.toUpper();
    return tr("Afbeeldingen (%1)").arg(patterns.join(u' '));
}

bool PhotoPlacement::isPictureName(const QString& fileName) {
    const qsizetype dot = fileName.lastIndexOf(u'.');
    return dot >= 0 && kExtensions.contains(fileName.mid(dot + 1).toLower());
}

int PhotoPlacement::apply(SeriesModel& model, CardPhotos& cards, UserPrompts& prompts,
                          const std::vector<Arrived>& photos) {
    int placed = 0;
    QStringList errors;
    for (const Arrived& arrived : photos) {
        if (!arrived.photo.ok()) {
            errors << arrived.photo.error();
            continue;
        }
        cards.place(arrived.card, arrived.photo.value());
        model.setPhotoPath(arrived.card, arrived.path);
        ++placed;
    }
    if (!errors.isEmpty())
        prompts.warn(tr("Foto"), errors.join(u'\n'));
    return placed;
}

QString PhotoPlacement::placedText(int placed, int offered) {
    if (placed == offered)
        return placed == 1 ? tr("Er is 1 foto geplaatst.")
                           : tr("Er zijn %1 foto's geplaatst.").arg(placed);
    return (placed == 1 ? tr("Er is %1 van de %2 foto's geplaatst.")
                        : tr("Er zijn %1 van de %2 foto's geplaatst."))
        .arg(placed)
        .arg(offered);
}
