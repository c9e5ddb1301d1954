// Keeps a copy of the series in the state folder while it has unsaved changes, so that a crash,
// a killed program or a power cut loses at most the last two seconds of work.
#include "RecoveryKeeper.h"

#include "ProgramLog.h"
#include "SeriesModel.h"

RecoveryKeeper::RecoveryKeeper(const QString& stateFolder, SeriesModel& model,
                               std::function<void(const QString&)> setInfo, QObject* parent)
    : QObject(parent), m_folder(stateFolder), m_model(model), m_setInfo(std::move(setInfo)) {
    m_timer.setSingleShot(true);
    m_timer.setInterval(1000);
    connect(&m_timer, &QTimer::timeout, this, &RecoveryKeeper::writeCopy);
    connect(&model, &SeriesModel::edited, this, &RecoveryKeeper::changed);
    connect(&model, &SeriesModel::unsavedChangesChanged, this, [this](bool unsaved) {
        if (!unsaved)
            finish();
    });
}

void RecoveryKeeper::changed() {
    if (!m_timer.isActive())
        m_timer.start();
}

void RecoveryKeeper::writeCopy() {
    if (!m_model.hasUnsavedChanges())
        return;
    const Status written = m_folder.write(m_model.toSeries(), m_model.seriesName());
    if (written) {
        m_failureShown = false;
        return;
    }
    qCWarning(programLog).noquote() << written.error();
    if (!std::exchange(m_failureShown, true) && m_setInfo)
        m_setInfo(tr("Let op: er kan geen reservekopie van de serie worden bewaard."));
}

void RecoveryKeeper::finish() {
    m_timer.stop();
    m_folder.remove();
}
