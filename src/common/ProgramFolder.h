// The folder the program lives in, and the files and folders it keeps beside itself.
#pragma once

#include <QString>

class ProgramFolder final {
public:
    explicit ProgramFolder(QString path);

    QString path() const { return m_path; }
    QString settingsFile() const;  // Mosaret.ini
    QString helpPage() const;      // help/help.htm
    QString designsFolder() const; // kaarten
    QString seriesFolder() const;  // mosaretten
    QString file(const QString& relative) const;

private:
    QString m_path;
};
