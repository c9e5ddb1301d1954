// The Export button: the series as a BMP sheet or as a two-page PDF, or the whole game as one PDF.
#include "ExportCommand.h"

#include "BusyCursor.h"
#include "DesignsFolder.h"
#include "Pause.h"
#include "SeriesFolder.h"
#include "SeriesPages.h"
#include "SheetExport.h"
#include "UserPrompts.h"
#include "WholeFileWriter.h"

#include <QBuffer>
#include <QDir>
#include <QImageWriter>
#include <algorithm>
#include <optional>

namespace {
const QString kNotSaved = QStringLiteral("De afbeelding is niet opgeslagen");
} // namespace

ExportCommand::ExportCommand(Context context) : m_context(std::move(context)) {}

QStringList ExportCommand::types() {
    return {QStringLiteral("Bitmap (*.bmp)"), QStringLiteral("PDF-document (*.pdf)"),
            QStringLiteral("Heel spel als PDF (*.pdf)")};
}

ExportCommand::Kind ExportCommand::kindOf(const QString& path, int type) {
    const Kind shown = Kind(std::clamp(type, 0, int(Kind::GamePdf)));
    if (path.endsWith(QStringLiteral(".bmp"), Qt::CaseInsensitive))
        return Kind::Bitmap;
    if (path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive))
        return shown == Kind::GamePdf ? Kind::GamePdf : Kind::SeriesPdf;
    return shown;
}

std::optional<GameRequest> ExportCommand::run() {
    UserPrompts& prompts = *m_context.prompts;
    std::optional<BusyCursor> busy(std::in_place);
    // The sheet is drawn before the dialog, as the bitmap has always been.
    const FaceSheet sheet = m_context.sheet();
    const QImage image = SheetExport::render(sheet);
    // The save dialog shows the normal pointer; the busy one returns for the writing.
    busy.reset();
    const UserPrompts::SaveChoice chosen = prompts.saveExportPath(types());
    if (chosen.path.isEmpty())
        return std::nullopt;
    const Kind kind = kindOf(chosen.path, chosen.type);
    if (kind == Kind::GamePdf)
        return gameRequest(chosen.path);
    busy.emplace();
    const Status saved =
        kind == Kind::Bitmap
            ? saveBitmap(image, chosen.path)
            : SeriesPages::writeSeries(chosen.path, sheet, m_context.deckMode, designPath());
    if (!saved.ok()) {
        busy.reset();
        prompts.warn(QStringLiteral("Export"), saved.error());
        return std::nullopt;
    }
    if (kind == Kind::Bitmap)
        pause(m_context.pauseSeconds);
    return std::nullopt;
}

GameRequest ExportCommand::gameRequest(const QString& path) const {
    GameRequest request;
    request.seriesFiles = SeriesFolder(m_context.folder.seriesFolder()).listPaths();
    request.outputPath = path;
    request.deckMode = m_context.deckMode;
    request.designPath = designPath();
    return request;
}

QString ExportCommand::designPath() const {
    return DesignsFolder(m_context.folder.designsFolder()).picturePath(m_context.backDesign);
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
