// A step that frames a card's photo anew: a drag, a run of wheel notches or keys, or the reset.
#include "FramingCommand.h"

#include "SeriesModel.h"

FramingCommand::FramingCommand(SeriesModel& model, int card, const Framing& before,
                               const Framing& after, bool continues)
    : m_model(model), m_card(card), m_before(before), m_after(after), m_continues(continues) {}

void FramingCommand::undo() {
    m_model.setFraming(m_card, m_before);
}

void FramingCommand::redo() {
    m_model.setFraming(m_card, m_after);
}

bool FramingCommand::mergeWith(const QUndoCommand* other) {
    const auto* next = static_cast<const FramingCommand*>(other);
    if (!next->m_continues || next->m_card != m_card)
        return false;
    m_after = next->m_after;
    return true;
}
