// A wait that keeps the window responsive without using the processor.
#include "Pause.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

void pause(double seconds) {
    QCoreApplication::processEvents();
    if (seconds <= 0)
        return;
    const qint64 wanted = qint64(seconds * 1000.0 + 0.5);
    QElapsedTimer clock;
    clock.start();
    // A nested loop quit by a precise timer; repeated in case a nested handler quits it early.
    // Once the program is quitting every event loop returns at once, and so does the pause.
    while (clock.elapsed() < wanted) {
        QEventLoop loop;
        QTimer::singleShot(int(wanted - clock.elapsed()), Qt::PreciseTimer, &loop,
                           &QEventLoop::quit);
        if (loop.exec() != 0)
            return;
    }
}
