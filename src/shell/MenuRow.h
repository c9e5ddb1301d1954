// The menu frame: six picture buttons with their captions, each pressed in briefly when clicked.
#pragma once

#include "MenuCommand.h"

#include <QFrame>
#include <array>

class MenuCaptions;
class PictureBox;

class MenuRow final : public QFrame {
    Q_OBJECT
public:
    static constexpr int kButtons = 6;

    explicit MenuRow(QWidget* parent = nullptr);

    PictureBox* button(MenuCommand command) const { return m_buttons[index(command)]; }
    static QPoint restPosition(MenuCommand command);

    // Moves the button in, waits a moment with events running, moves it back, then emits chosen().
    void press(MenuCommand command);

signals:
    // The button has moved in; its command follows after the pause.
    void pressed(MenuCommand command);
    void chosen(MenuCommand command);

private:
    static int index(MenuCommand command) { return int(command) - 1; }

    std::array<PictureBox*, kButtons> m_buttons{};
    MenuCaptions* m_captions = nullptr;
};
