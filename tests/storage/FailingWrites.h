// Makes writing into a folder fail for as long as it lives, also when the tests run as root.
#pragma once

#include <QString>
#include <sys/resource.h>

class FailingWrites final {
public:
    enum class Way {
        ReadOnlyFolder, // permission bits; root ignores them, so this way may be unavailable
        FileSizeLimit,  // a file size limit on this process: every write past a few bytes fails
    };

    FailingWrites(Way way, const QString& folder);
    ~FailingWrites();
    FailingWrites(const FailingWrites&) = delete;
    FailingWrites& operator=(const FailingWrites&) = delete;

    // Empty when writes now fail; otherwise why this machine cannot make them fail this way.
    QString unavailable() const { return m_unavailable; }

private:
    Way m_way;
    QString m_folder;
    QString m_unavailable;
    rlimit m_oldLimit{};
    void (*m_oldHandler)(int) = nullptr;
};
