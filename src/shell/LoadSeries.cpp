// Puts a series read from its file on the cards: texts, photo paths, photos and the series name.
#include "LoadSeries.h"

#include "CardPhotos.h"
#include "PhotoPreparer.h"
#include "ProgramLog.h"
#include "SeriesModel.h"
#include "UserPrompts.h"

void LoadSeries::apply(SeriesModel& model, const QString& fileName, const Series& series,
                       SeriesModel::Saved saved) {
    model.setSeriesName(fileName);
    model.setSubject(series.subject);
    for (int card = 1; card <= kCards; ++card) {
        model.setPhotoPath(card, series.photoPath(card));
        model.setFraming(card, series.framing(card));
    }
    // The file keeps names without their leading blank; the name lines show them after one.
    for (int line = 1; line <= kLines; ++line)
        model.setName(1, line, SeriesModel::loadedName(series, line));
    model.setSaved(saved);
}

void LoadSeries::showPhoto(CardPhotos& cards, int card, const Result<PreparedPhoto>& photo,
                           bool stalled) {
    if (stalled) {
        qCInfo(programLog).noquote() << "Photo of card" << card << "given up: no data came";
        cards.giveUp(card);
        return;
    }
    if (!photo.ok())
        qCInfo(programLog).noquote() << "Photo of card" << card << "not shown:" << photo.error();
    cards.load(card, photo.ok() ? photo.value() : PhotoPreparer::emptyPhoto());
}

QString LoadSeries::infoText(const QString& fileName, int missing) {
    const QString text = tr("Naam van deze serie: ") + fileName;
    if (missing == 0)
        return text;
    return text +
           (missing == 1 ? tr("; 1 foto ontbreekt") : tr("; %1 foto's ontbreken").arg(missing));
}

void LoadSeries::reportFailure(UserPrompts& prompts, const QString& file, const Status& failed) {
    qCWarning(programLog).noquote() << "Loading" << file << "failed:" << failed.error();
    prompts.warn(tr("Error"), tr("Fout bij het laden!"));
}
