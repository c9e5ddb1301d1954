// The commands that change or use the whole series: new design, save, load, photo, export.
#pragma once

#include "BusyCursor.h"
#include "CardPhotos.h"
#include "CardState.h"
#include "EditHistory.h"
#include "FaceSheet.h"
#include "FaceSheetBuilder.h"
#include "GameExport.h"
#include "PhotoBatch.h"
#include "PhotoLocations.h"
#include "ProgramFolder.h"
#include "RecoveryCopy.h"
#include "Result.h"
#include "SeriesModel.h"
#include "UserPrompts.h"

#include <QPointer>
#include <QString>
#include <functional>
#include <optional>

class QWidget;

class SeriesCommands final {
public:
    struct Context {
        ProgramFolder folder;
        SeriesModel* model = nullptr;
        CardPhotos* photos = nullptr;
        UserPrompts* prompts = nullptr;
        QWidget* window = nullptr;                   // parent of the load dialog
        std::function<void(const QString&)> setInfo; // writes the info bar
        double exportPauseSeconds = 3.0;             // busy pointer kept after an export
        std::function<void()> idle;                  // runs once the game's PDF is done
        EditHistory* history = nullptr;              // takes the steps that change the series
    };

    explicit SeriesCommands(Context context);

    void newDesign(); // asks, then resets texts, photos and the series name
    // Asks for a name and writes the series file; true when it was written, which leaves the
    // series without unsaved changes.
    bool save();
    void openLoadDialog();     // the modal load dialog
    void placePhoto(int card); // picks a picture file for the card
    // Places picture files on `card` and the cards after it, in order, as if each had been picked
    // for its card; files beyond the last card are left out, and when several files were given the
    // info bar says how many were placed.
    void placeFiles(int card, const QStringList& paths);
    // Saves the sheet as a BMP picture or a PDF, or the game as a PDF; a PDF shows `deckMode`
    // with `backDesign` on the backs.
    void exportSheet(DeckMode deckMode, int backDesign);

    // Puts `cards` back as they were, their photos prepared again from their files with the busy
    // pointer showing (an undo or redo of a photo step).
    void restoreCards(const QList<CardState>& cards);

    // The series as the printed page or the export draws it.
    FaceSheet faceSheet() const;

    // Reads the file `fileName` of the series folder and starts decoding its photos, with the busy
    // pointer showing; `done` runs once the cards show the series, or at once with the error of a
    // file that holds none (then nothing changed). Photos whose paths are missing are looked for
    // beside the file (PhotoLocations). The load dialog loads through this.
    void load(const QString& fileName, const std::function<void(const Status&)>& done);
    // The same for a series file anywhere: the series is named after the file's name.
    void loadFile(const QString& path, const std::function<void(const Status&)>& done);
    // The same for unsaved work brought back after the program stopped: the series keeps the name
    // it was edited under and its unsaved changes.
    void restore(const RecoveredSeries& recovered, const std::function<void(const Status&)>& done);

    // True while photos are decoded for a placement or a load (the busy pointer shows), or while
    // the game's PDF is written: the commands above do nothing meanwhile.
    bool isBusy() const { return m_batch.isRunning() || m_game; }
    // Emits finished() when the photos being decoded are on the cards.
    const PhotoBatch& photoBatch() const { return m_batch; }

private:
    // Points the photo paths of `series` at where its photos were `located`; true when one moved.
    static bool relocate(Series& series, const PhotoLocations::Located& located);
    // Shows the series read from the file at `path`, its photos looked up where the file lies.
    void show(const QString& path, Result<Series> read,
              const std::function<void(const Status&)>& done);
    // Shows `series`, named `seriesName`, once the photos at `photoPaths` are decoded; `missing`
    // photos could not be found.
    void display(const QString& seriesName, const Series& series, const QStringList& photoPaths,
                 SeriesModel::Saved saved, int missing,
                 const std::function<void(const Status&)>& done);
    // Decodes `paths` for `card` onwards with the busy pointer showing; `offered` files were given.
    void place(int card, const QStringList& paths, int offered);

    Context m_context;
    FaceSheetBuilder m_faceSheets;
    PhotoBatch m_batch;
    QPointer<GameExport> m_game;
    std::optional<BusyCursor> m_busyPointer;
};
