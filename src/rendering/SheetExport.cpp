// Renders the series as one 600 x 900 sheet in the names layout.
#include "SheetExport.h"

#include "CardFaces.h"
#include "CardGeometry.h"
#include "Fonts.h"
#include "TwipsPainter.h"

#include <QPainter>

namespace {
constexpr QSizeF kSheetTwips{9000, 13500};
constexpr QPointF kTitleCorner{1950, 180};
constexpr double kTitlePoints = 18;
} // namespace

QImage SheetExport::render(const FaceSheet& sheet) {
    QImage image(kSize, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    TwipsPainter::setUp(painter, QRectF(QPointF(0, 0), QSizeF(kSize)), kSheetTwips);

    TwipsPainter::drawText(painter, Fonts::twipsBold(kTitlePoints), Qt::black, kTitleCorner.x(),
                           kTitleCorner.y(), CardFaces::title(sheet.seriesName));
    const auto corners = CardGeometry::grid({300, 900}, 6600, 6300);
    for (int card = 1; card <= kCards; ++card)
        CardFaces::drawNamesCard(painter, sheet, card, corners[size_t(card - 1)]);
    return image;
}
