// The six 32 x 32 icons of the menu row, drawn `scale` times as large for screens of a higher
// pixel density.
#pragma once

#include <QImage>

namespace artwork {

QImage openBookIcon(int scale = 1);    // new design
QImage eyeIcon(int scale = 1);         // load
QImage discDriveIcon(int scale = 1);   // save
QImage lightBulbIcon(int scale = 1);   // help
QImage printerIcon(int scale = 1);     // print
QImage boxOfThingsIcon(int scale = 1); // export

} // namespace artwork
