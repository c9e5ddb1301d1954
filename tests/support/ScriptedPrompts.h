// A scripted stand-in for the prompts: queued answers in, every question asked recorded.
#pragma once

#include "UserPrompts.h"

#include <QObject>
#include <QQueue>
#include <QStringList>

class ScriptedPrompts final : public UserPrompts {
public:
    struct Asked {
        QString kind, title, text, defaultAnswer; // text: a file dialog's types or the progress
    };
    // Answers taken in order by the questions of their kind; none left: No, Annuleren or empty.
    QQueue<bool> yesNo, okCancel;
    QQueue<Answer> yesNoCancel;
    QQueue<QString> texts, openPaths, savePaths;
    QQueue<int> saveTypes; // the type shown with each save path; none left: the first
    int cancelAtStep = -1; // a progress window is cancelled once it shows this many steps done
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
    bool askOkCancel(const QString& title, const QString& text) override {
        return take(okCancel, {"okcancel", title, text, {}});
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
    SaveChoice saveExportPath(const QStringList& types) override {
        const QString path = take(savePaths, {"saveExportPath", {}, types.join(";;"), {}});
        return {path, saveTypes.isEmpty() ? 0 : saveTypes.dequeue()};
    }
    // Records a "progress" question; cancels at once when it shows `cancelAtStep` steps done.
    std::unique_ptr<ProgressReport> showProgress(const QString& title, int steps,
                                                 std::function<void()> cancel) override {
        struct Scripted final : ProgressReport {
            ScriptedPrompts& prompts;
            std::function<void()> cancel;
            Scripted(ScriptedPrompts& p, std::function<void()> c)
                : prompts(p), cancel(std::move(c)) {}
            void show(int done, const QString&) override {
                if (done == prompts.cancelAtStep && cancel)
                    std::exchange(cancel, {})();
            }
        };
        asked.append({"progress", title, {}, QString::number(steps)});
        return std::make_unique<Scripted>(*this, std::move(cancel));
    }

private:
    template <typename T> T take(QQueue<T>& answers, Asked question) {
        asked.append(std::move(question));
        return answers.isEmpty() ? T() : answers.dequeue();
    }
};
