// stub
#include "SheetExport.h"
QImage SheetExport::render(const FaceSheet&) { return QImage(kSize, QImage::Format_RGB32); }
Status SheetExport::save(const QImage&, const QString&) { return {}; }
