// The paper a PDF is laid out for when the user names none.
#pragma once

#include <QLocale>
#include <QPageSize>

class PdfPaper final {
public:
    // The default printer's paper when there is a default printer, else the paper of the user's
    // region.
    static QPageSize forThisComputer();
    // Letter in the regions that use it (the Americas' Letter countries, the Philippines), A4
    // everywhere else.
    static QPageSize forRegion(QLocale::Territory territory);
};
