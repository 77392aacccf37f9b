#pragma once

#include "BirthInput.h"
#include "Outcome.h"

#include <QString>
#include <optional>

namespace orvella {

// A report file keeps one person's entries: four lines (name, day, month name, year), each
// scrambled, in ISO 8859-1 with CR LF after every line.
struct ReportFileEntries {
    QString name;
    QString day;
    QString monthName;
    QString year;

    friend bool operator==(const ReportFileEntries&, const ReportFileEntries&) = default;
};

// The largest report file the reader accepts; the program writes a few dozen bytes.
inline constexpr qint64 MaxReportFileSize = 64 * 1024;

// Writes the four scrambled lines (ISO 8859-1 bytes, CR LF) atomically. A failure says why in
// words for the user; an existing file is left as it was. Entries the reader would refuse
// (incomplete, or a file beyond MaxReportFileSize) are not written, so every file written opens
// again. A link is kept: the file it points to is replaced.
Outcome WriteReportFile(const QString& path, const BirthInput& birth);

// Reads and validates a report file; std::nullopt for anything the program never writes:
// unreadable, > 64 KiB, fewer than four lines, or values that are not valid entries (a name
// under the name rule of engine/BirthInputRules.h, taken in capitals; day/month/year that are
// entries of the lists in engine/BirthDateLists.h). A fifth line and beyond are ignored.
std::optional<ReportFileEntries> ReadReportFile(const QString& path);

// The suffix rule of the Open action: the last three characters are exactly "lyr".
bool HasReportFileSuffix(const QString& path);

} // namespace orvella
