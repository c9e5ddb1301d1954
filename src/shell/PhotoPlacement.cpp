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
    return QStringLiteral("Afbeeldingen (%1)").arg(patterns.join(u' '));
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
        prompts.warn(QStringLiteral("Foto"), errors.join(u'\n'));
    return placed;
}

QString PhotoPlacement::placedText(int placed, int offered) {
    if (placed == offered)
        return placed == 1 ? QStringLiteral("Er is 1 foto geplaatst.")
                           : QStringLiteral("Er zijn %1 foto's geplaatst.").arg(placed);
    return QStringLiteral("Er %1 %2 van de %3 foto's geplaatst.")
        .arg(placed == 1 ? QStringLiteral("is") : QStringLiteral("zijn"))
        .arg(placed)
        .arg(offered);
}
