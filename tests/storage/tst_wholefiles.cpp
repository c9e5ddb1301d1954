// Saves stay whole: a full disk keeps the old file and says why, and a kill mid-save leaves one
// complete version of each file. With "--save-loop <folder>" this is the kill test's helper.
#include "SeriesFile.h"
#include "SeriesFolder.h"
#include "SettingsFile.h"
#include "TestFolder.h"

#include <QProcess>
#include <QRandomGenerator>
#include <QTest>
#include <csignal>
#include <cstdio>
#include <sys/mount.h>
#include <sys/resource.h>
#include <thread>

namespace {

const QString kName = "Vogels", kSettings = "Mosaret.ini";

// The two versions differ in every line and in length, so a mix or a cut shows.
Series series(int version) {
    Series s;
    s.subject = version ? "Vogels van het bos, deel 2" : kName;
    s.photoPaths.fill(version ? "/home/anna/Foto/specht.jpg" : "/home/anna/Foto/mus.jpg");
    for (auto& card : s.names)
        card.fill(version ? "Grote bonte specht" : "Mus");
    return s;
}

Settings settings(int version) {
    Settings s;
    if (version) {
        s.backX = SettingValue::text("17,5 cm");
        s.backY = -2147483647;
    }
    return s;
}

// Both files in `folder` as version 0; the series folder is the folder itself.
bool saveFirstVersions(const QString& folder) {
    return SeriesFolder(folder).save(kName, series(0)).ok() &&
           SettingsFile::save(folder + '/' + kSettings, settings(0)).ok();
}

// Saves both files over and over, alternating the versions, until it is killed.
int saveLoop(const QString& path) {
    for (int round = 0;; ++round) {
        const Status a = SeriesFolder(path).save(kName, series(round % 2));
        const Status b = SettingsFile::save(path + '/' + kSettings, settings(round % 2));
        if (!a.ok() || !b.ok()) {
            qCritical("%s", qPrintable(a.error() + b.error()));
            return 1;
        }
        if (round == 0) // the first save waits for the disk's journal; the kills fall after it
            std::fputs("writing\n", stdout), std::fflush(stdout);
    }
}

} // namespace

class WholeFilesTest final : public QObject {
    Q_OBJECT
    TestFolder m_disk; // a 64 KB tmpfs where mounting is allowed
    bool m_mounted = false;
    rlimit m_limit{};

private slots:
    void initTestCase() {
        m_mounted = ::mount("tmpfs", QFile::encodeName(m_disk.path()).constData(), "tmpfs",
                            MS_NOSUID | MS_NODEV, "size=64k") == 0;
        getrlimit(RLIMIT_FSIZE, &m_limit);
        std::signal(SIGXFSZ, SIG_IGN); // past a size limit a write then fails with EFBIG
        if (!m_mounted)
            qInfo("no tmpfs can be mounted here; writes fail by a file size limit instead");
    }
    void cleanup() {
        setrlimit(RLIMIT_FSIZE, &m_limit);
        QFile::remove(m_disk.path("vulling"));
    }
    void cleanupTestCase() {
        QVERIFY(!m_mounted ||
                ::umount2(QFile::encodeName(m_disk.path()).constData(), MNT_DETACH) == 0);
    }

    void fullDiskKeepsOldFile_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("leftBytes"); // with room left the settings are larger than that
        QTest::newRow("series replaced") << kName + ".msr" << 0;
        QTest::newRow("new series") << "Nieuw.msr" << 0;
        QTest::newRow("large settings, 8 KB left") << kSettings << 8192;
    }
    void fullDiskKeepsOldFile() {
        QFETCH(QString, file);
        QFETCH(int, leftBytes);
        QVERIFY(saveFirstVersions(m_disk.path()));
        Settings large = settings(1);
        large.reserved1 = SettingValue::text(QString(40000, u'a'));
        // Fills the mounted disk up to `leftBytes`; else a size limit fails writes past 8 bytes.
        const rlimit tiny{8, m_limit.rlim_max};
        QFile filler(m_disk.path("vulling"));
        QVERIFY(m_mounted ? filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered)
                          : setrlimit(RLIMIT_FSIZE, &tiny) == 0);
        while (m_mounted && filler.write(QByteArray(4096, 'x')) == 4096) {
        }
        QVERIFY(!m_mounted || filler.resize(qMax<qint64>(0, filler.size() - leftBytes)));
        const TestFolder::Snapshot before = m_disk.snapshot();
        const Status status = file == kSettings
                                  ? SettingsFile::save(m_disk.path(kSettings), large)
                                  : SeriesFolder(m_disk.path()).save(file.chopped(4), series(1));
        QVERIFY(!status.ok());
        QVERIFY2(status.error().contains("schijf vol"), qPrintable(status.error()));
        // A new file had nothing to keep, so the message does not promise that.
        QCOMPARE(status.error().contains("ongewijzigd"), file != "Nieuw.msr");
        QCOMPARE(m_disk.changedSince(before), QStringList());
    }

    void killDuringSavesLeavesWholeFiles() {
        TestFolder dir;
        const QString files[2] = {kName + ".msr", kSettings};
        const QByteArray versions[2][2] = {
            {SeriesFile::serialize(series(0)), SeriesFile::serialize(series(1))},
            {SettingsFile::serialize(settings(0)), SettingsFile::serialize(settings(1))}};
        QVERIFY(saveFirstVersions(dir.path()));
        int seen[2][2] = {}; // [file][version]
        for (int kill = 1; kill <= 100; ++kill) {
            QProcess helper;
            helper.start(QCoreApplication::applicationFilePath(), {"--save-loop", dir.path()});
            QVERIFY2(helper.waitForReadyRead(10000), qPrintable(helper.errorString()));
            QCOMPARE(helper.readLine(), QByteArray("writing\n"));
            std::this_thread::sleep_for(
                std::chrono::milliseconds(QRandomGenerator::global()->bounded(21)));
            helper.kill();
            QVERIFY(helper.waitForFinished(10000));
            QVERIFY2(helper.exitStatus() == QProcess::CrashExit, helper.readAllStandardError());
            for (int f = 0; f < 2; ++f) {
                const QByteArray bytes = dir.read(files[f]);
                const int version = bytes == versions[f][0] ? 0 : bytes == versions[f][1] ? 1 : -1;
                QVERIFY2(version >= 0,
                         qPrintable(files[f] + " damaged by kill " + QString::number(kill)));
                ++seen[f][version];
            }
            // No temporary file is left where the load dialog would list it.
            QCOMPARE(SeriesFolder(dir.path()).list(), QStringList{files[0]});
        }
        // Both versions turn up, so the kills fell among the saves and not before them.
        QVERIFY(seen[0][0] && seen[0][1] && seen[1][0] && seen[1][1]);
        qInfo(
            "100 kills survived; series versions %d/%d, settings %d/%d; %lld temporary files left",
            seen[0][0], seen[0][1], seen[1][0], seen[1][1], qlonglong(dir.snapshot().size() - 2));
    }
};

int main(int argc, char** argv) {
    if (argc == 3 && qstrcmp(argv[1], "--save-loop") == 0)
        return saveLoop(QFile::decodeName(argv[2]));
    QCoreApplication app(argc, argv);
    WholeFilesTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_wholefiles.moc"
