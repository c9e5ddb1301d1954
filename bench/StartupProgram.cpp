// The program's own start-up (application, Dutch Qt texts, main window, the look for unsaved work
// left behind), ended at its first paint.
#include "FirstPaint.h"
#include "MainWindow.h"
#include "ProgramFolder.h"
#include "QtUserPrompts.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Mosaret Designer"));
    QTranslator qtTexts;
    if (qtTexts.load(QStringLiteral("qtbase_nl"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qtTexts);

    QtUserPrompts prompts;
    // The program folder is passed in, so the benchmark keeps its settings file in its work folder.
    MainWindow window(ProgramFolder(argc > 1 ? QString::fromLocal8Bit(argv[1])
                                             : QCoreApplication::applicationDirPath()),
                      prompts);
    prompts.setWindow(&window);
    FirstPaint firstPaint(window);
    window.show();
    window.offerRecovery(); // a look for work left behind, as every start makes
    return app.exec();
}
