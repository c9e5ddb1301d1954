// stub
#include "TwipsPainter.h"
void TwipsPainter::setUp(QPainter&, const QRectF&, const QSizeF&) {}
QFont TwipsPainter::boldArial(double) { return {}; }
double TwipsPainter::textWidth(QPainter&, const QFont&, const QString&) { return 0; }
void TwipsPainter::drawText(QPainter&, const QFont&, const QColor&, double, double, const QString&) {}
