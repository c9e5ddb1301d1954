// The two sides of the test sheet that finds the backs' X and Y: crosses on the front cells, and
// scales around each back's centre.
#include "TestSheet.h"

#include "CardBacks.h"
#include "CardGeometry.h"
#include "Fonts.h"
#include "TwipsPainter.h"

#include <QFontMetricsF>
#include <QLineF>
#include <QPainter>
#include <cmath>

namespace {

constexpr double kMm = TestSheet::kMillimetre;
constexpr double kPen = 8; // twips: thin, yet a pixel wide at 150 dots per inch
constexpr double kTick = 1 * kMm;
constexpr double kLongTick = 2 * kMm;
constexpr double kLabelAway = 2.5 * kMm; // from the scale's line, past the long ticks
constexpr double kLabelBeside = 0.3 * kMm;
constexpr double kLabelPoints = 6;

// Runs `draw` with a thin black pen with square ends and restores the painter afterwards.
template <typename Draw> void withThinPen(QPainter& painter, Draw draw) {
    painter.save();
    painter.setPen(QPen(Qt::black, kPen, Qt::SolidLine, Qt::FlatCap));
    painter.setBrush(Qt::NoBrush);
    draw();
    painter.restore();
}

// Ticks lie on the side of the scale where their labels are, turning round the centre: the
// horizontal scale's right half down and left half up, the vertical scale's lower half left and
// upper half right. So no label crosses the other scale, not even the two at the centre.
void drawHorizontalScale(QPainter& painter, QPointF centre, double current) {
    const QFont font = Fonts::twipsBold(kLabelPoints);
    const QFontMetricsF metrics(font, painter.device());
    painter.drawLine(QLineF(centre.x() - TestSheet::kScaleReach * kMm, centre.y(),
                            centre.x() + TestSheet::kScaleReach * kMm, centre.y()));
    for (int mm = -TestSheet::kScaleReach; mm <= TestSheet::kScaleReach; ++mm) {
        const double x = centre.x() + mm * kMm;
        const double side = mm >= 0 ? 1 : -1;
        const bool labelled = mm % TestSheet::kLabelStep == 0;
        painter.drawLine(
            QLineF(x, centre.y(), x, centre.y() + side * (labelled ? kLongTick : kTick)));
        if (!labelled)
            continue;
        const QString text = TestSheet::labelText(TestSheet::labelValue(current, mm));
        const double length = metrics.horizontalAdvance(text);
        // Read from the bottom up, just right of its tick.
        const double bottom = mm >= 0 ? centre.y() + kLabelAway + length : centre.y() - kLabelAway;
        painter.save();
        painter.translate(x + kLabelBeside, bottom);
        painter.rotate(-90);
        TwipsPainter::drawText(painter, font, Qt::black, 0, 0, text);
        painter.restore();
    }
}

void drawVerticalScale(QPainter& painter, QPointF centre, double current) {
    const QFont font = Fonts::twipsBold(kLabelPoints);
    painter.drawLine(QLineF(centre.x(), centre.y() - TestSheet::kScaleReach * kMm, centre.x(),
                            centre.y() + TestSheet::kScaleReach * kMm));
    for (int mm = -TestSheet::kScaleReach; mm <= TestSheet::kScaleReach; ++mm) {
        const double y = centre.y() + mm * kMm;
        const double side = mm >= 0 ? -1 : 1;
        const bool labelled = mm % TestSheet::kLabelStep == 0;
        painter.drawLine(
            QLineF(centre.x(), y, centre.x() + side * (labelled ? kLongTick : kTick), y));
        if (!labelled)
            continue;
        const QString text = TestSheet::labelText(TestSheet::labelValue(current, mm));
        const double left =
            mm >= 0 ? centre.x() - kLabelAway - TwipsPainter::textWidth(painter, font, text)
                    : centre.x() + kLabelAway;
        TwipsPainter::drawText(painter, font, Qt::black, left, y + kLabelBeside, text);
    }
}

} // namespace

void TestSheet::drawFronts(QPainter& painter) {
    withThinPen(painter, [&] {
        const double arm = kCrossLength / 2;
        for (const QPointF& corner : CardGeometry::pageCorners()) {
            const QRectF cell(corner, CardGeometry::kCellSize);
            painter.drawRect(cell);
            const QPointF c = cell.center();
            painter.drawLine(QLineF(c.x() - arm, c.y(), c.x() + arm, c.y()));
            painter.drawLine(QLineF(c.x(), c.y() - arm, c.x(), c.y() + arm));
        }
    });
}

void TestSheet::drawBacks(QPainter& painter, double backX, qint32 backY) {
    if (!std::isfinite(backX))
        return;
    withThinPen(painter, [&] {
        for (const QPointF& corner : CardBacks::positions(backX, backY)) {
            const QPointF centre = backCentre(corner);
            drawHorizontalScale(painter, centre, backX);
            drawVerticalScale(painter, centre, backY);
        }
    });
}

QPointF TestSheet::backCentre(QPointF corner) {
    return QRectF(corner, CardGeometry::kCardSize).center();
}

double TestSheet::labelValue(double current, int millimetres) {
    return millimetres == 0 ? current : std::round(current + millimetres * kMillimetre);
}

QString TestSheet::labelText(double value) {
    return QString::number(value, 'g', 12);
}
