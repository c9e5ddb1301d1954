// Bad input through the real window: broken series files and photos through the load dialog, odd
// settings files at start-up, names that leave the series folder, and a read-only program folder.
#include "CardPhotos.h"
#include "MainWindow.h"
#include "PhotoCanvas.h"
#include "ScriptedPrompts.h"
#include "TestPictures.h"

#include <QApplication>
#include <QBuffer>
#include <QDataStream>
#include <QDirIterator>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <functional>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// A case whose action has not returned after ten seconds aborts the run, which the test framework
// reports with the function and a stack trace: a hang fails at once instead of at the timeout.
class HangGuard final {
public:
    HangGuard() {
        std::signal(SIGALRM, [](int) { std::abort(); });
        ::alarm(10);
    }
    ~HangGuard() { ::alarm(0); }
    Q_DISABLE_COPY_MOVE(HangGuard)
};

enum class Kind { File, Folder, Fifo, Missing, LinkToFifo };

// Puts `bytes` (a regular file) or a folder, a pipe or a link to a pipe at `path`.
bool make(const QString& path, Kind kind, const QByteArray& bytes = {}) {
    const QByteArray native = QFile::encodeName(path);
    switch (kind) {
    case Kind::File: {
        QFile file(path);
        return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
    }
    case Kind::Folder:
        return QDir().mkpath(path);
    case Kind::Fifo:
        return ::mkfifo(native.constData(), 0600) == 0;
    case Kind::LinkToFifo:
        return make(path + QStringLiteral(".pijp"), Kind::Fifo) &&
               QFile::link(path + QStringLiteral(".pijp"), path);
    case Kind::Missing:
        break;
    }
    return true;
}

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

// Every entry under `root`: a regular file by its bytes, anything else by its kind.
using Snapshot = QMap<QString, QByteArray>;
Snapshot snapshot(const QString& root) {
    Snapshot entries;
    QDirIterator it(root, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo info(it.next());
        entries[info.filePath()] = info.isSymLink()
                                       ? "link to " + QFile::encodeName(info.symLinkTarget())
                                   : info.isDir()  ? QByteArray("folder")
                                   : info.isFile() ? readAll(info.filePath())
                                                   : QByteArray("pipe or device");
    }
    return entries;
}

QStringList changed(const Snapshot& before, const Snapshot& after) {
    QStringList paths;
    for (const QString& path : before.keys() + after.keys()) {
        if (before.value(path, "<none>") != after.value(path, "<none>") && !paths.contains(path))
            paths << path;
    }
    return paths;
}

// The 21 lines of a series about birds, each ended by CR LF; `photo` on card 1, `others` on 2 to 4.
QByteArrayList seriesLines(const QByteArray& photo = {}, const QByteArray& others = {}) {
    QByteArrayList lines{"Vogels", photo, others, others, others};
    for (int card = 1; card <= 4; ++card)
        for (const char* name : {"1. Merel", "2. Mus", "3. Mees", "4. Uil"})
            lines << name;
    return lines;
}
QByteArray joined(const QByteArrayList& lines, const char* end = "\r\n") {
    QByteArray bytes;
    for (const QByteArray& line : lines)
        bytes += line + end;
    return bytes;
}

// A baseline JPEG of plain mid-grey: every block holds only a zero DC difference and an end of
// block, one bit each, so even 108 million pixels take about a megabyte. `scan` false: header only.
QByteArray plainJpeg(int width, int height, bool scan = true) {
    const auto segment = [](int marker, const QByteArray& body) {
        const int length = int(body.size()) + 2;
        return QByteArray{"\xff"} + char(marker) + char(length >> 8) + char(length & 0xff) + body;
    };
    const auto be16 = [](int v) { return QByteArray() + char(v >> 8) + char(v & 0xff); };
    QByteArray frame = QByteArray(1, 8) + be16(height) + be16(width) + char(3);
    for (char id = 1; id <= 3; ++id)
        frame += QByteArray() + id + char(0x11) + char(0);
    const QByteArray oneCode = QByteArray(1, 1) + QByteArray(16, 0); // one 1-bit code, symbol 0
    QByteArray out = QByteArray("\xff\xd8") + segment(0xdb, QByteArray(1, 0) + QByteArray(64, 1)) +
                     segment(0xc0, frame) +
                     segment(0xc4, QByteArray(1, 0x00) + oneCode + char(0x10) + oneCode);
    if (!scan)
        return out;
    out += segment(0xda, QByteArray("\x03\x01\x00\x02\x00\x03\x00\x00\x3f\x00", 10));
    const qint64 bits = 2 * 3 * qint64((width + 7) / 8) * ((height + 7) / 8);
    QByteArray data((bits + 7) / 8, '\0');
    if (bits % 8)
        data.back() = char(0xff >> (bits % 8)); // padded with one bits
    return out + data + "\xff\xd9";
}

