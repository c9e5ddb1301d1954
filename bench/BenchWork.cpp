// The benchmarks' work folder: generated photos, a program folder of their own, the results.
#include "BenchWork.h"

#include "PhotoPreparer.h"

#include <QDir>
#include <QFile>

BenchWork::BenchWork(QString root, const QString& programFiles) : m_root(std::move(root)) {
    for (const char* sub : {"help", "kaarten", "mosaretten"})
        QDir().mkpath(programFolder() + '/' + QLatin1String(sub));
    const QDir from(programFiles);
    const QDir designs(from.filePath(QStringLiteral("kaarten")));
    for (const QString& relative : designs.entryList(QDir::Files))
        QFile::copy(from.filePath(QStringLiteral("kaarten/") + relative),
                    programFolder() + QStringLiteral("/kaarten/") + relative);
    QFile::copy(from.filePath(QStringLiteral("help/help.htm")),
                programFolder() + QStringLiteral("/help/help.htm"));
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
