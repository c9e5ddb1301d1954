// The prompts as the user sees them: Qt message boxes, the text prompt, the file dialogs and the
// progress window.
#pragma once

#include "UserPrompts.h"

#include <QPointer>
#include <QWidget>

class QtUserPrompts final : public UserPrompts {
public:
    // Dialogs open over the active modal dialog when there is one, otherwise over `window`.
    void setWindow(QWidget* window) { m_window = window; }

    bool askYesNo(const QString& title, const QString& text) override;
    Answer askYesNoCancel(const QString& title, const QString& text) override;
    bool askOkCancel(const QString& title, const QString& text) override;
    QString askText(const QString& title, const QString& prompt,
                    const QString& defaultAnswer) override;
    void inform(const QString& title, const QString& text) override;
    void warn(const QString& title, const QString& text) override;
    QString openPicture(const QString& filter) override;
    SaveChoice saveExportPath(const QStringList& types) override;
    std::unique_ptr<ProgressReport> showProgress(const QString& title, int steps,
                                                 std::function<void()> cancel) override;

private:
    QWidget* dialogParent() const;
    static QString titleOrProgram(const QString& title);

    QPointer<QWidget> m_window;
};
