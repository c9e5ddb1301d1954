// The step "Nieuw": the whole series before it, given back by undo.
#pragma once

#include "CardState.h"
#include "Series.h"

#include <QUndoCommand>

class CardPhotos;

class NewDesignCommand final : public QUndoCommand {
public:
    // Remembers the series `model` holds now; redo puts the design back.
    NewDesignCommand(SeriesModel& model, CardPhotos& photos, CardRestorer restore);

    static constexpr int kId = 3;

    void undo() override;
    void redo() override;
    int id() const override { return kId; } // never merged

private:
    SeriesModel& m_model;
    CardPhotos& m_photos;
    CardRestorer m_restore;
    Series m_series;
    QString m_seriesName;
    QList<CardState> m_cards;
};
