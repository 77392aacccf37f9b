#include "BirthDateLists.h"

#include <QCoreApplication>

namespace orvella {

namespace {

QStringList numbers(int first, int last)
{
    QStringList list;
    for (int n = first; n <= last; ++n)
        list << QString::number(n);
    return list;
}

// In English, as a report file holds them; the month list shows them in the user's language.
constexpr const char* MonthNames[] = {
    QT_TRANSLATE_NOOP("orvella::BirthDateLists", "January"),
    QT_TRANSLATE_NOOP("orvella::BirthDateLists", "February"),
    QT_TRANSLATE_NOOP("orvella::BirthDateLists", "March"),
    QT_TRANSLATE_NOOP("orvella::BirthDateLists", "April"),
    QT_TRANSLATE_NOOP("orvella::BirthDateLists", "May"),
    QT_TRANSLATE_NOOP("orvella::BirthDateLists", "June"),
    QT_TRANSLATE_NOOP("orvella::BirthDateLists", "July"),
    QT_TRANSLATE_NOOP("orvella::BirthDateLists", "August"),
    QT_TRANSLATE_NOOP("orvella::BirthDateLists", "September"),
    QT_TRANSLATE_NOOP("orvella::BirthDateLists", "October"),
    QT_TRANSLATE_NOOP("orvella::BirthDateLists", "November"),
    QT_TRANSLATE_NOOP("orvella::BirthDateLists", "December"),
};

} // namespace

const QStringList& dayEntries()
{
    static const QStringList days = numbers(1, 31);
    return days;
}

const QStringList& monthEntries()
{
    static const QStringList months = [] {
        QStringList list;
        for (const char* name : MonthNames)
            list << QString::fromLatin1(name);
        return list;
    }();
    return months;
}

QStringList monthTexts()
{
    QStringList list;
    for (int month = 0; month < 12; ++month)
        list << monthText(month);
    return list;
}

QString monthText(int monthIndex)
{
    return QCoreApplication::translate("orvella::BirthDateLists",
                                       MonthNames[static_cast<std::size_t>(monthIndex)]);
}

const QStringList& yearEntries()
{
    static const QStringList years = numbers(1900, 2050);
    return years;
}

} // namespace orvella
