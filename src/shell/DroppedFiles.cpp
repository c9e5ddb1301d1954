// What a drag over the window carries, as the window takes it: picture files for the cards, one
// series file, or anything else, which it refuses.
#include "DroppedFiles.h"

#include "PhotoPlacement.h"
#include "PhotoThreads.h"
#include "SeriesFolder.h"

#include <QFileInfo>
#include <QMimeData>
#include <QUrl>
#include <algorithm>

namespace {
// Whether one of `paths` is a folder, looked up away from the window's thread and waited for a
// moment only: a share that stopped answering must not hold the drag. Without an answer the names
// decide; the files are checked again when they are read.
bool anyFolder(const QStringList& paths) {
    return PhotoThreads::within<bool>(
               std::chrono::milliseconds(200),
               [paths] {
                   return std::any_of(paths.begin(), paths.end(),
                                      [](const QString& path) { return QFileInfo(path).isDir(); });
               })
        .value_or(false);
}
} // namespace

DroppedFiles DroppedFiles::of(const QMimeData* data) {
    DroppedFiles dropped;
    const QList<QUrl> urls = data != nullptr ? data->urls() : QList<QUrl>();
    if (urls.isEmpty())
        return dropped;
    QStringList paths;
    bool pictures = true;
    for (const QUrl& url : urls) {
        const QFileInfo file(url.toLocalFile());
        if (!url.isLocalFile() || file.fileName().isEmpty())
            return dropped;
        paths += file.filePath();
        pictures = pictures && PhotoPlacement::isPictureName(file.fileName());
    }
    const bool series = paths.size() == 1 && SeriesFolder::isSeriesFileName(paths.front());
    if ((!pictures && !series) || anyFolder(paths))
        return dropped;
    dropped.m_kind = pictures ? Kind::Pictures : Kind::Series;
    dropped.m_paths = paths;
    return dropped;
}
