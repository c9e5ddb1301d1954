// The folder of series files: listing, safe names, saving whole files and reading them back.
#pragma once

#include "Result.h"
#include "Series.h"

#include <QString>
#include <QStringList>

class SeriesFolder final {
public:
    explicit SeriesFolder(QString path);

    QString path() const { return m_path; }

    // The "*.msr" file names in the folder, sorted by name without regard to case; empty when
    // the folder is missing.
    QStringList list() const;

    // Refuses a typed name that would leave the folder or cannot be a file name.
    static Status checkName(const QString& typedName);
    // The file a typed name is saved as: the name exactly as typed followed by ".msr".
    QString fileFor(const QString& typedName) const;
    bool exists(const QString& typedName) const;

    // Writes the series under the typed name, creating the folder when missing; the old file
    // stays whole when the new one cannot be written.
    Status save(const QString& typedName, const Series& series) const;
    // Reads a listed file.
    Result<Series> load(const QString& fileName) const;

private:
    QString m_path;
};
