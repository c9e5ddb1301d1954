// The real main window writing a whole game of 8 or 32 series with 24 MP photos from its Export
// button; prints the peak resident memory in kilobytes once the PDF is written. Run it once with
// "--write-photos" first: writing the photos and series would count towards the peak.
// Arguments: the work folder, the number of series [--write-photos].
#include "BenchWindow.h"
#include "BenchWork.h"
#include "PeakMemory.h"

#include <QApplication>
#include <cstdio>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments().mid(1);
    const int series = arguments.value(1).toInt();
    if (series < 1) {
        std::fprintf(stderr, "usage: %s WORK-FOLDER SERIES [--write-photos]\n", argv[0]);
        return 2;
    }
    const BenchWork work(arguments[0], QStringLiteral(MOSARET_PROGRAM_FILES));
    const QString program = work.gameProgram(series);
    if (arguments.value(2) == QLatin1String("--write-photos"))
        return 0;
    BenchWindow window(program);
    if (!window.writeGame(work.root() + QStringLiteral("/game-memory.pdf"))) {
        std::fprintf(stderr, "%s\n", qPrintable(window.prompts().messages().value(0)));
        return 1;
    }
    std::printf("%lld\n", static_cast<long long>(PeakMemory::residentKb()));
    return 0;
}
