// The commands that change or use the whole series: new design, save, load, photo, export.
#include "SeriesCommands.h"

#include "ExportCommand.h"
#include "LoadDialog.h"
#include "LoadSeries.h"
#include "PhotoLocations.h"
#include "PhotoPlacement.h"
#include "SaveCommand.h"
#include "SeriesFile.h"
#include "SeriesFolder.h"

#include <QFileInfo>

SeriesCommands::SeriesCommands(Context context)
    : m_context(std::move(context)), m_faceSheets(*m_context.model, *m_context.photos) {}

void SeriesCommands::newDesign() {
    if (isBusy() || !m_context.prompts->askYesNo(QStringLiteral("Nieuw"),
                                                 QStringLiteral("Wilt u een nieuw ontwerp maken?")))
        return;
    m_context.model->resetToDesign();
    m_context.photos->reset();
}

bool SeriesCommands::save() {
    if (isBusy())
        return false;
    const SaveCommand::Outcome outcome = SaveCommand(SeriesFolder(m_context.folder.seriesFolder()),
                                                     *m_context.model, *m_context.prompts)
                                             .run();
    if (outcome != SaveCommand::Outcome::Written)
        return false;
    m_context.model->setSaved(SeriesModel::Saved::Yes);
    return true;
}

void SeriesCommands::openLoadDialog() {
    if (isBusy())
        return;
    LoadDialog dialog(
        SeriesFolder(m_context.folder.seriesFolder()),
        [this](const QString& fileName, std::function<void(const Status&)> done) {
            load(fileName, done);
        },
        *m_context.prompts, m_context.window);
    dialog.exec();
}

void SeriesCommands::load(const QString& fileName, const std::function<void(const Status&)>& done) {
    const SeriesFolder folder(m_context.folder.seriesFolder());
    Result<Series> read = folder.load(fileName);
    const QString path = folder.path() + u'/' + fileName;
    const QStringList photos = read ? PhotoLocations::of(read.value(), path) : QStringList();
    show(fileName, std::move(read), photos, SeriesModel::Saved::Yes, done);
}

void SeriesCommands::loadFile(const QString& path, const std::function<void(const Status&)>& done) {
    const QString fileName = QFileInfo(path).fileName();
    Result<Series> read = SeriesFile::read(path, fileName);
    const QStringList photos = read ? PhotoLocations::of(read.value(), path) : QStringList();
    show(fileName, std::move(read), photos, SeriesModel::Saved::Yes, done);
}

void SeriesCommands::restore(const RecoveredSeries& recovered,
                             const std::function<void(const Status&)>& done) {
    show(recovered.seriesName, recovered.series, PhotoLocations::stored(recovered.series),
         SeriesModel::Saved::No, done);
}

void SeriesCommands::show(const QString& seriesName, Result<Series> read,
                          const QStringList& photoPaths, SeriesModel::Saved saved,
                          const std::function<void(const Status&)>& done) {
    // The file has been read and checked whole before anything on the cards changes.
    if (!read.ok() || isBusy()) {
        done(Error{read.ok() ? QStringLiteral("Er worden nog foto's gelezen.") : read.error()});
        return;
    }
    const Series series = std::move(read).value();
    m_busyPointer.emplace();
    m_batch.start(photoPaths, [this, seriesName, series, saved, done](PhotoBatch::Results photos) {
        LoadSeries::apply(*m_context.model, *m_context.photos, seriesName, series, photos, saved);
        if (m_context.setInfo)
            m_context.setInfo(QStringLiteral("Naam van deze serie: ") + seriesName);
        m_busyPointer.reset();
        done(Status::success());
    });
}

void SeriesCommands::placePhoto(int card) {
    if (isBusy())
        return;
    const QString path = m_context.prompts->openPicture(PhotoPlacement::filter());
    if (path.isEmpty())
        return;
    // The busy pointer starts after the dialog, so the dialog itself keeps the normal pointer.
    m_busyPointer.emplace();
    m_batch.start({path}, [this, card, path](PhotoBatch::Results photos) {
        m_busyPointer.reset();
        PhotoPlacement::apply(*m_context.model, *m_context.photos, *m_context.prompts, card, path,
                              photos.front());
    });
}

void SeriesCommands::exportSheet() {
    if (isBusy())
        return;
    const std::optional<GameRequest> game =
        ExportCommand({m_context.prompts, m_context.exportPauseSeconds, m_context.folder,
                       m_context.deckMode ? m_context.deckMode() : DeckMode::Normal,
                       m_context.backDesign ? m_context.backDesign() : 2,
                       [this](SheetPhotos photos) { return faceSheet(photos); }})
            .run();
    if (!game)
        return;
    m_game = new GameExport(*game, *m_context.prompts, m_context.window);
    if (m_context.idle)
        QObject::connect(m_game, &QObject::destroyed, m_context.window, m_context.idle);
    m_game->start();
}

FaceSheet SeriesCommands::faceSheet(SheetPhotos photos) const {
    return m_faceSheets.build(photos);
}
