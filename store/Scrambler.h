#pragma once

#include <QString>

namespace orvella {

// Stored settings and report-file lines are never kept readable: every character is shifted
// by a fixed offset within ISO 8859-1 (Latin-1), whose codes 0-255 are the first 256 Unicode
// code points. With the largest offset allowed, printable ASCII (32-126) lands on printable
// Latin-1 (161-255). A character whose shifted code falls outside 0-255 is dropped.
inline constexpr int ScrambleOffset = 129;

QString ScrambleText(QStringView text);
QString UnscrambleText(QStringView text);

} // namespace orvella
