// Saves the series under a name the user types, asking before a file is replaced or a text changed.
#pragma once

#include "SeriesFolder.h"

#include <QCoreApplication>

class SeriesModel;
class UserPrompts;

class SaveCommand final {
    Q_DECLARE_TR_FUNCTIONS(SaveCommand)

public:
    SaveCommand(SeriesFolder folder, const SeriesModel& model, UserPrompts& prompts);

    enum class Outcome { Written, NotWritten };

    // Writes the series file whole, or tells the user why not; the old file stays whole on any
    // failure. Never changes the series, its name or the sheet.
    Outcome run();

private:
    QString askName() const;
    bool confirmReplace(const QString& typedName) const;
    bool confirmChangedTexts(const Series& series) const;

    SeriesFolder m_folder;
    const SeriesModel& m_model;
    UserPrompts& m_prompts;
};
