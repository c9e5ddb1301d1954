// Puts a series read from its file on the cards: texts, photo paths, photos and the series name.
#pragma once

#include "Result.h"
#include "Series.h"
#include "SeriesModel.h"

#include <QCoreApplication>
#include <QString>

class CardPhotos;
struct PreparedPhoto;
class UserPrompts;

class LoadSeries final {
    Q_DECLARE_TR_FUNCTIONS(LoadSeries)

public:
    // Replaces the subject, paths, names and the series name with those of `series`, read from
    // `fileName`; values the file lacks are empty. The series then counts as `saved`. The photos
    // follow as they are read.
    static void apply(SeriesModel& model, const QString& fileName, const Series& series,
                      SeriesModel::Saved saved);
    // Shows the photo read for `card`: one that could not be found or read shows nothing, one
    // given up on says it could not be read.
    static void showPhoto(CardPhotos& cards, int card, const Result<PreparedPhoto>& photo,
                          bool stalled);
    // The info bar's text after loading `fileName`, with the number of photos that were missing.
    static QString infoText(const QString& fileName, int missing);
    // Tells the user that `file` could not be loaded, and logs why.
    static void reportFailure(UserPrompts& prompts, const QString& file, const Status& failed);
};
