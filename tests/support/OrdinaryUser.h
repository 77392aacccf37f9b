#pragma once

#include <QDirIterator>
#include <QFile>
#include <QString>
#include <sys/fsuid.h>
#include <unistd.h>

namespace orvella::testing {

// While it lives, this thread meets file permissions as an ordinary user does, also when the
// tests run as root, who reads and writes everything: root's files are then handled as user
// 65534 ("nobody"), to whom the given folder and everything in it are handed first, so that
// only the permissions a test takes away stand in the way. Linux drops root's power to override
// permissions while the file-system user is not root.
class OrdinaryUser {
public:
    explicit OrdinaryUser(const QString& folder)
    {
        if (::geteuid() != 0)
            return;
        constexpr uid_t Nobody = 65534;
        handOver(folder, Nobody);
        QDirIterator it(folder,
                        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                        QDirIterator::Subdirectories);
        while (it.hasNext())
            handOver(it.next(), Nobody);
        m_previous = ::setfsuid(Nobody);
        m_active = true;
    }
    ~OrdinaryUser()
    {
        if (m_active)
            ::setfsuid(static_cast<uid_t>(m_previous));
    }
    OrdinaryUser(const OrdinaryUser&) = delete;
    OrdinaryUser& operator=(const OrdinaryUser&) = delete;

private:
    static void handOver(const QString& path, uid_t user)
    {
        [[maybe_unused]] const int result =
            ::lchown(QFile::encodeName(path).constData(), user, static_cast<gid_t>(-1));
    }

    int m_previous = 0;
    bool m_active = false;
};

} // namespace orvella::testing
