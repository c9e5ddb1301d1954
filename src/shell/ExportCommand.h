// Draws the series as one sheet and saves it as a BMP picture where the user chooses.
#pragma once

#include "FaceSheet.h"
#include "Result.h"

#include <QImage>
#include <QString>

class UserPrompts;

class ExportCommand final {
public:
    // `pauseSeconds`: how long the busy pointer stays after a successful save.
    ExportCommand(UserPrompts& prompts, double pauseSeconds);

    // Renders `sheet`, asks for a file name and writes the picture as BMP whatever the name's
    // extension. A cancelled dialog writes nothing; a failure to write is reported.
    void run(const FaceSheet& sheet);

    // Writes `image` to `path` as a BMP file, whole or not at all.
    static Status saveBitmap(const QImage& image, const QString& path);

private:
    UserPrompts& m_prompts;
    double m_pauseSeconds;
};
