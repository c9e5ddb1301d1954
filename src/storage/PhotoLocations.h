// Where the photos of a series read from a file are to be found.
#pragma once

#include "Series.h"

#include <QString>
#include <QStringList>

class PhotoLocations final {
public:
    // The photo path of each card, card 1 first, for `series` as read from the file `seriesFile`;
    // an empty path for a card without a photo.
    static QStringList of(const Series& series, const QString& seriesFile);
    // The photo paths exactly as `series` holds them, card 1 first.
    static QStringList stored(const Series& series);
};
