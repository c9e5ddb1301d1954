// The commands that change or use the whole series: new design, save, load, photo, export.
#include "SeriesCommands.h"

#include "ExportCommand.h"
#include "LoadDialog.h"
#include "LoadSeries.h"
#include "PhotoPlacement.h"
#include "SaveCommand.h"
#include "SeriesFolder.h"

SeriesCommands::SeriesCommands(Context context)
    : m_context(std::move(context)), m_faceSheets(*m_context.model, *m_context.photos) {}

void SeriesCommands::newDesign() {
    if (!m_context.prompts->askYesNo(QStringLiteral("Nieuw"),
                                     QStringLiteral("Wilt u een nieuw ontwerp maken?")))
        return;
    m_context.model->resetToDesign();
    m_context.photos->reset();
}

void SeriesCommands::save() {
    SaveCommand(SeriesFolder(m_context.folder.seriesFolder()), *m_context.model, *m_context.prompts)
        .run();
}

void SeriesCommands::openLoadDialog() {
    const SeriesFolder folder(m_context.folder.seriesFolder());
    LoadSeries loader(folder, *m_context.model, *m_context.photos, m_context.setInfo);
    LoadDialog dialog(folder, loader, *m_context.prompts, m_context.window);
    dialog.exec();
}

void SeriesCommands::placePhoto(int card) {
    PhotoPlacement(*m_context.model, *m_context.photos, *m_context.prompts, m_context.window)
        .run(card);
}

void SeriesCommands::exportSheet() {
    ExportCommand(*m_context.prompts, m_context.exportPauseSeconds).run(faceSheet(false));
}

FaceSheet SeriesCommands::faceSheet(bool forPrint) const {
    return m_faceSheets.build(forPrint);
}
