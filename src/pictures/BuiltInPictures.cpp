// The pictures built into the program: raw pixel files for the window, PNG for the rest.
#include "BuiltInPictures.h"

#include "PixelFile.h"

#include <QImageReader>
#include <QResource>

QImage BuiltInPictures::image(const QString& name) {
    const QResource resource(QStringLiteral(":/pictures/") + name + QStringLiteral(".pixels"));
    if (!resource.isValid())
        return {};
    return PixelFile::decode(resource.uncompressedData());
}

QImage BuiltInPictures::png(const QString& name) {
    QImageReader reader(QStringLiteral(":/pictures/") + name + QStringLiteral(".png"), "png");
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}
