#pragma once

#include <QByteArray>
#include <QString>

namespace orvella {

// Writes `content` to the file at `path` so that afterwards the file holds either all of it
// or, on any failure, exactly what it held before. On failure `errorText` (if given) says why.
bool WriteWholeFile(const QString& path, const QByteArray& content, QString* errorText);

} // namespace orvella
