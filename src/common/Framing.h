// Which part of a card's photo its boxes show: a point of the upright photo and a zoom.
#pragma once

#include <QPointF>
#include <algorithm>
#include <cmath>

// The point is given as fractions of the upright photo's width and height and sits in the middle
// of every box the photo is shown in, as far as the photo still covers the box; the zoom is 1 for
// the smallest size that covers the box, up to kMaxZoom.
struct Framing final {
    static constexpr double kMaxZoom = 4.0;

    QPointF point{0.5, 0.5};
    double zoom = 1.0;

    // True for the photo's centre at zoom 1, up to the four decimals the series file keeps.
    bool isDefault() const {
        return std::abs(point.x() - 0.5) < 5e-5 && std::abs(point.y() - 0.5) < 5e-5 &&
               std::abs(zoom - 1.0) < 5e-5;
    }
    // The same framing with each value brought into range; a value that is no number at all
    // becomes its default.
    Framing clamped() const {
        const auto within = [](double value, double low, double high, double otherwise) {
            return std::isfinite(value) ? std::clamp(value, low, high) : otherwise;
        };
        return Framing{QPointF(within(point.x(), 0, 1, 0.5), within(point.y(), 0, 1, 0.5)),
                       within(zoom, 1, kMaxZoom, 1)};
    }
    bool operator==(const Framing&) const = default;
};
