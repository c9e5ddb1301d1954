// Draws every built-in picture and card design and writes them into resources/ (or checks them).
#include "ArtworkFiles.h"
#include "ArtworkSet.h"

#include <QCommandLineParser>
#include <QGuiApplication>
#include <QTextStream>

int main(int argc, char* argv[]) {
    // Fonts need a platform plugin; no window is ever shown, so none needs a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Draws the built-in pictures and card designs into a resources folder."));
    parser.addHelpOption();
    const QCommandLineOption check(
        QStringLiteral("check"),
        QStringLiteral("Compare the files with the drawings instead of writing them."));
    parser.addOption(check);
    parser.addPositionalArgument(QStringLiteral("resources"),
                                 QStringLiteral("The resources folder."));
    parser.process(app);
    if (parser.positionalArguments().size() != 1)
        parser.showHelp(2);

    const QDir resources(parser.positionalArguments().constFirst());
    QTextStream err(stderr);
    int failures = 0;
    for (const artwork::Artwork& art : artwork::allArtwork()) {
        QStringList problems = artwork::selfCheck(art);
        const QString fileProblem = parser.isSet(check) ? artwork::compareArtwork(resources, art)
                                                        : artwork::writeArtwork(resources, art);
        if (!fileProblem.isEmpty())
            problems << fileProblem;
        for (const QString& problem : problems)
            err << problem << '\n';
        failures += problems.isEmpty() ? 0 : 1;
    }
    if (failures > 0) {
        err << failures << " picture(s) with problems"
            << (parser.isSet(check) ? "; regenerate them with mosaret-artwork" : "") << '\n';
        return 1;
    }
    return 0;
}
