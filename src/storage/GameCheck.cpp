// What keeps the series of a game from being finished: cards without a photo, photos not found,
// empty names, subjects used twice and files that cannot be read.
#include "GameCheck.h"

#include "PhotoLocations.h"
#include "SeriesFile.h"

#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <algorithm>

namespace {
// A name line holding nothing but its number, as a new series has them (" 1. ").
bool holdsOnlyItsNumber(const QString& name) {
    static const QRegularExpression number(QStringLiteral("^\\s*\\d*\\.?\\s*$"));
    return number.match(name).hasMatch();
}

// Control characters never come from typing: a file holding them is no series but binary junk.
bool holdsControlCharacters(const Series& series) {
    const auto junk = [](const QString& text) {
        return std::any_of(text.begin(), text.end(),
                           [](QChar c) { return c.unicode() < 0x20 && c != u'\t'; });
    };
    if (junk(series.subject) ||
        std::any_of(series.photoPaths.begin(), series.photoPaths.end(), junk))
        return true;
    for (const auto& card : series.names)
        if (std::any_of(card.begin(), card.end(), junk))
            return true;
    return false;
}
} // namespace

QString GameCheck::Finding::fileName() const {
    return QFileInfo(path).fileName();
}

GameCheck::Finding GameCheck::checkFile(const QString& path) {
    Finding finding{path, false, {}, {}, {}};
    Result<Series> read = SeriesFile::read(path, finding.fileName());
    if (!read || holdsControlCharacters(read.value())) {
        finding.problems << tr("kan niet gelezen worden");
        return finding;
    }
    finding.readable = true;
    finding.series = std::move(read).value();
    const PhotoLocations::Located located = PhotoLocations::locate(finding.series, path);
    finding.photos = located.paths;
    for (int card = 1; card <= kCards; ++card) {
        if (finding.series.photoPath(card).isEmpty())
            finding.problems << tr("kaart %1 heeft geen foto").arg(card);
        else if (located.paths[card - 1].isEmpty())
            finding.problems << tr("foto van kaart %1 niet gevonden").arg(card);
    }
    for (int line = 1; line <= kLines; ++line)
        if (holdsOnlyItsNumber(finding.series.name(1, line)))
            finding.problems << tr("naam %1 is leeg").arg(line);
    return finding;
}

void GameCheck::markSharedSubjects(QList<Finding>& findings) {
    QHash<QString, QList<qsizetype>> bySubject;
    for (qsizetype i = 0; i < findings.size(); ++i)
        if (findings[i].readable)
            bySubject[findings[i].series.subject.trimmed().toCaseFolded()] << i;
    for (const QList<qsizetype>& same : std::as_const(bySubject))
        for (qsizetype i : same)
            for (qsizetype other : same)
                if (other != i)
                    findings[i].problems
                        << tr("zelfde onderwerp als %1").arg(findings[other].fileName());
}

QList<GameCheck::Finding> GameCheck::check(const QStringList& paths) {
    QList<Finding> findings;
    for (const QString& path : paths)
        findings << checkFile(path);
    markSharedSubjects(findings);
    return findings;
}
