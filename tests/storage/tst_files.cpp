// The settings file and the series files: exact bytes written, odd files read, safe saves, listing.
#include "SeriesFile.h"
#include "SeriesFolder.h"
#include "SettingsFile.h"
#include "TestFolder.h"

#include <QStringDecoder>
#include <QTest>

using Entry = TestFolder::Entry;

class FilesTest final : public QObject {
    Q_OBJECT

private slots:
    // Every settings value read shows in the bytes written back: a number plain, a text quoted.
    void settingsRewritten_data() {
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<QByteArray>("rewritten"); // null: the input as it is
        const QByteArray zeros = "0,0,0\r\n0,0,0\r\n", big = '1' + QByteArray(400, '0'), same;
        // clang-format off
        QTest::newRow("empty: defaults") << QByteArray() << zeros + "1680,2400\r\n";
        QTest::newRow("back offsets") << zeros + "2000,3000\r\n" << same;
        QTest::newRow("quoted X stays text") << zeros + "\"1680\",2400\r\n" << same;
        QTest::newRow("two lines only") << QByteArray("1,2,3\r\n4,5,6\r\n")
            << QByteArray("1,2,3\r\n4,5,6\r\n1680,2400\r\n");
        QTest::newRow("300 in a byte field") << QByteArray("7,8,300\r\n4,5,6\r\n2000,3000\r\n")
            << QByteArray("7,8,0\r\n0,0,0\r\n1680,2400\r\n");
        QTest::newRow("all eight on one line, LF") << QByteArray("1,2,3,4,5,6,2000,3000\n")
            << QByteArray("1,2,3\r\n4,5,6\r\n2000,3000\r\n");
        QTest::newRow("extra lines") << zeros + "1,2,3\r\nmore\r\n" << zeros + "1,2\r\n";
        QTest::newRow("64-bit Y") << zeros + "2000,4294967296\r\n" << zeros + "2000,2400\r\n";
        QTest::newRow("quoted Y") << zeros + "2000,\"3000\"\r\n" << zeros + "2000,2400\r\n";
        QTest::newRow("blanks before fields") << QByteArray("  1,\t2, 3\r\n 4 , 5 ,6\r\n 20 , 30")
            << QByteArray("1,2,3\r\n4,5,6\r\n20,30\r\n");
        QTest::newRow("negative, fractional, 32-bit Y")
            << QByteArray("-1.5,0.25,0\r\n-7,12.50,255\r\n-100,-2147483648\r\n")
            << QByteArray("-1.5,0.25,0\r\n-7,12.5,255\r\n-100,-2147483648\r\n");
        QTest::newRow("never an exponent") << "100000000000000000000,0.0000001,0\r\n" + big
            << "100000000000000000000,0.0000001,0\r\n\"" + big + "\",0,0\r\n1680,2400\r\n";
        QTest::newRow("text, empty, comma in quotes")
            << QByteArray("abc ,,1\r\n\"x,y\"junk,1.,2\r\n\"caf\xE9\",3\r\n")
            << QByteArray("\"abc\",,1\r\n\"x,y\",\"1.\",2\r\n\"caf\xE9\",3\r\n");
        QTest::newRow("quote never closed") << zeros + "\"16" << zeros + "\"16\",2400\r\n";
        // clang-format on
    }
    void settingsRewritten() {
        QFETCH(QByteArray, input);
        QFETCH(QByteArray, rewritten);
        QCOMPARE(SettingsFile::serialize(SettingsFile::parse(input)),
                 rewritten.isNull() ? input : rewritten);
    }

