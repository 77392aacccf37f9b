#include "BirthInputRules.h"

#include <QDate>

namespace orvella {

std::optional<QChar> nameCharacter(QChar c)
{
    if (c >= u'a' && c <= u'z')
        return QChar(c.unicode() - (u'a' - u'A'));
    if (c == u' ' || (c >= u'A' && c <= u'Z'))
        return c;
    return std::nullopt;
}

std::optional<QString> nameUnderRule(QStringView text)
{
    QString name;
    name.reserve(text.size());
    for (QChar c : text) {
        const std::optional<QChar> taken = nameCharacter(c);
        if (!taken)
            return std::nullopt;
        name += *taken;
    }
    return name;
}

DateRefusal dateRefusal(int monthIndex, int dayIndex, int year)
{
    const int month = monthIndex + 1;
    const int day = dayIndex + 1;
    // Only a day the lists offer, in a month of a year that exists, can be refused; the
    // Gregorian calendar's month lengths and leap years are QDate's.
    if (day < 1 || day > 31 || !QDate::isValid(year, month, 1) || QDate::isValid(year, month, day))
        return DateRefusal::None;
    constexpr int February = 2;
    return month == February ? DateRefusal::February : DateRefusal::ThirtyDayMonth;
}

} // namespace orvella
