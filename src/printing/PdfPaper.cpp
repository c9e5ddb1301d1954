// The paper a PDF is laid out for when the user names none.
#include "PdfPaper.h"

#include <QPrinterInfo>
#include <algorithm>
#include <array>

QPageSize PdfPaper::forThisComputer() {
    const QPrinterInfo printer = QPrinterInfo::defaultPrinter();
    if (!printer.isNull() && printer.defaultPageSize().isValid())
        return printer.defaultPageSize();
    return forRegion(QLocale::system().territory());
}

QPageSize PdfPaper::forRegion(QLocale::Territory territory) {
    static constexpr std::array kLetter{
        QLocale::UnitedStates, QLocale::Canada,    QLocale::Mexico,    QLocale::Philippines,
        QLocale::Chile,        QLocale::Colombia,  QLocale::Venezuela, QLocale::PuertoRico,
        QLocale::Guatemala,    QLocale::CostaRica, QLocale::Panama,    QLocale::DominicanRepublic,
        QLocale::ElSalvador,   QLocale::Nicaragua, QLocale::Belize};
    const bool letter = std::find(kLetter.begin(), kLetter.end(), territory) != kLetter.end();
    return QPageSize(letter ? QPageSize::Letter : QPageSize::A4);
}
