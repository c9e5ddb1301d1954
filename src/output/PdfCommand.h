// The command line's work: a PDF of named series files or of the whole series folder, written
// without a window or a display.
#pragma once

#include "ProgramFolder.h"
#include "Result.h"

#include <QCoreApplication>
#include <QPageSize>
#include <QString>
#include <QStringList>

class PdfCommand final {
    Q_DECLARE_TR_FUNCTIONS(PdfCommand)

public:
    struct Options {
        QString output;          // the PDF to write
        QStringList seriesFiles; // none: every series in the series folder, in the list's order
        int backDesign = 2;      // kaart<N>.jpg of the designs folder on every back
        QPageSize paper;         // the pages' paper
    };

    // Writes the PDF from the application's event loop and returns the exit status: 0 with one
    // line on standard output when it is written, 1 with the reason on standard error when not.
    // Every series skipped is named on standard error.
    static int run(const Options& options, const ProgramFolder& folder);
    // Refuses an output that could replace a series: a name ending in ".msr", one of the series
    // being read, or any file in the series folder `seriesFolder`.
    static Status checkOutput(const QString& output, const QStringList& seriesFiles,
                              const QString& seriesFolder);
};
