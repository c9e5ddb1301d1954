// Maps twips onto a painter's device and writes bold Arial text by its top-left corner.
#include "TwipsPainter.h"

#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace {
constexpr double kTwipsPerPoint = 20.0;
} // namespace

void TwipsPainter::setUp(QPainter& painter, const QRectF& deviceRect, const QSizeF& twipsSize) {
    // The window and viewport take whole numbers; twips and device pixels are both fine enough.
    painter.setWindow(0, 0, int(std::lround(twipsSize.width())),
                      int(std::lround(twipsSize.height())));
    painter.setViewport(deviceRect.toRect());
}

QFont TwipsPainter::boldArial(double points) {
    QFont font;
    font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Arial")});
    font.setStyleHint(QFont::SansSerif);
    font.setBold(true);
    // The size is given in logical units, which are twips on a painter set up by setUp().
    font.setPixelSize(std::max(1, int(std::lround(points * kTwipsPerPoint))));
    // Unhinted outlines keep the advance widths proportional at every device resolution,
    // so a width measured here is the width drawn on paper or in a picture.
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

double TwipsPainter::textWidth(QPainter& painter, const QFont& font, const QString& text) {
    return QFontMetricsF(font, painter.device()).horizontalAdvance(text);
}

void TwipsPainter::drawText(QPainter& painter, const QFont& font, const QColor& colour, double left,
                            double top, const QString& text) {
    if (text.isEmpty())
        return;
    const QFontMetricsF metrics(font, painter.device());
    painter.save();
    painter.setFont(font);
    painter.setPen(colour);
    painter.drawText(QPointF(left, top + metrics.ascent()), text);
    painter.restore();
}
