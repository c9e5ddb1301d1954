// A scripted stand-in for the prompts: queued answers in, every question asked recorded.
#pragma once

#include "UserPrompts.h"

#include <QQueue>
#include <QStringList>

class ScriptedPrompts final : public UserPrompts {
public:
    struct Asked {
        QString kind; // "yesno", "text", "inform", "warn", "openPicture", "saveBitmapPath"
        QString title;
        QString text; // the question, prompt or message; the filter for file dialogs
        QString defaultAnswer;
    };

    // Queued answers, taken in order by the questions of their kind; none left: No or empty.
    void answerYesNo(bool yes) { m_yesNo.enqueue(yes); }
    void answerText(const QString& text) { m_texts.enqueue(text); }
    void answerOpenPicture(const QString& path) { m_openPaths.enqueue(path); }
    void answerSaveBitmapPath(const QString& path) { m_savePaths.enqueue(path); }

    const QList<Asked>& asked() const { return m_asked; }
    QStringList kinds() const {
        QStringList kinds;
        for (const Asked& a : m_asked)
            kinds << a.kind;
        return kinds;
    }
    void clear() { *this = ScriptedPrompts(); }

    bool askYesNo(const QString& title, const QString& text) override {
        return take(m_yesNo, {QStringLiteral("yesno"), title, text, {}});
    }
    QString askText(const QString& title, const QString& prompt, const QString& answer) override {
        return take(m_texts, {QStringLiteral("text"), title, prompt, answer});
    }
    void inform(const QString& title, const QString& text) override {
        m_asked.append({QStringLiteral("inform"), title, text, {}});
    }
    void warn(const QString& title, const QString& text) override {
        m_asked.append({QStringLiteral("warn"), title, text, {}});
    }
    QString openPicture(const QString& filter) override {
        return take(m_openPaths, {QStringLiteral("openPicture"), {}, filter, {}});
    }
    QString saveBitmapPath(const QString& filter) override {
        return take(m_savePaths, {QStringLiteral("saveBitmapPath"), {}, filter, {}});
    }

private:
    template <typename T> T take(QQueue<T>& answers, Asked asked) {
        m_asked.append(std::move(asked));
        return answers.isEmpty() ? T() : answers.dequeue();
    }

    QQueue<bool> m_yesNo;
    QQueue<QString> m_texts;
    QQueue<QString> m_openPaths;
    QQueue<QString> m_savePaths;
    QList<Asked> m_asked;
};
