// The main window's own pictures: window icon, deck buttons, placeholders and the photo pointer.
#include "ShellPictures.h"

#include "PaintKit.h"

namespace artwork {
namespace {

const QColor kSkin{252, 214, 178};
const QColor kSkinShade{226, 178, 140};
const QColor kSkinLine{96, 58, 36};

// One playing card of the window icon, fanned around a pivot below the box.
void fannedCard(QPainter& painter, qreal angle, const QColor& colour) {
    painter.save();
    painter.translate(32.0, 60.0);
    painter.rotate(angle);
    const QRectF card(-9.5, -52.0, 19.0, 28.0);
    QPainterPath outline;
    outline.addRoundedRect(card, 2.5, 2.5);
    fillAndStroke(painter, outline, Qt::white, kInk, 1.2);
    painter.setPen(QPen(colour, 1.2));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(card.adjusted(2.5, 2.5, -2.5, -2.5), 1.5, 1.5);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawEllipse(QPointF(0.0, -44.5), 3.0, 3.0);
    painter.restore();
}

// The outline of a small card on a deck button.
void deckCard(QPainter& painter) {
    QPainterPath card;
    card.addRoundedRect(QRectF(5.5, 0.5, 21.0, 31.0), 3.0, 3.0);
    fillAndStroke(painter, card, QColor(232, 232, 232), QColor(128, 128, 128));
}

void deckPhoto(QPainter& painter, const QRectF& rect) {
    painter.setPen(QPen(QColor(140, 92, 44), 1.0));
    painter.setBrush(QColor(226, 204, 158));
    painter.drawRect(rect);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(140, 92, 44));
    painter.drawEllipse(rect.center(), 1.6, 1.6);
}

// A capsule between two points, used for fingers.
QPainterPath capsule(QPointF from, QPointF to, qreal width) {
    QPainterPathStroker stroker;
    stroker.setWidth(width);
    stroker.setCapStyle(Qt::RoundCap);
    QPainterPath line;
    line.moveTo(from);
    line.lineTo(to);
    return stroker.createStroke(line).simplified();
}

// The pen, drawn along the x axis from its tip at the origin.
void pen(QPainter& painter) {
    const QPainterPath body = polygonPath({{6.5, -2.3}, {27.0, -2.3}, {27.0, 2.3}, {6.5, 2.3}});
    fillAndStroke(painter, body, QColor(40, 90, 200), kInk);
    const QPainterPath nib = polygonPath({{0.0, 0.0}, {6.5, -2.3}, {6.5, 2.3}});
    fillAndStroke(painter, nib, QColor(214, 170, 70), kInk);
    painter.setPen(roundPen(kInk, 1.0));
    painter.drawLine(QPointF(0.5, 0.0), QPointF(3.5, 0.0));
}

} // namespace

QImage windowIcon(int size) {
    QImage image = transparentCanvas(size, size);
    QPainter painter(&image);
    smooth(painter);
    painter.scale(size / 64.0, size / 64.0);
    const QPainterPath opening =
        polygonPath({{12.5, 34.5}, {18.5, 30.5}, {57.5, 30.5}, {51.5, 34.5}});
    fillAndStroke(painter, opening, QColor(60, 16, 16), kInk, 1.2);
    const QColor suits[] = {{205, 40, 40}, {40, 95, 195}, {35, 150, 70}, {235, 150, 25}};
    const qreal angles[] = {-26.0, -9.0, 8.0, 25.0};
    for (int k = 0; k < 4; ++k)
        fannedCard(painter, angles[k], suits[k]);

    const QRectF frontRect(12.5, 34.5, 39.0, 27.0);
    QPainterPath front;
    front.addRect(frontRect);
    fillAndStroke(painter, front,
                  verticalGradient(frontRect, QColor(178, 42, 38), QColor(112, 22, 20)),
                  QColor(50, 12, 12), 1.4);
    const QPainterPath side = polygonPath({{51.5, 34.5}, {57.5, 30.5}, {57.5, 57.5}, {51.5, 61.5}});
    fillAndStroke(painter, side, QColor(96, 20, 18), QColor(50, 12, 12), 1.4);
    QPainterPath emblem;
    emblem.addRoundedRect(QRectF(21.5, 40.5, 21.0, 16.0), 3.0, 3.0);
    fillAndStroke(painter, emblem, QColor(255, 248, 232), QColor(210, 170, 80), 1.2);
    for (int k = 0; k < 4; ++k) {
        const QRectF square(25.0 + 8.0 * (k % 2), 43.0 + 6.0 * (k / 2), 6.0, 5.0);
        painter.fillRect(square, suits[k]);
    }
    return image;
}

