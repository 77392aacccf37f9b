#include "WholeFile.h"

#include "RegularFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>
#include <unistd.h>

namespace orvella {

namespace {

// The translation context of this file's messages.
struct WholeFile {
    Q_DECLARE_TR_FUNCTIONS(orvella::WholeFile)
};

// Why the program will not write at the path, or nothing when it may: where nothing is, or a
// regular file. A link is named by what it leads to.
std::optional<Failure> refusedTarget(const QString& path)
{
    const FileKind kind = KindAt(path);
    const QString canonical = QFileInfo(path).canonicalFilePath();
    const QString shown = QDir::toNativeSeparators(canonical.isEmpty() ? path : canonical);
    switch (kind) {
    case FileKind::Missing:
    case FileKind::Regular:
    case FileKind::Unknown: // the save itself finds out and says why
        return std::nullopt;
    case FileKind::Folder:
        return Failure{WholeFile::tr("%1 is a folder, not a regular file.").arg(shown), {}};
    case FileKind::Device:
        return Failure{WholeFile::tr("%1 is a device, not a regular file.").arg(shown), {}};
    case FileKind::Fifo:
        return Failure{WholeFile::tr("%1 is a pipe (FIFO), not a regular file.").arg(shown), {}};
    case FileKind::Socket:
        return Failure{WholeFile::tr("%1 is a socket, not a regular file.").arg(shown), {}};
    }
    return std::nullopt;
}

// The system's reason for the call that just failed. Qt's own error string after a failed
// write often says "Unknown error"; errno, taken at once, names the cause.
QString systemReason(int error, const QFileDevice& file)
{
    return error != 0 ? qt_error_string(error) : file.errorString();
}

// Writes all of the content to the descriptor; the errno of the call that failed, or 0.
int writeAll(int fd, const QByteArray& content)
{
    qsizetype done = 0;
    while (done < content.size()) {
        const ssize_t written =
            ::write(fd, content.constData() + done, static_cast<size_t>(content.size() - done));
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        done += written;
    }
    return 0;
}

} // namespace

Outcome WriteWholeFile(const QString& path, const QByteArray& content)
{
    // QSaveFile renames its new file over whatever the path leads to: a device node would be
    // replaced by a regular file.
    if (const std::optional<Failure> refused = refusedTarget(path))
        return *refused;

    QSaveFile file(path);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly))
        return Failure::quoting(WholeFile::tr("The file could not be created: %1"),
                                systemReason(errno, file));
    // Written past Qt's buffer, so that a full disk or a size limit is told in the words of
    // the write that met it; then synced, since a commit after a failed flush would leave a
    // short file.
    int error = writeAll(file.handle(), content);
    if (error == 0 && ::fsync(file.handle()) != 0 && errno != EINVAL)
        error = errno;
    if (error != 0) {
        file.cancelWriting();
        return Failure::quoting(WholeFile::tr("The file could not be written: %1"),
                                qt_error_string(error));
    }
    // The target may have been swapped since the first check.
    BetweenCheckAndUse(path);
    if (const std::optional<Failure> refused = refusedTarget(path)) {
        file.cancelWriting();
        return *refused;
    }
    errno = 0;
    if (!file.commit())
        return Failure::quoting(WholeFile::tr("The file could not be saved: %1"),
                                systemReason(errno, file));
    return {};
}

} // namespace orvella
