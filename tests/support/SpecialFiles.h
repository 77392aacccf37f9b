#pragma once

#include <QCryptographicHash>
#include <QFile>
#include <QString>
#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <functional>
#include <future>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

// Files that are not what they seem, and the means to catch a program that waits on them.
namespace orvella::testing {

inline QString systemReason()
{
    return QString::fromLocal8Bit(std::strerror(errno));
}

// Makes a character device node of the test's own at the path, with the numbers of /dev/null.
// Empty when it was made; else why not (only root may, and not in every container).
inline QString makeDeviceNode(const QString& path)
{
    if (::mknod(QFile::encodeName(path).constData(), S_IFCHR | 0600, ::makedev(1, 3)) == 0)
        return {};
    return QStringLiteral("No device node can be made here (mknod: %1).").arg(systemReason());
}

// What stands at the path, link or not, and what it leads to, with a regular file's content:
// equal before and after when nothing was changed there.
inline QString describe(const QString& path)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat link {};
    struct stat target {};
    if (::lstat(name.constData(), &link) != 0)
        return QStringLiteral("nothing");
    QString text = QStringLiteral("mode %1").arg(link.st_mode, 0, 8);
    if (::stat(name.constData(), &target) == 0) {
        text += QStringLiteral(", leads to mode %1, device %2:%3, size %4")
                    .arg(target.st_mode, 0, 8)
                    .arg(::major(target.st_rdev))
                    .arg(::minor(target.st_rdev))
                    .arg(target.st_size);
        if (S_ISREG(target.st_mode)) {
            QFile file(path);
            if (file.open(QIODevice::ReadOnly))
                text += u' ' + QString::fromLatin1(QCryptographicHash::hash(
                                                       file.readAll(), QCryptographicHash::Sha256)
                                                       .toHex());
        }
    }
    return text;
}

// Runs the action on a thread of its own and waits for it at most the given time. An action
// stuck opening the pipe at `fifo` (waiting for a writer that never comes) is then released by
// a writer that opens and closes it, so that the test fails instead of hanging. Whatever runs
// under OrdinaryUser must set it up inside the action: the file-system user is per thread.
inline bool finishesWithin(std::chrono::seconds limit, const std::function<void()>& action,
                           const QString& fifo)
{
    std::future<void> done = std::async(std::launch::async, action);
    if (done.wait_for(limit) == std::future_status::ready) {
        done.get();
        return true;
    }
    const QByteArray name = QFile::encodeName(fifo);
    while (done.wait_for(std::chrono::milliseconds(10)) != std::future_status::ready) {
        const int fd = ::open(name.constData(), O_WRONLY | O_NONBLOCK);
        if (fd >= 0)
            ::close(fd);
    }
    return false;
}

// A small file system of the test's own at an empty folder, while this lives: a tmpfs of the
// given options ("size=64k", "ro"). Mounting needs root and a system that allows it.
class SmallTmpfs {
public:
    SmallTmpfs(const QString& folder, const char* options)
        : m_folder(QFile::encodeName(folder))
    {
        if (::mount("tmpfs", m_folder.constData(), "tmpfs", 0, options) == 0)
            m_mounted = true;
        else
            m_refusal =
                QStringLiteral("No tmpfs can be mounted here (mount: %1).").arg(systemReason());
    }
    ~SmallTmpfs()
    {
        if (m_mounted)
            ::umount2(m_folder.constData(), MNT_DETACH);
    }
    SmallTmpfs(const SmallTmpfs&) = delete;
    SmallTmpfs& operator=(const SmallTmpfs&) = delete;

    // Empty when mounted; else why not.
    QString refusal() const { return m_refusal; }

    // Fills it up with a file "filler", all but the given room, so that a write finds no more.
    bool fill(qint64 room = 0) const
    {
        QFile filler(QFile::decodeName(m_folder) + QStringLiteral("/filler"));
        if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
            return false;
        const QByteArray block(4096, 'x');
        while (filler.write(block) == block.size()) {
        }
        // Whatever room is left, byte by byte.
        while (filler.write("x", 1) == 1) {
        }
        // Pages freed again at the end, for the room asked for.
        return room == 0 || filler.resize(std::max<qint64>(0, filler.size() - room));
    }

private:
    QByteArray m_folder;
    QString m_refusal;
    bool m_mounted = false;
};

} // namespace orvella::testing
