// One photo looked up and read on PhotoThreads, handed over on the owner's thread or given up
// when its file stops giving data.
#include "PhotoRead.h"

#include "PhotoPreparer.h"
#include "PhotoThreads.h"

#include <QMutex>
#include <atomic>

// What the reading thread and the owner share; the owner may end before the read does.
struct PhotoRead::Shared {
    std::atomic<qint64> bytesRead{0};
    QMutex mutex;
    PhotoRead* owner = nullptr; // cleared, under the mutex, when the owner ends
};

void PhotoRead::start(std::function<QString()> lookUp, std::chrono::milliseconds stall,
                      QObject* parent, std::function<void(const Outcome&)> done) {
    auto* read = new PhotoRead(stall, parent, std::move(done));
    PhotoThreads::pool().start([shared = read->m_shared, lookUp = std::move(lookUp)] {
        const QString path = lookUp();
        Outcome outcome{path,
                        path.isEmpty() ? Result<PreparedPhoto>(PhotoPreparer::emptyPhoto())
                                       : PhotoPreparer::fromFile(path, &shared->bytesRead),
                        false};
        const QMutexLocker lock(&shared->mutex);
        if (PhotoRead* owner = shared->owner)
            QMetaObject::invokeMethod(
                owner, [owner, outcome] { owner->finish(outcome); }, Qt::QueuedConnection);
    });
}

PhotoRead::PhotoRead(std::chrono::milliseconds stall, QObject* parent,
                     std::function<void(const Outcome&)> done)
    : QObject(parent), m_shared(std::make_shared<Shared>()), m_done(std::move(done)),
      m_stall(stall) {
    m_shared->owner = this;
    // Looked at a few times per stall time, so a read is given up soon after data stops.
    m_watch.setInterval(std::max(m_stall / 4, std::chrono::milliseconds(1)));
    connect(&m_watch, &QTimer::timeout, this, &PhotoRead::watch);
    m_watch.start();
    m_sinceData.start();
}

PhotoRead::~PhotoRead() {
    const QMutexLocker lock(&m_shared->mutex);
    m_shared->owner = nullptr;
}

void PhotoRead::watch() {
    const qint64 count = m_shared->bytesRead;
    if (count != m_lastCount) {
        m_lastCount = count;
        m_sinceData.restart();
        return;
    }
    if (m_sinceData.elapsed() < m_stall.count())
        return;
    finish(Outcome{QString(), Error{QString()}, true}); // the caller says which file
}

void PhotoRead::finish(const Outcome& outcome) {
    if (!m_done)
        return;
    m_watch.stop();
    {
        const QMutexLocker lock(&m_shared->mutex);
        m_shared->owner = nullptr; // a late result is dropped
    }
    const std::function<void(const Outcome&)> done = std::exchange(m_done, {});
    deleteLater();
    done(outcome);
}
