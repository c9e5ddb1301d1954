// The pause ends early when the program quits; the menu row's test shows it keeps events flowing.
#include "Pause.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <QtTest>

class PauseTest final : public QObject {
    Q_OBJECT
private slots:
    void endsWhenTheProgramQuits() {
        QTimer::singleShot(50, QCoreApplication::instance(), &QCoreApplication::quit);
        QElapsedTimer clock;
        clock.start();
        // Stands in for the window's own event loop, which the quit request ends.
        QTimer::singleShot(0, this, [&] {
            pause(5);
            QCoreApplication::exit(0);
        });
        QCoreApplication::exec();
        QVERIFY2(clock.elapsed() < 4000, "the pause ran on after the quit request");
    }
};

QTEST_GUILESS_MAIN(PauseTest)
#include "tst_pause.moc"
