// The folder of numbered design pictures beside the program: how many there are and where each
// lies.
#pragma once

#include <QString>
#include <QStringList>

class DesignsFolder final {
public:
    // Lists `path` once; pictures added later are seen by the next DesignsFolder.
    explicit DesignsFolder(QString path);

    // False when the folder is missing or cannot be listed.
    bool readable() const { return m_readable; }
    // The number of JPEG files (".jpg" in any letter case) in the folder.
    int count() const { return m_jpegs.size(); }
    // The highest selector position worth offering: the count, but at least 1 (fronts only) and
    // 1 when the folder cannot be read.
    int selectorMaximum() const;
    // The path of design picture `n`, kaart<n>.jpg; a file that differs only in letter case is
    // found too.
    QString picturePath(int n) const;

private:
    QString m_path;
    QStringList m_jpegs;
    bool m_readable = false;
};
