// The commands that change or use the whole series: new design, save, load, photo, export.
#pragma once

#include "CardPhotos.h"
#include "FaceSheet.h"
#include "FaceSheetBuilder.h"
#include "ProgramFolder.h"
#include "SeriesModel.h"
#include "UserPrompts.h"

#include <QString>
#include <functional>

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
    void exportSheet();        // draws the sheet and saves it as a BMP picture

    // The series as the printed page or the export draws it; print masters when `forPrint`.
    FaceSheet faceSheet(bool forPrint) const;

private:
    Context m_context;
    FaceSheetBuilder m_faceSheets;
};
