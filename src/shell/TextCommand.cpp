// A step of typing in one text box: the subject or one name line.
#include "TextCommand.h"

#include "SeriesModel.h"

TextCommand::TextCommand(SeriesModel& model, int card, int line, QString before, QString after)
    : m_model(model), m_card(card), m_line(line), m_before(std::move(before)),
      m_after(std::move(after)) {}

void TextCommand::undo() {
    write(m_before);
}

void TextCommand::redo() {
    write(m_after);
}

bool TextCommand::mergeWith(const QUndoCommand* other) {
    const auto* typed = static_cast<const TextCommand*>(other);
    if (typed->m_card != m_card || typed->m_line != m_line)
        return false;
    m_after = typed->m_after;
    return true;
}

void TextCommand::write(const QString& text) {
    if (m_line == 0)
        m_model.setSubject(text);
    else
        m_model.setName(m_card, m_line, text);
}
