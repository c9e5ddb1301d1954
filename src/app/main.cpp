// Starts the program: the main window, or without a window (and without a display) the PDF the
// command line asks for.
#include "CheckCommand.h"
#include "CommandLine.h"
#include "MainWindow.h"
#include "PdfCommand.h"
#include "PdfPaper.h"
#include "PhotoThreads.h"
#include "ProgramFolder.h"
#include "ProgramTitles.h"
#include "QtUserPrompts.h"

#include <QApplication>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <cstdio>

namespace {

// Yes, No, Cancel and the file dialogs in Dutch, like the rest of the program.
void installQtTexts(QTranslator& texts) {
    if (texts.load(QStringLiteral("qtbase_nl"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&texts);
}

// The command line speaks Dutch on its own; Qt's notes (say, on a missing runtime folder) are
// not for its users.
void quiet(QtMsgType, const QMessageLogContext&, const QString&) {}

int withoutWindow(int argc, char* argv[], const CommandLine& line) {
    if (line.mode() == CommandLine::Mode::Help || line.mode() == CommandLine::Mode::Version) {
        const QString text =
            line.mode() == CommandLine::Mode::Help ? line.helpText() : CommandLine::versionText();
        std::fputs(text.toLocal8Bit().constData(), stdout);
        return 0;
    }
    if (line.mode() == CommandLine::Mode::Error) {
        std::fputs(qPrintable(line.error() + u'\n'), stderr);
        return 1;
    }
    // Chosen before the application exists: no X server and no DISPLAY are needed.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(quiet);
    QGuiApplication app(argc, argv);
    QCoreApplication::setApplicationName(ProgramTitles::application());
    if (line.mode() == CommandLine::Mode::Check)
        return CheckCommand::run(line.checkFiles(),
                                 ProgramFolder::forProgram(QCoreApplication::applicationDirPath()));
    PdfCommand::Options pdf = line.pdf();
    if (!pdf.paper.isValid())
        pdf.paper = PdfPaper::forThisComputer();
    return PdfCommand::run(pdf, ProgramFolder::forProgram(QCoreApplication::applicationDirPath()));
}

} // namespace

int main(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const CommandLine line(arguments);
    if (line.withoutWindow())
        return withoutWindow(argc, argv, line);

    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(ProgramTitles::application());
    // Lets the desktop match the window to the program's menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("nl.mosaret.MosaretDesigner"));
    QTranslator qtTexts;
    installQtTexts(qtTexts);
    QtUserPrompts prompts;
    MainWindow window(ProgramFolder::forProgram(QCoreApplication::applicationDirPath()), prompts);
    prompts.setWindow(&window);
    window.show();
    // Work left behind is offered first; a series given on the command line opens after that.
    window.offerRecovery([&window, file = line.seriesFile()] {
        if (!file.isEmpty())
            window.openSeriesFile(file);
    });
    return PhotoThreads::leave(app.exec());
}
