// Draws a page of four card fronts in twips: the names layout or the pictures layout.
#pragma once

#include "FaceSheet.h"

#include <QCoreApplication>
#include <QPointF>

class QPainter;

class CardFaces final {
    Q_DECLARE_TR_FUNCTIONS(CardFaces)

public:
    // Title centred on x = 6000 at top 1050; cards at (1680, 2400), (6180, 2400), (1680, 9000),
    // (6180, 9000) with frame, subject, photo and four names, the card's own name in red.
    static void drawNamesLayout(QPainter& painter, const FaceSheet& sheet);
    // The same title; each card shows its own photo large and the four photos small.
    static void drawPicturesLayout(QPainter& painter, const FaceSheet& sheet);
    // One card in the names layout with its top-left corner at `corner`; shared with the export.
    // Texts are bold Liberation Sans; the title and subject are centred without their end blanks.
    // Every function leaves the painter's state as the caller set it.
    static void drawNamesCard(QPainter& painter, const FaceSheet& sheet, int card, QPointF corner);
    // "Mosaret serie: " followed by the series name.
    static QString title(const QString& seriesName);
};
