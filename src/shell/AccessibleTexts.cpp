// The names and descriptions screen readers give the main window's controls.
#include "AccessibleTexts.h"

#include "MenuCaptions.h"
#include "PictureBox.h"
#include "Series.h"

#include <QLabel>
#include <QWidget>
#include <array>

namespace {
template <typename T = QWidget> T* child(QWidget* window, const QString& name) {
    return window->findChild<T*>(name);
}

void describe(QWidget* widget, const QString& name, const QString& description = {}) {
    if (!widget)
        return;
    widget->setAccessibleName(name);
    if (!description.isEmpty())
        widget->setAccessibleDescription(description);
}
} // namespace

void AccessibleTexts::nameWindow(QWidget* window) {
    nameMenu(window);
    nameCards(window);
    nameDecks(window);
    describe(child(window, QStringLiteral("Frame1")), tr("Menu"));
    describe(child(window, QStringLiteral("Frame2")), tr("Kaarten"));
    describe(child(window, QStringLiteral("Frame3")), tr("Infobalk"));
    describe(child(window, QStringLiteral("WebBrowser")), tr("Help"));
    if (QWidget* info = child(window, QStringLiteral("InfoBalk")))
        info->setAccessibleDescription(tr("Infobalk"));
    if (QWidget* exit = child(window, QStringLiteral("ExitKnop")))
        exit->setAccessibleDescription(tr("Bewaart de instellingen en sluit het programma"));
}

void AccessibleTexts::nameMenu(QWidget* window) {
    const std::array<QString, 6> descriptions{
        tr("Begint een nieuwe serie"),
        tr("Opent een bewaarde serie"),
        tr("Bewaart de serie"),
        tr("Toont de hulp, of sluit haar weer"),
        tr("Drukt de voorkanten of de rugzijden af"),
        tr("Bewaart de serie of het hele spel als afbeelding of PDF")};
    auto* captions = child<MenuCaptions>(window, QStringLiteral("Label4"));
    if (!captions)
        return;
    captions->setAccessibleName(captions->captions().join(QStringLiteral(", ")));
    for (int number = 1; number <= int(descriptions.size()); ++number) {
        auto* button = child<PictureBox>(window, QStringLiteral("Menuknop_%1").arg(number));
        if (button && number <= captions->captions().size())
            describe(button, captions->captions()[number - 1], descriptions[number - 1]);
    }
}

void AccessibleTexts::nameCards(QWidget* window) {
    const QString photoHelp = tr("Enter of spatie kiest een foto; de pijltjestoetsen, plus, min "
                                 "en 0 verschuiven, vergroten en herstellen de uitsnede");
    for (int card = 1; card <= kCards; ++card) {
        describe(child(window, QStringLiteral("Kaart%1").arg(card)), tr("Kaart %1").arg(card));
        describe(child(window, QStringLiteral("Onderwerp1_%1").arg(card)),
                 tr("Onderwerp, kaart %1").arg(card),
                 tr("Het onderwerp staat op alle vier kaarten"));
        if (QWidget* photo = child(window, QStringLiteral("Foto_%1").arg(card)))
            photo->setAccessibleDescription(photoHelp);
        for (int line = 1; line <= kLines; ++line) {
            const QString name = line == card
                                     ? tr("Naam %1, kaart %2, de eigen naam van deze kaart")
                                     : tr("Naam %1, kaart %2");
            describe(child(window, QStringLiteral("Naam%1_%2").arg(card).arg(line)),
                     name.arg(line).arg(card),
                     tr("Elke naam staat op alle vier kaarten; elke kaart toont haar eigen naam "
                        "gemarkeerd"));
        }
    }
}

void AccessibleTexts::nameDecks(QWidget* window) {
    const auto caption = [window](const char* label) {
        const auto* found = child<QLabel>(window, QLatin1String(label));
        return found ? found->text() : QString();
    };
    describe(child(window, QStringLiteral("NormaalKnop")), caption("Label6"),
             tr("Toont de kaarten met onderwerp, foto en namen"));
    describe(child(window, QStringLiteral("KinderKnop")), caption("Label7"),
             tr("Toont de kaarten met alleen foto's, zonder tekst"));
}

QString AccessibleTexts::photo(int card, const QString& fileName, const QString& note) {
    const QString shown = fileName.isEmpty() ? tr("geen foto") : fileName;
    if (note.isEmpty())
        return tr("Foto van kaart %1: %2").arg(card).arg(shown);
    return tr("Foto van kaart %1: %2 (%3)").arg(card).arg(shown, note);
}

QString AccessibleTexts::thumbnail(int card, const QString& fileName) {
    const QString shown = fileName.isEmpty() ? tr("geen foto") : fileName;
    return tr("Kleine foto van kaart %1: %2").arg(card).arg(shown);
}
