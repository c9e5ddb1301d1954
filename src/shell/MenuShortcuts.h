// Keys for the menu row and Exit: each does exactly what a click on its button does.
#pragma once

#include <QKeySequence>
#include <QObject>

class MenuRow;
class QAbstractButton;
class QWidget;

// Ctrl+N Nieuw, Ctrl+O Load, Ctrl+S Save, F1 Help, Ctrl+P Afdrukken, Ctrl+E Export and Ctrl+Q
// Exit, with the keyboard focus anywhere in the window: a text box does not take them. A button
// that is disabled (or the window behind a dialog) ignores its key as it ignores a click.
class MenuShortcuts final : public QObject {
    Q_OBJECT
public:
    MenuShortcuts(QWidget* window, MenuRow* menu, QAbstractButton* exit);

    static QKeySequence exitKey() { return QKeySequence(Qt::CTRL | Qt::Key_Q); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QList<QKeySequence> m_keys;
};
