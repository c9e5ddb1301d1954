// A scripted stand-in for the prompts: queued answers in, every question asked recorded.
#pragma once

#include "UserPrompts.h"

#include <QQueue>
#include <QStringList>

class ScriptedPrompts final : public UserPrompts {
public:
    struct Asked {
        QString kind, title, text, defaultAnswer; // text: a file dialog's filter
    };
    // Answers taken in order by the questions of their kind; none left: No, Cancel or empty.
    QQueue<bool> yesNo;
    QQueue<Answer> yesNoCancel;
    QQueue<QString> texts, openPaths, savePaths;
    QList<Asked> asked;

    QStringList kinds() const {
        QStringList kinds;
        for (const Asked& a : asked)
            kinds << a.kind;
        return kinds;
    }
    QString lastText() const { return asked.isEmpty() ? QString() : asked.last().text; }

    bool askYesNo(const QString& title, const QString& text) override {
        return take(yesNo, {"yesno", title, text, {}});
    }
    Answer askYesNoCancel(const QString& title, const QString& text) override {
        asked.append({"yesnocancel", title, text, {}});
        return yesNoCancel.isEmpty() ? Answer::Cancel : yesNoCancel.dequeue();
    }
    QString askText(const QString& title, const QString& prompt, const QString& answer) override {
        return take(texts, {"text", title, prompt, answer});
    }
    void inform(const QString& title, const QString& text) override {
        asked.append({"inform", title, text, {}});
    }
    void warn(const QString& title, const QString& text) override {
        asked.append({"warn", title, text, {}});
    }
    QString openPicture(const QString& filter) override {
        return take(openPaths, {"openPicture", {}, filter, {}});
    }
    QString saveBitmapPath(const QString& filter) override {
        return take(savePaths, {"saveBitmapPath", {}, filter, {}});
    }

private:
    template <typename T> T take(QQueue<T>& answers, Asked question) {
        asked.append(std::move(question));
        return answers.isEmpty() ? T() : answers.dequeue();
    }
};
