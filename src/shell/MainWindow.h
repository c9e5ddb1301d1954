// The main window: menu row, card sheet, info bar and Exit button around the current series.
#pragma once

#include "CardPhotos.h"
#include "DeckMode.h"
#include "DroppedFiles.h"
#include "MenuCommand.h"
#include "ProgramFolder.h"
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
// and the program goes on. A close asked for while photos are decoded happens once they are on
// the cards. Picture files dropped on a card's photo are placed on that card and the ones after it;
// a series file dropped anywhere is loaded; anything else is refused by the drop pointer.
class MainWindow final : public QWidget {
    Q_OBJECT
public:
    static constexpr QSize kClientSize{394, 572};

    MainWindow(ProgramFolder folder, UserPrompts& prompts, QWidget* parent = nullptr);
    ~MainWindow() override;

    SeriesModel& model() { return m_model; }
    SeriesCommands& commands() { return m_commands; }
    CardPhotos& photos() { return m_photos; }
    // The settings the print dialog reads and edits; written at exit.
    Settings& settings() { return m_settings; }

    DeckMode deckMode() const { return m_deckMode; }
    void setDeckMode(DeckMode mode);

    void setInfo(const QString& text);
    QString info() const;

    // True while photos are decoded for a placement or a load.
    bool isBusy() const { return m_commands.isBusy(); }

    bool helpOpen() const;
    void toggleHelp();

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
    // The card a drag of `dropped` at `position` would fill first; 0 when it fills none.
    int dropCard(const DroppedFiles& dropped, QPointF position) const;
    // True when `dropped` may land with `card` under the pointer: pictures on a card's photo, a
    // series anywhere.
    static bool takesDrop(const DroppedFiles& dropped, int card);
    // Accepts the drag with a copy (never a move, which would take the files away) when `takes`
    // and the window is not busy, or refuses it; true when accepted.
    bool answerDrag(QDropEvent& event, bool takes) const;
    // Every series dropped on the window is loaded here, as the load dialog loads one.
    void loadDroppedSeries(const QString& path);

    ProgramFolder m_folder;
    UserPrompts* m_prompts;
    Settings m_settings;
    SeriesModel m_model;
    CardPhotos m_photos;
    SeriesCommands m_commands;
    DeckMode m_deckMode = DeckMode::Normal;
    QString m_savedInfo;
    bool m_centred = false;
    bool m_closeWhenIdle = false;
    std::optional<DroppedFiles> m_drag; // what the drag over the window carries

    MenuRow* m_menu = nullptr;
    CardSheet* m_sheet = nullptr;
    InfoBar* m_info = nullptr;
    QPushButton* m_exit = nullptr;
};
