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

QImage BuiltInPictures::image(const QString& name, qreal ratio) {
    if (ratio > 1) {
        QImage sharp = image(name + QStringLiteral("@2x"));
        if (!sharp.isNull()) {
            sharp.setDevicePixelRatio(2);
            return sharp;
        }
    }
    return image(name);
}

QIcon BuiltInPictures::icon(const QString& name, qreal ratio) {
    // The one picture only: given both, an icon at ratio 1.5 would enlarge the smaller one.
    return QIcon(QPixmap::fromImage(image(name, ratio)));
}

QImage BuiltInPictures::png(const QString& name) {
    QImageReader reader(QStringLiteral(":/pictures/") + name + QStringLiteral(".png"), "png");
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}
