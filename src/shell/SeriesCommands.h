// The commands that change or use the whole series: new design, save, load, photo, export.
#pragma once

#include "CardPhotos.h"
#include "CardState.h"
#include "EditHistory.h"
#include "FaceSheet.h"
#include "FaceSheetBuilder.h"
#include "GameExport.h"
#include "PhotoPlacement.h"
#include "PhotoRead.h"
#include "ProgramFolder.h"
#include "RecoveryCopy.h"
#include "Result.h"
#include "SeriesModel.h"
#include "UserPrompts.h"

#include <QCoreApplication>
#include <QPointer>
#include <QString>
#include <chrono>
#include <functional>

class QWidget;

class SeriesCommands final {
    Q_DECLARE_TR_FUNCTIONS(SeriesCommands)

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
        // Before the game is written: asks what to do with unsaved changes; false to stop.
        std::function<bool()> settleUnsaved;
        std::function<void(const QString&)> openSeries; // a series file picked in the game dialog
        // A photo read is given up after this long without data from its file.
        std::chrono::milliseconds photoStall = std::chrono::seconds(10);
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
    // info bar says how many were placed. The files are read away from the window's thread, each
    // card saying its photo is coming; a file that gives no data for the stall time is reported
    // like an unreadable one.
    void placeFiles(int card, const QStringList& paths);
    // Saves the sheet as a BMP picture or a PDF, or the game as a PDF; a PDF shows `deckMode`
    // with `backDesign` on the backs.
    void exportSheet(DeckMode deckMode, int backDesign);

    // Puts `cards` back as they were, their photos prepared again from their files with the busy
    // pointer showing (an undo or redo of a photo step).
    void restoreCards(const QList<CardState>& cards);

    // The series as the printed page or the export draws it.
    FaceSheet faceSheet() const;

    // Reads the file `fileName` of the series folder, shows its texts and starts reading its
    // photos, each card saying its photo is coming until it arrives; `done` runs once the cards
    // show the series, or with the error of a file that holds none (then nothing changed). Photos
    // whose paths are missing are looked for beside the file (PhotoLocations), away from the
    // window's thread like the reads. The load dialog loads through this.
    void load(const QString& fileName, const std::function<void(const Status&)>& done);
    // The same for a series file anywhere: the series is named after the file's name. A file that
    // gives nothing within the photo stall time (two seconds at most) fails to load.
    void loadFile(const QString& path, const std::function<void(const Status&)>& done);
    // The same for unsaved work brought back after the program stopped: the series keeps the name
    // it was edited under and its unsaved changes, and its photos are looked for as a load of
    // that file in the series folder would.
    void restore(const RecoveredSeries& recovered, const std::function<void(const Status&)>& done);

    // True while the game's PDF is written: the commands above do nothing meanwhile.
    bool writingGame() const { return m_game; }
    // True while a card waits for its photo or the game's PDF is written.
    bool isBusy() const { return m_context.photos->anyComing() || m_game; }
    // The photo reads neither handed over nor given up yet, those no card waits for included.
    int readsUnderway() const { return m_coming; }
    void setPhotoStall(std::chrono::milliseconds stall) { m_context.photoStall = stall; }

private:
    // Shows the series read from the file at `path`, its photos looked up where the file lies.
    void show(const QString& path, Result<Series> read,
              const std::function<void(const Status&)>& done);
    // Shows `series`, named `seriesName`, and starts reading its photos: looked up beside
    // `seriesFile`, or as stored when that is empty.
    void display(const QString& seriesName, const Series& series, const QString& seriesFile,
                 SeriesModel::Saved saved);
    // Reads `paths` for `card` onwards; `offered` files were given.
    void place(int card, const QStringList& paths, int offered);
    struct Placing;
    // A photo of `placing` has come for a card still waiting for it, or was given up (`stalled`).
    void arrived(Placing& placing, PhotoPlacement::Arrived photo, bool stalled);
    // Every photo of `placing` has come or was given up.
    void finish(const Placing& placing);
    // Reads the photo `lookUp` names away from the window's thread; `done` gets it.
    void readPhoto(std::function<QString()> lookUp,
                   std::function<void(const PhotoRead::Outcome&)> done);

    Context m_context;
    FaceSheetBuilder m_faceSheets;
    QPointer<GameExport> m_game;
    int m_coming = 0; // photo reads not yet handed over or given up
    int m_loads = 0;  // series shown so far; only the last one's photos change the info bar
    QObject m_reads;  // parent of the photo reads: a result arriving after the commands end is lost
};
