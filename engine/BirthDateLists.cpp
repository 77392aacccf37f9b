#include "BirthDateLists.h"

namespace orvella {

namespace {

QStringList numbers(int first, int last)
{
    QStringList list;
    for (int n = first; n <= last; ++n)
        list << QString::number(n);
    return list;
}

} // namespace

const QStringList& dayEntries()
{
    static const QStringList days = numbers(1, 31);
    return days;
}

const QStringList& monthEntries()
{
    static const QStringList months{
        QStringLiteral("January"), QStringLiteral("February"), QStringLiteral("March"),
        QStringLiteral("April"),   QStringLiteral("May"),      QStringLiteral("June"),
        QStringLiteral("July"),    QStringLiteral("August"),   QStringLiteral("September"),
        QStringLiteral("October"), QStringLiteral("November"), QStringLiteral("December")};
    return months;
}

const QStringList& yearEntries()
{
    static const QStringList years = numbers(1900, 2050);
    return years;
}

} // namespace orvella
