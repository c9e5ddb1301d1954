// A scripted stand-in for the prompts: queued answers in, every question asked recorded.
#pragma once

#include "UserPrompts.h"

#include <QQueue>
#include <QString>
#include <QStringList>

class ScriptedPrompts final : public UserPrompts {
public:
    struct Asked {
        QString kind; // "yesno", "text", "inform", "warn", "openPicture", "saveBitmapPath"
        QString title;
        QString text; // the question, prompt or message; the filter for file dialogs
        QString defaultAnswer;
    };

    // Queued answers, taken in order by the questions of their kind.
    void answerYesNo(bool yes) { m_yesNo.enqueue(yes); }
    void answerText(const QString& text) { m_texts.enqueue(text); }
    void answerOpenPicture(const QString& path) { m_openPaths.enqueue(path); }
    void answerSaveBitmapPath(const QString& path) { m_savePaths.enqueue(path); }

    const QList<Asked>& asked() const { return m_asked; }
    QStringList kinds() const;
    void clear();

    bool askYesNo(const QString& title, const QString& text) override;
    QString askText(const QString& title, const QString& prompt, const QString& defaultAnswer) override;
    void inform(const QString& title, const QString& text) override;
    void warn(const QString& title, const QString& text) override;
    QString openPicture(const QString& filter) override;
    QString saveBitmapPath(const QString& filter) override;

private:
    QQueue<bool> m_yesNo;
    QQueue<QString> m_texts;
    QQueue<QString> m_openPaths;
    QQueue<QString> m_savePaths;
    QList<Asked> m_asked;
};
