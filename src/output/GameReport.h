// What writing a whole game came to: how many series were written, which were skipped and why.
#pragma once

#include <QString>
#include <QStringList>

struct GameReport final {
    enum class Outcome { Written, Cancelled, Failed };

    Outcome outcome = Outcome::Failed;
    QString path;        // the PDF
    int written = 0;     // series, each a page of fronts and a page of backs
    QStringList skipped; // "<file name>: <why>", in the order of the pages
    QString failure;     // why nothing was written, when it Failed
    QString paper;       // the paper the pages are laid out for, e.g. "A4"

    // The account for the user, in the program's language: what was written, every series skipped
    // and why, or why nothing was written.
    QString message() const;
    // One line that says what was written, for the command line.
    QString summary() const;
};
