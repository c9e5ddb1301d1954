// The command line's check of a game: which series are not finished, without a window.
#include "CheckCommand.h"

#include "GameCheck.h"
#include "SeriesFolder.h"

#include <QFileInfo>
#include <cstdio>

int CheckCommand::run(const QStringList& seriesFiles, const ProgramFolder& folder) {
    QStringList paths;
    for (const QString& file : seriesFiles)
        paths << QFileInfo(file).absoluteFilePath();
    if (seriesFiles.isEmpty())
        paths = SeriesFolder(folder.seriesFolder()).listPaths();
    int unfinished = 0;
    int problems = 0;
    QString out;
    for (const GameCheck::Finding& finding : GameCheck::check(paths)) {
        unfinished += !finding.problems.isEmpty();
        problems += int(finding.problems.size());
        for (const QString& problem : finding.problems)
            out += finding.fileName() + QStringLiteral(": ") + problem + u'\n';
    }
    const qsizetype checked = paths.size();
    out += (checked == 1 ? tr("1 serie nagekeken") : tr("%1 series nagekeken").arg(checked)) +
           tr(": %1 klaar, %2 niet klaar, ").arg(checked - unfinished).arg(unfinished) +
           (problems == 1 ? tr("1 probleem.") : tr("%1 problemen.").arg(problems)) + u'\n';
    std::fputs(out.toLocal8Bit().constData(), stdout);
    return unfinished == 0 ? 0 : 2;
}
