// The pictures built into the program (icons, placeholders, pointer), read by Qt's own PNG reader.
#include "BuiltInPictures.h"

#include <QImageReader>

QImage BuiltInPictures::image(const QString& name) {
    QImageReader reader(QStringLiteral(":/pictures/") + name, "png");
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}
