// Any bytes as a report file: the reader never crashes, hangs or leaks; a file it accepts
// holds valid entries, and those entries written again read back the same.
#include "BirthDateLists.h"
#include "BirthInputRules.h"
#include "FuzzCheck.h"
#include "ReportFile.h"

#include <QFile>

using namespace orvella;
using namespace orvella::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString in = workFolder().filePath(QStringLiteral("in.lyr"));
    const QString out = workFolder().filePath(QStringLiteral("out.lyr"));
    {
        QFile file(in);
        FUZZ_CHECK(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        const auto length = static_cast<qint64>(size);
        FUZZ_CHECK(file.write(reinterpret_cast<const char*>(data), length) == length);
    }

    const std::optional<ReportFileEntries> entries = ReadReportFile(in);
    if (!entries)
        return 0;

    FUZZ_CHECK(size <= static_cast<size_t>(MaxReportFileSize));
    FUZZ_CHECK(nameUnderRule(entries->name) == entries->name);
    FUZZ_CHECK(!entries->name.trimmed().isEmpty());
    FUZZ_CHECK(dayEntries().contains(entries->day));
    FUZZ_CHECK(monthEntries().contains(entries->monthName));
    FUZZ_CHECK(yearEntries().contains(entries->year));

    BirthInput birth;
    birth.name = entries->name;
    birth.day = static_cast<std::int16_t>(entries->day.toInt());
    birth.monthName = entries->monthName;
    birth.year = static_cast<std::int16_t>(entries->year.toInt());
    // The four lines as the writer ends them, each with CR LF. A file within the bound whose
    // last line lacks the CR LF can be two bytes short of a file the writer would refuse.
    const qint64 written = entries->name.size() + entries->day.size() + entries->monthName.size() +
                           entries->year.size() + 4 * 2;
    const Outcome saved = WriteReportFile(out, birth);
    FUZZ_CHECK(saved.succeeded() == (written <= MaxReportFileSize));
    if (saved)
        FUZZ_CHECK(ReadReportFile(out) == entries);
    else
        FUZZ_CHECK(!saved.message().isEmpty());
    return 0;
}
