// The commands that change or use the whole series: new design, save, load, photo, export.
#include "SeriesCommands.h"

#include "ExportCommand.h"
#include "LoadDialog.h"
#include "LoadSeries.h"
#include "NewDesignCommand.h"
#include "PdfPaper.h"
#include "PhotoCommand.h"
#include "PhotoLocations.h"
#include "PhotoPlacement.h"
#include "PhotoPreparer.h"
#include "PhotoThreads.h"
#include "SaveCommand.h"
#include "SeriesFile.h"
#include "SeriesFolder.h"

#include <QFileInfo>

SeriesCommands::SeriesCommands(Context context)
    : m_context(std::move(context)), m_faceSheets(*m_context.model, *m_context.photos) {}

void SeriesCommands::newDesign() {
    if (writingGame() ||
        !m_context.prompts->askYesNo(tr("Nieuw"), tr("Wilt u een nieuw ontwerp maken?")))
        return;
    ++m_loads; // the photos of a series shown before no longer change the info bar
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
    if (writingGame())
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
    if (writingGame())
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
    // Read away from the window's thread and waited for a moment only (the stall time, at most two
    // seconds): a file on a share that stopped answering fails to load instead of freezing the
    // window.
    const QString name = QFileInfo(path).fileName();
    std::optional<Result<Series>> read = PhotoThreads::within<Result<Series>>(
        std::min<std::chrono::milliseconds>(m_context.photoStall, std::chrono::seconds(2)),
        [path, name] { return SeriesFile::read(path, name); });
    show(path,
         read ? std::move(*read)
              : Result<Series>(Error{tr("Het bestand \"%1\" geeft geen gegevens.").arg(path)}),
         done);
}

void SeriesCommands::restore(const RecoveredSeries& recovered,
                             const std::function<void(const Status&)>& done) {
    // The photos are looked for as a load of the series file would, never from the folder the
    // program was started in.
    const QString file = SeriesFolder(m_context.folder.seriesFolder())
                             .pathOf(QFileInfo(recovered.seriesName).fileName());
    display(recovered.seriesName, recovered.series, file, SeriesModel::Saved::No);
    done(Status::success());
}

void SeriesCommands::show(const QString& path, Result<Series> read,
                          const std::function<void(const Status&)>& done) {
    // The file has been read and checked whole before anything on the cards changes.
    if (!read.ok())
        return done(Error{read.error()});
    display(QFileInfo(path).fileName(), read.value(), path, SeriesModel::Saved::Yes);
    done(Status::success());
}

void SeriesCommands::display(const QString& seriesName, const Series& series,
                             const QString& seriesFile, SeriesModel::Saved saved) {
    LoadSeries::apply(*m_context.model, seriesName, series, saved);
    if (m_context.history)
        m_context.history->startOver(saved);
    if (m_context.setInfo)
        m_context.setInfo(LoadSeries::infoText(seriesName, 0));
    // The cards show the photos where they were found, and the next save writes those paths, so a
    // photo found in another folder leaves the series unsaved; a missing photo keeps its path,
    // so saving does not lose it. The info bar counts the missing ones once all have been looked
    // up.
    struct Tally {
        int left = 0;
        int missing = 0;
    };
    const auto tally = std::make_shared<Tally>();
    const int load = ++m_loads;
    for (int card = 1; card <= kCards; ++card) {
        const QString stored = series.photoPath(card);
        if (stored.isEmpty()) {
            m_context.photos->load(card, PhotoPreparer::emptyPhoto());
            continue;
        }
        const int ticket = m_context.photos->expect(card);
        ++tally->left;
        const auto lookUp = [stored, seriesFile] {
            return seriesFile.isEmpty() ? stored : PhotoLocations::find(stored, seriesFile);
        };
        readPhoto(lookUp, [=, this](const PhotoRead::Outcome& read) {
            if (m_context.photos->awaits(card, ticket)) {
                if (!read.stalled && read.path.isEmpty())
                    ++tally->missing;
                else if (!read.stalled && read.path != stored)
                    m_context.model->setPhotoPath(card, read.path);
                LoadSeries::showPhoto(*m_context.photos, card, read.photo, read.stalled);
            }
            if (--tally->left == 0 && tally->missing > 0 && load == m_loads && m_context.setInfo)
                m_context.setInfo(LoadSeries::infoText(seriesName, tally->missing));
        });
    }
}

void SeriesCommands::placePhoto(int card) {
    if (writingGame())
        return;
    const QString path = m_context.prompts->openPicture(PhotoPlacement::filter());
    if (path.isEmpty())
        return;
    place(card, {path}, 1);
}

void SeriesCommands::placeFiles(int card, const QStringList& paths) {
    if (writingGame() || card < 1 || card > kCards || paths.isEmpty())
        return;
    place(card, paths.mid(0, kCards - card + 1), int(paths.size()));
}