// A 24-bit BMP header claiming `width` x `height` pixels, followed by only ten of them.
QByteArray bmpClaiming(qint32 width, qint32 height) {
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out.writeRawData("BM", 2);
    out << quint32(84) << quint32(0) << quint32(54) << quint32(40) << width << height << quint16(1)
        << quint16(24) << quint32(0) << quint32(0) << qint32(2835) << qint32(2835) << quint32(0)
        << quint32(0);
    return bytes + QByteArray(30, '\x40');
}

QByteArray picture(const QImage& image, const char* format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    return buffer.open(QIODevice::WriteOnly) && image.save(&buffer, format) ? bytes : QByteArray();
}

// A program folder with a photo folder beside it, both inside one temporary folder.
struct Fixture final {
    QTemporaryDir root;
    QString program = root.filePath(QStringLiteral("programma"));
    QString photos = root.filePath(QStringLiteral("fotos"));
    ScriptedPrompts prompts;
    std::unique_ptr<MainWindow> window;

    Fixture() { QDir().mkpath(program + QStringLiteral("/mosaretten")), QDir().mkpath(photos); }
    QString series(const QString& name) const { return program + "/mosaretten/" + name; }
    QString settings() const { return program + QStringLiteral("/Mosaret.ini"); }
    bool start() {
        window = std::make_unique<MainWindow>(ProgramFolder(program), prompts);
        window->show();
        return QTest::qWaitForWindowExposed(window.get()) &&
               window->findChild<QWidget*>(QStringLiteral("Frame2"))->isVisible();
    }
    void clickMenu(int index) {
        QTest::mouseClick(window->findChild<QWidget*>(QStringLiteral("Menuknop_%1").arg(index)),
                          Qt::LeftButton);
    }
    // Loads `name` through the menu and the load dialog, running `beforeOk` while the list shows;
    // the list's names. A dialog left open (by a missing name) is cancelled.
    QStringList load(const QString& name, const std::function<void()>& beforeOk = {}) {
        QStringList listed;
        QTimer poll; // the menu button's press keeps the dialog back a moment
        QObject::connect(&poll, &QTimer::timeout, [&] {
            QWidget* dialog = QApplication::activeModalWidget();
            if (!dialog)
                return;
            poll.stop();
            auto* list = dialog->findChild<QListWidget*>(QStringLiteral("File1"));
            for (int row = 0; row < list->count(); ++row)
                listed << list->item(row)->text();
            const QList<QListWidgetItem*> found = list->findItems(name, Qt::MatchExactly);
            if (beforeOk)
                beforeOk();
            if (!found.isEmpty())
                list->setCurrentItem(found.first());
            const char* button = found.isEmpty() ? "CancelKnop" : "OkKnop";
            QTest::mouseClick(dialog->findChild<QPushButton*>(QLatin1String(button)),
                              Qt::LeftButton);
        });
        poll.start(10);
        clickMenu(2);
        return listed;
    }
};

} // namespace

