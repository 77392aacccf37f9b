#pragma once

#include "Outcome.h"

#include <QByteArray>
#include <QString>

namespace orvella {

// Writes `content` to the file at `path` so that afterwards the file holds either all of it
// or, on any failure, exactly what it held before; a failure says why, in the system's words.
// Only a regular file is replaced, or one made where there is none: a link is kept and the
// file it leads to replaced, and a target that is (or leads to) a device, a pipe, a socket or
// a folder is refused, checked again just before the new file takes its place.
Outcome WriteWholeFile(const QString& path, const QByteArray& content);

} // namespace orvella
