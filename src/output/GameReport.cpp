// What writing a whole game came to: how many series were written, which were skipped and why.
#include "GameReport.h"

#include <QCoreApplication>
#include <QDir>

namespace {
QString seriesCount(int count) {
    return count == 1 ? QCoreApplication::translate("GameReport", "1 serie")
                      : QCoreApplication::translate("GameReport", "%1 series").arg(count);
}

// The sentence naming the paper the pages were laid out for.
QString paperText(const QString& paper) {
    return paper.isEmpty() ? QString()
                           : QCoreApplication::translate("GameReport", " Papier: %1.").arg(paper);
}
} // namespace

QString GameReport::message() const {
    QString text;
    switch (outcome) {
    case Outcome::Written:
        text = QCoreApplication::translate("GameReport",
                                           "Het spel is opgeslagen als \"%1\": %2 op %3 pagina's.")
                   .arg(QDir::toNativeSeparators(path), seriesCount(written))
                   .arg(2 * written) +
               paperText(paper);
        break;
    case Outcome::Cancelled:
        text = QCoreApplication::translate(
            "GameReport", "Het schrijven van het spel is afgebroken. Er is geen PDF "
                          "opgeslagen; een bestaand bestand met die naam is ongewijzigd.");
        break;
    case Outcome::Failed:
        text = failure;
        break;
    }
    if (!skipped.isEmpty())
        text += QCoreApplication::translate(
                    "GameReport", "\n\nOvergeslagen, omdat ze niet geladen konden worden:\n- ") +
                skipped.join(QStringLiteral("\n- "));
    return text;
}

QString GameReport::summary() const {
    return QCoreApplication::translate("GameReport",
                                       "%1 geschreven: %2, %3 pagina's, %4 overgeslagen.")
               .arg(QDir::toNativeSeparators(path), seriesCount(written))
               .arg(2 * written)
               .arg(skipped.size()) +
           paperText(paper);
}
