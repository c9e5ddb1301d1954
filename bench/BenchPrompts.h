// Prompts for the benchmarks: photo paths and a save path handed out in turn, every other question
// answered no.
#pragma once

#include "UserPrompts.h"

#include <QStringList>

class BenchPrompts final : public UserPrompts {
public:
    void answerOpenPicture(const QStringList& paths) { m_paths += paths; }
    // The next save dialog chooses `path` with the type at `type` shown.
    void answerSave(const QString& path, int type) { m_save = {path, type}; }
    // Messages shown so far; a benchmark that sees one has failed.
    const QStringList& messages() const { return m_messages; }

    bool askYesNo(const QString&, const QString&) override { return false; }
    Answer askYesNoCancel(const QString&, const QString&) override { return Answer::No; }
    bool askOkCancel(const QString&, const QString&) override { return false; }
    QString askText(const QString&, const QString&, const QString&) override { return {}; }
    void inform(const QString&, const QString& text) override { m_messages << text; }
    void warn(const QString&, const QString& text) override { m_messages << text; }
    QString openPicture(const QString&) override {
        return m_paths.isEmpty() ? QString() : m_paths.takeFirst();
    }
    SaveChoice saveExportPath(const QStringList&) override { return std::exchange(m_save, {}); }
    std::unique_ptr<ProgressReport> showProgress(const QString&, int,
                                                 std::function<void()>) override {
        struct Silent final : ProgressReport {
            void show(int, const QString&) override {}
        };
        return std::make_unique<Silent>();
    }

private:
    QStringList m_paths;
    SaveChoice m_save;
    QStringList m_messages;
};
