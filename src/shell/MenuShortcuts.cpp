// Keys for the menu row and Exit: each does exactly what a click on its button does.
#include "MenuShortcuts.h"

#include "MenuRow.h"
#include "PictureBox.h"

#include <QAbstractButton>
#include <QAction>
#include <QKeyEvent>
#include <QLineEdit>
#include <array>
#include <utility>

MenuShortcuts::MenuShortcuts(QWidget* window, MenuRow* menu, QAbstractButton* exit)
    : QObject(window) {
    const std::array<std::pair<MenuCommand, QKeySequence>, MenuRow::kButtons> keys{{
        {MenuCommand::New, QKeySequence(Qt::CTRL | Qt::Key_N)},
        {MenuCommand::Load, QKeySequence(Qt::CTRL | Qt::Key_O)},
        {MenuCommand::Save, QKeySequence(Qt::CTRL | Qt::Key_S)},
        {MenuCommand::Help, QKeySequence(Qt::Key_F1)},
        {MenuCommand::Print, QKeySequence(Qt::CTRL | Qt::Key_P)},
        {MenuCommand::Export, QKeySequence(Qt::CTRL | Qt::Key_E)},
    }};
    for (const auto& [command, key] : keys) {
        auto* action = new QAction(window);
        action->setShortcut(key);
        // As a click: the button's own click handling, which a disabled button ignores.
        connect(action, &QAction::triggered, menu, [menu, command = command] {
            if (menu->button(command)->isEnabled())
                emit menu->button(command)->clicked();
        });
        window->addAction(action);
        m_keys << key;
    }
    auto* quit = new QAction(window);
    quit->setShortcut(exitKey());
    connect(quit, &QAction::triggered, exit, &QAbstractButton::click);
    window->addAction(quit);
    m_keys << exitKey();
    for (QLineEdit* box : window->findChildren<QLineEdit*>())
        box->installEventFilter(this);
}

bool MenuShortcuts::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride &&
        m_keys.contains(QKeySequence(static_cast<QKeyEvent*>(event)->keyCombination()))) {
        event->ignore(); // a text box would take Ctrl+E to the end of its line
        return true;
    }
    return QObject::eventFilter(watched, event);
}
