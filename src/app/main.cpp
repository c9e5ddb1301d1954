// Starts the program: the main window, or without a window (and without a display) the PDF the
// command line asks for.
#include "CheckCommand.h"
#include "CommandLine.h"
#include "FocusReturn.h"
#include "MainWindow.h"
#include "PdfCommand.h"
#include "PdfPaper.h"
#include "PhotoThreads.h"
#include "ProgramFolder.h"
#include "ProgramLanguage.h"
#include "ProgramTitles.h"
#include "QtUserPrompts.h"

#include <QApplication>
#include <QGuiApplication>
#include <cstdio>

namespace {

// The command line speaks for itself; Qt's notes (say, on a missing runtime folder) are not for
// its users.
void quiet(QtMsgType, const QMessageLogContext&, const QString&) {}

// The usage, the version and a refusal, in the user's language.
int answerLine(int argc, char* argv[], const QStringList& arguments) {
    QCoreApplication app(argc, argv);
    ProgramLanguage language;
    language.install();
    const CommandLine line(arguments); // read again, now that its texts can be translated
    if (line.mode() == CommandLine::Mode::Help || line.mode() == CommandLine::Mode::Version) {
        const QString text =
            line.mode() == CommandLine::Mode::Help ? line.helpText() : CommandLine::versionText();
        std::fputs(text.toLocal8Bit().constData(), stdout);
        return 0;
    }
    std::fputs(qPrintable(line.error() + u'\n'), stderr);
    return 1;
}

int withoutWindow(int argc, char* argv[], const QStringList& arguments, const CommandLine& line) {
    if (line.mode() == CommandLine::Mode::Help || line.mode() == CommandLine::Mode::Version ||
        line.mode() == CommandLine::Mode::Error)
        return answerLine(argc, argv, arguments);
    // Chosen before the application exists: no X server and no DISPLAY are needed.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(quiet);
    QGuiApplication app(argc, argv);
    QCoreApplication::setApplicationName(ProgramTitles::application());
    ProgramLanguage language;
    language.install();
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
        return withoutWindow(argc, argv, arguments, line);

    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(ProgramTitles::application());
    // Lets the desktop match the window to the program's menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("nl.mosaret.MosaretDesigner"));
    // Every text, Qt's dialogs included, in the user's language.
    ProgramLanguage language;
    language.install();
    ProgramFolder folder = ProgramFolder::forProgram(QCoreApplication::applicationDirPath());
    folder.setHelpFile(language.helpFile());
    QtUserPrompts prompts;
    MainWindow window(folder, prompts);
    prompts.setWindow(&window);
    window.show();
    // Asks for the keyboard, so keys and screen readers start in the first subject box also where
    // no window manager hands it over.
    window.activateWindow();
    FocusReturn focusReturn(&window);
    // Work left behind is offered first; a series given on the command line opens after that.
    window.offerRecovery([&window, file = line.seriesFile()] {
        if (!file.isEmpty())
            window.openSeriesFile(file);
    });
    return PhotoThreads::leave(app.exec());
}
