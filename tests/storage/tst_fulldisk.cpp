// Saves onto a full disk (a small tmpfs filled up): the save reports the failure and the file
// that was there before stays whole. Where mounting is refused, writes fail by a file size limit.
#include "FailingWrites.h"
#include "SeriesFile.h"
#include "SeriesFolder.h"
#include "SettingsFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <cerrno>
#include <cstring>
#include <optional>
#include <sys/mount.h>

namespace {

const QString kOldName = QStringLiteral("Vogels");
const QString kSettings = QStringLiteral("Mosaret.ini");
const QString kFiller = QStringLiteral("vulling");

Series seriesAbout(const QString& subject) {
    Series series;
    series.subject = subject;
    for (auto& card : series.names)
        card.fill(subject);
    return series;
}

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

} // namespace

class FullDiskTest final : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString m_refused; // why no tmpfs could be mounted; empty when m_dir is one

    // Fills the disk with one file, then gives back `leftBytes` of it.
    void fillLeaving(qint64 leftBytes) {
        QFile filler(m_dir.filePath(kFiller));
        QVERIFY(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        const QByteArray chunk(4096, 'x');
        while (filler.write(chunk) == chunk.size()) {
        }
        QVERIFY(filler.resize(qMax<qint64>(0, filler.size() - leftBytes)));
    }

private slots:
    void initTestCase() {
        if (::mount("tmpfs", QFile::encodeName(m_dir.path()).constData(), "tmpfs",
                    MS_NOSUID | MS_NODEV, "size=64k") != 0)
            m_refused = QStringLiteral("no tmpfs can be mounted here (%1); writes fail by a file "
                                       "size limit instead")
                            .arg(QString::fromLocal8Bit(std::strerror(errno)));
    }

    void cleanupTestCase() {
        if (m_refused.isEmpty())
            QCOMPARE(::umount2(QFile::encodeName(m_dir.path()).constData(), MNT_DETACH), 0);
    }

    void cleanup() {
        for (const QString& name : QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden))
            QFile::remove(m_dir.filePath(name));
    }

    void saveOnFullDiskKeepsOldFile_data() {
        QTest::addColumn<QString>("what");
        QTest::addColumn<int>("leftBytes");
        QTest::newRow("series replaced, disk full") << "series" << 0;
        QTest::newRow("new series, disk full") << "new series" << 0;
        QTest::newRow("settings, disk full") << "settings" << 0;
        QTest::newRow("large settings, 8 KB left") << "large settings" << 8192;
    }

    void saveOnFullDiskKeepsOldFile() {
        QFETCH(QString, what);
        QFETCH(int, leftBytes);
        if (!m_refused.isEmpty())
            qInfo("%s", qPrintable(m_refused));
        const SeriesFolder folder(m_dir.path());
        const QString settingsPath = m_dir.filePath(kSettings);
        QVERIFY(folder.save(kOldName, seriesAbout(kOldName)).ok());
        QVERIFY(SettingsFile::save(settingsPath, Settings{}).ok());
        Settings changed;
        changed.backY = 1234;
        if (what == u"large settings")
            changed.reserved1 = SettingValue::text(QString(40000, u'a'));

        Status status;
        {
            std::optional<FailingWrites> failing;
            if (m_refused.isEmpty())
                fillLeaving(leftBytes);
            else
                failing.emplace(FailingWrites::Way::FileSizeLimit, m_dir.path());
            if (what == u"series")
                status = folder.save(kOldName, seriesAbout(QStringLiteral("Uilen")));
            else if (what == u"new series")
                status = folder.save(QStringLiteral("Nieuw"), seriesAbout(QStringLiteral("Uilen")));
            else
                status = SettingsFile::save(settingsPath, changed);
        }
        QVERIFY(!status.ok());
        const QString lead = what.endsWith(u"settings")
                                 ? QStringLiteral("De instellingen zijn niet opgeslagen: ")
                                 : QStringLiteral("De serie is niet opgeslagen: ");
        QVERIFY2(status.error().startsWith(lead), qPrintable(status.error()));
        QVERIFY2(status.error().contains(QStringLiteral("misschien is de schijf vol")),
                 qPrintable(status.error()));
        // A new file had nothing to keep, so the message does not promise that.
        QCOMPARE(status.error().contains(QStringLiteral("ongewijzigd")), what != u"new series");
        QCOMPARE(readAll(folder.fileFor(kOldName)), SeriesFile::serialize(seriesAbout(kOldName)));
        QCOMPARE(readAll(settingsPath), SettingsFile::serialize(Settings{}));
        QCOMPARE(folder.list(), QStringList{kOldName + QStringLiteral(".msr")});
        QStringList left = QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name);
        left.removeAll(kFiller);
        QCOMPARE(left, QStringList({kSettings, kOldName + QStringLiteral(".msr")}));
    }
};

QTEST_GUILESS_MAIN(FullDiskTest)
#include "tst_fulldisk.moc"
