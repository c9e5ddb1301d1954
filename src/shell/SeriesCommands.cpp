// The commands that change or use the whole series: new design, save, load, photo, export.
#include "SeriesCommands.h"

#include "ExportCommand.h"
#include "LoadDialog.h"
#include "LoadSeries.h"
#include "NewDesignCommand.h"
#include "PhotoCommand.h"
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
    if (!m_context.history) {
        m_context.model->resetToDesign();
        m_context.photos->reset();
        return;
    }
    m_context.history->push(
        new NewDesignCommand(*m_context.model, *m_context.photos,
                             [this](const QList<CardState>& cards) { restoreCards(cards); }));
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
    if (m_context.history)
        m_context.history->markSaved();
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
    show(folder.pathOf(fileName), folder.load(fileName), done);
}

void SeriesCommands::loadFile(const QString& path, const std::function<void(const Status&)>& done) {
    show(path, SeriesFile::read(path, QFileInfo(path).fileName()), done);
}

void SeriesCommands::restore(const RecoveredSeries& recovered,
                             const std::function<void(const Status&)>& done) {
    // The photos are looked for as a load of the series file would, never from the folder the
    // program was started in.
    const QString file = SeriesFolder(m_context.folder.seriesFolder())
                             .pathOf(QFileInfo(recovered.seriesName).fileName());
    Series series = recovered.series;
    const PhotoLocations::Located located = PhotoLocations::locate(series, file);
    relocate(series, located);
    display(recovered.seriesName, series, located.paths, SeriesModel::Saved::No, located.missing,
            done);
}

bool SeriesCommands::relocate(Series& series, const PhotoLocations::Located& located) {
    // The cards show the photos where they were found, and the next save writes those paths, so a
    // photo found in another folder leaves the series unsaved; a missing photo keeps its path,
    // so saving does not lose it.
    bool moved = false;
    for (int card = 1; card <= kCards; ++card) {
        const QString& found = located.paths[card - 1];
        if (!found.isEmpty() && found != series.photoPath(card)) {
            series.photoPath(card) = found;
            moved = true;
        }
    }
    return moved;
}

void SeriesCommands::show(const QString& path, Result<Series> read,
                          const std::function<void(const Status&)>& done) {
    // The file has been read and checked whole before anything on the cards changes.
    if (!read.ok()) {
        done(Error{read.error()});
        return;
    }
    Series series = std::move(read).value();
    const PhotoLocations::Located located = PhotoLocations::locate(series, path);
    const SeriesModel::Saved saved =
        relocate(series, located) ? SeriesModel::Saved::No : SeriesModel::Saved::Yes;
    display(QFileInfo(path).fileName(), series, located.paths, saved, located.missing, done);
}

void SeriesCommands::display(const QString& seriesName, const Series& series,
                             const QStringList& photoPaths, SeriesModel::Saved saved, int missing,
                             const std::function<void(const Status&)>& done) {
    if (isBusy()) {
        done(Error{QStringLiteral("Er worden nog foto's gelezen.")});
        return;
    }
    m_busyPointer.emplace();
    m_batch.start(photoPaths, [this, seriesName, series, saved, missing,
                               done](PhotoBatch::Results photos) {
        LoadSeries::apply(*m_context.model, *m_context.photos, seriesName, series, photos, saved);
        if (m_context.history)
            m_context.history->startOver(saved);
        if (m_context.setInfo)
            m_context.setInfo(LoadSeries::infoText(seriesName, missing));
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
    place(card, {path}, 1);
}

void SeriesCommands::placeFiles(int card, const QStringList& paths) {
    if (isBusy() || card < 1 || card > kCards || paths.isEmpty())
        return;
    place(card, paths.mid(0, kCards - card + 1), int(paths.size()));
}

void SeriesCommands::place(int card, const QStringList& paths, int offered) {
    // The busy pointer starts after the dialog, so the dialog itself keeps the normal pointer.
    m_busyPointer.emplace();
    m_batch.start(paths, [this, card, paths, offered](PhotoBatch::Results photos) {
        m_busyPointer.reset();
        QList<CardState> before, after;
        for (int c = card; c < card + int(paths.size()) && c <= kCards; ++c)
            before << CardState::of(*m_context.model, *m_context.photos, c);
        const int placed = PhotoPlacement::apply(*m_context.model, *m_context.photos,
                                                 *m_context.prompts, card, paths, photos);
        for (const CardState& was : before)
            after << CardState::of(*m_context.model, *m_context.photos, was.card);
        if (placed > 0 && m_context.history)
            m_context.history->push(new PhotoCommand(
                [this](const QList<CardState>& cards) { restoreCards(cards); }, before, after));
        if (offered > 1 && m_context.setInfo)
            m_context.setInfo(PhotoPlacement::placedText(placed, offered));
    });
}

void SeriesCommands::exportSheet(DeckMode deckMode, int backDesign) {
    if (isBusy())
        return;
    const std::optional<GameRequest> game =
        ExportCommand({m_context.prompts, m_context.exportPauseSeconds, m_context.folder, deckMode,
                       backDesign, [this] { return faceSheet(); }})
            .run();
    if (!game)
        return;
    m_game = new GameExport(*game, *m_context.prompts, m_context.window);
    if (m_context.idle)
        // The batch, a member, ends the connection before the window deletes its children.
        QObject::connect(m_game, &QObject::destroyed, &m_batch, m_context.idle);
    m_game->start();
}

void SeriesCommands::restoreCards(const QList<CardState>& cards) {
    QStringList paths;
    for (const CardState& state : cards)
        paths << (state.shows == CardPhotos::CardShows::Placeholder ? QString() : state.path);
    m_busyPointer.emplace();
    m_batch.start(paths, [this, cards](PhotoBatch::Results photos) {
        m_busyPointer.reset();
        for (qsizetype i = 0; i < cards.size() && size_t(i) < photos.size(); ++i) {
            const CardState& state = cards[i];
            m_context.model->setPhotoPath(state.card, state.path);
            m_context.model->setFraming(state.card, state.framing);
            const Result<PreparedPhoto>& photo = photos[size_t(i)];
            const PreparedPhoto prepared = photo.ok() ? photo.value() : PreparedPhoto{};
            if (state.shows == CardPhotos::CardShows::Placeholder)
                m_context.photos->clear(state.card);
            else if (state.shows == CardPhotos::CardShows::Outlined)
                m_context.photos->place(state.card, prepared);
            else
                m_context.photos->load(state.card, prepared);
        }
        if (m_context.history)
            m_context.history->sync();
    });
}

FaceSheet SeriesCommands::faceSheet() const {
    return m_faceSheets.build();
}
