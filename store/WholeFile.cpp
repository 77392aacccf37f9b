#include "WholeFile.h"

#include <QCoreApplication>
#include <QSaveFile>

namespace orvella {

namespace {

// The translation context of this file's messages.
struct WholeFile {
    Q_DECLARE_TR_FUNCTIONS(orvella::WholeFile)
};

} // namespace

Outcome WriteWholeFile(const QString& path, const QByteArray& content)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return Failure::quoting(WholeFile::tr("The file could not be created: %1"),
                                file.errorString());
    // commit() can report success after a failed final flush (a full disk, a size limit):
    // flush first and give up on any failure, so that an existing file stays.
    if (file.write(content) != content.size() || !file.flush()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return Failure::quoting(WholeFile::tr("The file could not be written: %1"), reason);
    }
    if (!file.commit())
        return Failure::quoting(WholeFile::tr("The file could not be saved: %1"),
                                file.errorString());
    return {};
}

} // namespace orvella
