// Writes a file whole through QSaveFile and explains a failure in Dutch.
#pragma once

#include "Result.h"

#include <QByteArray>
#include <QString>

class WholeFileWriter final {
public:
    // Writes `bytes` to `path`: the file on disk is either the old one or the complete new one.
    // A failure message starts with `failureLead` (for example "De serie is niet opgeslagen").
    static Status write(const QString& path, const QByteArray& bytes, const QString& failureLead);
};
