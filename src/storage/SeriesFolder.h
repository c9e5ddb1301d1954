// The folder of series files: listing, safe names, saving whole files and reading them back.
#pragma once

#include "Result.h"
#include "Series.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

class SeriesFolder final {
    Q_DECLARE_TR_FUNCTIONS(SeriesFolder)

public:
    explicit SeriesFolder(QString path);

    QString path() const { return m_path; }

    // The names of the regular files (hidden ones too) ending in ".msr" in any letter case, as
    // files copied from other systems may be named "VOGELS.MSR"; sorted by name without regard
    // to case; empty when the folder is missing. Folders, FIFOs and devices are left out.
    QStringList list() const;
    // The paths of the listed files, in the same order.
    QStringList listPaths() const;
    // The path of the file `fileName` in the folder.
    QString pathOf(const QString& fileName) const { return m_path + u'/' + fileName; }
    // Whether `fileName` ends in ".msr", in any letter case.
    static bool isSeriesFileName(const QString& fileName);

    // Refuses a typed name that would leave the folder or cannot be a file name: one that is
    // empty, "." or "..", holds '/', '\\' or a control character, or with ".msr" exceeds 255 bytes.
    static Status checkName(const QString& typedName);
    // The file a typed name is saved as: the name exactly as typed followed by ".msr".
    QString fileFor(const QString& typedName) const;
    bool exists(const QString& typedName) const;

    // Writes the series under the typed name, creating the folder when missing; the old file
    // stays whole when the new one cannot be written, and the message then starts with
    // "De serie is niet opgeslagen".
    Status save(const QString& typedName, const Series& series) const;
    // Reads a listed file; an error when it is missing, not a regular file, cannot be
    // opened or holds no series.
    Result<Series> load(const QString& fileName) const;

private:
    QString m_path;
};
