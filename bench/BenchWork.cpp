// The benchmarks' work folder: generated photos, a program folder of their own, the results.
#include "BenchWork.h"

#include "PhotoPreparer.h"
#include "ProgramFolder.h"
#include "SeriesFolder.h"

#include <QDir>
#include <QFile>

namespace {
// Makes `program` a program folder with the help page and card designs of `programFiles`.
void makeProgramFolder(const QString& program, const QString& programFiles) {
    for (const char* sub : {"help", "kaarten", "mosaretten"})
        QDir().mkpath(program + '/' + QLatin1String(sub));
    const QDir from(programFiles);
    const QDir designs(from.filePath(QStringLiteral("kaarten")));
    for (const QString& relative : designs.entryList(QDir::Files))
        QFile::copy(from.filePath(QStringLiteral("kaarten/") + relative),
                    program + QStringLiteral("/kaarten/") + relative);
    QFile::copy(from.filePath(QStringLiteral("help/help.htm")),
                program + QStringLiteral("/help/help.htm"));
}
} // namespace

BenchWork::BenchWork(QString root, const QString& programFiles)
    : m_root(std::move(root)), m_programFiles(programFiles) {
    makeProgramFolder(programFolder(), programFiles);
}

QString BenchWork::gameProgram(int series) const {
    const QString program = m_root + QStringLiteral("/game%1").arg(series);
    makeProgramFolder(program, m_programFiles);
    const QList<BenchPictures::Photo> photos = BenchPictures::game(32);
    const SeriesFolder folder(ProgramFolder(program).seriesFolder());
    for (int n = 0; n < series; ++n) {
        Series cards;
        cards.subject = QStringLiteral("Serie %1").arg(n + 1);
        for (int card = 1; card <= kCards; ++card) {
            cards.photoPath(card) = photo(photos[(4 * n + card - 1) % photos.size()]);
            for (int line = 1; line <= kLines; ++line)
                cards.name(card, line) = QStringList{"Aap", "Beer", "Kat", "Uil"}[line - 1];
        }
        if (!folder.save(QStringLiteral("Serie %1").arg(n + 1, 2, 10, QChar(u'0')), cards))
            qFatal("cannot write the series of the game");
    }
    return program;
}

bool BenchWork::saveSeries(const QString& name, int megapixels) const {
    Series series;
    series.subject = QStringLiteral("Dieren");
    const QList<BenchPictures::Photo> photos = BenchPictures::series(megapixels);
    for (int card = 1; card <= kCards; ++card) {
        series.photoPath(card) = photo(photos[card - 1]);
        for (int line = 1; line <= kLines; ++line)
            series.name(card, line) = QStringList{"Aap", "Beer", "Kat", "Uil"}[line - 1];
    }
    const ProgramFolder folder(programFolder());
    return SeriesFolder(folder.seriesFolder()).save(name, series).ok();
}

QString BenchWork::photo(const BenchPictures::Photo& photo) const {
    return BenchPictures::ensure(m_root + QStringLiteral("/pictures"), photo);
}

QString BenchWork::photoPath(const BenchPictures::Photo& photo) const {
    return BenchPictures::pathIn(m_root + QStringLiteral("/pictures"), photo);
}

std::optional<FaceSheet> BenchWork::frontSheet(const QString& seriesName) const {
    FaceSheet sheet{seriesName, QStringLiteral("Dieren"), {}, {}, {}};
    const QList<BenchPictures::Photo> photos = BenchPictures::series(24);
    for (int card = 1; card <= kCards; ++card) {
        const Result<PreparedPhoto> prepared = PhotoPreparer::fromFile(photo(photos[card - 1]));
        if (!prepared)
            return std::nullopt;
        sheet.photos[size_t(card - 1)] = {prepared->picture, PhotoFrame::Outlined};
        sheet.names[size_t(card - 1)] = {"Aap", "Beer", "Kat", "Uil"};
    }
    return sheet;
}
