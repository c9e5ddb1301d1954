// Two programs started together on one copy of unsaved work: it is taken back by one of them or
// removed by one of them, never both, and a copy taken back keeps its file. With
// "--offer <folder> <yes|no>" this is one of the two programs. Copies set aside go in time.
#include "RecoveryFolder.h"
#include "TestFolder.h"

#include <QtTest>
#include <cstdio>
#include <thread>

namespace {

constexpr int kRounds = 100;

// Offers the copies of `folder`, answering as told after a moment's thought, prints what it did
// ("taken", "removed" or "none") and runs on, holding what it took, until its input ends.
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

class RecoveryRaceTest final : public QObject {
    Q_OBJECT

private slots:
    void oneProgramDecidesAboutACopy() {
        Series series;
        series.subject = QStringLiteral("Łódź");
        const QByteArray copy = RecoveryCopy::serialize(series, "Bos.msr");
        for (int round = 0; round < kRounds; ++round) {
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
    if (argc == 4 && qstrcmp(argv[1], "--offer") == 0)
        return offer(argc, argv);
    QCoreApplication app(argc, argv);
    RecoveryRaceTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "RecoveryRaceTest.moc"
