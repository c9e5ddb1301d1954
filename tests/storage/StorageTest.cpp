// Series, settings and recovery files: exact bytes, safe saves, kills and races.
#include "RecoveryFolder.h"
#include "SeriesFile.h"
#include "SeriesFolder.h"
#include "SettingsFile.h"
#include "TestFolder.h"

#include <QtTest>
#include <cstdio>
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
    return version ? Settings{.backX = SettingValue::text("17,5 cm"), .backY = -2147483647}
                   : Settings{};
}

// The series, the settings or the copy of unsaved work (`file` 0, 1, 2) as `version` writes it.
QByteArray written(int file, int version) {
    return file == 0   ? SeriesFile::serialize(series(version))
           : file == 1 ? SettingsFile::serialize(settings(version))
                       : RecoveryCopy::serialize(series(version), kName);
}

// Both files in `folder` as version 0; the series folder is the folder itself.
bool saveFirstVersions(const QString& folder) {
    return SeriesFolder(folder).save(kName, series(0)).ok() &&
           SettingsFile::save(folder + '/' + kSettings, settings(0)).ok();
}

// Saves the three files over and over, alternating the versions, until it is killed.
int saveLoop(const QString& path) {
    RecoveryFolder copies(path + "/staat");
    for (int round = 0;; ++round) {
        const Status a = SeriesFolder(path).save(kName, series(round % 2));
        const Status b = SettingsFile::save(path + '/' + kSettings, settings(round % 2));
        const Status c = copies.write(series(round % 2), kName);
        if (!a.ok() || !b.ok() || !c.ok()) {
            qCritical("%s", qPrintable(a.error() + b.error() + c.error()));
            return 1;
        }
        if (round == 0) // the first save waits for the disk's journal; the kills fall after it
            std::fputs("writing\n", stdout), std::fflush(stdout);
    }
}

// Offers the copies of `folder`, answering as told after a moment, prints what it did and runs
// on, holding what it took, until its input ends.
int offer(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    RecoveryFolder folder(QFile::decodeName(argv[2]));
    bool asked = false;
    const bool yes = qstrcmp(argv[3], "yes") == 0;
    const RecoveryFolder::TakenBack taken = folder.takeBack([&](const RecoveredSeries&) {
        asked = true;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        return yes;
    });
    std::puts(taken.series ? "taken" : asked ? "removed" : "none");
    std::fflush(stdout);
    while (std::getchar() != EOF) {
    }
    return 0;
}

} // namespace

using Entry = TestFolder::Entry;

