// The print dialog: preview, front or back mode, copies, and the X/Y position of the backs.
#pragma once

#include "DeckMode.h"
#include "FaceSheet.h"
#include "PageSink.h"
#include "ProgramFolder.h"
#include "Settings.h"
#include "UserPrompts.h"

#include <QDialog>

#include <functional>
#include <memory>

class PrintDialog final : public QDialog {
    Q_OBJECT
public:
    struct Context {
        ProgramFolder folder;
        DeckMode deckMode = DeckMode::Normal;
        Settings* settings = nullptr;            // BackX and BackY are read and written here
        std::function<FaceSheet()> fronts;       // the current series, photos as print masters
        UserPrompts* prompts = nullptr;
        std::function<std::unique_ptr<PageSink>()> makeSink; // the default printer when empty
    };

    explicit PrintDialog(Context context, QWidget* parent = nullptr);

private:
    Context m_context;
};
