// Prompts for the benchmarks: photo paths handed out in turn, every other question answered no.
#pragma once

#include "UserPrompts.h"

#include <QStringList>

class BenchPrompts final : public UserPrompts {
public:
    void answerOpenPicture(const QStringList& paths) { m_paths += paths; }
    // Messages shown so far; a benchmark that sees one has failed.
    const QStringList& messages() const { return m_messages; }

    bool askYesNo(const QString&, const QString&) override { return false; }
    bool askOkCancel(const QString&, const QString&) override { return false; }
    QString askText(const QString&, const QString&, const QString&) override { return {}; }
    void inform(const QString&, const QString& text) override { m_messages << text; }
    void warn(const QString&, const QString& text) override { m_messages << text; }
    QString openPicture(const QString&) override {
        return m_paths.isEmpty() ? QString() : m_paths.takeFirst();
    }
    SaveChoice saveExportPath(const QStringList&) override { return {}; }
    std::unique_ptr<ProgressReport> showProgress(const QString&, int,
                                                 std::function<void()>) override {
        struct Silent final : ProgressReport {
            void show(int, const QString&) override {}
        };
        return std::make_unique<Silent>();
    }

private:
    QStringList m_paths;
    QStringList m_messages;
};
