// Bad input through the real window: broken series files and photos through the load dialog and
// dropped on a card, photos moved away, odd settings files at start-up, and a read-only program
// folder.
#include "SettingsFile.h"
#include "TestWindow.h"

#include <numeric>

using Entry = TestFolder::Entry;

namespace {

const QString kProgram = "programma", kSettings = kProgram + "/Mosaret.ini",
              kSeries = kProgram + "/mosaretten/", kBroken = kSeries + "Kapot.msr",
              kRed = "fotos/rood.png";

// What the user sees after starting on a row's bad entry (the settings file, "Kapot.msr" or the
// photo "fotos/<row name>") or loading it.
enum class Outcome {
    Starts,    // no question, and the settings file holds what the window uses
    Loads,     // loaded without a question
    LoadFails, // "Fout bij het laden!", and the sheet keeps what it had
    Placed,    // card 1's photo in "Foto.msr" is shown, and placed when dropped on the card
    Empty,     // an empty outlined canvas; dropped, a warning names it (a folder is refused)
    Found,     // card 1's photo, stored as the bytes, is found in the series folder
    Missing,   // the same, not found: said in the info bar
};
using O = Outcome;

// A baseline JPEG of plain grey: each block takes two bits (no DC change, end of block), so even
// 108 million pixels take about a megabyte. Its header is the first 130 bytes.
QByteArray plainJpeg(int width, int height) {
    const auto be16 = [](int v) { return QByteArray{} + char(v >> 8) + char(v & 0xff); };
    const QByteArray code = QByteArray::fromHex("0100000000000000000000000000000000");
    const QByteArray header = QByteArray::fromHex("ffd8ffdb004300") + QByteArray(64, 1) +
                              QByteArray::fromHex("ffc0001108") + be16(height) + be16(width) +
                              QByteArray::fromHex("03011100021100031100ffc4002600") + code +
                              '\x10' + code;
    const qint64 bits = 2 * 3 * qint64((width + 7) / 8) * ((height + 7) / 8);
    QByteArray data((bits + 7) / 8, '\0');
    if (bits % 8)
        data.back() = char(0xff >> (bits % 8)); // padded with one bits
    return header + QByteArray::fromHex("ffda000c03010002000300003f00") + data + "\xff\xd9";
}

} // namespace

class BadInputTest final : public QObject {
    Q_OBJECT

private slots:
    void badInput_data() {
        QTest::addColumn<Outcome>("outcome");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<Entry>("entry");
        const auto row = [](const char* name, Outcome outcome, const QByteArray& bytes = {},
                            Entry entry = Entry::File) {
            QTest::newRow(name) << outcome << bytes << entry;
        };
        const QByteArray good = TestFolder::seriesFile(),
                         jpeg = TestPictures::encode(TestPictures::quadrants(400, 300), "JPG");
        QByteArray binary(512, 0);
        std::iota(binary.begin(), binary.end(), 0);
        row("empty series file", O::LoadFails);
        row("2 MB line", O::Loads, QByteArray(2 << 20, 'x') + good.mid(6));
        row("binary series file", O::Loads, binary);
        row("folder named x.msr", O::LoadFails, {}, Entry::Folder);
        row("pipe named x.msr", O::LoadFails, {}, Entry::Pipe);
        row("folder.jpg", O::Empty, {}, Entry::Folder);
        row("pipe.jpg", O::Empty, {}, Entry::Pipe);
        row("gone before it is read.jpg", O::Empty, {}, Entry::Missing);
        row("zero-byte.jpg", O::Empty);
        row("claiming 60000 x 60000.jpg", O::Empty, plainJpeg(60000, 60000).left(130));
        row("claiming 16252674 x 2.bmp", O::Empty,
            QByteArray::fromHex("424d54000000000000003600000028000000"
                                "02fff70002000000010018") +
                QByteArray(25, 0) + QByteArray(30, 64));
        row("truncated.jpg", O::Placed, jpeg.left(jpeg.size() * 6 / 10));
        row("108 MP.jpg", O::Placed, plainJpeg(12000, 9000));
        row("1 x 10000.png", O::Placed,
            TestPictures::encode(TestPictures::plain(1, 10000, Qt::green), "PNG"));
        row("PNG named.jpg", O::Placed,
            TestPictures::encode(TestPictures::plain(60, 40, Qt::green), "PNG"));
        // A photo not at its stored path is looked for by name beside the series file and in
        // "fotos" there only, never above it or where the program started.
        row("Windows path, photo beside", O::Found, "C:\\Users\\An\\Pictures\\poes.jpg");
        row("path of another computer, photo in fotos", O::Found, "/home/an/Foto's/hond.png");
        row("only a name", O::Missing, "buiten.jpg");
        row("only a drive letter", O::Missing, "C:");
        row("..", O::Missing, "..");
        row("a folder up", O::Missing, "..\\buiten.jpg");
        row("2000 characters", O::Missing, QByteArray(2000, 'a'));
        row("binary settings", O::Starts, binary.mid(128));
        row("10 MB quoted field", O::Starts, '"' + QByteArray(10 << 20, 'a') + "\",0,0\r\n");
        row("settings is a folder", O::Starts, {}, Entry::Folder);
        row("settings is a pipe", O::Starts, {}, Entry::Pipe);
        row("settings is a link to a pipe", O::Starts, {}, Entry::LinkToPipe);
    }

