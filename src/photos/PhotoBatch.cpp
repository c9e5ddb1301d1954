// Prepares picture files on the thread pool and hands the results over on the owner's thread.
#include "PhotoBatch.h"

#include "PhotoPreparer.h"

PhotoBatch::PhotoBatch(QObject* parent) : QObject(parent) {
    connect(&m_watcher, &QFutureWatcher<Results>::finished, this, &PhotoBatch::handOver);
}

bool PhotoBatch::start(const QStringList& paths, std::function<void(Results)> done) {
    if (m_running)
        return false;
    m_running = true;
    m_done = std::move(done);
    m_watcher.setFuture(PhotoPreparer::prepareAll(paths));
    return true;
}

void PhotoBatch::handOver() {
    // The watcher may report a finished future more than once (when it finished before the
    // watcher was given it); only the first report of a running batch counts.
    if (!m_running || m_watcher.future().resultCount() == 0)
        return;
    Results results = m_watcher.future().result();
    const std::function<void(Results)> done = std::exchange(m_done, {});
    m_running = false;
    if (done)
        done(std::move(results));
    emit finished();
}
