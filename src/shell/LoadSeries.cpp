// Puts a series read from its file on the cards: texts, photo paths, photos and the series name.
#include "LoadSeries.h"

#include "CardPhotos.h"
#include "PhotoPreparer.h"
#include "ProgramLog.h"
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

void LoadSeries::apply(SeriesModel& model, CardPhotos& cards, const QString& fileName,
                       const Series& series, const PhotoBatch::Results& photos) {
    model.setSeriesName(fileName);
    model.setSubject(series.subject);
    for (int card = 1; card <= kCards; ++card)
        model.setPhotoPath(card, series.photoPath(card));
    // The file keeps names without their leading blank; the name lines show them after one.
    for (int line = 1; line <= kLines; ++line)
        model.setName(1, line, u' ' + nameFor(series, line));
    for (int card = 1; card <= kCards; ++card) {
        const Result<PreparedPhoto>& photo = photos.at(size_t(card - 1));
        if (!photo.ok())
            qCInfo(programLog).noquote()
                << "Photo of card" << card << "not shown:" << photo.error();
        cards.load(card, photo.ok() ? photo.value() : PhotoPreparer::emptyPhoto());
    }
}

QString LoadSeries::infoText(const QString& fileName, int missing) {
    const QString text = QStringLiteral("Naam van deze serie: ") + fileName;
    if (missing == 0)
        return text;
    return text + (missing == 1 ? QStringLiteral("; 1 foto ontbreekt")
                                : QStringLiteral("; %1 foto's ontbreken").arg(missing));
}
