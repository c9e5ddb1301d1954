// Placing a picture file on one card: the open dialog's filter, and what a prepared photo changes.
#pragma once

#include "PreparedPhoto.h"
#include "Result.h"

#include <QString>

class CardPhotos;
class SeriesModel;
class UserPrompts;

class PhotoPlacement final {
public:
    // The open-dialog filter: every picture kind the card accepts, in both letter cases.
    static QString filter();

    // Shows the photo prepared from `path` on `card` and keeps the path for the next save; a file
    // that is not a readable picture is reported by name and changes nothing.
    static void apply(SeriesModel& model, CardPhotos& cards, UserPrompts& prompts, int card,
                      const QString& path, const Result<PreparedPhoto>& photo);
};
