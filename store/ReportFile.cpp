#include "ReportFile.h"

#include "BirthDateLists.h"
#include "BirthInputRules.h"
#include "RegularFile.h"
#include "Scrambler.h"
#include "WholeFile.h"

#include <QCoreApplication>
#include <QFile>

namespace orvella {

namespace {

constexpr QByteArrayView LineEnd{"\r\n"};
constexpr int EntryLines = 4;

// The translation context of this file's messages.
struct ReportFile {
    Q_DECLARE_TR_FUNCTIONS(orvella::ReportFile)
};

// The entries as the reader takes them, or nothing when they are not entries the input
// window could hold and Proceed accept. The name is taken under the name box's rule, so in
// capitals; a name of blanks alone is no name, so the program never saves one.
std::optional<ReportFileEntries> validEntries(ReportFileEntries entries)
{
    const std::optional<QString> name = nameUnderRule(entries.name);
    if (!name || name->trimmed().isEmpty() || !dayEntries().contains(entries.day) ||
        !monthEntries().contains(entries.monthName) || !yearEntries().contains(entries.year))
        return std::nullopt;
    entries.name = *name;
    return entries;
}

// A line's value, or nothing when the line holds a byte that scrambling never produces.
std::optional<QString> unscrambledLine(QByteArrayView line)
{
    const QString scrambled = QString::fromLatin1(line);
    const QString value = UnscrambleText(scrambled);
    if (value.size() != scrambled.size())
        return std::nullopt;
    return value;
}

// The entries a report file's bytes hold, or nothing when the reader refuses them.
std::optional<ReportFileEntries> parsedEntries(QByteArrayView content)
{
    if (content.size() > MaxReportFileSize)
        return std::nullopt;

    // Every line ends with CR LF; a fourth line without one still counts.
    QList<QByteArrayView> lines;
    qsizetype start = 0;
    while (lines.size() < EntryLines && start < content.size()) {
        qsizetype end = content.indexOf(LineEnd, start);
        if (end < 0)
            end = content.size();
        lines << content.sliced(start, end - start);
        start = end + LineEnd.size();
    }
    if (lines.size() < EntryLines)
        return std::nullopt;

    QStringList values;
    for (QByteArrayView line : lines) {
        const std::optional<QString> value = unscrambledLine(line);
        if (!value)
            return std::nullopt;
        values << *value;
    }
    return validEntries({values[0], values[1], values[2], values[3]});
}

// The longest name's file, with the longest day, month name and year, fits the reader's bound.
static_assert(MaxNameLength + 2 + 2 + 2 + 9 + 2 + 4 + 2 <= MaxReportFileSize);

} // namespace

Outcome WriteReportFile(const QString& path, const BirthInput& birth)
{
    const ReportFileEntries entries{birth.name, QString::number(birth.day), birth.monthName,
                                    QString::number(birth.year)};
    // A file the reader would refuse is not written: every saved file opens again.
    if (!validEntries(entries))
        return Failure{ReportFile::tr("The name or the date of birth is not a complete entry."),
                       {}};

    QByteArray content;
    for (const QString& value : {entries.name, entries.day, entries.monthName, entries.year}) {
        content += ScrambleText(value).toLatin1();
        content += LineEnd;
    }
    // Every file written opens again: the bytes go through the reader before they are written.
    if (content.size() > MaxReportFileSize)
        return Failure{ReportFile::tr("The name is too long: the file would be larger than %1 "
                                      "bytes, more than Orvella opens.")
                           .arg(MaxReportFileSize),
                       {}};
    if (parsedEntries(content) != validEntries(entries))
        return Failure{ReportFile::tr("The entries could not be kept in a reading file."), {}};

    return WriteWholeFile(path, content);
}

std::optional<ReportFileEntries> ReadReportFile(const QString& path)
{
    // Only a regular file: a device or a pipe could block or never end.
    QFile file;
    if (!OpenRegularFile(file, path) || file.size() > MaxReportFileSize)
        return std::nullopt;
    const QByteArray content = file.read(MaxReportFileSize + 1);
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    return parsedEntries(content);
}

bool HasReportFileSuffix(const QString& path)
{
    return path.endsWith(QLatin1StringView("lyr"), Qt::CaseSensitive);
}

} // namespace orvella
