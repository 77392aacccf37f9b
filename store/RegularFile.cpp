#include "RegularFile.h"

#include <QFile>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace orvella {

namespace {

// Program-wide like the file system it stands for; empty outside tests.
std::function<void(const QString&)>& betweenCheckAndUse()
{
    static std::function<void(const QString&)> action;
    return action;
}

FileKind kindOf(mode_t mode)
{
    if (S_ISREG(mode))
        return FileKind::Regular;
    if (S_ISDIR(mode))
        return FileKind::Folder;
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return FileKind::Device;
    if (S_ISFIFO(mode))
        return FileKind::Fifo;
    if (S_ISSOCK(mode))
        return FileKind::Socket;
    return FileKind::Unknown;
}

} // namespace

FileKind KindAt(const QString& path)
{
    struct stat info {};
    if (path.isEmpty())
        return FileKind::Missing;
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return errno == ENOENT || errno == ENOTDIR ? FileKind::Missing : FileKind::Unknown;
    return kindOf(info.st_mode);
}

bool OpenRegularFile(QFile& file, const QString& path)
{
    if (KindAt(path) != FileKind::Regular)
        return false;
    BetweenCheckAndUse(path);
    // O_NONBLOCK: a pipe swapped in since the check opens at once instead of waiting for a
    // writer; O_NOCTTY: a terminal never becomes the program's.
    const int fd =
        ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) ||
        !file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return false;
    }
    return true;
}

void BetweenCheckAndUse(const QString& path)
{
    if (betweenCheckAndUse())
        betweenCheckAndUse()(path);
}

namespace testing {

void SetBetweenCheckAndUse(std::function<void(const QString& path)> action)
{
    betweenCheckAndUse() = std::move(action);
}

} // namespace testing

} // namespace orvella
