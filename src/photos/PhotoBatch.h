// Prepares picture files on the thread pool and hands the results over on the owner's thread.
#pragma once

#include "PreparedPhoto.h"
#include "Result.h"

#include <QFutureWatcher>
#include <QObject>
#include <QStringList>
#include <functional>
#include <vector>

class PhotoBatch final : public QObject {
    Q_OBJECT
public:
    // One result per path, in order: the prepared picture, PhotoPreparer::emptyPhoto() for an
    // empty path, or a Dutch error naming a file that is missing or not a readable picture.
    using Results = std::vector<Result<PreparedPhoto>>;

    explicit PhotoBatch(QObject* parent = nullptr);

    // Starts preparing `paths` unless a batch is already running (then it returns false). `done`
    // runs on this object's thread once every picture is ready, from the event loop; nothing
    // waits for it meanwhile. A batch still running when this object ends is dropped.
    bool start(const QStringList& paths, std::function<void(Results)> done);
    bool isRunning() const { return m_running; }

signals:
    // Emitted after the finished batch's `done` has run.
    void finished();

private:
    void handOver();

    QFutureWatcher<Results> m_watcher;
    std::function<void(Results)> m_done;
    bool m_running = false;
};