    void badInput() {
        QFETCH(Outcome, outcome);
        QFETCH(QByteArray, bytes);
        QFETCH(Entry, entry);
        const bool lookup = outcome == O::Found || outcome == O::Missing;
        const bool photo = outcome == O::Placed || outcome == O::Empty || lookup;
        const QString path = outcome == O::Starts ? kSettings
                             : photo              ? "fotos/" + QString(QTest::currentDataTag())
                                                  : kBroken;
        const bool swap = path == kBroken && entry != Entry::File;
        TestWindow f;
        const QByteArray stored = lookup ? bytes : f.dir.path(path).toUtf8();
        QVERIFY(!photo ||
                f.dir.write(kSeries + "Foto.msr",
                            TestFolder::seriesFile(21, {stored, f.photo(kRed, Qt::red).toUtf8()})));
        // A folder or pipe is never listed: it reaches the load by taking a listed file's place.
        QVERIFY(lookup || f.dir.make(path, swap ? Entry::File : entry, bytes));
        for (const QString& folder : {QString(), kProgram + "/"}) // decoys, and two in the folder
            for (const char* name : {"buiten.jpg", "C:", "poes.jpg", "hond.png",
                                     "mosaretten/poes.jpg", "mosaretten/fotos/hond.png"})
                if (lookup)
                    f.photo(folder + name, Qt::blue);
        QVERIFY(outcome == O::Starts || f.start(kProgram));
        const QString startedIn = QDir::currentPath();
        QVERIFY(QDir::setCurrent(f.dir.path()));
        const Series earlier = f.window ? f.window->model().toSeries() : Series{};
        const TestFolder::Snapshot before = f.dir.snapshot();
        bool swapped = !swap;
        if (outcome == O::Starts) {
            QVERIFY(f.start(kProgram));
        } else {
            f.load(photo ? "Foto.msr" : "Kapot.msr", [&] {
                if (swap)
                    swapped = QFile::remove(f.dir.path(path)) && f.dir.make(path, entry);
            });
            QVERIFY(swapped);
            QVERIFY(!photo || lookup ||
                    f.drop("Foto_1", {QUrl::fromLocalFile(f.dir.path(path))}).taken ==
                        (entry != Entry::Folder));
        }
        QVERIFY(QDir::setCurrent(startedIn));
        const QStringList changed = f.dir.changedSince(before);
        QVERIFY(!QApplication::activeModalWidget() && !QGuiApplication::overrideCursor());
        const QString warning = outcome == O::LoadFails ? "Fout bij het laden!"
                                : outcome == O::Empty && entry != Entry::Folder
                                    ? '"' + f.dir.path(path) + '"'
                                    : QString();
        QCOMPARE(f.prompts.kinds(), warning.isEmpty() ? QStringList() : QStringList{"warn"});
        QVERIFY(f.prompts.lastText().contains(warning));
        // Start-up rewrites a settings file; a load changes only what took a listed file's place.
        const bool mayChange =
            entry == Entry::File ? outcome == O::Starts : outcome == O::LoadFails;
        QVERIFY2(changed.isEmpty() || (mayChange && changed == QStringList{path}),
                 qPrintable(changed.join(' ')));
        MainWindow& w = *f.window;
        if (outcome == O::LoadFails) {
            QCOMPARE(w.model().toSeries(), earlier);
            QCOMPARE(w.model().seriesName(), SeriesModel::defaultSeriesName()); // for the save
            QVERIFY(!w.info().contains("Kapot"));
        } else if (outcome == O::Starts) {
            QCOMPARE(SettingsFile::serialize(w.settings()),
                     entry == Entry::File ? f.dir.read(path) : "0,0,0\r\n0,0,0\r\n1680,2400\r\n");
        } else {
            QVERIFY(w.info().startsWith("Naam van deze serie: " +
                                        QString(outcome == O::Loads ? "Kapot.msr" : "Foto.msr")));
            QVERIFY(!lookup || w.info().endsWith("1 foto ontbreekt") == (outcome == O::Missing));
        }
        if (photo) {
            const CardPhotos& photos = w.photos();
            const bool none = outcome == O::Empty || outcome == O::Missing;
            QCOMPARE(photos.photo(1).picture.isNull(), none);
            QCOMPARE(photos.cardShows(1), outcome == O::Placed ? CardPhotos::CardShows::Outlined
                                                               : CardPhotos::CardShows::Bare);
            QVERIFY(TestPictures::near(photos.photo(2).picture.pixel(20, 15), Qt::red)); // went on
            const QString kept = w.model().photoPath(1); // written by the next save
            QVERIFY(outcome == O::Found ? kept.startsWith(f.dir.path(kSeries)) : kept == stored);
            f.saveAs("Nieuw");
            QCOMPARE(QString(f.dir.read(kSeries + "Nieuw.msr")).split("\r\n").value(1), kept);
        }
    }

