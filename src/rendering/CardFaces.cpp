// stub
#include "CardFaces.h"
void CardFaces::drawNamesLayout(QPainter&, const FaceSheet&) {}
void CardFaces::drawPicturesLayout(QPainter&, const FaceSheet&) {}
void CardFaces::drawNamesCard(QPainter&, const FaceSheet&, int, int, int) {}
QString CardFaces::title(const QString& seriesName) { return QStringLiteral("Mosaret serie: ") + seriesName; }
