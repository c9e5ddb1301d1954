// Which part of a photo the program keeps, and at what size.
#include "PhotoFit.h"

#include "CoverCrop.h"

#include <algorithm>
#include <cmath>

QSize PhotoFit::shownPart(QSize size) {
    if (size.isEmpty())
        return size;
    const double proportions = double(size.width()) / size.height();
    if (proportions > kWidest)
        return QSize(std::max(1, int(std::lround(size.height() * kWidest))), size.height());
    if (proportions < kTallest)
        return QSize(size.width(), std::max(1, int(std::lround(size.width() / kTallest))));
    return size;
}

QSize PhotoFit::covering(QSize part, QSize area) {
    if (part.isEmpty())
        return part;
    const double factor =
        std::max(double(area.width()) / part.width(), double(area.height()) / part.height());
    if (factor >= 1.0)
        return part;
    // Rounded up, with a hair's room for the rounding of the division, so both sides still cover.
    const auto side = [factor](int length) {
        return std::max(1, int(std::ceil(length * factor - 1e-9)));
    };
    return QSize(side(part.width()), side(part.height()));
}

QSize PhotoFit::keptSize(QSize part) {
    const QSize kept = screenSize(part) * kPrintScale;
    return kept.width() <= part.width() && kept.height() <= part.height() ? kept : part;
}

QImage PhotoFit::middleOf(const QImage& picture) {
    return picture.copy(CoverCrop::middle(picture.size(), shownPart(picture.size())));
}

namespace {
// The pixels of the whole photo kept at the scale of its part.
double pixelsAlike(QSize whole, QSize part, QSize kept) {
    return double(whole.width()) * kept.width() / part.width() * whole.height() * kept.height() /
           part.height();
}
} // namespace

bool PhotoFit::wholeKeptAlike(QSize whole, QSize part, QSize kept) {
    return !whole.isEmpty() && !part.isEmpty() &&
           pixelsAlike(whole, part, kept) <= double(kMaxWholePixels);
}

QSize PhotoFit::wholeKeptSize(QSize whole, QSize part, QSize kept) {
    if (whole.isEmpty() || part.isEmpty())
        return whole;
    if (whole == part)
        return kept;
    double across = double(kept.width()) / part.width();
    double down = double(kept.height()) / part.height();
    const double pixels = pixelsAlike(whole, part, kept);
    if (pixels > double(kMaxWholePixels)) {
        const double shrink = std::sqrt(double(kMaxWholePixels) / pixels);
        across *= shrink;
        down *= shrink;
    }
    return QSize(std::max(1, int(std::lround(whole.width() * across))),
                 std::max(1, int(std::lround(whole.height() * down))));
}
