// The yardstick for start-up and memory: a bare widgets window with one label, ended at its first
// paint; prints its peak resident memory when asked to with "--memory".
#include "FirstPaint.h"
#include "PeakMemory.h"

#include <QApplication>
#include <QLabel>
#include <cstdio>
#include <cstring>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QLabel window(QStringLiteral("Mosaret"));
    const bool memory = argc > 1 && std::strcmp(argv[1], "--memory") == 0;
    FirstPaint firstPaint(window, [memory] {
        if (memory)
            std::printf("%lld\n", static_cast<long long>(PeakMemory::residentKb()));
    });
    window.show();
    return app.exec();
}
