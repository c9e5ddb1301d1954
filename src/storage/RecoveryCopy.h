// A copy of unsaved work: a first line naming the copy's encoding, the series in the series
// file's 21 lines and its framing lines, then the series name.
#pragma once

#include "Result.h"
#include "Series.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

struct RecoveredSeries final {
    Series series;      // as a series file stores it (names without their leading blank)
    QString seriesName; // the file name the series was being edited under, e.g. "Default.msr"
};

class RecoveryCopy final {
    Q_DECLARE_TR_FUNCTIONS(RecoveryCopy)

public:
    static constexpr int kLineCount = 22;

    // The line "#mosaret-herstel utf-8", the lines of the series file in UTF-8 (so every
    // character typed comes back) and the series name, each ended by CR LF.
    static QByteArray serialize(const Series& series, const QString& seriesName);
    // Only a whole copy reads back: after the first line, 22 lines (and one framing line for each
    // framed card before the last), each ended by CR LF;
    // a copy without that first line is an older one in Windows-1252. Anything else (a copy cut
    // short, binary junk) is an error.
    static Result<RecoveredSeries> parse(const QByteArray& copy);
};
