// Reads a series file from the series folder and puts it on the cards, or changes nothing.
#include "LoadSeries.h"

#include "CardPhotos.h"
#include "PhotoBatch.h"
#include "PhotoPreparer.h"
#include "SeriesModel.h"

namespace {

// The name text for `line`: the last card group in the file that holds one, as writing the groups
// in file order through the mirrored lines would leave it. An empty value in a later group does
// not wipe an earlier one, so a file cut short keeps the names it still has.
QString nameFor(const Series& series, int line) {
    for (int card = kCards; card >= 1; --card) {
        if (!series.name(card, line).isEmpty())
            return series.name(card, line);
    }
    return {};
}

} // namespace

LoadSeries::LoadSeries(SeriesFolder folder, SeriesModel& model, CardPhotos& photos,
                       std::function<void(const QString&)> setInfo)
    : m_folder(std::move(folder)), m_model(model), m_photos(photos), m_setInfo(std::move(setInfo)) {
}

Status LoadSeries::run(const QString& fileName, QWidget* blocked) {
    // The file is read and checked whole before anything on the cards changes.
    const Result<Series> read = m_folder.load(fileName);
    if (!read.ok())
        return Error{read.error()};
    const Series& series = read.value();

    QStringList paths;
    for (int card = 1; card <= kCards; ++card)
        paths += series.photoPath(card);
    const std::vector<Result<PreparedPhoto>> photos = PhotoBatch::prepare(paths, blocked);

    apply(fileName, series);
    for (int card = 1; card <= kCards; ++card) {
        const Result<PreparedPhoto>& photo = photos[size_t(card - 1)];
        m_photos.load(card, photo.ok() ? photo.value() : PhotoPreparer::emptyPhoto());
    }
    if (m_setInfo)
        m_setInfo(QStringLiteral("Naam van deze serie: ") + fileName);
    return Status::success();
}

void LoadSeries::apply(const QString& fileName, const Series& series) {
    m_model.setSeriesName(fileName);
    m_model.setSubject(series.subject);
    for (int card = 1; card <= kCards; ++card)
        m_model.setPhotoPath(card, series.photoPath(card));
    // The file keeps names without their leading blank; the name lines show them after one.
    for (int line = 1; line <= kLines; ++line)
        m_model.setName(1, line, u' ' + nameFor(series, line));
}
