// What a drag over the window carries, as the window takes it: picture files for the cards, one
// series file, or anything else, which it refuses.
#include "DroppedFiles.h"

#include "PhotoPlacement.h"
#include "SeriesFolder.h"

#include <QFileInfo>
#include <QMimeData>
#include <QUrl>

DroppedFiles DroppedFiles::of(const QMimeData* data) {
    DroppedFiles dropped;
    const QList<QUrl> urls = data != nullptr ? data->urls() : QList<QUrl>();
    if (urls.isEmpty())
        return dropped;
    QStringList paths;
    bool pictures = true;
    for (const QUrl& url : urls) {
        const QFileInfo file(url.toLocalFile());
        if (!url.isLocalFile() || file.fileName().isEmpty() || file.isDir())
            return dropped;
        paths += file.filePath();
        pictures = pictures && PhotoPlacement::isPictureName(file.fileName());
    }
    if (pictures)
        dropped.m_kind = Kind::Pictures;
    else if (paths.size() == 1 && SeriesFolder::isSeriesFileName(paths.front()))
        dropped.m_kind = Kind::Series;
    else
        return dropped;
    dropped.m_paths = paths;
    return dropped;
}
