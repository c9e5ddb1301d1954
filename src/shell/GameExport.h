// The whole game written from the window: a progress window with a cancel button while the PDF is
// written, then one message that says what was written and what was skipped.
#pragma once

#include "GameWriter.h"
#include "UserPrompts.h"

#include <QObject>
#include <memory>

class GameExport final : public QObject {
    Q_OBJECT
public:
    // Writes `request` in the background and deletes itself once the user has read the account.
    // The series in the window is not touched.
    GameExport(GameRequest request, UserPrompts& prompts, QObject* parent = nullptr);

    void start();

private:
    void report(const GameReport& report);

    GameWriter m_writer;
    UserPrompts& m_prompts;
    std::unique_ptr<ProgressReport> m_progress;
};
