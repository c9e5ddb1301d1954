// The pictures built into the program (icons, placeholders, pointer, card outline).
#pragma once

#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QString>

class BuiltInPictures final {
public:
    // The window's picture ":/pictures/<name>.pixels", kept as raw pixels by the build so that
    // starting the program decodes nothing. A null image when it is missing or damaged.
    static QImage image(const QString& name);
    // The picture to show on a screen of device pixel ratio `ratio`: above 1 the drawing at twice
    // the size ("<name>@2x"), marked with device pixel ratio 2, when there is one; otherwise
    // image(name). The larger drawing is read only when it is asked for.
    static QImage image(const QString& name, qreal ratio);
    static QPixmap pixmap(const QString& name) { return QPixmap::fromImage(image(name)); }
    static QIcon icon(const QString& name) { return QIcon(pixmap(name)); }
    // The icon of image(name, ratio).
    static QIcon icon(const QString& name, qreal ratio);
    // The built-in PNG picture ":/pictures/<name>.png", read by Qt's PNG reader only, so the
    // picture plugins are not all loaded to find it.
    static QImage png(const QString& name);
};
