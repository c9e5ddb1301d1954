// The pictures built into the program (icons, placeholders, pointer), read by Qt's own PNG reader.
#pragma once

#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QString>

class BuiltInPictures final {
public:
    // The built-in PNG picture ":/pictures/<name>". Qt's picture plugins are not asked first,
    // which would load every one of them (and the SVG library) at each start.
    static QImage image(const QString& name);
    static QPixmap pixmap(const QString& name) { return QPixmap::fromImage(image(name)); }
    static QIcon icon(const QString& name) { return QIcon(pixmap(name)); }
};
