// The prompts as the user sees them: Qt message boxes, the text prompt and the file dialogs.
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
    QString askText(const QString& title, const QString& prompt,
                    const QString& defaultAnswer) override;
    void inform(const QString& title, const QString& text) override;
    void warn(const QString& title, const QString& text) override;
    QString openPicture(const QString& filter) override;
    QString saveBitmapPath(const QString& filter) override;

private:
    QWidget* dialogParent() const;
    static QString titleOrProgram(const QString& title);

    QPointer<QWidget> m_window;
};