// A placement under way: photos show as they arrive, and the files that could not be read are
// reported together once every file has been read or given up.
struct SeriesCommands::Placing {
    qsizetype left = 0;
    int offered = 0;
    int placed = 0;
    std::vector<PhotoPlacement::Arrived> failed;
    QList<CardState> before; // the cards as they were, for the history
};

void SeriesCommands::place(int card, const QStringList& paths, int offered) {
    const auto placing = std::make_shared<Placing>();
    placing->left = paths.size();
    placing->offered = offered;
    for (qsizetype i = 0; i < paths.size(); ++i)
        placing->before << CardState::of(*m_context.model, *m_context.photos, card + int(i));
    for (qsizetype i = 0; i < paths.size(); ++i) {
        const int target = card + int(i);
        const int ticket = m_context.photos->expect(target);
        const QString path = paths[i];
        readPhoto([path] { return path; },
                  [=, this](const PhotoRead::Outcome& read) {
                      if (m_context.photos->awaits(target, ticket))
                          arrived(*placing, PhotoPlacement::Arrived{target, path, read.photo},
                                  read.stalled);
                      if (--placing->left == 0)
                          finish(*placing);
                  });
    }
}

void SeriesCommands::arrived(Placing& placing, PhotoPlacement::Arrived photo, bool stalled) {
    if (stalled)
        photo.photo =
            Error{tr("De foto \"%1\" kan niet worden gelezen: het bestand geeft geen gegevens.")
                      .arg(photo.path)};
    if (photo.photo.ok()) {
        placing.placed +=
            PhotoPlacement::apply(*m_context.model, *m_context.photos, *m_context.prompts, {photo});
        return;
    }
    m_context.photos->withdraw(photo.card);
    placing.failed.push_back(std::move(photo));
}

void SeriesCommands::finish(const Placing& placing) {
    PhotoPlacement::apply(*m_context.model, *m_context.photos, *m_context.prompts, placing.failed);
    if (placing.placed > 0 && m_context.history) {
        QList<CardState> after;
        for (const CardState& was : placing.before)
            after << CardState::of(*m_context.model, *m_context.photos, was.card);
        m_context.history->push(new PhotoCommand(
            [this](const QList<CardState>& cards) { restoreCards(cards); }, placing.before, after));
    }
    if (placing.offered > 1 && m_context.setInfo)
        m_context.setInfo(PhotoPlacement::placedText(placing.placed, placing.offered));
}

void SeriesCommands::readPhoto(std::function<QString()> lookUp,
                               std::function<void(const PhotoRead::Outcome&)> done) {
    ++m_coming;
    PhotoRead::start(std::move(lookUp), m_context.photoStall, &m_reads,
                     [this, done = std::move(done)](const PhotoRead::Outcome& read) {
                         --m_coming;
                         done(read);
                     });
}

void SeriesCommands::exportSheet(DeckMode deckMode, int backDesign) {
    if (isBusy())
        return;
    const std::optional<GameRequest> game =
        ExportCommand({m_context.prompts, m_context.exportPauseSeconds, m_context.folder, deckMode,
                       backDesign, [this] { return faceSheet(); }, PdfPaper::forThisComputer(),
                       m_context.window, m_context.settleUnsaved, m_context.openSeries})
            .run();
    if (!game)
        return;
    m_game = new GameExport(*game, *m_context.prompts, m_context.window);
    if (m_context.idle)
        // The reads' parent, a member, ends the connection before the window deletes its children.
        QObject::connect(m_game, &QObject::destroyed, &m_reads, m_context.idle);
    m_game->start();
}

void SeriesCommands::restoreCards(const QList<CardState>& cards) {
    // The photos are read again from their files, each card saying its photo is coming.
    for (const CardState& state : cards) {
        m_context.model->setPhotoPath(state.card, state.path);
        m_context.model->setFraming(state.card, state.framing);
        if (state.shows == CardPhotos::CardShows::Placeholder) {
            m_context.photos->clear(state.card);
            continue;
        }
        const int ticket = m_context.photos->expect(state.card);
        readPhoto([path = state.path] { return path; },
                  [this, state, ticket](const PhotoRead::Outcome& read) {
                      if (!m_context.photos->awaits(state.card, ticket))
                          return;
                      const PreparedPhoto prepared =
                          read.photo.ok() ? read.photo.value() : PreparedPhoto{};
                      if (state.shows == CardPhotos::CardShows::Outlined)
                          m_context.photos->place(state.card, prepared);
                      else
                          m_context.photos->load(state.card, prepared);
                  });
    }
    if (m_context.history)
        m_context.history->sync();
}

FaceSheet SeriesCommands::faceSheet() const {
    return m_faceSheets.build();
}
