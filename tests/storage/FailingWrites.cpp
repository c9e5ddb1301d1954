// Makes writing into a folder fail for as long as it lives, also when the tests run as root.
#include "FailingWrites.h"

#include <QFile>
#include <csignal>

FailingWrites::FailingWrites(Way way, const QString& folder) : m_way(way), m_folder(folder) {
    if (m_way == Way::ReadOnlyFolder) {
        QFile::setPermissions(m_folder, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup |
                                            QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther);
        QFile probe(m_folder + QStringLiteral("/probe"));
        if (probe.open(QIODevice::WriteOnly)) {
            probe.remove();
            m_unavailable =
                QStringLiteral("permission bits do not stop this user (root) from writing");
        }
        return;
    }
    // Past the limit a write fails with EFBIG instead of raising SIGXFSZ, which is ignored here.
    m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    getrlimit(RLIMIT_FSIZE, &m_oldLimit);
    rlimit limit = m_oldLimit;
    limit.rlim_cur = 8;
    if (setrlimit(RLIMIT_FSIZE, &limit) != 0)
        m_unavailable = QStringLiteral("the file size limit cannot be set");
}

FailingWrites::~FailingWrites() {
    if (m_way == Way::ReadOnlyFolder) {
        QFile::setPermissions(m_folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        return;
    }
    setrlimit(RLIMIT_FSIZE, &m_oldLimit);
    std::signal(SIGXFSZ, m_oldHandler);
}
