// A temporary folder for one test: entries made by name, files read back, and snapshots of it all.
#include "TestFolder.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <sys/stat.h>

QString TestFolder::path(const QString& name) const {
    return QDir(m_dir.path()).filePath(name);
}

bool TestFolder::make(const QString& name, Entry entry, const QByteArray& bytes) const {
    const QString target = path(name);
    if (!QDir().mkpath(entry == Entry::Folder ? target : QFileInfo(target).absolutePath()))
        return false;
    switch (entry) {
    case Entry::File:
        return writeFile(target, bytes);
    case Entry::Folder:
        return true;
    case Entry::Pipe:
        return ::mkfifo(QFile::encodeName(target).constData(), 0600) == 0;
    case Entry::LinkToPipe:
        return make(name + QStringLiteral(".pijp"), Entry::Pipe) &&
               QFile::link(target + QStringLiteral(".pijp"), target);
    }
    return false;
}

QByteArray TestFolder::readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

bool TestFolder::writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

TestFolder::Snapshot TestFolder::snapshot() const {
    Snapshot entries;
    QDirIterator it(m_dir.path(),
                    QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo info(it.next());
        entries[QDir(m_dir.path()).relativeFilePath(info.filePath())] =
            info.isSymLink() ? "link to " + QFile::encodeName(info.symLinkTarget())
            : info.isDir()   ? QByteArray("folder")
            : info.isFile()  ? readFile(info.filePath())
                             : QByteArray("pipe or device");
    }
    return entries;
}

QStringList TestFolder::changed(const Snapshot& before, const Snapshot& after) {
    QStringList paths;
    for (const QString& path : before.keys() + after.keys()) {
        if (before.value(path, "<none>") != after.value(path, "<none>") && !paths.contains(path))
            paths << path;
    }
    return paths;
}
