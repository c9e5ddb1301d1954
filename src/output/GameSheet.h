// What a page of fronts shows for a series read from its file, without the window.
#pragma once

#include "FaceSheet.h"
#include "PreparedPhoto.h"
#include "Result.h"
#include "Series.h"

#include <QString>
#include <vector>

class GameSheet final {
public:
    // The series named `fileName` as loading it would put it on the cards: its subject, its names
    // mirrored as the load mirrors them, and per card its photo in its outline; a photo that could
    // not be read shows the empty outline, as on the screen.
    static FaceSheet build(const QString& fileName, const Series& series,
                           const std::vector<Result<PreparedPhoto>>& photos);
};
