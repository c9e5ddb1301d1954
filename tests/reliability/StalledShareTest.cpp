// Photos on a share that stopped answering (a FUSE file system whose reads and look-ups never
// return): the window stays usable, gives them up and closes at once, and the program ends at
// once; with "--close-while-reading <folder> <series>" this is that program.
#include "PhotoThreads.h"
#include "PictureBox.h"
#include "SeriesFile.h"
#include "TestWindow.h"

#include <csignal>
#include <future>
#include <sys/mount.h>
#include <thread>

namespace {

// The window on `folder` opens `series` and is closed as soon as it shows; prints whether the
// photos were still coming then, and "closed" once the window's loop has ended.
int closeWhileReading(int argc, char** argv) {
    QApplication app(argc, argv);
    ScriptedPrompts prompts;
    MainWindow window(ProgramFolder(QFile::decodeName(argv[2])), prompts);
    window.show();
    window.openSeriesFile(QFile::decodeName(argv[3]));
    QTimer::singleShot(0, &window, [&] {
        std::printf("%s\n", window.photos().anyComing() ? "coming" : "arrived");
        QTest::mouseClick(window.findChild<QWidget*>("ExitKnop"), Qt::LeftButton);
    });
    const int status = app.exec();
    std::puts("closed");
    return PhotoThreads::leave(status); // as the program's main does
}

// The state of the main thread of `process` ('Z' once ended but not yet reaped), or 0.
char mainThreadState(qint64 process) {
    QFile stat(QString("/proc/%1/task/%1/stat").arg(process));
    const QByteArray line = stat.open(QIODevice::ReadOnly) ? stat.readAll() : QByteArray();
    return line.isEmpty() ? 0 : line.at(line.lastIndexOf(')') + 2);
}

} // namespace

class StalledShareTest final : public QObject {
    Q_OBJECT
    QTemporaryDir m_mount;
    QProcess m_share;
    std::unique_ptr<TestWindow> m_w;
    std::promise<void> m_finished;
    std::thread m_watchdog;

    QString onShare(const QString& name) const { return m_mount.filePath(name); }
    // A series whose card 1 photo cannot be read, card 2's not even looked up, 3 and 4 red.
    QString writeSeries() const {
        const QByteArray series = TestFolder::seriesFile(
            21, {onShare("foto.jpg").toUtf8(), onShare("stil/foto.jpg").toUtf8(),
                 m_w->photo("rood.png", Qt::red).toUtf8()});
        m_w->dir.write("mosaretten/Vogels.msr", series);
        return m_w->dir.path("mosaretten/Vogels.msr");
    }
    QString note(int card) const {
        return m_w->child<PictureBox>(QString("Foto_%1").arg(card))->note();
    }
    bool mounted() const {
        QFile mounts("/proc/self/mounts");
        return mounts.open(QIODevice::ReadOnly) &&
               mounts.readAll().contains(' ' + QFile::encodeName(m_mount.path()) + ' ');
    }
    void stopShare() {
        m_share.kill(); // the reads stuck on it fail, and are handed over late
        m_share.waitForFinished();
        if (mounted() && ::umount2(QFile::encodeName(m_mount.path()).constData(), MNT_DETACH) != 0)
            QProcess::execute("fusermount", {"-u", "-z", m_mount.path()});
    }

private slots:
    void init() {
        m_share.start("/usr/bin/python3", {MOSARET_STALLED_SHARE, m_mount.path()});
        if (!QTest::qWaitFor([&] { return mounted() || m_share.state() == QProcess::NotRunning; },
                             20000) ||
            !mounted())
            QSKIP("A FUSE file system cannot be mounted here (python3-fusepy, /dev/fuse).");
        // A window thread stuck on the share takes no signal: ending the share frees it.
        m_finished = {};
        m_watchdog = std::thread([pid = m_share.processId(), end = m_finished.get_future()] {
            if (end.wait_for(std::chrono::minutes(1)) == std::future_status::timeout)
                ::kill(pid_t(pid), SIGKILL);
        });
        m_w = std::make_unique<TestWindow>();
        QVERIFY(m_w->start());
    }
    void cleanup() {
        if (m_watchdog.joinable()) {
            m_finished.set_value();
            m_watchdog.join();
        }
        m_w.reset();
        stopShare();
    }

