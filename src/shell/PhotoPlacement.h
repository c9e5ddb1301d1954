// Placing picture files on the cards: the kinds of picture, the open dialog's filter, and what the
// prepared photos change.
#pragma once

#include "PreparedPhoto.h"
#include "Result.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <vector>

class CardPhotos;
class SeriesModel;
class UserPrompts;

class PhotoPlacement final {
    Q_DECLARE_TR_FUNCTIONS(PhotoPlacement)

public:
    // The open-dialog filter: every picture kind the card accepts, in both letter cases.
    static QString filter();
    // True when `fileName` ends in the extension of a picture kind the filter offers, in any case.
    static bool isPictureName(const QString& fileName);

    // A photo read for a card from the file at `path`.
    struct Arrived {
        int card = 0;
        QString path;
        Result<PreparedPhoto> photo;
    };
    // Shows the photos on their cards and keeps their paths for the next save; a file that is not
    // a readable picture changes nothing and is reported by name, all such files in one message.
    // Returns how many were placed.
    static int apply(SeriesModel& model, CardPhotos& cards, UserPrompts& prompts,
                     const std::vector<Arrived>& photos);
    // The info bar's text after `placed` of `offered` dropped photos were placed.
    static QString placedText(int placed, int offered);
};
