#pragma once

#include <QString>
#include <optional>

namespace orvella {

// The two rules a person's entries must keep, wherever they come from: typed into the input
// window or read back from a report file.

// The name rule, for one character (a Unicode code point): a name is made of the capitals A-Z
// and blanks, which is what a report file holds. A small letter a-z becomes its capital; a
// letter with an A-Z base form becomes that form's capitals (ü → U, é → E, ß → SS, Æ → AE,
// Ø → O); capitals and the blank stay as they are. Anything else, letters of other scripts
// included, is no character of a name.
std::optional<QString> nameCharacter(char32_t c);

// The longest name the name box takes, in characters; set on the box itself rather than left
// to the text box's default. A report file holding it stays far within the reader's bound.
inline constexpr int MaxNameLength = 32767;

// The name rule for a whole text: the text as the name box holds it (in capitals), or nothing
// when any of its characters is refused.
std::optional<QString> nameUnderRule(QStringView text);

// Why a birth date cannot be taken. The date lists offer every day 1-31 in every month, so a
// date may not exist: a day after the 28th of February (the 29th in a leap year of the
// Gregorian calendar), or the 31st of a month of thirty days.
enum class DateRefusal { None, February, ThirtyDayMonth };

// The refusal for a date given as list positions (monthIndex 0 = January, dayIndex 0 = day 1)
// and its year.
DateRefusal dateRefusal(int monthIndex, int dayIndex, int year);

} // namespace orvella
