// Any bytes as the settings file: reading it and the update reminder's date from it never
// crashes, hangs or leaks; a date read is one the program can store and read back.
#include "FuzzCheck.h"
#include "SettingsStore.h"

#include <QFile>

using namespace orvella;
using namespace orvella::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // A new name for every input: QSettings keeps parsed files in a cache of its own.
    static quint64 count = 0;
    const QString fileName = workFolder().filePath(QStringLiteral("orvella-%1.conf").arg(++count));
    {
        QFile file(fileName);
        FUZZ_CHECK(file.open(QIODevice::WriteOnly));
        const auto length = static_cast<qint64>(size);
        FUZZ_CHECK(file.write(reinterpret_cast<const char*>(data), length) == length);
    }

    SettingsStore settings(fileName);
    const QDate date = ReadReminderDate(settings);
    // The program stores today's date; a date in the years ISO 8601 writes with four digits
    // must come back as it was stored.
    if (date.isValid() && date.year() >= 1 && date.year() <= 9999) {
        WriteReminderDate(settings, date);
        FUZZ_CHECK(ReadReminderDate(settings) == date);
    }
    QFile::remove(fileName);
    return 0;
}
