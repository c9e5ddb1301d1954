// Saves the series under a name the user types, asking before a file is replaced or a text changed.
#include "SaveCommand.h"

#include "SeriesFile.h"
#include "SeriesModel.h"
#include "UserPrompts.h"

namespace {
QString title() {
    return SaveCommand::tr(" Save");
}
} // namespace

SaveCommand::SaveCommand(SeriesFolder folder, const SeriesModel& model, UserPrompts& prompts)
    : m_folder(std::move(folder)), m_model(model), m_prompts(prompts) {}

SaveCommand::Outcome SaveCommand::run() {
    const QString typedName = askName();
    if (typedName.trimmed().isEmpty())
        return Outcome::NotWritten;
    if (const Status check = SeriesFolder::checkName(typedName); !check.ok()) {
        m_prompts.warn(title(), check.error());
        return Outcome::NotWritten;
    }
    if (!confirmReplace(typedName))
        return Outcome::NotWritten;
    const Series series = m_model.toSeries();
    if (!confirmChangedTexts(series))
        return Outcome::NotWritten;
    if (const Status saved = m_folder.save(typedName, series); !saved.ok()) {
        m_prompts.warn(title(), saved.error());
        return Outcome::NotWritten;
    }
    return Outcome::Written;
}

QString SaveCommand::askName() const {
    // The current file name without its extension: "Default" until a series is loaded.
    const QString current = m_model.seriesName();
    return m_prompts.askText(title(), tr("Geef een naam voor deze serie van het mosaret..."),
                             current.left(qMax<qsizetype>(0, current.size() - 4)));
}

bool SaveCommand::confirmReplace(const QString& typedName) const {
    return !m_folder.exists(typedName) ||
           m_prompts.askYesNo(tr(" Exist"), tr("Deze naam bestaat reeds, wilt u toch saven?"));
}

bool SaveCommand::confirmChangedTexts(const Series& series) const {
    const QStringList texts = SeriesFile::unencodableTexts(series);
    if (texts.isEmpty())
        return true;
    return m_prompts.askYesNo(
        title(), tr("Deze teksten bevatten tekens die een seriebestand niet kan bewaren; "
                    "elk van die tekens wordt als \"?\" opgeslagen:\n\n%1\n\nWilt u toch saven?")
                     .arg(texts.join(u'\n')));
}
