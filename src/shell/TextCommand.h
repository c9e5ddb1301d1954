// A step of typing in one text box: the subject or one name line.
#pragma once

#include <QString>
#include <QUndoCommand>

class SeriesModel;

// Consecutive typing in one box is one step.
class TextCommand final : public QUndoCommand {
public:
    // `line` 0 is the subject box of `card`, 1..4 its name lines; the model holds `after` already.
    TextCommand(SeriesModel& model, int card, int line, QString before, QString after);

    void undo() override;
    void redo() override;
    int id() const override { return 1; }
    bool mergeWith(const QUndoCommand* other) override;

private:
    void write(const QString& text);

    SeriesModel& m_model;
    int m_card;
    int m_line;
    QString m_before;
    QString m_after;
};
