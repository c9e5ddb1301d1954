// Where the program finds its help page and card designs and keeps its settings, series and
// recovery copies.
#pragma once

#include <QString>

class ProgramFolder final {
public:
    // Everything in `path`: the help page and designs beside the settings file, the series folder
    // "mosaretten" and the recovery copies.
    explicit ProgramFolder(QString path);

    // The folders of the program whose executable lies in `programPath`. A program that has its
    // help or designs beside it and may write there keeps everything beside itself; otherwise (an
    // installed program) help and designs come from the installed data folder
    // (<prefix>/share/mosaret-designer), the settings file from the user's configuration folder,
    // series from "Mosaretten" in the user's documents folder and recovery copies from the user's
    // state folder, as the XDG settings give them.
    static ProgramFolder forProgram(const QString& programPath);

    QString settingsFile() const; // Mosaret.ini
    // help/help.htm, or the help page in the program's language when one was set and is there.
    QString helpPage() const;
    // Sets the file name of the help page in the program's language ("help_en.htm").
    void setHelpFile(const QString& fileName) { m_helpFile = fileName; }
    QString designsFolder() const; // kaarten
    QString seriesFolder() const { return m_series; }
    // The folder for copies of unsaved work.
    QString stateFolder() const { return m_state; }
    // True when everything lies beside the program.
    bool besideProgram() const { return m_besideProgram; }

private:
    ProgramFolder() = default;

    QString m_data;   // help/ and kaarten/
    QString m_config; // Mosaret.ini
    QString m_series;
    QString m_state;
    QString m_helpFile; // in the program's language; empty: the Dutch page
    bool m_besideProgram = true;
};
