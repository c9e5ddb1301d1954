// The size of a card and how four cards stand on a sheet, in twips.
#pragma once

#include <QPointF>
#include <QSizeF>
#include <array>

class CardGeometry final {
public:
    // A printed card, its frame picture and a back: 250 x 380 pixels at 15 twips a pixel.
    static constexpr QSizeF kCardSize{3750, 5700};
    // A front between its cut marks on a printed page: 30 twips narrower than the card.
    static constexpr QSizeF kCellSize{3720, 5700};
    static constexpr double kStepAcross = 4500;

    // The top-left corners of four cards from `first`, each 4500 right of the one before; when the
    // next left edge would pass `lastLeft`, a new row starts at first.x(), `stepDown` lower.
    static constexpr std::array<QPointF, 4> grid(QPointF first, double lastLeft, double stepDown) {
        std::array<QPointF, 4> corners{};
        double x = first.x();
        double y = first.y();
        for (QPointF& corner : corners) {
            corner = QPointF(x, y);
            x += kStepAcross;
            if (x > lastLeft) {
                x = first.x();
                y += stepDown;
            }
        }
        return corners;
    }
    // The four fronts on a printed page.
    static constexpr std::array<QPointF, 4> pageCorners() { return grid({1680, 2400}, 7500, 6600); }
    // How far the four cards of a printed page reach from its printable area's corner: paper whose
    // printable area is smaller cannot hold them.
    static constexpr QSizeF pageExtent() {
        return QSizeF(pageCorners()[3].x() + kCardSize.width(),
                      pageCorners()[3].y() + kCardSize.height());
    }
};
