// Puts a series read from its file on the cards: texts, photo paths, photos and the series name.
#pragma once

#include "PhotoBatch.h"
#include "Result.h"
#include "Series.h"
#include "SeriesModel.h"

#include <QString>

class CardPhotos;
class UserPrompts;

class LoadSeries final {
public:
    // Replaces the subject, paths, names and the series name with those of `series`, read from
    // `fileName`, and shows `photos` (one per card, in order); a photo that could not be read
    // shows as an empty outlined canvas. Values the file lacks are empty. The series then counts
    // as `saved`.
    static void apply(SeriesModel& model, CardPhotos& cards, const QString& fileName,
                      const Series& series, const PhotoBatch::Results& photos,
                      SeriesModel::Saved saved);
    // The info bar's text after loading `fileName`, with the number of photos that were missing.
    static QString infoText(const QString& fileName, int missing);
    // Tells the user that `file` could not be loaded, and logs why.
    static void reportFailure(UserPrompts& prompts, const QString& file, const Status& failed);
};
