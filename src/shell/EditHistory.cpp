// The one history of the series's edits, with undo and redo on the keyboard.
#include "EditHistory.h"

#include "NewDesignCommand.h"

#include <QAction>
#include <QKeyEvent>
#include <QLineEdit>
#include <QWidget>

namespace {
const QList<QKeySequence> kUndoKeys{QKeySequence(Qt::CTRL | Qt::Key_Z)};
const QList<QKeySequence> kRedoKeys{QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z),
                                    QKeySequence(Qt::CTRL | Qt::Key_Y)};

bool isHistoryKey(const QKeyEvent& key) {
    const QKeySequence pressed(key.keyCombination());
    return kUndoKeys.contains(pressed) || kRedoKeys.contains(pressed);
}
} // namespace

EditHistory::EditHistory(SeriesModel& model, QObject* parent) : QObject(parent), m_model(model) {
    m_stack.setUndoLimit(kMaxSteps);
    connect(&m_stack, &QUndoStack::cleanChanged, this, &EditHistory::sync);
    connect(&m_stack, &QUndoStack::indexChanged, this, &EditHistory::sync);
}

void EditHistory::sync() {
    // Right after "Nieuw" the design counts as saved, as it always did.
    const int index = m_stack.index();
    const bool design = index > 0 && m_stack.command(index - 1)->id() == NewDesignCommand::kId;
    m_model.setSaved(m_stack.isClean() || design ? SeriesModel::Saved::Yes
                                                 : SeriesModel::Saved::No);
}

void EditHistory::bindKeys(QWidget* window, std::function<bool()> mayAct) {
    auto* undo = new QAction(window);
    undo->setShortcuts(kUndoKeys);
    connect(undo, &QAction::triggered, this, [this, mayAct] {
        if (mayAct())
            m_stack.undo();
    });
    auto* redo = new QAction(window);
    redo->setShortcuts(kRedoKeys);
    connect(redo, &QAction::triggered, this, [this, mayAct] {
        if (mayAct())
            m_stack.redo();
    });
    window->addActions({undo, redo});
    // A text box would take these keys for its own small undo; they are kept for the history.
    for (QLineEdit* box : window->findChildren<QLineEdit*>())
        box->installEventFilter(this);
}

void EditHistory::startOver(SeriesModel::Saved saved) {
    m_stack.clear();
    if (saved == SeriesModel::Saved::No)
        m_stack.resetClean();
    sync();
}

bool EditHistory::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride &&
        isHistoryKey(*static_cast<QKeyEvent*>(event))) {
        event->ignore(); // not the box's: the window's shortcut takes it
        return true;
    }
    return QObject::eventFilter(watched, event);
}
