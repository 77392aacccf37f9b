#pragma once

#include "BirthDateLists.h"
#include "KnowledgeTexts.h"
#include "Reading.h"
#include "ReportSource.h"

#include <QHash>

namespace orvella::testing {

// The texts the reading view would show for the sign, by field name.
inline QHash<QString, QString> readingFields(SignIndex sign)
{
    LoadKnowledgeTexts();
    const Reading reading = BuildReading(sign, TheKnowledgeTexts());
    QHash<QString, QString> fields;
    for (const ReadingTextField& field : ReadingTextFields)
        fields.insert(QString::fromLatin1(field.name), reading.*(field.member));
    return fields;
}

// A report source as Print hands it over after a Proceed with these entries.
inline ReportSource reportSource(SignIndex sign, const QString& name, int day, int month, int year)
{
    ReportSource source;
    source.birth.name = name;
    source.birth.day = static_cast<std::int16_t>(day);
    source.birth.dayIndex = static_cast<std::int16_t>(day - 1);
    source.birth.monthIndex = static_cast<std::int16_t>(month - 1);
    source.birth.monthName = monthEntries().at(month - 1);
    source.birth.year = static_cast<std::int16_t>(year);
    source.monthText = source.birth.monthName;
    source.dayText = QString::number(day);
    source.yearText = QString::number(year);
    source.fieldText = [fields = readingFields(sign)](const QString& fieldName) {
        return fields.value(fieldName);
    };
    return source;
}

// The example of the report: ANNA, born on the 5th of January 1990, a Capricorn.
inline ReportSource annaSource()
{
    return reportSource(SignIndex::Capricorn, QStringLiteral("ANNA"), 5, 1, 1990);
}

} // namespace orvella::testing
