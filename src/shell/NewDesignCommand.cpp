// The step "Nieuw": the whole series before it, given back by undo.
#include "NewDesignCommand.h"

#include "CardPhotos.h"

NewDesignCommand::NewDesignCommand(SeriesModel& model, CardPhotos& photos, CardRestorer restore)
    : m_model(model), m_photos(photos), m_restore(std::move(restore)), m_series(model.toSeries()),
      m_seriesName(model.seriesName()) {
    for (int card = 1; card <= kCards; ++card)
        m_cards << CardState::of(model, photos, card);
}

void NewDesignCommand::undo() {
    m_model.setSeriesName(m_seriesName);
    m_model.setSubject(m_series.subject);
    for (int line = 1; line <= kLines; ++line)
        m_model.setName(1, line, m_series.name(1, line));
    m_restore(m_cards);
}

void NewDesignCommand::redo() {
    m_model.resetToDesign();
    m_photos.reset();
}
