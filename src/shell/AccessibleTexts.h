// The names and descriptions screen readers give the main window's controls.
#pragma once

#include <QCoreApplication>
#include <QString>

class QWidget;

class AccessibleTexts final {
    Q_DECLARE_TR_FUNCTIONS(AccessibleTexts)
public:
    // Names every control of `window` that has no text of its own, found by object name: the menu
    // buttons after their captions, the subject boxes and name lines after their card and line,
    // the deck buttons after their captions, the frames, the card outlines and the help pane.
    static void nameWindow(QWidget* window);
    // The name of card `card`'s photo showing the file `fileName` (no photo when empty), with
    // `note` (a photo being read or unreadable) after it when there is one.
    static QString photo(int card, const QString& fileName, const QString& note = {});
    // The name of a thumbnail showing card `card`'s photo `fileName`.
    static QString thumbnail(int card, const QString& fileName);

private:
    static void nameMenu(QWidget* window);
    static void nameCards(QWidget* window);
    static void nameDecks(QWidget* window);
};
