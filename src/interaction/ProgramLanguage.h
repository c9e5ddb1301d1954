// The language the program speaks, chosen once at start-up from the user's languages.
#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>
#include <QTranslator>

class ProgramLanguage final {
public:
    // The first of `uiLanguages` (most wanted first, as QLocale::uiLanguages gives them, "en-GB"
    // or "de_AT" alike) that the program speaks; Dutch when it speaks none of them.
    explicit ProgramLanguage(const QStringList& uiLanguages = QLocale::system().uiLanguages());

    // "nl", "en" or "de".
    QString code() const { return m_code; }
    // Installs the program's texts and Qt's own (buttons, file and print dialogs) in this language
    // on the running application, for as long as this object lives; false when the program's
    // texts could not be read. Dutch needs only Qt's texts.
    bool install();
    // The help page's file name in the help folder: help.htm for Dutch, help_<code>.htm otherwise.
    QString helpFile() const;

private:
    QString m_code;
    QTranslator m_program;
    QTranslator m_qt;
};