class StorageTest final : public QObject {
    Q_OBJECT

private slots:
    // Every settings value read is written back, a number plain, a text quoted; a series file is
    // read up to its 21st line and its framing lines, whatever its line ends, and written whole.
    void filesRewritten_data() {
        QTest::addColumn<bool>("series");
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<QByteArray>("rewritten"); // null: the input as it is
        const auto row = [](const char* name, const QByteArray& input, const QByteArray& out = {}) {
            QTest::newRow(name) << false << input << out;
        };
        const auto series = [](const char* name, const QByteArray& input, const QByteArray& out) {
            QTest::newRow(name) << true << input << out;
        };
        const QByteArray zeros = "0,0,0\r\n0,0,0\r\n", big = '1' + QByteArray(400, '0');
        // clang-format off
        row("empty: defaults", {}, zeros + "1680,2400\r\n");
        row("quoted X stays text", zeros + "\"1680\",2400\r\n");
        row("two lines only", "1,2,3\r\n4,5,6\r\n", "1,2,3\r\n4,5,6\r\n1680,2400\r\n");
        row("300 in a byte field", "7,8,300\r\n4,5,6\r\n20,30\r\n",
            "7,8,0\r\n0,0,0\r\n1680,2400\r\n");
        row("all eight on one line, LF", "1,2,3,4,5,6,20,30\n", "1,2,3\r\n4,5,6\r\n20,30\r\n");
        row("extra lines", zeros + "1,2,3\r\nmore\r\n", zeros + "1,2\r\n");
        row("64-bit Y", zeros + "2000,4294967296\r\n", zeros + "2000,2400\r\n");
        row("quoted Y", zeros + "2000,\"3000\"\r\n", zeros + "2000,2400\r\n");
        row("blanks before fields", "  1,\t2, 3\r\n 4 , 5 ,6\r\n 20 , 30",
            "1,2,3\r\n4,5,6\r\n20,30\r\n");
        row("negative, fractional, 32-bit Y", "-1.5,0.25,0\r\n-7,12.50,255\r\n-100,-2147483648\r\n",
            "-1.5,0.25,0\r\n-7,12.5,255\r\n-100,-2147483648\r\n");
        row("never an exponent", "100000000000000000000,0.0000001,0\r\n" + big,
            "100000000000000000000,0.0000001,0\r\n\"" + big + "\",0,0\r\n1680,2400\r\n");
        row("text, empty, comma in quotes", "abc ,,1\r\n\"x,y\"junk,1.,2\r\n\"caf\xE9\",3\r\n",
            "\"abc\",,1\r\n\"x,y\",\"1.\",2\r\n\"caf\xE9\",3\r\n");
        row("quote never closed", zeros + "\"16", zeros + "\"16\",2400\r\n");
        // clang-format on
        QByteArray lf = "Vogels\n";
        for (int i = 2; i <= 25; ++i)
            lf += "regel " + QByteArray::number(i) + '\n';
        const QByteArray crlf = lf.split('\n').mid(0, 21).join("\r\n") + "\r\n", huge(5 << 20, 'x'),
                         cut = "Vogels\r\n/a\r\n/b\r\n";
        series("series, LF only, lines after 21 ignored", lf, crlf);
        series("series, 5 MB after line 21", lf + huge, crlf);
        series("series truncated", cut, cut + QByteArray("\r\n").repeated(18));
        series("series with a 5 MB line", "Vogels\r\n" + huge, "<not a series>");
        const QByteArray two = "#kader 2 0.5000 0.3125 1.5000\r\n#kader 4 0.0000 1.0000 4.0000\r\n";
        series("framed cards 2 and 4", crlf + two, {});
        const auto card2 = [&](const char* name, const QByteArray& lines, const char* framing) {
            series(name, crlf + lines,
                   crlf + (framing ? "#kader 2 " + QByteArray(framing) + "\r\n" : ""));
        };
        // clang-format off
        card2("framing, bare LF", "#kader 2 0.25 0.75 2\n", "0.2500 0.7500 2.0000");
        card2("first valid framing wins",
              "#kader 2 x 0.5 1\r\n#kader 2 0.1 0.2 1.5\r\n#kader 2 0.9 0.9 3\r\n", "0.1000 0.2000 1.5000");
        card2("framing clamped", "#kader 2 -5 1e300 99\r\n", "0.0000 1.0000 4.0000");
        card2("zoom below one", "#kader 2 0.5 0.5 0.2\r\n", nullptr);
        card2("nan", "#kader 2 nan 0.5 1.5\r\n", nullptr);
        card2("infinity", "#kader 2 0.5 inf 1.5\r\n", nullptr);
        card2("letters", "#kader twee 0.5 0.5 2\r\n", nullptr);
        card2("card out of range", "#kader 5 0.1 0.1 2\r\n#kader 0 0.1 0.1 2\r\n", nullptr);
        card2("too few values", "#kader 2 0.1 2\r\n", nullptr);
        card2("unknown and binary lines",
              QByteArray("#iets 2\r\n\x01\xff\0junk\r\n#kader 2 0.3 0.3 1\r\n", 38), "0.3000 0.3000 1.0000");
        // clang-format on
    }
    void filesRewritten() {
        QFETCH(bool, series);
        QFETCH(QByteArray, input);
        QFETCH(QByteArray, rewritten);
        const auto parsed = SeriesFile::parse(input);
        QCOMPARE(!series       ? SettingsFile::serialize(SettingsFile::parse(input))
                 : parsed.ok() ? SeriesFile::serialize(*parsed)
                               : QByteArray("<not a series>"),
                 rewritten.isNull() ? input : rewritten);
    }

