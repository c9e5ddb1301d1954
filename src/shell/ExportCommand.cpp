// The Export button: the series as a BMP sheet or as a two-page PDF, or the whole game as one PDF.
#include "ExportCommand.h"

#include "BusyCursor.h"
#include "DesignsFolder.h"
#include "GameDialog.h"
#include "Pause.h"
#include "SeriesFolder.h"
#include "SeriesPages.h"
#include "SheetExport.h"
#include "UserPrompts.h"
#include "WholeFileWriter.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QImageWriter>
#include <algorithm>
#include <optional>

namespace {
QString notSaved() {
    return ExportCommand::tr("De afbeelding is niet opgeslagen");
}
} // namespace

ExportCommand::ExportCommand(Context context) : m_context(std::move(context)) {}

QStringList ExportCommand::types() {
    return {tr("Bitmap (*.bmp)"), tr("PDF-document (*.pdf)"), tr("Heel spel als PDF (*.pdf)")};
}

ExportCommand::Kind ExportCommand::kindOf(const QString& path, int type) {
    const Kind shown = Kind(std::clamp(type, 0, int(Kind::GamePdf)));
    if (path.endsWith(QStringLiteral(".bmp"), Qt::CaseInsensitive))
        return Kind::Bitmap;
    if (path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive))
        return shown == Kind::GamePdf ? Kind::GamePdf : Kind::SeriesPdf;
    return shown;
}

QString ExportCommand::withSuffix(const QString& path, Kind kind) {
    if (kind == Kind::Bitmap || !QFileInfo(path).suffix().isEmpty())
        return path;
    return path + QStringLiteral(".pdf");
}

QString ExportCommand::checkedPath(const QString& typed, Kind kind) const {
    UserPrompts& prompts = *m_context.prompts;
    if (SeriesFolder::isSeriesFileName(typed)) {
        prompts.warn(tr("Export"),
                     tr("Een naam op .msr is voor een serie; de export zou haar vervangen. Kies "
                        "een andere naam. Er is niets opgeslagen."));
        return {};
    }
    const QString path = withSuffix(typed, kind);
    // The dialog asked about the name as typed; the name with its extension is asked here.
    if (path != typed && QFileInfo::exists(path) &&
        !prompts.askYesNo(
            tr("Export"),
            tr("%1 bestaat al. Wilt u het vervangen?").arg(QDir::toNativeSeparators(path))))
        return {};
    return path;
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
    const QString path = checkedPath(chosen.path, kind);
    if (path.isEmpty())
        return std::nullopt;
    if (kind == Kind::GamePdf)
        return gameRequest(path);
    busy.emplace();
    const Status saved = kind == Kind::Bitmap
                             ? saveBitmap(image, path)
                             : SeriesPages::writeSeries(path, sheet, m_context.deckMode,
                                                        designPath(), m_context.paper);
    if (!saved.ok()) {
        busy.reset();
        prompts.warn(tr("Export"), saved.error());
        return std::nullopt;
    }
    if (kind == Kind::Bitmap)
        pause(m_context.pauseSeconds);
    return std::nullopt;
}

std::optional<GameRequest> ExportCommand::gameRequest(const QString& path) const {
    if (m_context.settleUnsaved && !m_context.settleUnsaved())
        return std::nullopt;
    GameDialog dialog(SeriesFolder(m_context.folder.seriesFolder()).listPaths(), m_context.window);
    if (dialog.exec() != QDialog::Accepted) {
        if (!dialog.opened().isEmpty() && m_context.openSeries)
            m_context.openSeries(dialog.opened());
        return std::nullopt;
    }
    GameRequest request;
    request.seriesFiles = dialog.chosen();
    request.outputPath = path;
    request.deckMode = m_context.deckMode;
    request.designPath = designPath();
    request.paper = m_context.paper;
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
        return Error{tr("%1: %2 kan niet worden geschreven (%3).")
                         .arg(notSaved(), QDir::toNativeSeparators(path),
                              image.isNull() ? tr("er is geen afbeelding") : writer.errorString())};
    return WholeFileWriter::write(path, bytes, notSaved());
}
