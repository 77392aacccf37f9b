#include "SignDetermination.h"

#include "BirthDateLists.h"

#include <QCoreApplication>

namespace orvella {

namespace {

// Each month has an early range (the sign ending in it) and a late range (the sign
// beginning in it); the indices are the last day index of each range.
struct MonthRule {
    std::int16_t lastEarly;
    std::int16_t lastLate;
    SignIndex early;
    SignIndex late;
};

constexpr std::array<MonthRule, 12> MonthRules{{
    {18, 30, SignIndex::Capricorn, SignIndex::Aquarius},   // January
    {17, 28, SignIndex::Aquarius, SignIndex::Pisces},      // February
    {19, 30, SignIndex::Pisces, SignIndex::Aries},         // March
    {19, 29, SignIndex::Aries, SignIndex::Taurus},         // April
    {19, 30, SignIndex::Taurus, SignIndex::Gemini},        // May
    {19, 29, SignIndex::Gemini, SignIndex::Cancer},        // June
    {19, 30, SignIndex::Cancer, SignIndex::Leo},           // July
    {19, 30, SignIndex::Leo, SignIndex::Virgo},            // August
    {19, 29, SignIndex::Virgo, SignIndex::Libra},          // September
    {19, 30, SignIndex::Libra, SignIndex::Scorpio},        // October
    {19, 29, SignIndex::Scorpio, SignIndex::Sagittarius},  // November
    {19, 30, SignIndex::Sagittarius, SignIndex::Capricorn} // December, and any other index
}};

} // namespace

SignResult DetermineSign(std::int16_t monthIndex, std::int16_t dayIndex)
{
    const MonthRule& rule = (monthIndex >= 0 && monthIndex <= 10)
                                ? MonthRules[static_cast<std::size_t>(monthIndex)]
                                : MonthRules[11];
    if (dayIndex >= 0 && dayIndex <= rule.lastEarly)
        return rule.early;
    if (dayIndex >= rule.lastEarly + 1 && dayIndex <= rule.lastLate)
        return rule.late;
    return std::nullopt;
}

SignPeriod PeriodOfSign(SignIndex sign)
{
    // A sign begins in the month whose late range it holds, the day after that month's early
    // range, and ends in the month whose early range it holds, on that range's last day.
    SignPeriod period{};
    for (int month = 0; month < static_cast<int>(MonthRules.size()); ++month) {
        const MonthRule& rule = MonthRules[static_cast<std::size_t>(month)];
        if (rule.late == sign)
            period.from = {month, rule.lastEarly + 2};
        if (rule.early == sign)
            period.to = {month, rule.lastEarly + 1};
    }
    return period;
}

QString SignPeriodText(SignIndex sign)
{
    const SignPeriod period = PeriodOfSign(sign);
    // Month, day, dash, month, day in English; a language orders them as it writes dates.
    return QCoreApplication::translate("orvella::SignDetermination", "%1 %2 – %3 %4")
        .arg(monthText(period.from.monthIndex), QString::number(period.from.day),
             monthText(period.to.monthIndex), QString::number(period.to.day));
}

} // namespace orvella
