// The folder of numbered design pictures beside the program: how many there are and where each
// lies.
#include "DesignsFolder.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>

DesignsFolder::DesignsFolder(QString path) : m_path(std::move(path)) {
    const QFileInfo info(m_path);
    m_readable = info.isDir() && info.isReadable() && info.isExecutable();
    if (!m_readable)
        return;
    // Without QDir::CaseSensitive the name filter ignores letter case, so KAART2.JPG counts too,
    // as it does on the systems where the designs are usually prepared.
    QDir dir(m_path);
    dir.setNameFilters({QStringLiteral("*.jpg")});
    dir.setFilter(QDir::Files | QDir::Hidden);
    m_jpegs = dir.entryList();
}

int DesignsFolder::selectorMaximum() const {
    return m_readable ? std::max(1, count()) : 1;
}

QString DesignsFolder::picturePath(int n) const {
    const QString name = QStringLiteral("kaart%1.jpg").arg(n);
    if (m_jpegs.contains(name))
        return m_path + u'/' + name;
    const auto other = std::find_if(m_jpegs.cbegin(), m_jpegs.cend(), [&](const QString& file) {
        return file.compare(name, Qt::CaseInsensitive) == 0;
    });
    return m_path + u'/' + (other != m_jpegs.cend() ? *other : name);
}
