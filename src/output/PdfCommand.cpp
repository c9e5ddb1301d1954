// The command line's work: a PDF of named series files or of the whole series folder, written
// without a window or a display.
#include "PdfCommand.h"

#include "DesignsFolder.h"
#include "GameWriter.h"
#include "SeriesFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <cstdio>

namespace {

void say(std::FILE* stream, const QString& line) {
    std::fputs(qPrintable(line + u'\n'), stream);
}

int fail(const QString& reason) {
    say(stderr, reason);
    return 1;
}

// The path a file is reached by, links followed, for files that may not exist yet.
QString resolved(const QString& path) {
    const QFileInfo file(path);
    const QString canonical = file.canonicalFilePath();
    if (!canonical.isEmpty())
        return canonical;
    const QString folder = QFileInfo(file.absolutePath()).canonicalFilePath();
    return folder.isEmpty() ? file.absoluteFilePath() : folder + u'/' + file.fileName();
}

} // namespace

Status PdfCommand::checkOutput(const QString& output, const QStringList& seriesFiles,
                               const QString& seriesFolder) {
    const QString shown = QDir::toNativeSeparators(output);
    const QString lead = tr("%1 kan een serie vervangen: ").arg(shown);
    const QString tail = tr(" Kies een andere naam voor de PDF. Er is geen PDF geschreven.");
    if (SeriesFolder::isSeriesFileName(output))
        return Error{lead + tr("de naam eindigt op .msr.") + tail};
    const QString target = resolved(output);
    for (const QString& series : seriesFiles)
        if (resolved(series) == target)
            return Error{lead + tr("het is een van de series voor de PDF.") + tail};
    const QString folder = resolved(seriesFolder) + u'/';
    if (target.startsWith(folder))
        return Error{
            lead +
            tr("het ligt in de map met series (%1).").arg(QDir::toNativeSeparators(seriesFolder)) +
            tail};
    return Status::success();
}

int PdfCommand::run(const Options& options, const ProgramFolder& folder) {
    if (const Status safe = checkOutput(options.output, options.seriesFiles, folder.seriesFolder());
        !safe)
        return fail(safe.error());
    const DesignsFolder designs(folder.designsFolder());
    if (!designs.readable())
        return fail(tr("Kan de map (Kaarten) niet vinden: %1. Er is geen PDF "
                       "geschreven.")
                        .arg(QDir::toNativeSeparators(folder.designsFolder())));
    GameRequest request;
    for (const QString& file : options.seriesFiles)
        request.seriesFiles << QFileInfo(file).absoluteFilePath();
    if (options.seriesFiles.isEmpty())
        request.seriesFiles = SeriesFolder(folder.seriesFolder()).listPaths();
    if (request.seriesFiles.isEmpty())
        return fail(tr("Er staan geen series in de map %1. Er is geen PDF geschreven.")
                        .arg(QDir::toNativeSeparators(folder.seriesFolder())));
    request.outputPath = QFileInfo(options.output).absoluteFilePath();
    request.designPath = designs.picturePath(options.backDesign);
    request.paper = options.paper.isValid() ? options.paper : QPageSize(QPageSize::A4);

    GameWriter writer(request);
    int status = 1;
    QObject::connect(&writer, &GameWriter::finished, &writer, [&status](const GameReport& report) {
        for (const QString& skipped : report.skipped)
            say(stderr, tr("Overgeslagen: ") + skipped);
        if (report.outcome == GameReport::Outcome::Written) {
            say(stdout, report.summary());
            status = 0;
        } else {
            say(stderr, report.failure);
        }
        QCoreApplication::exit(status);
    });
    writer.start();
    QCoreApplication::exec();
    return status;
}
