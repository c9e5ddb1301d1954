// The copies of unsaved work in the state folder: this program's own, kept up to date while the
// series has unsaved changes, and those left behind by programs that stopped without tidying up.
#pragma once

#include "RecoveryCopy.h"
#include "Result.h"

#include <QCoreApplication>
#include <QLockFile>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>

// Each running program writes one copy, "herstel-<id>.herstel", and holds the lock file
// "herstel-<id>.lock" while it runs, so no other program takes its copy. A copy whose lock is not
// held was left behind by a program that is no longer running. A program that offers such a copy
// holds its lock from the offer until the copy is adopted, removed or set aside, so two programs
// started together never both offer, take or remove the same copy.
class RecoveryFolder final {
    Q_DECLARE_TR_FUNCTIONS(RecoveryFolder)

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

    struct TakenBack {
        std::optional<RecoveredSeries> series; // the copy the user wanted back, now this program's
        QStringList setAside;                  // "<path>: <why>" for each copy that was unreadable
    };
    // Offers the left-behind copies newest first, each locked while `wanted` decides: the first
    // one wanted becomes this program's own copy (its next write replaces it), each one not
    // wanted is removed, and each unreadable one is set aside under a new name and never offered
    // again. Copies set aside more than 30 days ago are removed.
    TakenBack takeBack(const std::function<bool(const RecoveredSeries&)>& wanted);

    // Reads a copy; an error for anything that is not a whole copy in a regular file.
    static Result<RecoveredSeries> read(const QString& path);

private:
    // The lock of the left-behind copy at `path`, taken; none when another program holds it or
    // the copy is gone.
    static std::unique_ptr<QLockFile> hold(const QString& path);
    void adopt(const QString& path, std::unique_ptr<QLockFile> lock);
    static void setAside(const QString& path);
    void removeOldSetAside() const;
    Status claim();
    QString copyPath() const;

    QString m_folder;
    QString m_id;
    std::unique_ptr<QLockFile> m_lock;
};
