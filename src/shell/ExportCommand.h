// The Export button: the series as a BMP sheet or as a two-page PDF, or the whole game as one PDF.
#pragma once

#include "DeckMode.h"
#include "FaceSheet.h"
#include "FaceSheetBuilder.h"
#include "GameWriter.h"
#include "ProgramFolder.h"
#include "Result.h"

#include <QCoreApplication>
#include <QImage>
#include <QPageSize>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

class QWidget;
class UserPrompts;

class ExportCommand final {
    Q_DECLARE_TR_FUNCTIONS(ExportCommand)

public:
    enum class Kind { Bitmap, SeriesPdf, GamePdf }; // in the order of the dialog's types

    struct Context {
        UserPrompts* prompts = nullptr;
        double pauseSeconds = 3.0; // how long the busy pointer stays after a bitmap is saved
        ProgramFolder folder;
        DeckMode deckMode = DeckMode::Normal;
        int backDesign = 2;                         // the design on the backs of a PDF
        std::function<FaceSheet()> sheet;           // the current series
        QPageSize paper = QPageSize(QPageSize::A4); // the paper of a PDF
        QWidget* window = nullptr;                  // parent of the game dialog
        std::function<bool()> settleUnsaved;        // false: the game is not written
        std::function<void(const QString&)> openSeries;
    };

    explicit ExportCommand(Context context);

    // Asks for a file name and writes the bitmap or the series' PDF; a cancelled dialog writes
    // nothing, and a failure to write is reported. For the whole game it settles unsaved changes,
    // lets the user choose the series in the game dialog, and returns what to write, which runs
    // in the background; a series double-clicked there is opened instead.
    std::optional<GameRequest> run();

    // The save dialog's types, the bitmap first.
    static QStringList types();
    // A name ending in ".pdf" or ".bmp", in any letter case, decides the kind whatever type the
    // dialog showed (a PDF name with the game's type is the game); any other name gets the kind
    // of the type shown.
    static Kind kindOf(const QString& path, int type);
    // The file the export writes: a PDF name typed without an extension gets ".pdf", as file
    // dialogs add it; a bitmap's name is kept as typed.
    static QString withSuffix(const QString& path, Kind kind);
    // Writes `image` to `path` as a BMP file, whole or not at all.
    static Status saveBitmap(const QImage& image, const QString& path);

private:
    // The path to write to, or an empty one when the name is refused or the user keeps an
    // existing file.
    QString checkedPath(const QString& typed, Kind kind) const;
    std::optional<GameRequest> gameRequest(const QString& path) const;
    QString designPath() const;

    Context m_context;
};
