// Writes a file whole through QSaveFile and explains a failure in the program's language.
#pragma once

#include "Result.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QSaveFile>
#include <QString>
#include <memory>

class WholeFileWriter final {
    Q_DECLARE_TR_FUNCTIONS(WholeFileWriter)

public:
    // Writes `bytes` to `path`: the file on disk is either the old one or the complete new one.
    // A failure message starts with `failureLead` (for example "De serie is niet opgeslagen").
    static Status write(const QString& path, const QByteArray& bytes, const QString& failureLead);

    // The same in two steps for a file written piece by piece: open() checks the name and opens a
    // temporary file beside it; commit() puts it in place only when all `bytes` that were written
    // to it are on the disk. A file destroyed without a successful commit leaves the old one as it
    // was.
    static Result<std::unique_ptr<QSaveFile>> open(const QString& path, const QString& failureLead);
    static Status commit(QSaveFile& file, qint64 bytes, const QString& failureLead);
};
