// A temporary folder for one test: entries made by name, files read back, and snapshots of it all.
#include "TestFolder.h"

#include <QDirIterator>
#include <QFile>
#include <sys/mount.h>
#include <sys/stat.h>

TestFolder::~TestFolder() {
    for (const QString& mount : m_mounts)
        ::umount2(QFile::encodeName(mount).constData(), MNT_DETACH);
}

bool TestFolder::make(const QString& name, Entry entry, const QByteArray& bytes) const {
    const QString target = path(name);
    QFile file(target);
    if (!QDir().mkpath(entry == Entry::Folder ? target : QFileInfo(target).absolutePath()))
        return false;
    switch (entry) {
    case Entry::File:
        return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
    case Entry::Folder:
    case Entry::Missing:
        return true;
    case Entry::Pipe:
        return ::mkfifo(QFile::encodeName(target).constData(), 0600) == 0;
    case Entry::LinkToPipe:
        return make(name + ".pijp", Entry::Pipe) && QFile::link(target + ".pijp", target);
    }
    return false;
}

bool TestFolder::mountDisk(const QString& name, int kilobytes) {
    const QString target = path(name);
    const QByteArray size = "size=" + QByteArray::number(kilobytes) + 'k';
    if (!QDir().mkpath(target) || ::mount("tmpfs", QFile::encodeName(target).constData(), "tmpfs",
                                          MS_NOSUID | MS_NODEV, size.constData()) != 0)
        return false;
    m_mounts.prepend(target);
    return true;
}

bool TestFolder::makeReadOnly(const QString& name) const {
    return ::mount(nullptr, QFile::encodeName(path(name)).constData(), nullptr,
                   MS_REMOUNT | MS_RDONLY, nullptr) == 0;
}

QByteArray TestFolder::read(const QString& name) const {
    QFile file(path(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

TestFolder::Snapshot TestFolder::snapshot() const {
    Snapshot entries;
    QDirIterator it(path(), QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo info(it.next());
        entries[QDir(path()).relativeFilePath(info.filePath())] =
            info.isSymLink() ? "link to " + QFile::encodeName(info.symLinkTarget())
            : info.isDir()   ? QByteArray("folder")
            : info.isFile()  ? read(info.filePath())
                             : QByteArray("pipe or device");
    }
    return entries;
}

QStringList TestFolder::changedSince(const Snapshot& before) const {
    const Snapshot after = snapshot();
    QStringList paths;
    for (const QString& path : before.keys() + after.keys())
        if (before.value(path, "<none>") != after.value(path, "<none>") && !paths.contains(path))
            paths << path;
    return paths;
}

QByteArray TestFolder::seriesFile(int lines, QByteArrayList photos) {
    while (photos.size() < 4)
        photos << photos.last();
    QByteArrayList values = QByteArrayList{"Vogels"} + photos;
    for (int i = 0; i < 16; ++i)
        values << QStringLiteral("k%1n%2").arg(i / 4 + 1).arg(i % 4 + 1).toLatin1();
    return values.mid(0, lines).join("\r\n") + "\r\n";
}
