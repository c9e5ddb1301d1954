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
                          int firstCard, const QStringList& paths,
                          const PhotoBatch::Results& photos) {
    int placed = 0;
    QStringList errors;
    for (size_t i = 0; i < photos.size() && i < size_t(paths.size()); ++i) {
        const int card = firstCard + int(i);
        if (!photos[i].ok()) {
            errors << photos[i].error();
            continue;
        }
        cards.place(card, photos[i].value());
        model.setPhotoPath(card, paths[qsizetype(i)]);
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
