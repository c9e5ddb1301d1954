// The six 32 x 32 icons of the menu row, drawn on transparent canvases.
#include "MenuIcons.h"

#include "PaintKit.h"

#include <cmath>
#include <numbers>

namespace artwork {
namespace {

constexpr int kIconSize = 32;

// A few grey lines of "text" on a page or sheet.
void textLines(QPainter& painter, qreal left, qreal right, qreal top, int count, qreal step,
               const QColor& colour) {
    painter.setPen(QPen(colour, 1.0));
    for (int k = 0; k < count; ++k) {
        const qreal y = top + k * step;
        painter.drawLine(QPointF(left, y), QPointF(right, y));
    }
}

QPainterPath bookPage(bool right) {
    auto x = [right](qreal value) { return right ? 32.0 - value : value; };
    QPainterPath page;
    page.moveTo(x(3.5), 7.5);
    page.cubicTo(x(8.0), 6.0, x(13.0), 7.0, x(16.0), 10.0);
    page.lineTo(x(16.0), 27.0);
    page.cubicTo(x(13.0), 24.5, x(8.0), 23.5, x(3.5), 24.5);
    page.closeSubpath();
    return page;
}

// The metal screw base of the light bulb.
void screwBase(QPainter& painter) {
    const QRectF base(12.0, 23.0, 8.0, 5.5);
    QPainterPath screw;
    screw.addRoundedRect(base, 1.0, 1.0);
    fillAndStroke(painter, screw,
                  verticalGradient(base, QColor(200, 200, 210), QColor(118, 118, 130)), kInk);
    painter.setPen(QPen(QColor(80, 80, 92), 1.0));
    painter.drawLine(QPointF(12.5, 25.0), QPointF(19.5, 25.0));
    painter.drawLine(QPointF(12.5, 27.0), QPointF(19.5, 27.0));
    QPainterPath tip;
    tip.addRoundedRect(QRectF(14.0, 28.0, 4.0, 2.5), 1.0, 1.0);
    painter.fillPath(tip, QColor(55, 55, 66));
}

// A small landscape picture, tilted, as one of the things in the export box.
void tiltedPicture(QPainter& painter) {
    painter.save();
    painter.translate(10.5, 10.0);
    painter.rotate(-14.0);
    const QRectF frame(-5.5, -7.0, 11.0, 13.0);
    painter.fillRect(frame, QColor(150, 205, 245));
    painter.fillPath(
        polygonPath({{-5.5, 6.0}, {-5.5, 1.0}, {-1.0, -2.5}, {3.0, 1.5}, {5.5, 0.0}, {5.5, 6.0}}),
        QColor(60, 160, 70));
    painter.setPen(QPen(kInk, 1.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(frame);
    painter.restore();
}

} // namespace

QImage openBookIcon(int scale) {
    QImage image = transparentCanvas(kIconSize * scale, kIconSize * scale);
    QPainter painter(&image);
    smooth(painter);
    painter.scale(scale, scale);
    const QPainterPath cover = polygonPath(
        {{1.5, 10.5}, {16.0, 13.5}, {30.5, 10.5}, {30.5, 26.5}, {16.0, 29.5}, {1.5, 26.5}});
    fillAndStroke(painter, cover, QColor(44, 86, 160), kInk);
    for (bool right : {false, true}) {
        QLinearGradient paper(QPointF(right ? 28 : 4, 0), QPointF(16, 0));
        paper.setColorAt(0.0, QColor(255, 253, 244));
        paper.setColorAt(1.0, QColor(222, 214, 190));
        fillAndStroke(painter, bookPage(right), paper, kInk);
    }
    painter.setPen(QPen(QColor(140, 140, 150), 1.0));
    for (int k = 0; k < 5; ++k) {
        const qreal y = 11.0 + 3.0 * k;
        painter.drawLine(QPointF(5.5, y - 0.6), QPointF(14.0, y + 1.2));
        painter.drawLine(QPointF(26.5, y - 0.6), QPointF(18.0, y + 1.2));
    }
    painter.setPen(roundPen(kInk, 1.0));
    painter.drawLine(QPointF(16.0, 10.0), QPointF(16.0, 27.5));
    const QPainterPath ribbon =
        polygonPath({{17.0, 27.0}, {20.0, 27.0}, {20.0, 31.5}, {18.5, 30.0}, {17.0, 31.5}});
    painter.fillPath(ribbon, QColor(205, 40, 40));
    return image;
}

QImage eyeIcon(int scale) {
    QImage image = transparentCanvas(kIconSize * scale, kIconSize * scale);
    QPainter painter(&image);
    smooth(painter);
    painter.scale(scale, scale);
    const QPointF left(1.5, 16.0), right(30.5, 16.0), upper(16.0, 2.0), lower(16.0, 30.0);
    QPainterPath almond;
    almond.moveTo(left);
    almond.quadTo(upper, right);
    almond.quadTo(lower, left);
    painter.fillPath(almond, QColor(252, 252, 255));

    painter.save();
    painter.setClipPath(almond);
    QRadialGradient iris(QPointF(15.0, 14.5), 8.0);
    iris.setColorAt(0.0, QColor(120, 190, 240));
    iris.setColorAt(1.0, QColor(20, 80, 150));
    painter.setBrush(iris);
    painter.setPen(QPen(QColor(15, 50, 100), 1.0));
    painter.drawEllipse(QPointF(16.0, 16.0), 7.0, 7.0);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(10, 10, 16));
    painter.drawEllipse(QPointF(16.0, 16.0), 3.2, 3.2);
    painter.setBrush(Qt::white);
    painter.drawEllipse(QPointF(13.6, 13.6), 1.6, 1.6);
    painter.restore();
    painter.strokePath(almond, roundPen(kInk, 1.5));

    // Lashes leave the upper lid along its outward normal.
    painter.setPen(roundPen(kInk, 1.3));
    for (qreal t : {0.22, 0.36, 0.5, 0.64, 0.78}) {
        const QPointF point = (1 - t) * (1 - t) * left + 2 * t * (1 - t) * upper + t * t * right;
        const QPointF tangent = 2 * (1 - t) * (upper - left) + 2 * t * (right - upper);
        const qreal length = std::hypot(tangent.x(), tangent.y());
        const QPointF normal(tangent.y() / length, -tangent.x() / length);
        painter.drawLine(point, point + 3.5 * normal);
    }
    return image;
}

QImage discDriveIcon(int scale) {
    QImage image = transparentCanvas(kIconSize * scale, kIconSize * scale);
    QPainter painter(&image);
    smooth(painter);
    painter.scale(scale, scale);
    const QPointF centre(16.0, 11.5);
    QConicalGradient silver(centre, 45);
    const QColor tints[] = {{205, 205, 215}, {250, 240, 195}, {195, 228, 250}, {228, 228, 236},
                            {248, 212, 238}, {205, 248, 225}, {205, 205, 215}};
    for (int k = 0; k < 7; ++k)
        silver.setColorAt(k / 6.0, tints[k]);
    painter.setBrush(silver);
    painter.setPen(QPen(QColor(105, 105, 118), 1.0));
    painter.drawEllipse(centre, 10.5, 10.5);
    painter.setBrush(QColor(236, 236, 242));
    painter.setPen(QPen(QColor(150, 150, 160), 1.0));
    painter.drawEllipse(centre, 4.0, 4.0);
    painter.setCompositionMode(QPainter::CompositionMode_Clear);
    painter.setPen(Qt::NoPen);
    painter.drawEllipse(centre, 1.7, 1.7);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);

