// Draws every built-in picture, card design and desktop icon and writes them into the source tree
// (or checks them).
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
        QStringLiteral("Draws the built-in pictures, card designs and desktop icons into their "
                       "folders (resources/, packaging/icons/) of a source tree."));
    parser.addHelpOption();
    const QCommandLineOption check(
        QStringLiteral("check"),
        QStringLiteral("Compare the files with the drawings instead of writing them."));
    parser.addOption(check);
    parser.addPositionalArgument(QStringLiteral("source"),
                                 QStringLiteral("The top folder of the source tree."));
    parser.process(app);
    if (parser.positionalArguments().size() != 1)
        parser.showHelp(2);

    const QDir source(parser.positionalArguments().constFirst());
    QTextStream err(stderr);
    int failures = 0;
    for (const artwork::Artwork& art : artwork::allArtwork()) {
        QStringList problems = artwork::selfCheck(art);
        // A file that matches its drawing is left as it is, so the tree does not churn between
        // machines that round a level differently.
        QString fileProblem = artwork::compareArtwork(source, art);
        if (!fileProblem.isEmpty() && !parser.isSet(check))
            fileProblem = artwork::writeArtwork(source, art);
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
