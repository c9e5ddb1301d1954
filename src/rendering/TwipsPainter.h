// Sets up a painter so that one logical unit is one twip, and writes text by its top-left corner.
#pragma once

#include <QColor>
#include <QFont>
#include <QRectF>
#include <QString>

class QPainter;

class TwipsPainter final {
public:
    // Maps `twipsSize` (from the origin) onto `deviceRect` of the painter's device.
    static void setUp(QPainter& painter, const QRectF& deviceRect, const QSizeF& twipsSize);
    // The width in twips of `text` in `font`, as measured on this painter.
    static double textWidth(QPainter& painter, const QFont& font, const QString& text);
    // Draws `text` with its top-left corner at (left, top) in twips.
    static void drawText(QPainter& painter, const QFont& font, const QColor& colour, double left,
                         double top, const QString& text);
};
