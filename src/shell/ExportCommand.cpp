// Draws the series as one sheet and saves it as a BMP picture where the user chooses.
#include "ExportCommand.h"

#include "BusyCursor.h"
#include "Pause.h"
#include "SheetExport.h"
#include "UserPrompts.h"
#include "WholeFileWriter.h"

#include <QBuffer>
#include <QDir>
#include <QImageWriter>
#include <optional>

namespace {
const QString kNotSaved = QStringLiteral("De afbeelding is niet opgeslagen");
} // namespace

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
    if (const Status saved = saveBitmap(image, path); !saved.ok()) {
        busy.reset();
        m_prompts.warn(QStringLiteral("Export"), saved.error());
        return;
    }
    pause(m_pauseSeconds);
}

Status ExportCommand::saveBitmap(const QImage& image, const QString& path) {
    // The format is named explicitly so that a name without ".bmp" still gets a BMP file.
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "BMP");
    if (image.isNull() || !writer.write(image))
        return Error{QStringLiteral("%1: %2 kan niet worden geschreven (%3).")
                         .arg(kNotSaved, QDir::toNativeSeparators(path),
                              image.isNull() ? QStringLiteral("er is geen afbeelding")
                                             : writer.errorString())};
    return WholeFileWriter::write(path, bytes, kNotSaved);
}
