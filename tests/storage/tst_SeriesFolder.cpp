// Tests of the series folder: saving whole files, safe names, listing and loading.
#include "FailingWrites.h"
#include "SeriesFile.h"
#include "SeriesFolder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <sys/stat.h>

namespace {

Series seriesAbout(const QString& subject, const QString& name) {
    Series series;
    series.subject = subject;
    series.photoPath(2) = QStringLiteral("/foto/mus.jpg");
    for (auto& card : series.names)
        card.fill(name);
    return series;
}

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

QStringList entries(const QString& folder) {
    return QDir(folder).entryList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

} // namespace

class SeriesFolderTest final : public QObject {
    Q_OBJECT

private slots:
    void saveThenReplace() {
        QTemporaryDir root;
        const SeriesFolder folder(
            root.filePath(QStringLiteral("programma/mosaretten"))); // not there yet
        const Series first = seriesAbout(QStringLiteral("Vogels, wild"),
                                         QStringLiteral(" 1. Merel met een lange naam"));
        QVERIFY(folder.save(QStringLiteral("Vogels"), first).ok());
        QVERIFY(folder.exists(QStringLiteral("Vogels")));
        QCOMPARE(readAll(folder.fileFor(QStringLiteral("Vogels"))), SeriesFile::serialize(first));

        const Series second = seriesAbout(QStringLiteral("Uil"), QStringLiteral("4. Uil"));
        QVERIFY(folder.save(QStringLiteral("Vogels"), second).ok());
        QCOMPARE(readAll(folder.fileFor(QStringLiteral("Vogels"))), SeriesFile::serialize(second));
        QCOMPARE(folder.list(), QStringList{QStringLiteral("Vogels.msr")});
        const auto loaded = folder.load(QStringLiteral("Vogels.msr"));
        QVERIFY(loaded.ok());
        QCOMPARE(*loaded, second);
    }

    void failedSaveKeepsOldFile_data() {
        QTest::addColumn<FailingWrites::Way>("way");
        QTest::newRow("read-only folder") << FailingWrites::Way::ReadOnlyFolder;
        QTest::newRow("disk full") << FailingWrites::Way::FileSizeLimit;
    }

    void failedSaveKeepsOldFile() {
        QFETCH(FailingWrites::Way, way);
        QTemporaryDir root;
        const SeriesFolder folder(root.path());
        const Series old = seriesAbout(QStringLiteral("Vogels"), QStringLiteral("1. Merel"));
        QVERIFY(folder.save(QStringLiteral("Vogels"), old).ok());
        Status status;
        {
            const FailingWrites failing(way, root.path());
            if (!failing.unavailable().isEmpty())
                QSKIP(qPrintable(failing.unavailable()));
            status = folder.save(QStringLiteral("Vogels"),
                                 seriesAbout(QStringLiteral("Uil"), QStringLiteral("4. Uil")));
        }
        QVERIFY(!status.ok());
        QVERIFY2(status.error().startsWith(QStringLiteral("De serie is niet opgeslagen: ")),
                 qPrintable(status.error()));
        QCOMPARE(readAll(folder.fileFor(QStringLiteral("Vogels"))), SeriesFile::serialize(old));
        QCOMPARE(entries(root.path()),
                 QStringList{QStringLiteral("Vogels.msr")}); // no temporary file left
    }

    void saveUnderRegularFileFails() {
        QTemporaryDir root;
        QFile blocker(root.filePath(QStringLiteral("bestand")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        const Status status = SeriesFolder(blocker.fileName() + QStringLiteral("/mosaretten"))
                                  .save(QStringLiteral("Vogels"), Series{});
        QVERIFY(!status.ok());
        QVERIFY(status.error().startsWith(QStringLiteral("De serie is niet opgeslagen: ")));
    }

    void names_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("parent folder") << "../x" << false;
        QTest::newRow("absolute path") << "/tmp/x" << false;
        QTest::newRow("backslash") << "a\\b" << false;
        QTest::newRow("line break") << "a\nb" << false;
        QTest::newRow("delete character") << "a\x7f" << false;
        QTest::newRow("dot") << "." << false;
        QTest::newRow("dot dot") << ".." << false;
        QTest::newRow("252 bytes with .msr") << QString(126, QChar(0xE9)) << false;
        QTest::newRow("255 bytes with .msr") << QString(251, u'a') << true;
        QTest::newRow("leading blank and accents") << QString::fromUtf8(" Géén vogels") << true;
        QTest::newRow(".msr twice") << "Vogels.msr" << true;
        QTest::newRow("hidden") << ".verborgen" << true;
    }

    void names() {
        QFETCH(QString, typed);
        QFETCH(bool, accepted);
        QTemporaryDir root;
        const SeriesFolder folder(root.filePath(QStringLiteral("mosaretten")));
        QVERIFY(QDir(root.path()).mkdir(QStringLiteral("mosaretten")));
        QCOMPARE(SeriesFolder::checkName(typed).ok(), accepted);
        const Status status =
            folder.save(typed, seriesAbout(QStringLiteral("Vogels"), QStringLiteral("1. Merel")));
        QCOMPARE(status.ok(), accepted);
        QCOMPARE(entries(root.path()),
                 QStringList{QStringLiteral("mosaretten")}); // nothing beside the folder
        QCOMPARE(folder.list(),
                 accepted ? QStringList{typed + QStringLiteral(".msr")} : QStringList{});
        QVERIFY(!QFileInfo::exists(QStringLiteral("/tmp/x.msr")));
    }

    void listsOnlySeriesFilesSorted() {
        QTemporaryDir root;
        QVERIFY(SeriesFolder(root.filePath(QStringLiteral("geen"))).list().isEmpty());
        for (const char* name :
             {"beta.msr", "Alfa.msr", "alfa.msr", "gamma.txt", "Delta.MSR", "Zoo.msr"})
            QFile(root.filePath(QString::fromLatin1(name))).open(QIODevice::WriteOnly);
        QVERIFY(QDir(root.path()).mkdir(QStringLiteral("x.msr")));
        QCOMPARE(
            mkfifo(QFile::encodeName(root.filePath(QStringLiteral("pijp.msr"))).constData(), 0600),
            0);
        const SeriesFolder folder(root.path());
        QCOMPARE(folder.list(),
                 QStringList({"Alfa.msr", "alfa.msr", "beta.msr", "Delta.MSR", "Zoo.msr"}));

        // Neither a folder nor a FIFO is read (a FIFO would block the load).
        for (const char* name : {"x.msr", "pijp.msr", "weg.msr", "../x.msr", "beta.msr"})
            QVERIFY2(!folder.load(QString::fromLatin1(name)).error().isEmpty(), name);
    }
};

QTEST_GUILESS_MAIN(SeriesFolderTest)
#include "tst_SeriesFolder.moc"