QImage normalDeckButton(int scale) {
    QImage image = transparentCanvas(32 * scale, 32 * scale);
    QPainter painter(&image);
    smooth(painter);
    painter.scale(scale, scale);
    deckCard(painter);
    painter.setPen(QPen(QColor(80, 120, 140), 1.0));
    painter.setBrush(QColor(200, 230, 240));
    painter.drawRect(QRectF(8.5, 3.5, 15.0, 3.0));
    deckPhoto(painter, QRectF(8.5, 8.5, 15.0, 9.0));
    for (int line = 0; line < 4; ++line) {
        const QColor colour = (line == 1) ? QColor(225, 25, 25) : QColor(70, 70, 80);
        painter.setPen(QPen(colour, 1.6, Qt::SolidLine, Qt::FlatCap));
        const qreal y = 20.5 + 3.0 * line;
        painter.drawLine(QPointF(8.5, y), QPointF(line == 1 ? 21.0 : 19.0, y));
    }
    return image;
}

QImage childDeckButton(int scale) {
    QImage image = transparentCanvas(32 * scale, 32 * scale);
    QPainter painter(&image);
    smooth(painter);
    painter.scale(scale, scale);
    deckCard(painter);
    deckPhoto(painter, QRectF(8.5, 3.5, 15.0, 13.0));
    painter.setPen(QPen(QColor(60, 100, 130), 1.0));
    painter.setBrush(QColor(150, 200, 232));
    for (qreal left : {8.5, 14.0, 19.5})
        painter.drawRect(QRectF(left, 19.0, 4.0, 4.0));
    painter.drawRect(QRectF(14.0, 25.0, 4.0, 4.0));
    return image;
}

QImage photoPlaceholder() {
    QImage image = solidCanvas(240, 160, QColor(230, 210, 165));
    QPainter painter(&image);
    smooth(painter);
    painter.setPen(QPen(QColor(212, 186, 136), 6.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(3.0, 3.0, 234.0, 154.0));
    painter.setFont(artFont(64));
    painter.setPen(QColor(128, 78, 36));
    painter.drawText(QRectF(0.0, 0.0, 240.0, 160.0), Qt::AlignCenter, QStringLiteral("Foto"));
    return image;
}

QImage thumbPlaceholder(int scale) {
    return solidCanvas(37 * scale, 37 * scale, QColor(176, 216, 240));
}

QImage photoPointer() {
    QImage image = transparentCanvas(32, 32);
    QPainter painter(&image);
    smooth(painter);
    painter.translate(kPointerHotSpot.x() + 0.5, kPointerHotSpot.y() + 0.5);
    painter.rotate(45.0);
    for (qreal x : {19.5, 24.0, 28.0})
        fillAndStroke(painter, capsule(QPointF(x, -6.0), QPointF(x + 1.0, -8.0), 5.0), kSkinShade,
                      kSkinLine);
    QPainterPath palm;
    palm.addEllipse(QPointF(25.0, 0.5), 7.5, 7.5);
    fillAndStroke(painter, palm, kSkin, kSkinLine);
    pen(painter);
    fillAndStroke(painter, capsule(QPointF(15.0, 4.2), QPointF(24.0, 5.5), 5.0), kSkin, kSkinLine);
    fillAndStroke(painter, capsule(QPointF(11.5, -3.6), QPointF(24.0, -4.2), 5.0), kSkin,
                  kSkinLine);
    painter.end();
    image.setPixelColor(kPointerHotSpot, kInk);
    return image;
}

} // namespace artwork