    // While photos are coming the cards say so and typing, a deck switch, a save and a photo
    // placed on a waiting card work; a photo that arrives after the card got another is dropped.
    void windowStaysUsableWhilePhotosAreComing() {
        m_w->window->setPhotoStall(std::chrono::hours(1));
        m_w->window->openSeriesFile(writeSeries());
        const CardPhotos& photos = m_w->window->photos();
        using Shows = CardPhotos::CardShows;
        QVERIFY(photos.cardShows(1) == Shows::Coming && photos.cardShows(2) == Shows::Coming);
        QCOMPARE(note(1), "Foto wordt gelezen…");
        QTRY_COMPARE(photos.cardShows(3), Shows::Bare);
        QTest::keyClicks(m_w->child<QLineEdit>("Onderwerp1_1"), "!");
        m_w->click("KinderKnop");
        QCOMPARE(m_w->window->deckMode(), DeckMode::Children);
        m_w->saveAs("Kopie");
        const Result<Series> saved = SeriesFile::read(m_w->dir.path("mosaretten/Kopie.msr"), "");
        QVERIFY(saved.ok() && saved->subject.endsWith('!'));
        QCOMPARE(saved->photoPath(2), onShare("stil/foto.jpg"));
        m_w->prompts.openPaths << m_w->photo("blauw.png", Qt::blue);
        m_w->click("Foto_1");
        QTRY_COMPARE(photos.cardShows(1), Shows::Outlined);
        QCOMPARE(m_w->window->commands().readsUnderway(), 2);
        stopShare();
        QTRY_COMPARE(m_w->window->commands().readsUnderway(), 0);
        QVERIFY(TestPictures::near(photos.photo(1).picture.pixel(1, 1), Qt::blue));
        QVERIFY(photos.cardShows(2) == Shows::Bare && !m_w->window->isBusy());
    }

    // Files giving no data are given up after the stall time: a placed photo is reported, a
    // dropped series fails to load, a loaded photo's card says so; the window closes at once.
    void stalledPhotosAreGivenUpAndTheWindowClosesAtOnce() {
        m_w->window->setPhotoStall(std::chrono::milliseconds(100));
        const TestWindow::Dropped dropped =
            m_w->drop("Foto_1", {QUrl::fromLocalFile(onShare("stil/foto.jpg"))});
        QVERIFY(dropped.taken && dropped.outlined == 1);
        QVERIFY(m_w->prompts.lastText().contains("geeft geen gegevens"));
        QCOMPARE(m_w->window->photos().cardShows(1), CardPhotos::CardShows::Placeholder);
        QVERIFY(m_w->drop("Foto_2", {QUrl::fromLocalFile(onShare("stil/Vogels.msr"))}).taken);
        QCOMPARE(m_w->prompts.lastText(), "Fout bij het laden!");
        m_w->window->openSeriesFile(writeSeries());
        QVERIFY(m_w->idle());
        for (int card : {1, 2}) {
            QCOMPARE(m_w->window->photos().cardShows(card), CardPhotos::CardShows::Unreadable);
            QCOMPARE(note(card), "Foto kan niet worden gelezen");
        }
        QVERIFY(QFile::remove(m_w->dir.path("Mosaret.ini")));
        QVERIFY(m_w->window->close());
        QCOMPARE(m_w->dir.read("Mosaret.ini"), "0,0,0\r\n0,0,0\r\n1680,2400\r\n");
    }

    // The program closed while a read hangs ends at once: its main thread has ended (the stuck
    // reader alone keeps the process until the share lets go).
    void programEndsAtOnceWhileAReadHangs() {
        QProcess program;
        // A leak check at exit would wait for ever to stop the thread stuck in the kernel.
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("ASAN_OPTIONS", environment.value("ASAN_OPTIONS") + ":detect_leaks=0");
        program.setProcessEnvironment(environment);
        program.start(QCoreApplication::applicationFilePath(),
                      {"--close-while-reading", m_w->dir.path(), writeSeries()});
        QVERIFY(program.waitForStarted());
        const qint64 pid = program.processId();
        QTRY_VERIFY_WITH_TIMEOUT(
            program.state() == QProcess::NotRunning || mainThreadState(pid) == 'Z', 20000);
        stopShare();
        // Ended already when the reads had not reached the share; waiting then would fail.
        QVERIFY(program.state() == QProcess::NotRunning || program.waitForFinished(20000));
        QCOMPARE(program.readAllStandardOutput(), "coming\nclosed\n");
        QCOMPARE(program.exitCode(), 0);
    }
};

int main(int argc, char** argv) {
    if (argc == 4 && qstrcmp(argv[1], "--close-while-reading") == 0)
        return closeWhileReading(argc, argv);
    QApplication app(argc, argv);
    StalledShareTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "StalledShareTest.moc"
