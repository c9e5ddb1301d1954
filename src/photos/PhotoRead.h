// One photo looked up and read on PhotoThreads, handed over on the owner's thread or given up
// when its file stops giving data.
#pragma once

#include "PreparedPhoto.h"
#include "Result.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <chrono>
#include <functional>
#include <memory>

class PhotoRead final : public QObject {
    Q_OBJECT
public:
    struct Outcome {
        QString path;                // the file that was read; empty when the look-up found none
        Result<PreparedPhoto> photo; // the photo, or why not; emptyPhoto() for an empty path
        bool stalled = false;        // given up: no data came for the stall time
    };

    // Runs `lookUp` (the file to read, from a path that may lie on a slow share) and the read
    // away from the calling thread. `done` runs once on `parent`'s thread, from its event loop:
    // with the outcome, or with a stalled one once `stall` has passed without data. The read
    // deletes itself afterwards; one deleted before (with its parent) drops its result, and a
    // read stuck in the file system is left behind without anyone waiting for it.
    static void start(std::function<QString()> lookUp, std::chrono::milliseconds stall,
                      QObject* parent, std::function<void(const Outcome&)> done);
    ~PhotoRead() override;

private:
    struct Shared;
    PhotoRead(std::chrono::milliseconds stall, QObject* parent,
              std::function<void(const Outcome&)> done);
    void finish(const Outcome& outcome);
    void watch();

    std::shared_ptr<Shared> m_shared;
    std::function<void(const Outcome&)> m_done;
    std::chrono::milliseconds m_stall;
    QTimer m_watch;
    QElapsedTimer m_sinceData;
    qint64 m_lastCount = 0;
};
