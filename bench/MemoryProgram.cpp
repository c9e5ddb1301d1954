// The real main window with a 48-megapixel photo placed on each card by clicking it; prints the
// peak resident memory in kilobytes once the window has painted them. Run it once with
// "--write-photos" first: writing the photos would count towards the peak.
// Arguments: the work folder [--write-photos].
#include "BenchPictures.h"
#include "BenchWindow.h"
#include "BenchWork.h"
#include "PeakMemory.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <cstdio>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments().mid(1);
    if (arguments.isEmpty()) {
        std::fprintf(stderr, "usage: %s WORK-FOLDER [--write-photos]\n", argv[0]);
        return 2;
    }
    const BenchWork work(arguments[0], QStringLiteral(MOSARET_PROGRAM_FILES));
    const QList<BenchPictures::Photo> photos = BenchPictures::series(48);
    if (arguments.value(1) == QLatin1String("--write-photos")) {
        for (const BenchPictures::Photo& photo : photos)
            work.photo(photo);
        return 0;
    }
    QCoreApplication::setApplicationName(QStringLiteral("Mosaret Designer"));
    QTranslator qtTexts;
    if (qtTexts.load(QStringLiteral("qtbase_nl"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qtTexts);

    BenchWindow window(work.programFolder());
    for (int card = 1; card <= 4; ++card) {
        if (!window.place(card, work.photoPath(photos[card - 1]))) {
            std::fprintf(stderr, "card %d: %s\n", card,
                         qPrintable(window.prompts().messages().value(0)));
            return 1;
        }
    }
    window.window().repaint();
    std::printf("%lld\n", static_cast<long long>(PeakMemory::residentKb()));
    return 0;
}
