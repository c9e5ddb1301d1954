// The folder the program lives in, and the files and folders it keeps beside itself.
#include "ProgramFolder.h"

#include <QDir>

ProgramFolder::ProgramFolder(QString path) : m_path(QDir::cleanPath(std::move(path))) {}

QString ProgramFolder::file(const QString& relative) const {
    return m_path + u'/' + relative;
}
QString ProgramFolder::settingsFile() const {
    return file(QStringLiteral("Mosaret.ini"));
}
QString ProgramFolder::helpPage() const {
    return file(QStringLiteral("help/help.htm"));
}
QString ProgramFolder::designsFolder() const {
    return file(QStringLiteral("kaarten"));
}
QString ProgramFolder::seriesFolder() const {
    return file(QStringLiteral("mosaretten"));
}