    // The settings, the save and the copy all fail: the program says so (the copy once, in the
    // info bar), keeps working and ends without writing anything.
    void readOnlyProgramFolderStartsWarnsAndExits() {
        TestWindow f;
        if (!f.dir.mountDisk(kProgram, 1024))
            QSKIP("no tmpfs can be mounted here");
        QVERIFY(f.dir.write(kSettings, "0,0,0\n0,0,0\n2000,3000\n")); // to be rewritten
        QVERIFY(f.dir.write(kSeries + "Oud.msr", TestFolder::seriesFile()));
        if (!f.dir.makeReadOnly(kProgram))
            QSKIP("the tmpfs cannot be made read-only here");
        f.prompts.texts << "Oud";
        f.prompts.yesNo << true;
        f.prompts.yesNoCancel << UserPrompts::Answer::No;
        const TestFolder::Snapshot before = f.dir.snapshot();
        QVERIFY(f.start(kProgram));
        QCOMPARE(f.window->settings().backY, 3000);
        f.load("Oud.msr");
        QCOMPARE(f.window->model().subject(), "Vogels");
        f.window->recovery().setDelay(0);
        auto* subject = f.child<QLineEdit>("Onderwerp1_1");
        QTest::keyClick(subject, 'x');
        QTRY_VERIFY(f.window->info().contains("reservekopie"));
        f.window->setInfo("Naam van deze serie: Oud.msr");
        QTest::keyClick(subject, 'y');
        QCoreApplication::processEvents(); // the next copy fails too, without a word
        QCOMPARE(f.window->info(), "Naam van deze serie: Oud.msr");
        f.click("Menuknop_3");
        QMetaObject::invokeMethod(
            f.window.get(), [&] { f.click("ExitKnop"); }, Qt::QueuedConnection);
        QCOMPARE(QApplication::exec(), 0); // Exit ends the program's event loop
        QCOMPARE(f.dir.changedSince(before), QStringList());
        QVERIFY(!f.window->isVisible());
        QCOMPARE(f.prompts.kinds(), QStringList({"text", "yesno", "warn", "yesnocancel"}));
        QVERIFY(f.prompts.asked[2].text.contains("mag schrijven"));
    }
};

QTEST_MAIN(BadInputTest)
#include "BadInputTest.moc"
