// A step that places, drops or removes photos on one or more cards.
#pragma once

#include "CardState.h"

#include <QUndoCommand>

// Holds the cards' files and framings before and after, never their pictures: undo and redo
// prepare the photos again from their files.
class PhotoCommand final : public QUndoCommand {
public:
    // The cards already show `after`; the first redo does nothing.
    PhotoCommand(CardRestorer restore, QList<CardState> before, QList<CardState> after);

    void undo() override { m_restore(m_before); }
    void redo() override;

private:
    CardRestorer m_restore;
    QList<CardState> m_before;
    QList<CardState> m_after;
    bool m_done = true;
};
