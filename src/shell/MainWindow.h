// The main window: menu row, card sheet, info bar and Exit button around the current series.
#pragma once

#include "CardPhotos.h"
#include "DeckMode.h"
#include "DroppedFiles.h"
#include "MenuCommand.h"
#include "ProgramFolder.h"
#include "RecoveryKeeper.h"
#include "SeriesCommands.h"
#include "SeriesModel.h"
#include "Settings.h"

#include <QWidget>
#include <optional>

class CardSheet;
class InfoBar;
class MenuRow;
class QPushButton;
class UserPrompts;

// Reads the settings file and writes it straight back when created; writes it again when closed,
// by the Exit button or by the window manager. A settings file that cannot be written is logged
// and the program goes on. A close happens at once, also while photos are read (they are left
// behind); one asked for while the game's PDF is written happens when it is done. Picture files
// dropped on a card's photo are placed on that card and the ones after it; a series file dropped
// anywhere is loaded; anything else is refused by the drop pointer. Closing and loading another
// series (from the load dialog, a drop or a file given to the program) ask first whether unsaved
// work is to be saved, and a copy of unsaved work is kept for after a crash.
class MainWindow final : public QWidget {
    Q_OBJECT
public:
    static constexpr QSize kClientSize{394, 572};

    MainWindow(ProgramFolder folder, UserPrompts& prompts, QWidget* parent = nullptr);
    ~MainWindow() override;

    SeriesModel& model() { return m_model; }
    SeriesCommands& commands() { return m_commands; }
    CardPhotos& photos() { return m_photos; }
    EditHistory& history() { return m_history; }
    // The settings the print dialog reads and edits; written at exit.
    Settings& settings() { return m_settings; }

    DeckMode deckMode() const { return m_deckMode; }
    void setDeckMode(DeckMode mode);

    void setInfo(const QString& text);
    QString info() const;

    // True while a card waits for its photo or the game's PDF is written.
    bool isBusy() const { return m_commands.isBusy(); }
    // How long a photo read may go without data before its card says it cannot be read.
    void setPhotoStall(std::chrono::milliseconds stall) { m_commands.setPhotoStall(stall); }

    bool helpOpen() const;
    void toggleHelp();

    // Offers, newest first, the unsaved work that programs which stopped without tidying up left
    // behind; the first one the user takes back is loaded with its unsaved changes, each one
    // refused is removed, and one that cannot be read is set aside unasked. `then` runs once that
    // is settled (once the photos of a series taken back are on the cards).
    void offerRecovery(const std::function<void()>& then = {});
    // Loads the series file at `path`, wherever it lies, as the load dialog loads one (with the
    // same message when it cannot), after asking whether unsaved work is to be saved first.
    void openSeriesFile(const QString& path);
    // The copies of unsaved work, for tests.
    RecoveryKeeper& recovery() { return m_recovery; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildWidgets();
    void arrangeTabOrder();
    void runCommand(MenuCommand command);
    void openPrintDialog();
    void writeSettings();
    void exitProgram();
    // When the series has unsaved changes, asks whether to save it first; true when the program
    // may go on (the series was saved, or the user chose not to).
    bool mayDiscardUnsavedWork();
    // Ends the program when a close was asked for while the window was busy.
    void closeIfAsked();
    // The card a drag of `dropped` at `position` would fill first; 0 when it fills none.
    int dropCard(const DroppedFiles& dropped, QPointF position) const;
    // True when `dropped` may land with `card` under the pointer: pictures on a card's photo, a
    // series anywhere.
    static bool takesDrop(const DroppedFiles& dropped, int card);
    // Accepts the drag with a copy (never a move, which would take the files away) when `takes`
    // and the window is not busy, or refuses it; true when accepted.
    bool answerDrag(QDropEvent& event, bool takes) const;

    ProgramFolder m_folder;
    UserPrompts* m_prompts;
    Settings m_settings;
    SeriesModel m_model;
    CardPhotos m_photos;
    EditHistory m_history{m_model};
    SeriesCommands m_commands;
    RecoveryKeeper m_recovery;
    DeckMode m_deckMode = DeckMode::Normal;
    int m_backDesign = 2; // the design last chosen in the print dialog, for the backs of a PDF
    QString m_savedInfo;
    bool m_centred = false;
    bool m_closeWhenIdle = false;
    std::optional<DroppedFiles> m_drag; // what the drag over the window carries

    MenuRow* m_menu = nullptr;
    CardSheet* m_sheet = nullptr;
    InfoBar* m_info = nullptr;
    QPushButton* m_exit = nullptr;
};
