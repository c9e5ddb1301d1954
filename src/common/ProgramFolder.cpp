// Where the program finds its help page and card designs and keeps its settings, series and
// recovery copies.
#include "ProgramFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {
const QString kName = QStringLiteral("mosaret-designer");

bool holdsProgramFiles(const QString& folder) {
    return QFileInfo(folder + QStringLiteral("/help")).isDir() ||
           QFileInfo(folder + QStringLiteral("/kaarten")).isDir();
}

// The installed data folder: <prefix>/share/mosaret-designer beside <prefix>/bin, or one on the
// data paths of the XDG settings.
QString installedData(const QString& programPath) {
    const QString beside = QDir::cleanPath(programPath + QStringLiteral("/../share/") + kName);
    if (QFileInfo(beside).isDir())
        return beside;
    const QString found = QStandardPaths::locate(QStandardPaths::GenericDataLocation, kName,
                                                 QStandardPaths::LocateDirectory);
    return found.isEmpty() ? beside : found;
}

// $XDG_STATE_HOME, or ~/.local/state when it is unset or not an absolute path.
QString stateHome() {
    const QString set = qEnvironmentVariable("XDG_STATE_HOME");
    return QDir::isAbsolutePath(set) ? set : QDir::homePath() + QStringLiteral("/.local/state");
}
} // namespace

ProgramFolder::ProgramFolder(QString path) {
    const QString folder = QDir::cleanPath(std::move(path));
    m_data = folder;
    m_config = folder;
    m_series = folder + QStringLiteral("/mosaretten");
    m_state = folder;
}

ProgramFolder ProgramFolder::forProgram(const QString& programPath) {
    const QString program = QDir::cleanPath(programPath);
    const bool ownFiles = holdsProgramFiles(program);
    if (ownFiles && QFileInfo(program).isWritable())
        return ProgramFolder(program);
    ProgramFolder folders;
    folders.m_besideProgram = false;
    folders.m_data = ownFiles ? program : installedData(program);
    folders.m_config =
        QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + u'/' + kName;
    folders.m_series = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) +
                       QStringLiteral("/Mosaretten");
    folders.m_state = stateHome() + u'/' + kName;
    return folders;
}

QString ProgramFolder::settingsFile() const {
    return m_config + QStringLiteral("/Mosaret.ini");
}
QString ProgramFolder::helpPage() const {
    const QString own = m_data + QStringLiteral("/help/") + m_helpFile;
    return !m_helpFile.isEmpty() && QFileInfo(own).isFile()
               ? own
               : m_data + QStringLiteral("/help/help.htm");
}
QString ProgramFolder::designsFolder() const {
    return m_data + QStringLiteral("/kaarten");
}
