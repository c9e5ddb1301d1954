// The commands that change or use the whole series: new design, save, load, photo, export.
#pragma once

#include "BusyCursor.h"
#include "CardPhotos.h"
#include "FaceSheet.h"
#include "FaceSheetBuilder.h"
#include "PhotoBatch.h"
#include "ProgramFolder.h"
#include "Result.h"
#include "SeriesModel.h"
#include "UserPrompts.h"

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
    };

    explicit SeriesCommands(Context context);

    void newDesign();          // asks, then resets texts, photos and the series name
    void save();               // asks for a name and writes the series file
    void openLoadDialog();     // the modal load dialog
    void placePhoto(int card); // picks a picture file for the card
    // Places picture files on `card` and the cards after it, in order, as if each had been picked
    // for its card; files beyond the last card are left out, and when several files were given the
    // info bar says how many were placed.
    void placeFiles(int card, const QStringList& paths);
    void exportSheet(); // draws the sheet and saves it as a BMP picture

    // The series as the printed page or the export draws it.
    FaceSheet faceSheet() const;

    // Reads the file `fileName` of the series folder and starts decoding its photos, with the busy
    // pointer showing; `done` runs once the cards show the series, or at once with the error of a
    // file that holds none (then nothing changed). Photos whose paths are missing are looked for
    // beside the file (PhotoLocations). The load dialog loads through this.
    void load(const QString& fileName, const std::function<void(const Status&)>& done);
    // The same for a series file anywhere: the series is named after the file's name.
    void loadFile(const QString& path, const std::function<void(const Status&)>& done);

    // True while photos are decoded for a placement or a load: the busy pointer shows, and the
    // commands above do nothing until the photos are on the cards.
    bool isBusy() const { return m_batch.isRunning(); }
    // Emits finished() when the photos being decoded are on the cards.
    const PhotoBatch& photoBatch() const { return m_batch; }

private:
    // Shows the series read from the file at `path` once its photos are decoded.
    void show(const QString& path, Result<Series> read,
              const std::function<void(const Status&)>& done);
    // Decodes `paths` for `card` onwards with the busy pointer showing; `offered` files were given.
    void place(int card, const QStringList& paths, int offered);

    Context m_context;
    FaceSheetBuilder m_faceSheets;
    PhotoBatch m_batch;
    std::optional<BusyCursor> m_busyPointer;
};
