// Reads a series file from the series folder and puts it on the cards, or changes nothing.
#pragma once

#include "Result.h"
#include "SeriesFolder.h"

#include <QString>
#include <functional>

class CardPhotos;
class QWidget;
class SeriesModel;

class LoadSeries final {
public:
    LoadSeries(SeriesFolder folder, SeriesModel& model, CardPhotos& photos,
               std::function<void(const QString&)> setInfo);

    // Loads the listed file `fileName`. A file that cannot be read as a series is an error and
    // leaves everything as it was; otherwise the subject, paths, photos, names and the series
    // name are replaced and the info bar names the file. Values the file lacks become empty, and
    // a photo that cannot be read shows as an empty outlined canvas. `blocked` takes no input
    // while the photos are decoded.
    Status run(const QString& fileName, QWidget* blocked);

private:
    void apply(const QString& fileName, const Series& series);

    SeriesFolder m_folder;
    SeriesModel& m_model;
    CardPhotos& m_photos;
    std::function<void(const QString&)> m_setInfo;
};
