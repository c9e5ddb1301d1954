// The titles the program's windows and messages carry.
#pragma once

#include <QString>

class ProgramTitles final {
public:
    // The main window's title, which the print dialog's messages carry too.
    static QString program() { return QStringLiteral(" Mosaret Designer V2"); }
    // The application name, on messages that have no title of their own.
    static QString application() { return QStringLiteral("Mosaret Designer"); }
};
