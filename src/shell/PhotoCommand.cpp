// A step that places, drops or removes photos on one or more cards.
#include "PhotoCommand.h"

PhotoCommand::PhotoCommand(CardRestorer restore, QList<CardState> before, QList<CardState> after)
    : m_restore(std::move(restore)), m_before(std::move(before)), m_after(std::move(after)) {}

void PhotoCommand::redo() {
    if (m_done) {
        m_done = false;
        return;
    }
    m_restore(m_after);
}
