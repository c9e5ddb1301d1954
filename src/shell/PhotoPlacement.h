// Placing picture files on the cards: the kinds of picture, the open dialog's filter, and what the
// prepared photos change.
#pragma once

#include "PhotoBatch.h"

#include <QString>
#include <QStringList>

class CardPhotos;
class SeriesModel;
class UserPrompts;

class PhotoPlacement final {
public:
    // The open-dialog filter: every picture kind the card accepts, in both letter cases.
    static QString filter();
    // True when `fileName` ends in the extension of a picture kind the filter offers, in any case.
    static bool isPictureName(const QString& fileName);

    // Shows the photos prepared from `paths` on `firstCard` and the cards after it, and keeps
    // their paths for the next save; a file that is not a readable picture changes nothing and is
    // reported by name, all such files in one message. Returns how many were placed.
    static int apply(SeriesModel& model, CardPhotos& cards, UserPrompts& prompts, int firstCard,
                     const QStringList& paths, const PhotoBatch::Results& photos);
    // The info bar's text after `placed` of `offered` dropped photos were placed.
    static QString placedText(int placed, int offered);
};
