// The menu frame: six picture buttons with their captions, each pressed in briefly when clicked.
#pragma once

#include <QFrame>

#include <array>

class MenuCaptions;
class PictureBox;

class MenuRow final : public QFrame {
    Q_OBJECT
public:
    static constexpr int kButtons = 6;
    enum Command { New = 1, Load, Save, Help, Print, Export };

    explicit MenuRow(QWidget* parent = nullptr);

    PictureBox* button(int index) const { return m_buttons[index - 1]; }
    static QPoint restPosition(int index);

    // Moves the button in, waits a moment with events running, moves it back, then emits chosen().
    void press(int index);

signals:
    void chosen(int index);

private:
    std::array<PictureBox*, kButtons> m_buttons{};
    MenuCaptions* m_captions = nullptr;
};
