// The series of a game looked over in the background: each checked, then its photos read small.
#include "GameSurvey.h"

#include "ExifOrientation.h"
#include "PictureReader.h"

#include <QFile>
#include <QFileInfo>
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
// The part of the photo the cards show, decoded as small as the program's reader allows (a JPEG
// at a fraction of its size), then shrunk to the thumbnail.
QImage readSmall(const QString& path, QSize box) {
    QFile file(path);
    if (path.isEmpty() || !QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        return {};
    const Result<DecodedPicture> read = PictureReader::read(file, path);
    if (!read)
        return {};
    const QImage upright = ExifOrientation::upright(read->storedPart(), read->orientation);
    return upright.scaled(box, Qt::KeepAspectRatioByExpanding, Qt::SmoothTransformation);
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
