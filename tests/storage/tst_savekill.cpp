// Kills a process at random moments while it saves series and settings, and checks that every
// file on disk is still one complete version and that the load list shows only real series.
#include "SaveKillContents.h"
#include "SeriesFile.h"
#include "SeriesFolder.h"
#include "SettingsFile.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <chrono>
#include <thread>

namespace {

constexpr int kKills = 100;
constexpr int kMaxDelayMs = 20;

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// The version (0 or 1) whose complete bytes `actual` holds, or -1 for anything else.
int versionOf(const QByteArray& actual, const QByteArray (&versions)[2]) {
    return actual == versions[0] ? 0 : actual == versions[1] ? 1 : -1;
}

} // namespace

class SaveKillTest final : public QObject {
    Q_OBJECT

private slots:
    void killDuringSavesLeavesWholeFiles() {
        QTemporaryDir dir;
        const SeriesFolder folder(dir.path());
        const QString seriesPath = folder.fileFor(SaveKill::kSeriesName);
        const QString settingsPath = dir.filePath(SaveKill::kSettingsName);
        const QByteArray seriesVersions[2] = {SeriesFile::serialize(SaveKill::series(0)),
                                              SeriesFile::serialize(SaveKill::series(1))};
        const QByteArray settingsVersions[2] = {SettingsFile::serialize(SaveKill::settings(0)),
                                                SettingsFile::serialize(SaveKill::settings(1))};
        QVERIFY(folder.save(SaveKill::kSeriesName, SaveKill::series(0)).ok());
        QVERIFY(SettingsFile::save(settingsPath, SaveKill::settings(0)).ok());

        const quint32 seed = QRandomGenerator::global()->generate();
        QRandomGenerator random(seed);
        int seen[2][2] = {}; // [file][version]
        for (int kill = 1; kill <= kKills; ++kill) {
            QProcess helper;
            helper.start(QStringLiteral(SAVEKILL_HELPER), {dir.path()});
            QVERIFY2(helper.waitForReadyRead(10000), qPrintable(helper.errorString()));
            QCOMPARE(helper.readLine(), QByteArray("writing\n"));
            std::this_thread::sleep_for(std::chrono::milliseconds(random.bounded(kMaxDelayMs + 1)));
            helper.kill();
            QVERIFY(helper.waitForFinished(10000));
            QVERIFY2(helper.exitStatus() == QProcess::CrashExit, helper.readAllStandardError());

            const QString where =
                QStringLiteral("kill %1 of %2, seed %3").arg(kill).arg(kKills).arg(seed);
            const int series = versionOf(readAll(seriesPath), seriesVersions);
            const int settings = versionOf(readAll(settingsPath), settingsVersions);
            QVERIFY2(series >= 0, qPrintable(where + QStringLiteral(": series file damaged")));
            QVERIFY2(settings >= 0, qPrintable(where + QStringLiteral(": settings file damaged")));
            ++seen[0][series];
            ++seen[1][settings];
            QVERIFY2(folder.list() == QStringList{SaveKill::kSeriesName + QStringLiteral(".msr")},
                     qPrintable(where + QStringLiteral(": ") + folder.list().join(u' ')));
        }
        // Both versions turn up, so the kills did fall among the saves and not before them.
        QVERIFY2(seen[0][0] && seen[0][1] && seen[1][0] && seen[1][1],
                 "the helper never got to replace a file");

        // QSaveFile may leave its temporary file behind when killed; the list never shows it.
        QStringList leftovers = QDir(dir.path()).entryList(QDir::Files | QDir::Hidden);
        leftovers.removeAll(SaveKill::kSeriesName + QStringLiteral(".msr"));
        leftovers.removeAll(SaveKill::kSettingsName);
        qInfo("%d kills survived; series file versions %d/%d, settings versions %d/%d; "
              "%lld temporary files left: %s",
              kKills, seen[0][0], seen[0][1], seen[1][0], seen[1][1], qlonglong(leftovers.size()),
              qPrintable(leftovers.join(u' ')));
    }
};

QTEST_GUILESS_MAIN(SaveKillTest)
#include "tst_savekill.moc"
