// The series drawn as one 600 x 900 sheet in the names layout, for the export.
#pragma once

#include "FaceSheet.h"

#include <QImage>
#include <QSize>

class SheetExport final {
public:
    static constexpr QSize kSize{600, 900};
    // Title at (1950, 180) in 18 pt; cards at (300, 900), (4800, 900), (300, 7200), (4800, 7200).
    static QImage render(const FaceSheet& sheet);
};
