// Where the photos of a series read from a file are to be found.
#include "PhotoLocations.h"

QStringList PhotoLocations::of(const Series& series, const QString& seriesFile) {
    Q_UNUSED(seriesFile);
    return stored(series);
}

QStringList PhotoLocations::stored(const Series& series) {
    QStringList paths;
    for (int card = 1; card <= kCards; ++card)
        paths += series.photoPath(card);
    return paths;
}
