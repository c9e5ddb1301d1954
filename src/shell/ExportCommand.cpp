// Draws the series as one sheet and saves it as a BMP picture where the user chooses.
#include "ExportCommand.h"

#include "BusyCursor.h"
#include "Pause.h"
#include "SheetExport.h"
#include "UserPrompts.h"

#include <optional>

ExportCommand::ExportCommand(UserPrompts& prompts, double pauseSeconds)
    : m_prompts(prompts), m_pauseSeconds(pauseSeconds) {}

void ExportCommand::run(const FaceSheet& sheet) {
    std::optional<BusyCursor> busy(std::in_place);
    const QImage image = SheetExport::render(sheet);
    // The save dialog shows the normal pointer; the busy one returns for the writing.
    busy.reset();
    const QString path = m_prompts.saveBitmapPath(QStringLiteral("Bitmap (*.bmp)"));
    if (path.isEmpty())
        return;
    busy.emplace();
    if (const Status saved = SheetExport::save(image, path); !saved.ok()) {
        busy.reset();
        m_prompts.warn(QStringLiteral("Export"), saved.error());
        return;
    }
    pause(m_pauseSeconds);
}
