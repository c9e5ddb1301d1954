// A program killed at random moments while its series is typed into and given photos leaves a
// copy of its unsaved work that is one of the states of its last two seconds, never a mix. With
// "--edit-loop <folder> <photo>" this is the killed program.
#include "MainWindow.h"
#include "RecoveryFolder.h"
#include "ScriptedPrompts.h"
#include "TestFolder.h"
#include "TestPictures.h"

#include <QCryptographicHash>
#include <QtTest>
#include <QtWidgets>
#include <csignal>
#include <cstdio>
#include <random>
#include <thread>

namespace {

constexpr int kKills = 100;

QByteArray fingerprint(const QByteArray& copy) {
    return QCryptographicHash::hash(copy, QCryptographicHash::Sha1).toHex();
}

// The real window on `folder`, its copies written 100 ms after a change, typed into every 15 ms
// with a photo placed now and then; prints "ready", then each state's time and fingerprint.
int editLoop(int argc, char** argv) {
    QApplication app(argc, argv);
    ScriptedPrompts prompts;
    MainWindow window(ProgramFolder(QFile::decodeName(argv[2])), prompts);
    window.recovery().setDelay(100);
    window.show();
    const SeriesModel& model = window.model();
    QObject::connect(&model, &SeriesModel::edited, [&] {
        const QByteArray copy = RecoveryCopy::serialize(model.toSeries(), model.seriesName());
        std::printf("%lld %s\n", QDateTime::currentMSecsSinceEpoch(), fingerprint(copy).data());
        std::fflush(stdout);
    });
    const QStringList boxes{"Onderwerp1_1", "Naam1_1", "Naam2_2", "Naam3_3", "Naam4_4"};
    int step = 0;
    QTimer typist;
    QObject::connect(&typist, &QTimer::timeout, [&] {
        ++step;
        if (step % 40 == 0 && !window.isBusy()) {
            prompts.openPaths << QFile::decodeName(argv[3]);
            QTest::mouseClick(window.findChild<QWidget*>(QString("Foto_%1").arg(step / 40 % 4 + 1)),
                              Qt::LeftButton);
            return;
        }
        QTest::keyClick(window.findChild<QLineEdit*>(boxes[step % boxes.size()]),
                        char('a' + step % 26));
    });
    typist.start(15);
    std::puts("ready");
    std::fflush(stdout);
    return app.exec();
}

struct State {
    qint64 since;
    QByteArray fingerprint;
};

} // namespace

class RecoveryKillTest final : public QObject {
    Q_OBJECT

private slots:
    void killedWhileEditingLeavesARecentWholeCopy() {
        const TestFolder photos;
        QVERIFY(photos.write("foto.jpg",
                             TestPictures::encode(TestPictures::quadrants(800, 600), "JPG")));
        std::mt19937 random(20261207);
        std::uniform_int_distribution<int> wait(200, 1000);
        int copies = 0;
        for (int kill = 1; kill <= kKills; ++kill) {
            const TestFolder folder;
            QProcess program;
            program.start(QCoreApplication::applicationFilePath(),
                          {"--edit-loop", folder.path(), photos.path("foto.jpg")});
            QVERIFY2(program.waitForReadyRead(20000), qPrintable(program.errorString()));
            QCOMPARE(program.readLine(), QByteArray("ready\n"));
            std::this_thread::sleep_for(std::chrono::milliseconds(wait(random)));
            const qint64 killedAt = QDateTime::currentMSecsSinceEpoch();
            ::kill(pid_t(program.processId()), SIGKILL);
            QVERIFY(program.waitForFinished(10000));
            QList<State> states;
            for (const QByteArray& line : program.readAllStandardOutput().split('\n')) {
                const QList<QByteArray> fields = line.split(' ');
                if (fields.size() == 2)
                    states.append({fields[0].toLongLong(), fields[1]});
            }
            const QStringList left = RecoveryFolder(folder.path()).leftBehind();
            if (left.isEmpty()) { // killed before the first copy: no more than 100 ms of work
                QVERIFY2(states.isEmpty() || states.first().since > killedAt - 2000,
                         qPrintable(QString("kill %1 left no copy").arg(kill)));
                continue;
            }
            QCOMPARE(left.size(), 1);
            QFile copy(left.first());
            QVERIFY(copy.open(QIODevice::ReadOnly));
            const QByteArray bytes = copy.readAll();
            QVERIFY2(RecoveryCopy::parse(bytes).ok(), qPrintable(QString("kill %1").arg(kill)));
            // The state the copy holds lasted until the next one, or until the kill.
            bool recent = false;
            for (qsizetype i = 0; i < states.size(); ++i) {
                const qint64 until = i + 1 < states.size() ? states[i + 1].since : killedAt;
                recent |= states[i].fingerprint == fingerprint(bytes) && until >= killedAt - 2000;
            }
            QVERIFY2(recent, qPrintable(QString("kill %1 left an old copy").arg(kill)));
            ++copies;
        }
        qInfo("%d kills, %d left a copy of a state of their last two seconds", kKills, copies);
        QVERIFY(copies > kKills / 2);
    }
};

int main(int argc, char** argv) {
    if (argc == 4 && qstrcmp(argv[1], "--edit-loop") == 0)
        return editLoop(argc, argv);
    QCoreApplication app(argc, argv);
    RecoveryKillTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "RecoveryKillTest.moc"
