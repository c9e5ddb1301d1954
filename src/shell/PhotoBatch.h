// Prepares picture files on worker threads while the window stays responsive.
#pragma once

#include "PreparedPhoto.h"
#include "Result.h"

#include <QStringList>
#include <vector>

class QWidget;

class PhotoBatch final {
public:
    // One result per path, in order: the prepared picture, PhotoPreparer::emptyPhoto() for an
    // empty path, or a Dutch error naming a file that is missing or not a readable picture.
    // The user's input to `blocked` is held back while the pictures are decoded, so no command
    // can start in between; the window keeps repainting, so it never freezes.
    static std::vector<Result<PreparedPhoto>> prepare(const QStringList& paths, QWidget* blocked);
};