class BadInputTest final : public QObject {
    Q_OBJECT
private slots:
    void seriesFileLoadsOrSaysWhy_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<Kind>("kind");
        QTest::addColumn<QString>("subject"); // after the load; null: "Fout bij het laden!"
        const QByteArray good = joined(seriesLines());
        const QByteArray binary = [] {
            QByteArray bytes;
            for (int i = 0; i < 512; ++i)
                bytes += char(i);
            return bytes;
        }();
        const QByteArray utf16 =
            QByteArray("\xff\xfe") +
            QByteArray(reinterpret_cast<const char*>(u"Vogels\r\nmerel\r\n"), 30);
        QTest::newRow("empty file") << QByteArray() << Kind::File << QString();
        QTest::newRow("20 lines") << joined(seriesLines().mid(0, 20)) << Kind::File << "Vogels";
        QTest::newRow("22 lines") << good + "meer\r\n" << Kind::File << "Vogels";
        QByteArrayList longLine = seriesLines();
        longLine[0] = QByteArray(2 << 20, 'x');
        QTest::newRow("2 MB line") << joined(longLine) << Kind::File << QString(2 << 20, u'x');
        QTest::newRow("binary bytes with line ends")
            << binary << Kind::File << QString::fromLatin1(binary.left(10));
        QTest::newRow("binary bytes, no line end")
            << QByteArray(3000, '\xff') << Kind::File << QString();
        QTest::newRow("NUL bytes")
            << QByteArray(10, '\0') + "\r\n" + QByteArray("a\0b\r\n", 5).repeated(20) << Kind::File
            << QString(10, QChar(0));
        // Read as Windows-1252, each UTF-8 byte becomes a character of its own.
        QTest::newRow("UTF-8 text")
            << QByteArray("Caf\xc3\xa9 \xe2\x82\xac\r\n").repeated(21) << Kind::File
            << QStringLiteral(u"Caf\u00c3\u00a9 \u00e2\u201a\u00ac");
        // UTF-16 line ends are CR NUL LF NUL: the LF ends a line, the CR stays in it as a blank.
        QTest::newRow("UTF-16 text")
            << utf16 << Kind::File << QString::fromLatin1(utf16.left(16)).replace(u'\r', u' ');
        QTest::newRow("CR-only line ends")
            << joined(seriesLines(), "\r") << Kind::File << QString();
        QTest::newRow("folder named x.msr") << QByteArray() << Kind::Folder << QString();
        QTest::newRow("pipe named x.msr") << QByteArray() << Kind::Fifo << QString();
    }

    void seriesFileLoadsOrSaysWhy() {
        QFETCH(QByteArray, bytes);
        QFETCH(Kind, kind);
        QFETCH(QString, subject);
        Fixture f;
        const QString broken = f.series(QStringLiteral("Kapot.msr"));
        // A folder or pipe is never listed: it reaches the load only by taking a listed file's
        // place.
        QVERIFY(make(broken, Kind::File, bytes));
        if (kind != Kind::File)
            QVERIFY(make(f.series(QStringLiteral("x.msr")), kind));
        QVERIFY(f.start());
        const Series earlier = f.window->model().toSeries();
        const Snapshot before = snapshot(f.root.path());

        QStringList listed;
        {
            const HangGuard guard;
            listed = f.load(QStringLiteral("Kapot.msr"), [&] {
                if (kind != Kind::File)
                    QVERIFY(QFile::remove(broken) && make(broken, kind));
            });
        }
        QCOMPARE(listed, QStringList{QStringLiteral("Kapot.msr")});
        if (subject.isNull()) {
            QCOMPARE(f.prompts.kinds(), QStringList{QStringLiteral("warn")});
            QCOMPARE(f.prompts.asked().front().title, QStringLiteral("Error"));
            QCOMPARE(f.prompts.asked().front().text, QStringLiteral("Fout bij het laden!"));
            QCOMPARE(f.window->model().toSeries(), earlier);
        } else {
            QVERIFY(f.prompts.asked().isEmpty());
            QCOMPARE(f.window->info(), QStringLiteral("Naam van deze serie: Kapot.msr"));
            QCOMPARE(f.window->model().subject(), subject);
        }
        QVERIFY(!QApplication::activeModalWidget());
        QCOMPARE(changed(before, snapshot(f.root.path())),
                 kind == Kind::File ? QStringList() : QStringList{broken});
    }

    void photoLoadsOrLeavesAnEmptyCanvas_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<Kind>("kind");
        QTest::addColumn<QByteArray>("bytes");
        // The colour at (100, 60) on card 1's canvas; invalid: an empty canvas with its outline.
        QTest::addColumn<QColor>("colour");
        const QByteArray jpeg = picture(TestPictures::quadrants(400, 300), "JPG");
        QTest::newRow("folder") << "map.jpg" << Kind::Folder << QByteArray() << QColor();
        QTest::newRow("pipe") << "pijp.jpg" << Kind::Fifo << QByteArray() << QColor();
        QTest::newRow("missing file") << "weg.jpg" << Kind::Missing << QByteArray() << QColor();
        QTest::newRow("5000-character name")
            << QString(5000, u'a') << Kind::File << jpeg << QColor();
        QTest::newRow("zero-byte JPEG") << "leeg.jpg" << Kind::File << QByteArray() << QColor();
        QTest::newRow("text named .jpg")
            << "tekst.jpg" << Kind::File << QByteArray("Geen foto.\r\n") << QColor();
        QTest::newRow("JPEG claiming 60000 x 60000")
            << "reus.jpg" << Kind::File << plainJpeg(60000, 60000, false) << QColor();
        QTest::newRow("BMP claiming 16252674 x 2")
            << "streep.bmp" << Kind::File << bmpClaiming(16'252'674, 2) << QColor();
        // What a truncated JPEG still holds is shown: here the top left quadrant.
        QTest::newRow("truncated JPEG")
            << "half.jpg" << Kind::File << jpeg.left(jpeg.size() * 6 / 10) << QColor(Qt::red);
        QTest::newRow("108 MP JPEG")
            << "groot.jpg" << Kind::File << plainJpeg(12000, 9000) << QColor(128, 128, 128);
        QTest::newRow("PNG named .jpg")
            << "png.jpg" << Kind::File << picture(TestPictures::plain(60, 40, Qt::green), "PNG")
            << QColor(Qt::green);
    }

    void photoLoadsOrLeavesAnEmptyCanvas() {
        QFETCH(QString, name);
        QFETCH(Kind, kind);
        QFETCH(QByteArray, bytes);
        QFETCH(QColor, colour);
        Fixture f;
        const QString photo = f.photos + u'/' + name;
        const QString red = f.photos + QStringLiteral("/rood.png");
        QVERIFY(make(red, Kind::File, picture(TestPictures::plain(40, 30, Qt::red), "PNG")));
        if (name.size() < 255) // a longer name cannot be made; the load must still cope with it
            QVERIFY(make(photo, kind, bytes));
        QVERIFY(make(f.series(QStringLiteral("Foto.msr")), Kind::File,
                     joined(seriesLines(photo.toLatin1(), red.toLatin1()))));
        QVERIFY(f.start());
        const Snapshot before = snapshot(f.root.path());
        {
            const HangGuard guard;
            f.load(QStringLiteral("Foto.msr"));
        }
        QVERIFY2(f.prompts.asked().isEmpty(), qPrintable(f.prompts.kinds().join(u',')));
        QCOMPARE(f.window->info(), QStringLiteral("Naam van deze serie: Foto.msr"));
        const CardPhotos& photos = f.window->photos();
        if (colour.isValid())
            QVERIFY(TestPictures::near(photos.canvas(1).pixel(100, 60), colour));
        else
            QCOMPARE(photos.canvas(1), PhotoCanvas::emptyOutlined(PhotoCanvas::kCanvasSize));
        QVERIFY(TestPictures::near(photos.canvas(2).pixel(200, 150), Qt::red)); // the load went on
        QCOMPARE(f.window->model().photoPath(1), photo); // kept for the next save
        QCOMPARE(changed(before, snapshot(f.root.path())), QStringList());
    }

    void oddSettingsFileStartsQuietly_data() {
        QTest::addColumn<Kind>("kind");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QByteArray>("rewritten"); // null: as it was
        QTest::addColumn<QString>("backX");
        QTest::addColumn<int>("backY");
        const QByteArray defaults = "0,0,0\r\n0,0,0\r\n1680,2400\r\n";
        const auto firstField = [](const QByteArray& text, const QByteArray& rest) {
            return '"' + text + "\",0,0\r\n0,0,0\r\n" + rest + "\r\n";
        };
        QByteArray high;
        for (int byte = 0x80; byte <= 0xff; ++byte)
            high += char(byte);
        const QByteArray digits = '1' + QByteArray(400, '0');
        const QByteArray utf16 =
            QByteArray("\xff\xfe") +
            QByteArray(reinterpret_cast<const char*>(u"0,0,0\r\n0,0,0\r\n2000,3000\r\n"), 50);
        const QByteArray none;
        QTest::newRow("empty file") << Kind::File << QByteArray() << defaults << "1680" << 2400;
        QTest::newRow("NUL bytes")
            << Kind::File << QByteArray(64, '\0') << firstField(QByteArray(64, '\0'), "1680,2400")
            << "1680" << 2400;
        QTest::newRow("binary bytes")
            << Kind::File << high << firstField(high, "1680,2400") << "1680" << 2400;
        QTest::newRow("UTF-8 text")
            << Kind::File << QByteArray("\"Caf\xc3\xa9\",0,0\r\n0,0,0\r\n\"\xe2\x82\xac\",5\r\n")
            << none << QStringLiteral(u"\u00e2\u201a\u00ac") << 5;
        // The commas' NUL halves start the next field; the third, no byte value, ends the reading.
        QTest::newRow("UTF-16 text")
            << Kind::File << utf16
            << '"' + utf16.left(4) + "\",\"" + utf16.mid(5, 3) + "\",0\r\n0,0,0\r\n1680,2400\r\n"
            << "1680" << 2400;
        QTest::newRow("CR-only line ends")
            << Kind::File << QByteArray("0,0,0\r0,0,0\r2000,3000\r") << defaults << "1680" << 2400;
        QTest::newRow("10 MB quoted field")
            << Kind::File << firstField(QByteArray(10 << 20, 'a'), "2000,3000") << none << "2000"
            << 3000;
        QTest::newRow("negative numbers")
            << Kind::File << QByteArray("-1,-2.5,0\r\n-4,-5,0\r\n-1680,-2400\r\n") << none
            << "-1680" << -2400;
        QTest::newRow("32-bit ends")
            << Kind::File << QByteArray("0,0,255\r\n0,0,0\r\n-2147483648,2147483647\r\n") << none
            << "-2147483648" << 2147483647;
        QTest::newRow("Y beyond 32 bits")
            << Kind::File << QByteArray("0,0,0\r\n0,0,0\r\n2000,99999999999\r\n")
            << QByteArray("0,0,0\r\n0,0,0\r\n2000,2400\r\n") << "2000" << 2400;
        QTest::newRow("400-digit number") << Kind::File << digits + ",0,0\r\n0,0,0\r\n2000,3000\r\n"
                                          << firstField(digits, "2000,3000") << "2000" << 3000;
        QTest::newRow("byte field 300")
            << Kind::File << QByteArray("7,8,300\r\n4,5,6\r\n2000,3000\r\n")
            << QByteArray("7,8,0\r\n0,0,0\r\n1680,2400\r\n") << "1680" << 2400;
        QTest::newRow("folder") << Kind::Folder << QByteArray() << none << "1680" << 2400;
        QTest::newRow("pipe") << Kind::Fifo << QByteArray() << none << "1680" << 2400;
        QTest::newRow("link to a pipe")
            << Kind::LinkToFifo << QByteArray() << none << "1680" << 2400;
    }

    void oddSettingsFileStartsQuietly() {
        QFETCH(Kind, kind);
        QFETCH(QByteArray, bytes);
        QFETCH(QByteArray, rewritten);
        QFETCH(QString, backX);
        QFETCH(int, backY);
        Fixture f;
        QVERIFY(make(f.settings(), kind, bytes));
        const Snapshot before = snapshot(f.root.path());
        {
            const HangGuard guard;
            QVERIFY(f.start());
        }
        QVERIFY(f.prompts.asked().isEmpty());
        QCOMPARE(f.window->settings().backX.display(), backX);
        QCOMPARE(f.window->settings().backY, backY);
        Snapshot after = snapshot(f.root.path());
        if (kind == Kind::File) {
            QCOMPARE(readAll(f.settings()), rewritten.isNull() ? bytes : rewritten);
            after[f.settings()] = bytes; // the one file start-up rewrites
        }
        QCOMPARE(changed(before, after), QStringList());
    }

    void nameLeavingTheSeriesFolderIsRefused_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("../x") << "../x";
        QTest::newRow("../../x") << "../../x";
        QTest::newRow("..") << "..";
        QTest::newRow("absolute path") << "/tmp/x"; // replaced by a path inside the test's folder
        QTest::newRow("backslash") << "a\\b";
        QTest::newRow("line break") << "a\nb";
    }

    void nameLeavingTheSeriesFolderIsRefused() {
        QFETCH(QString, name);
        Fixture f;
        if (name.startsWith(u'/'))
            name = f.root.filePath(QStringLiteral("x"));
        QVERIFY(f.start());
        const Snapshot before = snapshot(f.root.path());
        f.prompts.answerText(name);
        f.clickMenu(3);
        QCOMPARE(f.prompts.kinds(), (QStringList{QStringLiteral("text"), QStringLiteral("warn")}));
        QVERIFY(f.prompts.asked().back().text.startsWith(
            QStringLiteral("Deze naam kan niet worden gebruikt: ")));
        QCOMPARE(changed(before, snapshot(f.root.path())), QStringList());
    }

    void readOnlyProgramFolderStartsWarnsAndExits() {
        Fixture f;
        const QByteArray mountPoint = QFile::encodeName(f.program);
        if (::mount("tmpfs", mountPoint.constData(), "tmpfs", MS_NOSUID | MS_NODEV, "size=1m") != 0)
            QSKIP(qPrintable(QStringLiteral("no tmpfs can be mounted here (%1)")
                                 .arg(QString::fromLocal8Bit(std::strerror(errno)))));
        const std::unique_ptr<const char, void (*)(const char*)> unmount(
            mountPoint.constData(), [](const char* path) { ::umount2(path, MNT_DETACH); });
        // Hand-edited with LF line ends, so start-up tries to rewrite it and cannot.
        QVERIFY(make(f.settings(), Kind::File, "0,0,0\n0,0,0\n2000,3000\n"));
        QVERIFY(QDir().mkpath(f.series({})));
        QVERIFY(make(f.series(QStringLiteral("Oud.msr")), Kind::File, joined(seriesLines())));
        if (::mount(nullptr, mountPoint.constData(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) != 0)
            QSKIP("the tmpfs cannot be made read-only here");
        const Snapshot before = snapshot(f.root.path());

        const HangGuard guard;
        QVERIFY(f.start());
        QCOMPARE(f.window->settings().backY, 3000);
        f.load(QStringLiteral("Oud.msr"));
        QCOMPARE(f.window->model().subject(), QStringLiteral("Vogels"));
        QVERIFY(f.prompts.asked().isEmpty());

        f.prompts.answerText(QStringLiteral("Nieuw"));
        f.prompts.answerText(QStringLiteral("Oud"));
        f.prompts.answerYesNo(true);
        f.clickMenu(3);
        f.clickMenu(3);
        QCOMPARE(f.prompts.kinds(), (QStringList{"text", "warn", "text", "yesno", "warn"}));
        for (int asked : {1, 4}) {
            const ScriptedPrompts::Asked& message = f.prompts.asked().at(asked);
            QCOMPARE(message.title, QStringLiteral(" Save"));
            QVERIFY2(message.text.startsWith(QStringLiteral("De serie is niet opgeslagen")) &&
                         message.text.contains(QStringLiteral("mag schrijven")),
                     qPrintable(message.text));
        }

        QTimer::singleShot(0, [&] {
            QTest::mouseClick(f.window->findChild<QPushButton*>(QStringLiteral("ExitKnop")),
                              Qt::LeftButton);
        });
        QCOMPARE(QApplication::exec(), 0); // Exit ends the program's event loop
        QVERIFY(!f.window->isVisible());
        QCOMPARE(f.prompts.kinds().size(), 5);
        QCOMPARE(changed(before, snapshot(f.root.path())), QStringList());
    }
};

QTEST_MAIN(BadInputTest)
#include "tst_badinput.moc"
