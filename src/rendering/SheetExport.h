// The series drawn as one 600 x 900 sheet in the names layout, and saved as a BMP picture.
#pragma once

#include "FaceSheet.h"
#include "Result.h"

#include <QImage>
#include <QString>

class SheetExport final {
public:
    static constexpr QSize kSize{600, 900};
    // Title at (1950, 180) in 18 pt; cards at (300, 900), (4800, 900), (300, 7200), (4800, 7200).
    static QImage render(const FaceSheet& sheet);
    // Writes `image` as a BMP file whatever the name's extension; whole or not at all.
    static Status save(const QImage& image, const QString& path);
};
