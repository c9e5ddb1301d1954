// Where the photos of a series read from a file are to be found.
#include "PhotoLocations.h"

#include <QDir>
#include <QFileInfo>

namespace {
// The file name a stored path ends in, whichever separator the computer that wrote it used;
// nothing when that names no file in a folder ("", ".", "..").
QString nameIn(const QString& stored) {
    const QString name = stored.mid(qMax(stored.lastIndexOf(u'/'), stored.lastIndexOf(u'\\')) + 1);
    return name == u"." || name == u".." ? QString() : name;
}

QString lookUp(const QString& stored, const QDir& seriesFolder) {
    const QString name = nameIn(stored);
    if (name.isEmpty())
        return {};
    for (const QString& candidate :
         {seriesFolder.filePath(name),
          seriesFolder.filePath(QLatin1String(PhotoLocations::kPhotoFolder) + u'/' + name)}) {
        if (QFileInfo(candidate).isFile())
            return candidate;
    }
    return {};
}
} // namespace

PhotoLocations::Located PhotoLocations::locate(const Series& series, const QString& seriesFile) {
    Located located;
    for (int card = 1; card <= kCards; ++card) {
        const QString& stored = series.photoPath(card);
        const QString found = find(stored, seriesFile);
        located.missing += !stored.isEmpty() && found.isEmpty();
        located.paths += found;
    }
    return located;
}

QString PhotoLocations::find(const QString& stored, const QString& seriesFile) {
    // A path that is not a full path would be read from wherever the program was started.
    if (stored.isEmpty() || (QDir::isAbsolutePath(stored) && QFileInfo::exists(stored)))
        return stored;
    return lookUp(stored, QFileInfo(seriesFile).absoluteDir());
}
