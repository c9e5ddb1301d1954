// The copies of unsaved work in the state folder: this program's own, kept up to date while the
// series has unsaved changes, and those left behind by programs that stopped without tidying up.
#pragma once

#include "RecoveryCopy.h"
#include "Result.h"

#include <QLockFile>
#include <QString>
#include <QStringList>
#include <memory>

// Each running program writes one copy, "herstel-<id>.herstel", and holds the lock file
// "herstel-<id>.lock" while it runs, so no other program takes its copy. A copy whose lock is not
// held was left behind by a program that is no longer running.
class RecoveryFolder final {
public:
    explicit RecoveryFolder(QString folder);
    ~RecoveryFolder();
    RecoveryFolder(const RecoveryFolder&) = delete;
    RecoveryFolder& operator=(const RecoveryFolder&) = delete;

    // Writes this program's copy whole or not at all, making the folder and taking the lock
    // first when needed.
    Status write(const Series& series, const QString& seriesName);
    // Removes this program's copy; the lock stays until the program ends.
    void remove();

    // The copies left behind by programs no longer running, newest first; finding them costs a
    // look at the folder and their locks.
    QStringList leftBehind() const;
    // Makes the left-behind copy at `path` this program's own, so that its next write replaces it.
    void adopt(const QString& path);

    // Reads a copy; an error for anything that is not a whole copy in a regular file.
    static Result<RecoveredSeries> read(const QString& path);
    // Renames a copy that cannot be read, so it is kept but not offered again.
    static void setAside(const QString& path);
    // Removes a left-behind copy the user did not want back.
    static void discard(const QString& path);

private:
    Status claim();
    QString copyPath() const;

    QString m_folder;
    QString m_id;
    std::unique_ptr<QLockFile> m_lock;
};
