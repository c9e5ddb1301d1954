// Every question, message and file dialog the program shows, behind one interface so tests can
// script them.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

// A progress window on screen for as long as it lives.
class ProgressReport {
public:
    virtual ~ProgressReport() = default;
    // Shows `done` of the steps as finished and what is being worked on now.
    virtual void show(int done, const QString& text) = 0;
};

class UserPrompts {
public:
    // The file chosen in a save dialog and which of its types was shown; an empty path when
    // cancelled.
    struct SaveChoice {
        QString path;
        int type = 0; // index into the dialog's types
    };

    virtual ~UserPrompts() = default;

    enum class Answer { Yes, No, Cancel };

    // A Yes/No question without icon, Yes the default; true for Yes.
    virtual bool askYesNo(const QString& title, const QString& text) = 0;
    // A Yes/No/Cancel question without icon, Yes the default; Escape answers Cancel.
    virtual Answer askYesNoCancel(const QString& title, const QString& text) = 0;
    // A question with OK (the default) and Annuleren; true for OK.
    virtual bool askOkCancel(const QString& title, const QString& text) = 0;
    // A one-line text prompt; an empty string when cancelled.
    virtual QString askText(const QString& title, const QString& prompt,
                            const QString& defaultAnswer) = 0;
    // A message with an OK button only and no icon.
    virtual void inform(const QString& title, const QString& text) = 0;
    // A message with an exclamation icon and an OK button.
    virtual void warn(const QString& title, const QString& text) = 0;
    // The open-file dialog for a photo; an empty string when cancelled.
    virtual QString openPicture(const QString& filter) = 0;
    // The save-file dialog for an export offering `types` ("Bitmap (*.bmp)"), the first shown
    // first; it asks before an existing file is replaced.
    virtual SaveChoice saveExportPath(const QStringList& types) = 0;
    // A progress window over `steps` steps with a cancel button, which runs `cancel` from the
    // event loop; the window stays until the report is destroyed.
    virtual std::unique_ptr<ProgressReport> showProgress(const QString& title, int steps,
                                                         std::function<void()> cancel) = 0;
};