    QPainterPath drive;
    const QRectF body(1.5, 17.5, 29.0, 12.0);
    drive.addRoundedRect(body, 2.0, 2.0);
    fillAndStroke(painter, drive,
                  verticalGradient(body, QColor(214, 214, 222), QColor(128, 128, 142)), kInk);
    painter.setPen(roundPen(QColor(25, 25, 30), 1.6));
    painter.drawLine(QPointF(6.0, 21.0), QPointF(22.0, 21.0));
    painter.setPen(QPen(QColor(70, 70, 80), 1.0));
    painter.setBrush(QColor(170, 170, 180));
    painter.drawRect(QRectF(5.5, 24.5, 5.0, 2.0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(60, 210, 80));
    painter.drawEllipse(QPointF(25.5, 25.5), 1.5, 1.5);
    return image;
}

QImage lightBulbIcon(int scale) {
    QImage image = transparentCanvas(kIconSize * scale, kIconSize * scale);
    QPainter painter(&image);
    smooth(painter);
    painter.scale(scale, scale);
    QPainterPath glass;
    glass.moveTo(12.5, 23.0);
    glass.lineTo(12.5, 21.0);
    glass.cubicTo(12.5, 18.0, 6.5, 16.5, 6.5, 11.5);
    glass.arcTo(QRectF(6.5, 2.0, 19.0, 19.0), 180.0, -180.0);
    glass.cubicTo(25.5, 16.5, 19.5, 18.0, 19.5, 21.0);
    glass.lineTo(19.5, 23.0);
    glass.closeSubpath();
    QRadialGradient light(QPointF(14.0, 9.0), 13.0);
    light.setColorAt(0.0, QColor(255, 255, 225));
    light.setColorAt(0.5, QColor(255, 228, 80));
    light.setColorAt(1.0, QColor(238, 168, 20));
    fillAndStroke(painter, glass, light, QColor(120, 84, 20), 1.2);

    painter.setPen(roundPen(QColor(175, 95, 15), 1.0));
    painter.setBrush(Qt::NoBrush);
    QPainterPath filament;
    filament.moveTo(14.0, 22.5);
    filament.lineTo(14.0, 15.5);
    for (int k = 0; k < 4; ++k)
        filament.lineTo(14.0 + k + 0.5, (k % 2 == 0) ? 13.5 : 15.5);
    filament.lineTo(18.0, 15.5);
    filament.lineTo(18.0, 22.5);
    painter.drawPath(filament);
    painter.setPen(roundPen(QColor(255, 255, 255, 220), 1.6));
    painter.drawArc(QRectF(9.5, 5.0, 13.0, 13.0), 110 * 16, 55 * 16);

    screwBase(painter);
    return image;
}

QImage printerIcon(int scale) {
    QImage image = transparentCanvas(kIconSize * scale, kIconSize * scale);
    QPainter painter(&image);
    smooth(painter);
    painter.scale(scale, scale);
    QPainterPath paperIn;
    paperIn.addRect(QRectF(8.5, 2.5, 15.0, 11.0));
    fillAndStroke(painter, paperIn, Qt::white, kInk);
    textLines(painter, 10.5, 21.5, 5.5, 3, 2.5, QColor(150, 150, 165));

    const QRectF bodyRect(1.5, 11.5, 29.0, 13.0);
    QPainterPath body;
    body.addRoundedRect(bodyRect, 2.5, 2.5);
    fillAndStroke(painter, body,
                  verticalGradient(bodyRect, QColor(232, 232, 240), QColor(140, 140, 155)), kInk);
    painter.setPen(roundPen(QColor(60, 60, 70), 1.4));
    painter.drawLine(QPointF(6.0, 14.5), QPointF(26.0, 14.5));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(60, 200, 80));
    painter.drawEllipse(QPointF(26.0, 18.0), 1.4, 1.4);
    painter.setBrush(QColor(50, 50, 60));
    painter.drawRect(QRectF(5.0, 20.0, 22.0, 2.0));

