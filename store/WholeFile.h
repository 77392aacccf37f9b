#pragma once

#include "Outcome.h"

#include <QByteArray>
#include <QString>

namespace orvella {

// Writes `content` to the file at `path` so that afterwards the file holds either all of it
// or, on any failure, exactly what it held before; a failure says why, with Qt's reason.
Outcome WriteWholeFile(const QString& path, const QByteArray& content);

} // namespace orvella
