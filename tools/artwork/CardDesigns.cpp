// The card pictures: the blank card outline and five card backs, drawn on a 250 x 380 grid.
#include "CardDesigns.h"

#include "PaintKit.h"

namespace artwork {
namespace {

const QSizeF kGrid(250.0, 380.0);
const QRectF kBackArea(10.0, 10.0, 230.0, 360.0);
const QPointF kCentre(125.0, 190.0);
constexpr qreal kBackRadius = 14.0;

QPainterPath roundedRect(const QRectF& rect, qreal radius) {
    QPainterPath path;
    path.addRoundedRect(rect, radius, radius);
    return path;
}

// Starts a card: a white canvas of the card's size, its resolution recorded for image viewers, and
// a painter on it that draws in grid units.
void beginCard(QPainter& painter, QImage& image) {
    image = solidCanvas(kCardSize.width(), kCardSize.height(), Qt::white);
    const int dotsPerMetre = qRound(kCardSize.width() / (kCardTwips.width() / 1440.0) / 0.0254);
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
    painter.begin(&image);
    smooth(painter);
    painter.scale(kCardSize.width() / kGrid.width(), kCardSize.height() / kGrid.height());
}

// Starts a back: a white card with a faint edge, the painter clipped to the patterned area.
QImage beginBack(QPainter& painter, QImage& image, const QColor& ground) {
    beginCard(painter, image);
    painter.setPen(QPen(QColor(214, 214, 214), 1.0));
    painter.drawRoundedRect(QRectF(0.5, 0.5, 249.0, 379.0), 20.0, 20.0);
    painter.setClipPath(roundedRect(kBackArea, kBackRadius));
    painter.fillRect(kBackArea, ground);
    return image;
}

// Ends a back with a bold frame round the pattern and a fine line inside it.
QImage finishBack(QPainter& painter, QImage& image, const QColor& frame, const QColor& accent) {
    painter.setClipping(false);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(frame, 4.0));
    painter.drawRoundedRect(kBackArea.adjusted(1.0, 1.0, -1.0, -1.0), kBackRadius - 1,
                            kBackRadius - 1);
    painter.setPen(QPen(accent, 1.2));
    painter.drawRoundedRect(kBackArea.adjusted(7.0, 7.0, -7.0, -7.0), kBackRadius - 6,
                            kBackRadius - 6);
    painter.end();
    return image;
}

QImage diamondLattice() {
    QImage image;
    QPainter painter;
    beginBack(painter, image, QColor(22, 40, 98));
    const qreal w = 26.0, h = 34.0;
    const QColor gold(214, 178, 92);
    for (int j = -12; j <= 12; ++j) {
        for (int i = -10; i <= 10; ++i) {
            if ((i + j) % 2 != 0)
                continue;
            const QPointF c = kCentre + QPointF(i * w / 2, j * h / 2);
            const QPainterPath diamond =
                polygonPath({c + QPointF(0, -h / 2), c + QPointF(w / 2, 0), c + QPointF(0, h / 2),
                             c + QPointF(-w / 2, 0)});
            const QColor fill = (j % 2 == 0) ? QColor(36, 72, 156) : QColor(22, 40, 98);
            fillAndStroke(painter, diamond, fill, gold, 1.0);
            if (j % 2 == 0) {
                painter.setPen(Qt::NoPen);
                painter.setBrush(QColor(120, 160, 225));
                painter.drawEllipse(c, 2.0, 2.0);
            }
        }
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(gold);
    for (int j = -12; j <= 12; ++j)
        for (int i = -10; i <= 10; ++i)
            if ((i + j) % 2 != 0)
                painter.drawEllipse(kCentre + QPointF(i * w / 2, j * h / 2), 1.8, 1.8);
    return finishBack(painter, image, gold, Qt::white);
}

QImage concentricFrames() {
    QImage image;
    QPainter painter;
    const QColor red(150, 22, 34), cream(246, 232, 204), gold(200, 150, 58);
    beginBack(painter, image, red);
    // Bands of red, cream and gold, narrowing towards a cream centre panel.
    const QColor colours[] = {cream, red, gold, red};
    const qreal widths[] = {3.0, 6.0, 2.0, 5.0};
    qreal inset = 9.0;
    for (int band = 0; band < 16; ++band) {
        const QRectF rect = kBackArea.adjusted(inset, inset, -inset, -inset);
        const qreal radius = std::max(4.0, kBackRadius - inset / 5);
        painter.fillPath(roundedRect(rect, radius), colours[band % 4]);
        inset += widths[band % 4];
    }
    painter.setPen(QPen(gold, 2.0));
    painter.setBrush(cream);
    painter.drawEllipse(kCentre, 40.0, 40.0);
    for (const QPointF offset :
         {QPointF(0, -19), QPointF(19, 0), QPointF(0, 19), QPointF(-19, 0)}) {
        painter.setBrush(offset.y() == 0 ? gold : red);
        painter.setPen(QPen(QColor(100, 14, 22), 1.2));
        painter.drawEllipse(kCentre + offset, 10.0, 10.0);
    }
    painter.setBrush(gold);
    painter.drawEllipse(kCentre, 5.0, 5.0);
    return finishBack(painter, image, red, gold);
}

void centralStarMedallion(QPainter& painter, const QColor& green, const QColor& gold) {
    painter.setPen(QPen(gold, 3.0));
    painter.setBrush(QColor(16, 66, 48));
    painter.drawEllipse(kCentre, 44.0, 44.0);
    painter.setPen(QPen(gold, 1.0));
    painter.setBrush(QColor(246, 238, 214));
    painter.drawEllipse(kCentre, 37.0, 37.0);
    fillAndStroke(painter, starPath(kCentre, 32.0, 14.0, 8), green, gold, 1.5);
    fillAndStroke(painter, starPath(kCentre, 13.0, 6.0, 8), gold, QColor(16, 66, 48), 1.0);
}

QImage starPattern() {
    QImage image;
    QPainter painter;
    const QColor green(26, 104, 72), gold(234, 198, 94);
    beginBack(painter, image, QColor(18, 78, 56));
    const qreal step = 24.0;
    for (int row = -9; row <= 9; ++row) {
        for (int col = -6; col <= 6; ++col) {
            const QPointF c =
                kCentre + QPointF(col * step + ((row % 2 != 0) ? step / 2 : 0.0), row * step);
            painter.setPen(Qt::NoPen);
            painter.setBrush(QColor(30, 98, 70));
            painter.drawEllipse(c, 9.0, 9.0);
            fillAndStroke(painter, starPath(c, 7.0, 2.8, 8), gold, QColor(150, 110, 30), 0.6);
        }
    }
    centralStarMedallion(painter, green, gold);
    return finishBack(painter, image, gold, QColor(246, 238, 214));
}

void fourPetalFlower(QPainter& painter) {
    painter.save();
    painter.translate(kCentre);
    for (int k = 0; k < 4; ++k) {
        QRadialGradient petal(QPointF(0, -26), 24.0);
        petal.setColorAt(0.0, QColor(214, 120, 196));
        petal.setColorAt(1.0, QColor(118, 46, 150));
        painter.setBrush(petal);
        painter.setPen(QPen(QColor(80, 30, 100), 1.2));
        painter.drawEllipse(QPointF(0, -27), 12.5, 24.0);
        painter.setBrush(QColor(70, 140, 90));
        painter.setPen(QPen(QColor(40, 90, 55), 1.0));
        painter.save();
        painter.rotate(45.0);
        painter.drawEllipse(QPointF(0, -30), 5.0, 11.0);
        painter.restore();
        painter.rotate(90.0);
    }
    painter.setBrush(QColor(236, 190, 70));
    painter.setPen(QPen(QColor(150, 100, 20), 1.2));
    painter.drawEllipse(QPointF(0, 0), 9.0, 9.0);
    painter.restore();
}

QImage stripedMedallion() {
    QImage image;
    QPainter painter;
    const QColor purple(96, 44, 128), lilac(132, 82, 164), gold(222, 184, 96);
    beginBack(painter, image, purple);
    for (int k = -30; k <= 30; ++k) {
        const qreal x = kCentre.x() + k * 18.0 - 4.5;
        painter.fillPath(polygonPath({{x - 200, kCentre.y() + 200},
                                      {x + 200, kCentre.y() - 200},
                                      {x + 209, kCentre.y() - 200},
                                      {x - 191, kCentre.y() + 200}}),
                         lilac);
    }
    painter.setPen(QPen(gold, 3.0));
    painter.setBrush(QColor(250, 242, 226));
    painter.drawEllipse(kCentre, 66.0, 96.0);
    painter.setPen(QPen(purple, 1.2));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(kCentre, 60.0, 90.0);
    fourPetalFlower(painter);
    return finishBack(painter, image, gold, QColor(250, 242, 226));
}

QImage checkerPattern() {
    QImage image;
    QPainter painter;
    const QColor teal(0, 112, 122), cream(236, 246, 240), orange(228, 120, 40);
    beginBack(painter, image, cream);
    const qreal cell = 18.0;
    for (int row = -11; row <= 11; ++row)
        for (int col = -7; col <= 7; ++col)
            if ((row + col) % 2 != 0)
                painter.fillRect(QRectF(kCentre.x() - cell / 2 + col * cell,
                                        kCentre.y() - cell / 2 + row * cell, cell, cell),
                                 teal);
    const auto diamond = [](qreal r) {
        return polygonPath({kCentre + QPointF(0, -r), kCentre + QPointF(r * 0.75, 0),
                            kCentre + QPointF(0, r), kCentre + QPointF(-r * 0.75, 0)});
    };
    painter.setPen(QPen(teal, 18.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(kBackArea);
    fillAndStroke(painter, diamond(62.0), orange, QColor(120, 56, 10), 1.5);
    fillAndStroke(painter, diamond(44.0), cream, QColor(120, 56, 10), 1.0);
    fillAndStroke(painter, diamond(20.0), teal, QColor(0, 60, 66), 1.0);
    return finishBack(painter, image, teal, orange);
}

} // namespace

QImage blankCard() {
    QImage image;
    QPainter painter;
    beginCard(painter, image);
    painter.setPen(QPen(kCardBorder, 4.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(QRectF(2.0, 2.0, 246.0, 376.0), 18.0, 18.0);
    painter.end();
    return image;
}

std::vector<QImage> cardBacks() {
    return {diamondLattice(), concentricFrames(), starPattern(), stripedMedallion(),
            checkerPattern()};
}

} // namespace artwork
