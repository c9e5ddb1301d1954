// Starts the program: the application, Qt's Dutch texts and the main window.
#include "MainWindow.h"
#include "ProgramFolder.h"
#include "ProgramTitles.h"
#include "QtUserPrompts.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(ProgramTitles::application());

    // Yes, No, Cancel and the file dialogs in Dutch, like the rest of the program.
    QTranslator qtTexts;
    if (qtTexts.load(QStringLiteral("qtbase_nl"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qtTexts);

    QtUserPrompts prompts;
    MainWindow window(ProgramFolder::forProgram(QCoreApplication::applicationDirPath()), prompts);
    prompts.setWindow(&window);
    window.show();
    window.offerRecovery();
    return app.exec();
}
