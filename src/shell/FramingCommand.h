// A step that frames a card's photo anew: a drag, a run of wheel notches or keys, or the reset.
#pragma once

#include "Framing.h"

#include <QUndoCommand>

class SeriesModel;

class FramingCommand final : public QUndoCommand {
public:
    // `continues`: the step goes on the one before it when that framed the same card.
    FramingCommand(SeriesModel& model, int card, const Framing& before, const Framing& after,
                   bool continues);

    void undo() override;
    void redo() override;
    int id() const override { return 2; }
    bool mergeWith(const QUndoCommand* other) override;

private:
    SeriesModel& m_model;
    int m_card;
    Framing m_before;
    Framing m_after;
    bool m_continues;
};
