// The one history of the series's edits, with undo and redo on the keyboard.
#pragma once

#include "SeriesModel.h"

#include <QObject>
#include <QUndoStack>
#include <functional>

class QWidget;

// The series counts as saved exactly when the history stands where it stood at the last save or
// load, or right after "Nieuw". At most kMaxSteps steps are kept.
class EditHistory final : public QObject {
    Q_OBJECT
public:
    static constexpr int kMaxSteps = 100;

    explicit EditHistory(SeriesModel& model, QObject* parent = nullptr);

    QUndoStack& stack() { return m_stack; }
    // Adds a step that has been done (or is done by its redo now).
    void push(QUndoCommand* step) { m_stack.push(step); }
    // Ctrl+Z undoes and Ctrl+Shift+Z and Ctrl+Y redo on `window`, with the keyboard focus
    // anywhere in it, text boxes included, while `mayAct` allows it.
    void bindKeys(QWidget* window, std::function<bool()> mayAct);
    // The series as it stands now was saved.
    void markSaved() { m_stack.setClean(); }
    // Another series: no steps, and saved or not as `saved` says.
    void startOver(SeriesModel::Saved saved);
    // Makes the series's unsaved state that of the history again, after a step's late work.
    void sync();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    SeriesModel& m_model;
    QUndoStack m_stack;
};
