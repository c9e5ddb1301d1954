// The series of a game looked over in the background: each checked, then its photos read small.
#include "GameSurvey.h"

#include <QImageReader>
#include <atomic>
#include <mutex>
#include <thread>

struct GameSurvey::Shared {
    std::mutex mutex;
    GameSurvey* owner = nullptr; // none once the survey is gone
    std::atomic<bool> stopped{false};

    // Runs `deliver` on the owner's thread unless the survey has gone.
    template <typename F> void post(F deliver) {
        const std::lock_guard lock(mutex);
        if (owner)
            QMetaObject::invokeMethod(
                owner, [self = owner, deliver = std::move(deliver)] { deliver(self); },
                Qt::QueuedConnection);
    }
};

namespace {
QImage readSmall(const QString& path, QSize box) {
    if (path.isEmpty())
        return {};
    QImageReader reader(path);
    reader.setAutoTransform(true);
    const QSize size = reader.size();
    if (size.isValid())
        reader.setScaledSize(size.scaled(box, Qt::KeepAspectRatioByExpanding).boundedTo(size));
    return reader.read();
}
} // namespace

GameSurvey::GameSurvey(const QStringList& paths, QSize thumbnail, QObject* parent)
    : QObject(parent), m_shared(std::make_shared<Shared>()) {
    m_shared->owner = this;
    // Detached: a thread stuck in a read of a share that stopped answering is not waited for.
    std::thread([shared = m_shared, paths, thumbnail] {
        QList<GameCheck::Finding> findings;
        for (int row = 0; row < paths.size() && !shared->stopped; ++row) {
            findings << GameCheck::checkFile(paths[row]);
            shared->post([row, finding = findings.last()](GameSurvey* self) {
                emit self->checked(row, finding);
            });
        }
        if (shared->stopped)
            return;
        GameCheck::markSharedSubjects(findings);
        shared->post([findings](GameSurvey* self) { emit self->allChecked(findings); });
        for (int row = 0; row < findings.size() && !shared->stopped; ++row)
            for (int card = 1; card <= findings[row].photos.size() && !shared->stopped; ++card) {
                QImage photo = readSmall(findings[row].photos[card - 1], thumbnail);
                shared->post([row, card, photo = std::move(photo)](GameSurvey* self) {
                    emit self->photoRead(row, card, photo);
                });
            }
    }).detach();
}

GameSurvey::~GameSurvey() {
    m_shared->stopped = true;
    const std::lock_guard lock(m_shared->mutex);
    m_shared->owner = nullptr;
}
