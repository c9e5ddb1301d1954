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

void SeriesCommands::save() {
    if (isBusy())
        return;
    SaveCommand(SeriesFolder(m_context.folder.seriesFolder()), *m_context.model, *m_context.prompts)
        .run();
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
    show(folder.path() + u'/' + fileName, folder.load(fileName), done);
}

void SeriesCommands::loadFile(const QString& path, const std::function<void(const Status&)>& done) {
    show(path, SeriesFile::read(path, QFileInfo(path).fileName()), done);
}

void SeriesCommands::show(const QString& path, Result<Series> read,
                          const std::function<void(const Status&)>& done) {
    // The file has been read and checked whole before anything on the cards changes.
    if (!read.ok() || isBusy()) {
        done(Error{read.ok() ? QStringLiteral("Er worden nog foto's gelezen.") : read.error()});
        return;
    }
    // The cards show the photos where they were found, and the next save writes those paths; a
    // missing photo keeps its path, so saving does not lose it.
    Series series = std::move(read).value();
    const PhotoLocations::Located located = PhotoLocations::locate(series, path);
    for (int card = 1; card <= kCards; ++card) {
        if (!located.paths[card - 1].isEmpty())
            series.photoPath(card) = located.paths[card - 1];
    }
    const QString fileName = QFileInfo(path).fileName();
    m_busyPointer.emplace();
    m_batch.start(located.paths, [this, fileName, series, missing = located.missing,
                                  done](PhotoBatch::Results photos) {
        LoadSeries::apply(*m_context.model, *m_context.photos, fileName, series, photos);
        if (m_context.setInfo)
            m_context.setInfo(LoadSeries::infoText(fileName, missing));
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
        const int placed = PhotoPlacement::apply(*m_context.model, *m_context.photos,
                                                 *m_context.prompts, card, paths, photos);
        if (offered > 1 && m_context.setInfo)
            m_context.setInfo(PhotoPlacement::placedText(placed, offered));
    });
}

void SeriesCommands::exportSheet() {
    if (isBusy())
        return;
    ExportCommand(*m_context.prompts, m_context.exportPauseSeconds).run(faceSheet());
}

FaceSheet SeriesCommands::faceSheet() const {
    return m_faceSheets.build();
}
