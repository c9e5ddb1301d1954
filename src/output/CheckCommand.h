// The command line's check of a game: which series are not finished, without a window.
#pragma once

#include "ProgramFolder.h"

#include <QCoreApplication>
#include <QStringList>

class CheckCommand final {
    Q_DECLARE_TR_FUNCTIONS(CheckCommand)

public:
    // Checks the named series files, or every series of the series folder when none is named,
    // and prints one line per problem ("<file>: <problem>") and a last line with the counts.
    // Returns 0 when every series is finished, 2 when one is not.
    static int run(const QStringList& seriesFiles, const ProgramFolder& folder);
};