    // A series file holds Windows-1252, every byte written back as read; a recovery copy holds
    // UTF-8 and the framings, and one cut in its framing lines is refused.
    void everyByteAndCharacterRoundTrips() {
        QByteArray bytes;
        for (int b = 0; b < 256; ++b)
            bytes += b == '\r' || b == '\n' ? QByteArray() : QByteArray(1, char(b));
        const QByteArray file = bytes + QByteArray("\r\n").repeated(SeriesFile::kLineCount);
        Series series = SeriesFile::parse(file).value();
        QStringDecoder reference("windows-1252"); // Qt's own table, where Qt was built with ICU
        if (reference.isValid())
            QCOMPARE(series.subject, QString(reference.decode(bytes)));
        QCOMPARE(SeriesFile::serialize(series), file);
        series.subject += "Łódź";
        series.framing(2) = Framing{QPointF(0.5, 0.3125), 1.5};
        const QByteArray copy = RecoveryCopy::serialize(series, "Vögel.msr");
        QVERIFY(copy.startsWith("#mosaret-herstel utf-8\r\n"));
        QCOMPARE(RecoveryCopy::parse(copy)->series, series);
        QCOMPARE(RecoveryCopy::parse(copy)->seriesName, QString("Vögel.msr"));
        QVERIFY(!RecoveryCopy::parse(copy.first(copy.indexOf("#kader"))).ok());
    }

