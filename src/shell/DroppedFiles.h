// What a drag over the window carries, as the window takes it: picture files for the cards, one
// series file, or anything else, which it refuses.
#pragma once

#include <QStringList>

class QMimeData;

class DroppedFiles final {
public:
    enum class Kind {
        Refused,  // no files, a folder, a file of another kind, a link that is no local file
        Pictures, // one or more picture files of the kinds the open dialog offers
        Series,   // one series file, "*.msr" in any letter case
    };

    // Looks only at the names and whether they are folders (asked away from the window's thread,
    // given up after a moment); the files themselves are read when they are placed or loaded,
    // with the same checks as a file picked in a dialog.
    static DroppedFiles of(const QMimeData* data);

    Kind kind() const { return m_kind; }
    // The files in the order of the drop.
    const QStringList& paths() const { return m_paths; }

private:
    Kind m_kind = Kind::Refused;
    QStringList m_paths;
};
