#include "WholeFile.h"

#include <QCoreApplication>
#include <QSaveFile>

namespace orvella {

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("orvella::WholeFile", text);
}

} // namespace

bool WriteWholeFile(const QString& path, const QByteArray& content, QString* errorText)
{
    const auto fail = [errorText](const QString& reason) {
        if (errorText)
            *errorText = reason;
        return false;
    };
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return fail(tr("The file could not be created: %1").arg(file.errorString()));
    // commit() can report success after a failed final flush (a full disk, a size limit):
    // flush first and give up on any failure, so that an existing file stays.
    if (file.write(content) != content.size() || !file.flush()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return fail(tr("The file could not be written: %1").arg(reason));
    }
    if (!file.commit())
        return fail(tr("The file could not be saved: %1").arg(file.errorString()));
    return true;
}

} // namespace orvella
