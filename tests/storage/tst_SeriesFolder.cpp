// Tests of the series folder: saving whole files under safe names, listing and loading.
#include "SeriesFile.h"
#include "SeriesFolder.h"
#include "TestFolder.h"

#include <QTest>

using Entry = TestFolder::Entry;

class SeriesFolderTest final : public QObject {
    Q_OBJECT

private slots:
    void save_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("inTheWay"); // made before the save, when not empty
        QTest::addColumn<Entry>("entry");
        QTest::addColumn<bool>("saved");
        const QString file = QStringLiteral("mosaretten/Vogels.msr");
        // clang-format off
        QTest::newRow("new, folder made") << "Vogels" << "" << Entry::File << true;
        QTest::newRow("replaces old file") << "Vogels" << file << Entry::File << true;
        QTest::newRow("blank and accents") << " Géén vogels" << "" << Entry::File << true;
        QTest::newRow(".msr twice") << "Vogels.msr" << "" << Entry::File << true;
        QTest::newRow("hidden") << ".verborgen" << "" << Entry::File << true;
        QTest::newRow("255 bytes with .msr") << QString(251, u'a') << "" << Entry::File << true;
        QTest::newRow("256 bytes with .msr") << QString(126, u'é') << "" << Entry::File << false;
        QTest::newRow("empty") << "" << "" << Entry::File << false;
        QTest::newRow("slash") << "a/b" << "mosaretten/a" << Entry::Folder << false;
        QTest::newRow("delete character") << "a\x7f" << "" << Entry::File << false;
        QTest::newRow("dot") << "." << "" << Entry::File << false;
        QTest::newRow("folder in the way") << "Vogels" << file << Entry::Folder << false;
        QTest::newRow("link to a pipe") << "Vogels" << file << Entry::LinkToPipe << false;
        QTest::newRow("series folder is a file") << "Vogels" << "mosaretten" << Entry::File << false;
        // clang-format on
    }

    void save() {
        QFETCH(QString, typed);
        QFETCH(QString, inTheWay);
        QFETCH(Entry, entry);
        QFETCH(bool, saved);
        TestFolder dir;
        QVERIFY(inTheWay.isEmpty() || dir.make(inTheWay, entry, "oud"));
        const TestFolder::Snapshot before = dir.snapshot();
        const SeriesFolder folder(dir.path(QStringLiteral("mosaretten")));
        Series series;
        series.subject = QStringLiteral("Vogels, wild");
        series.photoPath(2) = QStringLiteral("/foto/mus.jpg");
        series.name(3, 4) = QStringLiteral("4. Uil");
        const Status status = folder.save(typed, series);
        QCOMPARE(status.ok(), saved);
        if (!saved) {
            QVERIFY2(status.error().startsWith(QStringLiteral("De serie is niet opgeslagen")),
                     qPrintable(status.error()));
            QCOMPARE(TestFolder::changed(before, dir.snapshot()), QStringList());
            return;
        }
        const QString file = typed + QStringLiteral(".msr");
        QCOMPARE(dir.snapshot().keys(), QStringList({"mosaretten", "mosaretten/" + file}));
        QCOMPARE(dir.read("mosaretten/" + file), SeriesFile::serialize(series));
        QCOMPARE(folder.list(), QStringList{file});
        QCOMPARE(*folder.load(file), series);
    }

    void listsAndLoadsOnlySeriesFiles() {
        TestFolder dir;
        QVERIFY(SeriesFolder(dir.path(QStringLiteral("geen"))).list().isEmpty());
        for (const char* name : {"beta.msr", "Alfa.msr", "alfa.msr", "gamma.txt", "Delta.MSR"})
            QVERIFY(dir.write(QString::fromLatin1(name), {}));
        QVERIFY(dir.make(QStringLiteral("x.msr"), Entry::Folder));
        QVERIFY(dir.make(QStringLiteral("pijp.msr"), Entry::Pipe));
        const SeriesFolder folder(dir.path());
        QCOMPARE(folder.list(), QStringList({"Alfa.msr", "alfa.msr", "beta.msr", "Delta.MSR"}));
        // Neither a folder nor a pipe is read: a pipe would block the load.
        for (const char* name : {"x.msr", "pijp.msr", "weg.msr", "../x.msr", "beta.msr"})
            QVERIFY2(!folder.load(QString::fromLatin1(name)).ok(), name);
    }
};

QTEST_GUILESS_MAIN(SeriesFolderTest)
#include "tst_SeriesFolder.moc"
