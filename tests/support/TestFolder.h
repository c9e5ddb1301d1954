// A temporary folder for one test: entries made by name, files read back, and snapshots of it all.
#pragma once

#include <QByteArrayList>
#include <QDir>
#include <QMap>
#include <QTemporaryDir>

class TestFolder final {
public:
    ~TestFolder(); // unmounts the disks it mounted

    enum class Entry { File, Folder, Pipe, LinkToPipe, Missing };
    // Every entry by its path relative to the folder: a regular file by its bytes, others by kind.
    using Snapshot = QMap<QString, QByteArray>;

    // `name` inside the folder (an absolute path stays as it is); the folder itself for "".
    QString path(const QString& name = {}) const { return QDir(m_dir.path()).filePath(name); }
    // Makes `name` and the folders above it; a link points to a pipe "<name>.pijp".
    bool make(const QString& name, Entry entry, const QByteArray& bytes = {}) const;
    bool write(const QString& name, const QByteArray& bytes) const {
        return make(name, Entry::File, bytes);
    }
    // A file's bytes, or "<missing>".
    QByteArray read(const QString& name) const;
    Snapshot snapshot() const;
    // The paths whose entries were added, removed or changed since `before`.
    QStringList changedSince(const Snapshot& before) const;
    // Mounts a disk of `kilobytes` on `name`, or makes one read-only; false where not allowed.
    bool mountDisk(const QString& name, int kilobytes);
    bool makeReadOnly(const QString& name) const;

    // The first `lines` lines of a series "Vogels": card k's photo photos[k - 1] (the last
    // repeats), the names "k<card>n<line>", each line ended by CR LF.
    static QByteArray seriesFile(int lines = 21, QByteArrayList photos = {{}});

private:
    QTemporaryDir m_dir;
    QStringList m_mounts;
};