    QPainterPath paperOut;
    paperOut.addRect(QRectF(7.5, 20.5, 17.0, 10.0));
    fillAndStroke(painter, paperOut, Qt::white, kInk);
    textLines(painter, 9.5, 22.5, 23.5, 3, 2.5, QColor(150, 150, 165));
    painter.setPen(QPen(QColor(215, 50, 50), 1.0));
    painter.drawLine(QPointF(9.5, 23.5), QPointF(14.0, 23.5));
    return image;
}

QImage boxOfThingsIcon(int scale) {
    QImage image = transparentCanvas(kIconSize * scale, kIconSize * scale);
    QPainter painter(&image);
    smooth(painter);
    painter.scale(scale, scale);
    const QPainterPath opening =
        polygonPath({{2.5, 16.5}, {23.5, 16.5}, {29.5, 12.5}, {8.5, 12.5}});
    fillAndStroke(painter, opening, QColor(110, 70, 32), kInk);

    // A small picture, a ball and a star stick out of the box.
    tiltedPicture(painter);

    QRadialGradient ball(QPointF(19.0, 9.0), 6.0);
    ball.setColorAt(0.0, QColor(255, 150, 140));
    ball.setColorAt(1.0, QColor(195, 25, 25));
    painter.setBrush(ball);
    painter.setPen(QPen(kInk, 1.0));
    painter.drawEllipse(QPointF(20.5, 11.0), 4.5, 4.5);
    fillAndStroke(painter, starPath(QPointF(26.0, 7.0), 5.0, 2.2, 5), QColor(255, 205, 40),
                  QColor(150, 100, 10));

    const QRectF frontRect(2.5, 16.5, 21.0, 13.0);
    QPainterPath front;
    front.addRect(frontRect);
    fillAndStroke(painter, front,
                  verticalGradient(frontRect, QColor(222, 168, 100), QColor(186, 128, 66)), kInk);
    const QPainterPath side = polygonPath({{23.5, 16.5}, {29.5, 12.5}, {29.5, 25.5}, {23.5, 29.5}});
    fillAndStroke(painter, side, QColor(160, 106, 52), kInk);
    painter.fillRect(QRectF(10.5, 17.0, 5.0, 5.0), QColor(238, 220, 170));
    return image;
}

} // namespace artwork
