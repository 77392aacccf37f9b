#include "BirthInputRules.h"

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
    constexpr int February = 1;
    constexpr int ThirtyFirst = 30;
    const bool leapYear = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    if (monthIndex == February && dayIndex >= (leapYear ? 29 : 28))
        return DateRefusal::February;
    // April, June, September and November.
    const bool thirtyDays =
        monthIndex == 3 || monthIndex == 5 || monthIndex == 8 || monthIndex == 10;
    if (thirtyDays && dayIndex == ThirtyFirst)
        return DateRefusal::ThirtyDayMonth;
    return DateRefusal::None;
}

} // namespace orvella
