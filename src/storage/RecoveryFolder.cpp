// The copies of unsaved work in the state folder: this program's own, kept up to date while the
// series has unsaved changes, and those left behind by programs that stopped without tidying up.
#include "RecoveryFolder.h"

#include "WholeFileWriter.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUuid>
#include <algorithm>

namespace {
const QString kPrefix = QStringLiteral("herstel-");
const QString kCopySuffix = QStringLiteral(".herstel");
const QString kLockSuffix = QStringLiteral(".lock");
const QString kSetAsideSuffix = QStringLiteral(".kapot");
constexpr int kSetAsideDays = 30;
constexpr qint64 kMaxCopyBytes = 4 * 1024 * 1024;

// "…/herstel-<id>.herstel" becomes "…/herstel-<id><suffix>".
QString sibling(const QString& copy, const QString& suffix) {
    return copy.left(copy.size() - kCopySuffix.size()) + suffix;
}
} // namespace

RecoveryFolder::RecoveryFolder(QString folder) : m_folder(std::move(folder)) {}

RecoveryFolder::~RecoveryFolder() = default;

QString RecoveryFolder::copyPath() const {
    return m_folder + u'/' + kPrefix + m_id + kCopySuffix;
}

Status RecoveryFolder::claim() {
    if (m_lock)
        return Status::success();
    if (!QDir().mkpath(m_folder))
        return Error{
            tr("de map \"%1\" kan niet worden aangemaakt").arg(QDir::toNativeSeparators(m_folder))};
    const QString id = QUuid::createUuid().toString(QUuid::WithoutBraces);
    auto lock = std::make_unique<QLockFile>(m_folder + u'/' + kPrefix + id + kLockSuffix);
    lock->setStaleLockTime(0);
    if (!lock->tryLock(0))
        return Error{tr("in de map \"%1\" kan niet worden geschreven")
                         .arg(QDir::toNativeSeparators(m_folder))};
    m_id = id;
    m_lock = std::move(lock);
    return Status::success();
}

Status RecoveryFolder::write(const Series& series, const QString& seriesName) {
    const QString lead = tr("De kopie van het niet bewaarde werk is niet bewaard");
    if (const Status claimed = claim(); !claimed)
        return Error{lead + QStringLiteral(": ") + claimed.error() + u'.'};
    return WholeFileWriter::write(copyPath(), RecoveryCopy::serialize(series, seriesName), lead);
}

void RecoveryFolder::remove() {
    if (m_lock)
        QFile::remove(copyPath());
}

QStringList RecoveryFolder::leftBehind() const {
    QFileInfoList copies = QDir(m_folder).entryInfoList(
        {kPrefix + u'*' + kCopySuffix},
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Time);
    QStringList found;
    for (const QFileInfo& copy : copies) {
        const QString path = copy.absoluteFilePath();
        if (m_lock && path == copyPath())
            continue;
        // A lock that can be taken belongs to no running program (or to none at all).
        QLockFile lock(sibling(path, kLockSuffix));
        lock.setStaleLockTime(0); // however old, the lock of a running program is kept
        if (lock.tryLock(0))
            found << path;
    }
    return found;
}

std::unique_ptr<QLockFile> RecoveryFolder::hold(const QString& path) {
    auto lock = std::make_unique<QLockFile>(sibling(path, kLockSuffix));
    lock->setStaleLockTime(0);
    // The copy may have been removed by the program that held it a moment ago.
    if (!lock->tryLock(0) || !QFileInfo::exists(path))
        return nullptr;
    return lock;
}

RecoveryFolder::TakenBack
RecoveryFolder::takeBack(const std::function<bool(const RecoveredSeries&)>& wanted) {
    removeOldSetAside();
    TakenBack taken;
    for (const QString& path : leftBehind()) {
        std::unique_ptr<QLockFile> lock = hold(path);
        if (!lock)
            continue;
        Result<RecoveredSeries> read = RecoveryFolder::read(path);
        if (!read) {
            taken.setAside << path + QStringLiteral(": ") + read.error();
            setAside(path);
            continue;
        }
        if (wanted(read.value())) {
            adopt(path, std::move(lock));
            taken.series = std::move(read).value();
            return taken;
        }
        // Removed while locked; the lock file goes when the lock is released.
        QFile::remove(path);
    }
    return taken;
}

void RecoveryFolder::adopt(const QString& path, std::unique_ptr<QLockFile> lock) {
    const QString name = QFileInfo(path).fileName();
    if (m_lock)
        remove();
    m_folder = QFileInfo(path).absolutePath();
    m_id = name.mid(kPrefix.size(), name.size() - kPrefix.size() - kCopySuffix.size());
    m_lock = std::move(lock);
}

Result<RecoveredSeries> RecoveryFolder::read(const QString& path) {
    const QFileInfo info(path);
    QFile file(path);
    if (!info.isFile() || info.size() > kMaxCopyBytes || !file.open(QIODevice::ReadOnly))
        return Error{tr("\"%1\" is geen leesbare kopie.").arg(path)};
    return RecoveryCopy::parse(file.readAll());
}

void RecoveryFolder::setAside(const QString& path) {
    const QString base = sibling(path, kSetAsideSuffix);
    QString target = base;
    for (int n = 2; QFileInfo::exists(target) || QFileInfo(target).isSymLink(); ++n)
        target = base + u'-' + QString::number(n);
    if (!QFile::rename(path, target))
        return;
    // The age of a copy set aside counts from now, not from its last write; only a plain file is
    // touched, never what a link points to.
    const QFileInfo kept(target);
    QFile file(target);
    if (kept.isFile() && !kept.isSymLink() && file.open(QIODevice::ReadWrite))
        file.setFileTime(QDateTime::currentDateTime(), QFileDevice::FileModificationTime);
}

void RecoveryFolder::removeOldSetAside() const {
    const QFileInfoList setAside = QDir(m_folder).entryInfoList(
        {kPrefix + u'*' + kSetAsideSuffix + u'*'}, QDir::Files | QDir::Hidden | QDir::System);
    const QDateTime limit = QDateTime::currentDateTime().addDays(-kSetAsideDays);
    for (const QFileInfo& copy : setAside)
        if (copy.lastModified() < limit)
            QFile::remove(copy.absoluteFilePath());
}