    void seriesRoundTrip_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("name"); // `text` as a name reads back as this
        // clang-format off
        QTest::newRow("commas and quotes") << "Vogels, \"wild\"" << "Vogels, \"wild\"";
        QTest::newRow("accents") << "Géén Zoë café €" << "Géén Zoë café €";
        QTest::newRow("no leading blank") << "2. Mus " << "2. Mus ";
        QTest::newRow("leading blanks") << "   3. Mees" << "3. Mees";
        QTest::newRow("leading line break") << "\n 4. Uil" << "4. Uil";
        // clang-format on
    }
    void seriesRoundTrip() {
        QFETCH(QString, text);
        QFETCH(QString, name);
        Series series;
        series.subject = text;
        series.photoPaths.fill(text);
        for (auto& card : series.names)
            card.fill(text);
        const auto parsed = SeriesFile::parse(SeriesFile::serialize(series));
        QVERIFY(parsed.ok());
        const QString stored = QString(text).replace(u'\n', u' '); // a break becomes a blank
        QCOMPARE(parsed->subject, stored);
        QCOMPARE(parsed->photoPath(4), stored);
        QCOMPARE(parsed->name(4, 4), name);
    }

    void seriesEveryByteRoundTrips() {
        QByteArray bytes;
        for (int b = 0; b < 256; ++b)
            bytes += b == '\r' || b == '\n' ? QByteArray() : QByteArray(1, char(b));
        const QByteArray file = bytes + QByteArray("\r\n").repeated(SeriesFile::kLineCount);
        const auto parsed = SeriesFile::parse(file);
        QVERIFY(parsed.ok());
        QStringDecoder reference("windows-1252"); // Qt's own table, where Qt was built with ICU
        if (reference.isValid())
            QCOMPARE(parsed->subject, QString(reference.decode(bytes)));
        QVERIFY(SeriesFile::unencodableTexts(*parsed).isEmpty());
        QCOMPARE(SeriesFile::serialize(*parsed), file);
    }

    void seriesWrittenAndWhatChanges() {
        Series birds;
        birds.subject = "Vogels\nwild";
        birds.photoPaths = {"/f/merel.jpg", "/f/\U0001F600.gif", {}, "/f/uil.bmp"};
        for (auto& card : birds.names)
            card = {" 1. Merel", "2. Mus", {}, "4"};
        birds.name(2, 3) = " ł";
        const QByteArray card = "1. Merel\r\n2. Mus\r\n\r\n4\r\n";
        QCOMPARE(SeriesFile::serialize(birds),
                 "Vogels wild\r\n/f/merel.jpg\r\n/f/?.gif\r\n\r\n/f/uil.bmp\r\n" + card +
                     "1. Merel\r\n2. Mus\r\n?\r\n4\r\n" + card + card);
        QCOMPARE(SeriesFile::unencodableTexts(birds),
                 QStringList({"Onderwerp: Vogels\nwild", "Foto van kaart 2: /f/\U0001F600.gif",
                              "Naam 3 van kaart 2:  ł"}));
    }

    void seriesOddFiles_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("photo2"); // null: not a series
        QTest::addColumn<QString>("lastName");
        QByteArray lf = "Vogels\n";
        for (int i = 2; i <= 25; ++i)
            lf += "regel " + QByteArray::number(i) + '\n';
        const QByteArray huge(5 << 20, 'x');
        const QString none;
        // clang-format off
        QTest::newRow("LF only, lines after 21 ignored") << lf << "regel 3" << "regel 21";
        QTest::newRow("5 MB after line 21") << lf + huge << "regel 3" << "regel 21";
        QTest::newRow("truncated") << QByteArray("Vogels\r\n/a\r\n/b\r\n") << "/b" << "";
        QTest::newRow("two lines, no line end") << QByteArray("Vogels\r\n/a") << "" << "";
        QTest::newRow("5 MB line") << "Vogels\r\n" + huge << none << none;
        // clang-format on
    }
    void seriesOddFiles() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, photo2);
        QFETCH(QString, lastName);
        const auto parsed = SeriesFile::parse(bytes);
        QCOMPARE(parsed.ok(), !photo2.isNull());
        if (parsed.ok()) {
            QCOMPARE(parsed->subject, "Vogels");
            QCOMPARE(parsed->photoPath(2), photo2);
            QCOMPARE(parsed->name(4, 4), lastName);
        }
    }

    void seriesSaved_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("inTheWay"); // made before the save, when not empty
        QTest::addColumn<Entry>("entry");
        QTest::addColumn<bool>("saved");
        const QString file = "mosaretten/Vogels.msr";
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
    void seriesSaved() {
        QFETCH(QString, typed);
        QFETCH(QString, inTheWay);
        QFETCH(Entry, entry);
        QFETCH(bool, saved);
        TestFolder dir;
        QVERIFY(inTheWay.isEmpty() || dir.make(inTheWay, entry, "oud"));
        const TestFolder::Snapshot before = dir.snapshot();
        const SeriesFolder folder(dir.path("mosaretten"));
        const Series series = *SeriesFile::parse(TestFolder::seriesFile());
        const Status status = folder.save(typed, series);
        QCOMPARE(status.ok(), saved);
        if (!saved) {
            QVERIFY2(status.error().startsWith("De serie is niet opgeslagen"),
                     qPrintable(status.error()));
            QCOMPARE(dir.changedSince(before), QStringList());
            return;
        }
        const QString file = "mosaretten/" + typed + ".msr";
        QCOMPARE(dir.snapshot().keys(), QStringList({"mosaretten", file}));
        QCOMPARE(dir.read(file), TestFolder::seriesFile());
        QCOMPARE(folder.list(), QStringList{typed + ".msr"});
        QCOMPARE(*folder.load(typed + ".msr"), series);
    }

    void seriesListedAndLoaded() {
        TestFolder dir;
        QVERIFY(SeriesFolder(dir.path("geen")).list().isEmpty());
        for (const char* name : {"beta.msr", "Alfa.msr", "alfa.msr", "gamma.txt", "Delta.MSR"})
            QVERIFY(dir.write(name, {}));
        QVERIFY(dir.make("x.msr", Entry::Folder) && dir.make("pijp.msr", Entry::Pipe));
        const SeriesFolder folder(dir.path());
        QCOMPARE(folder.list(), QStringList({"Alfa.msr", "alfa.msr", "beta.msr", "Delta.MSR"}));
        // Neither a folder nor a pipe is read: a pipe would block the load.
        for (const char* name : {"x.msr", "pijp.msr", "weg.msr", "../x.msr", "beta.msr"})
            QVERIFY2(!folder.load(name).ok(), name);
    }
};

QTEST_GUILESS_MAIN(FilesTest)
#include "tst_files.moc"
