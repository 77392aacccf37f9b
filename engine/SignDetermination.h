#pragma once

#include "SignIndex.h"

#include <QString>
#include <cstdint>

namespace orvella {

// Picks the sun sign from the month and day positions of the input lists. Month indices
// outside 0..10 take the December rule; a day past the month's last sign day, or a day
// index of -1, gives no sign. The year plays no part.
SignResult DetermineSign(std::int16_t monthIndex, std::int16_t dayIndex);

// A day of the year: month 0 = January … 11 = December, day 1…31.
struct MonthDay {
    int monthIndex;
    int day;

    friend bool operator==(const MonthDay&, const MonthDay&) = default;
};

// The days that give the sign, both ends included, as the month rules of DetermineSign decide
// them. Pisces ends on March 20 and takes in February 29.
struct SignPeriod {
    MonthDay from;
    MonthDay to;
};

SignPeriod PeriodOfSign(SignIndex sign);

// The period in words: "December 21 – January 19".
QString SignPeriodText(SignIndex sign);

} // namespace orvella
