// Every question, message and file dialog the program shows, behind one interface so tests can
// script them.
#pragma once

#include <QString>

class UserPrompts {
public:
    virtual ~UserPrompts() = default;

    enum class Answer { Yes, No, Cancel };

    // A Yes/No question without icon, Yes the default; true for Yes.
    virtual bool askYesNo(const QString& title, const QString& text) = 0;
    // A Yes/No/Cancel question without icon, Yes the default; Escape answers Cancel.
    virtual Answer askYesNoCancel(const QString& title, const QString& text) = 0;
    // A one-line text prompt; an empty string when cancelled.
    virtual QString askText(const QString& title, const QString& prompt,
                            const QString& defaultAnswer) = 0;
    // A message with an OK button only and no icon.
    virtual void inform(const QString& title, const QString& text) = 0;
    // A message with an exclamation icon and an OK button.
    virtual void warn(const QString& title, const QString& text) = 0;
    // The open-file dialog for a photo; an empty string when cancelled.
    virtual QString openPicture(const QString& filter) = 0;
    // The save-file dialog for the exported sheet, asking before an existing file is replaced;
    // an empty string when cancelled.
    virtual QString saveBitmapPath(const QString& filter) = 0;
};
