// The two sides of the test sheet that finds the backs' X and Y: crosses on the front cells, and
// scales around each back's centre.
#pragma once

#include <QPointF>
#include <QString>
#include <QtGlobal>

class QPainter;

class TestSheet final {
public:
    static constexpr double kMillimetre = 1440 / 25.4; // twips
    static constexpr int kScaleReach = 15;             // millimetres either way of the centre
    static constexpr int kLabelStep = 5;               // every fifth tick carries its value
    static constexpr double kCrossLength = 20 * kMillimetre;

    // Side 1: the four front cells as thin outlines, each with a 20 mm cross at its centre.
    static void drawFronts(QPainter& painter);
    // Side 2: at the centre of each back where `backX` and `backY` put it, a horizontal and a
    // vertical scale of 15 mm either way with a tick every millimetre.
    static void drawBacks(QPainter& painter, double backX, qint32 backY);

    // The centre of the back whose top-left corner is `corner`.
    static QPointF backCentre(QPointF corner);
    // The value that puts a back's centre on the tick `millimetres` from where `current` puts it:
    // `current` itself on the centre tick, elsewhere rounded to whole twips.
    static double labelValue(double current, int millimetres);
    // The label as it is printed.
    static QString labelText(double value);
};
