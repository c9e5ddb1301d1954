// The six 32 x 32 icons of the menu row.
#pragma once

#include <QImage>

namespace artwork {

QImage openBookIcon();    // new design
QImage eyeIcon();         // load
QImage discDriveIcon();   // save
QImage lightBulbIcon();   // help
QImage printerIcon();     // print
QImage boxOfThingsIcon(); // export

} // namespace artwork
