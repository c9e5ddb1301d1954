// Where the photos of a series read from a file are to be found.
#pragma once

#include "Series.h"

#include <QString>
#include <QStringList>

// A series passed to another computer names its photos by paths that do not exist there. A photo
// whose path is missing (or not a full path) is looked for by its name, the part after the last
// "/" or "\", first beside the series file and then in the folder "fotos" beside it; nothing
// else is looked at and nothing is written.
class PhotoLocations final {
public:
    struct Located {
        QStringList paths; // per card, card 1 first: where its photo is; empty when it has none
        int missing = 0;   // photos whose stored path is missing and which were not found
    };

    static constexpr const char* kPhotoFolder = "fotos";

    // The photo to read for each card of `series` as read from the file `seriesFile`: the stored
    // path when its file exists, else the file found by its name, else nothing (an empty path,
    // as for a card saved without a photo), so a path from the file is never read from wherever
    // the program happens to run.
    static Located locate(const Series& series, const QString& seriesFile);
    // The same for one stored path: where its photo is, or empty.
    static QString find(const QString& stored, const QString& seriesFile);
    static QStringList of(const Series& series, const QString& seriesFile) {
        return locate(series, seriesFile).paths;
    }
};