    // A break is written as a blank, a name loses its leading blanks and breaks, and what
    // Windows-1252 cannot hold is written as "?" and named.
    void seriesWrittenAndWhatChanges() {
        Series birds{
            " Vogels\nwild", {" /f/merel.jpg", "/f/\U0001F600.gif", {}, "/f/uil.bmp"}, {}, {}};
        for (auto& card : birds.names)
            card = {" 1. Merel", "2. Mus ", {}, "4"};
        birds.name(2, 3) = " ł";
        birds.name(4, 4) = "\r\n  4. Uil";
        const QByteArray card = "1. Merel\r\n2. Mus \r\n\r\n4\r\n";
        QCOMPARE(SeriesFile::serialize(birds),
                 " Vogels wild\r\n /f/merel.jpg\r\n/f/?.gif\r\n\r\n/f/uil.bmp\r\n" + card +
                     "1. Merel\r\n2. Mus \r\n?\r\n4\r\n" + card +
                     "1. Merel\r\n2. Mus \r\n\r\n4. Uil\r\n");
        QCOMPARE(SeriesFile::unencodableTexts(birds),
                 QStringList({"Onderwerp:  Vogels\nwild", "Foto van kaart 2: /f/\U0001F600.gif",
                              "Naam 3 van kaart 2:  ł", "Naam 4 van kaart 4: \r\n  4. Uil"}));
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
        QTest::newRow("backslash") << "a\\b" << "" << Entry::File << false;
        QTest::newRow("dot dot") << ".." << "" << Entry::File << false;
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

    // A full disk keeps the old file: a series replaced, a new one (nothing to keep, so nothing
    // promised), and settings larger than the 8 KB left.
    void fullDiskKeepsOldFile() {
        for (const auto& [file, leftBytes] :
             {std::pair{kName + ".msr", 0}, {QString("Nieuw.msr"), 0}, {kSettings, 8192}}) {
            TestFolder disk;
            if (!disk.mountDisk({}, 64))
                QSKIP("no small disk can be mounted here");
            QVERIFY(saveFirstVersions(disk.path()));
            Settings large = settings(1);
            large.reserved1 = SettingValue::text(QString(40000, u'a'));
            QFile filler(disk.path("vulling")); // fills the disk up to `leftBytes`
            QVERIFY(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
            while (filler.write(QByteArray(4096, 'x')) == 4096) {
            }
            QVERIFY(filler.resize(qMax<qint64>(0, filler.size() - leftBytes)));
            const TestFolder::Snapshot before = disk.snapshot();
            const Status status = file == kSettings
                                      ? SettingsFile::save(disk.path(kSettings), large)
                                      : SeriesFolder(disk.path()).save(file.chopped(4), series(1));
            QVERIFY2(status.error().contains("schijf vol"), qPrintable(status.error()));
            QCOMPARE(status.error().contains("ongewijzigd"), file != "Nieuw.msr");
            QCOMPARE(disk.changedSince(before), QStringList());
        }
    }

    void killDuringSavesLeavesWholeFiles() {
        TestFolder dir;
        QVERIFY(saveFirstVersions(dir.path()));
        int seen[3][2] = {}; // [file][version]
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
            const QStringList copies = RecoveryFolder(dir.path("staat")).leftBehind();
            QCOMPARE(copies.size(), 1);
            const QString files[3] = {kName + ".msr", kSettings, copies[0]};
            for (int f = 0; f < 3; ++f) {
                const QByteArray bytes = dir.read(files[f]);
                const int version = bytes == written(f, 0) ? 0 : bytes == written(f, 1) ? 1 : -1;
                QVERIFY2(version >= 0, qPrintable(files[f]));
                ++seen[f][version];
            }
            QVERIFY(QFile::remove(copies[0]));
            QCOMPARE(SeriesFolder(dir.path()).list(), QStringList{files[0]}); // no temporary file
        }
        // Both versions turn up, so the kills fell among the saves and not before them.
        for (const auto& versions : seen)
            QVERIFY(versions[0] && versions[1]);
    }

    // Of two programs started together on one copy, one takes it back (it stays) or removes it.
    void oneProgramDecidesAboutACopy() {
        const QByteArray copy =
            RecoveryCopy::serialize(Series{QStringLiteral("Łódź"), {}, {}, {}}, "Bos.msr");
        for (int round = 0; round < 100; ++round) {
            const TestFolder folder;
            QVERIFY(folder.write("herstel-oud.herstel", copy));
            // Every other round one of the two answers No.
            const QStringList answers{"yes", round % 2 ? "no" : "yes"};
            QProcess programs[2];
            for (int i = 0; i < 2; ++i)
                programs[i].start(QCoreApplication::applicationFilePath(),
                                  {"--offer", folder.path(), answers[i]});
            QStringList did;
            for (QProcess& program : programs) {
                QVERIFY(program.waitForReadyRead(20000));
                did << QString::fromLatin1(program.readLine().trimmed());
            }
            for (QProcess& program : programs) {
                program.closeWriteChannel();
                QVERIFY(program.waitForFinished(20000));
            }
            QVERIFY2(did.count("none") == 1, qPrintable(did.join(", ")));
            QCOMPARE(folder.read("herstel-oud.herstel"),
                     did.contains("taken") ? copy : QByteArray("<missing>"));
        }
    }

    // A copy set aside as unreadable is kept for 30 days from the day it was set aside.
    void setAsideCopiesAreRemovedAfterThirtyDays() {
        const TestFolder folder;
        for (const auto& [name, days] : {std::pair{"herstel-a.herstel", -40},
                                         {"herstel-b.kapot", -29},
                                         {"herstel-c.kapot-2", -31}}) {
            QFile file(folder.path(name));
            QVERIFY(folder.write(name, "kapot") && file.open(QIODevice::ReadWrite) &&
                    file.setFileTime(QDateTime::currentDateTime().addDays(days),
                                     QFileDevice::FileModificationTime));
        }
        RecoveryFolder(folder.path()).takeBack([](const RecoveredSeries&) { return false; });
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files),
                 QStringList({"herstel-a.kapot", "herstel-b.kapot"}));
    }
};

int main(int argc, char** argv) {
    if (argc == 3 && qstrcmp(argv[1], "--save-loop") == 0)
        return saveLoop(QFile::decodeName(argv[2]));
    if (argc == 4 && qstrcmp(argv[1], "--offer") == 0)
        return offer(argc, argv);
    QCoreApplication app(argc, argv);
    StorageTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "StorageTest.moc"
