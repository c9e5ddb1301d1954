// Small drawing helpers shared by all generated pictures: canvases, pens and outlined shapes.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

namespace artwork {

// The dark outline colour of every icon, so the set reads as one family.
inline const QColor kInk{40, 40, 48};
// The dark red-brown border of the blank card.
inline const QColor kCardBorder{118, 38, 26};

// A fully transparent ARGB canvas.
QImage transparentCanvas(int width, int height);
// An opaque canvas filled with one colour.
QImage solidCanvas(int width, int height, const QColor& fill);

// Turns on antialiasing and smooth pixmap scaling.
void smooth(QPainter& painter);

// A round-capped, round-joined pen.
QPen roundPen(const QColor& colour, qreal width);

// Fills a path and draws its outline in one call.
void fillAndStroke(QPainter& painter, const QPainterPath& path, const QBrush& fill,
                   const QColor& line, qreal lineWidth = 1.0);

// A vertical two-colour gradient over the given rectangle.
QLinearGradient verticalGradient(const QRectF& rect, const QColor& top, const QColor& bottom);

// A path through the given points, closed.
QPainterPath polygonPath(std::initializer_list<QPointF> points);

// A regular star with the given number of points, its first point straight up.
QPainterPath starPath(QPointF centre, qreal outer, qreal inner, int points);

// A bold Liberation Sans font of the given pixel size, unhinted so output is the same everywhere.
QFont artFont(int pixelSize, bool bold = true);

} // namespace artwork
