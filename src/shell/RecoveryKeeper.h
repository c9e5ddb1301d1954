// Keeps a copy of the series in the state folder while it has unsaved changes, so that a crash,
// a killed program or a power cut loses at most the last two seconds of work.
#pragma once

#include "RecoveryFolder.h"

#include <QObject>
#include <QTimer>
#include <functional>

class SeriesModel;

class RecoveryKeeper final : public QObject {
    Q_OBJECT
public:
    // Copies are written one second after the first change since the last copy (so never more
    // than two seconds after a change and never more often than once a second), and removed once
    // the series has no unsaved changes. A copy that cannot be written is logged, and said through
    // `setInfo` once until a copy is written again.
    RecoveryKeeper(const QString& stateFolder, SeriesModel& model,
                   std::function<void(const QString&)> setInfo, QObject* parent = nullptr);

    // Offers the copies left behind by programs that stopped without tidying up (see
    // RecoveryFolder::takeBack); the one taken back becomes this program's own copy.
    RecoveryFolder::TakenBack takeBack(const std::function<bool(const RecoveredSeries&)>& wanted) {
        return m_folder.takeBack(wanted);
    }
    // The program ends cleanly: its copy is no longer needed.
    void finish();

    // The wait between the first change and the copy, in milliseconds (tests make it shorter).
    void setDelay(int milliseconds) { m_timer.setInterval(milliseconds); }

private:
    void changed();
    void writeCopy();

    RecoveryFolder m_folder;
    SeriesModel& m_model;
    std::function<void(const QString&)> m_setInfo;
    QTimer m_timer;
    bool m_failureShown = false;
};
