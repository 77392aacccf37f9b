#include "BirthInputRules.h"

#include <QDate>

namespace orvella {

namespace {

// Letters whose A-Z form no Unicode decomposition gives: ligatures and letters of their own
// that are written as these capitals where only A to Z can be written.
struct Spelling {
    char32_t letter;
    const char* capitals;
};
constexpr Spelling Spellings[] = {
    {U'\u00df', "SS"}, {U'\u1e9e', "SS"}, {U'\u00c6', "AE"}, {U'\u00e6', "AE"}, {U'\u0152', "OE"},
    {U'\u0153', "OE"}, {U'\u00d8', "O"},  {U'\u00f8', "O"},  {U'\u0141', "L"},  {U'\u0142', "L"},
    {U'\u0110', "D"},  {U'\u0111', "D"},  {U'\u00d0', "D"},  {U'\u00f0', "D"},  {U'\u00de', "TH"},
    {U'\u00fe', "TH"}, {U'\u0126', "H"},  {U'\u0127', "H"},  {U'\u0131', "I"},
};

bool isBaseLetter(char32_t c)
{
    return (c >= U'A' && c <= U'Z') || (c >= U'a' && c <= U'z');
}

// The capitals a letter is written as: its compatibility decomposition without the marks
// (ü → u, ĳ → ij, full-width Ａ → A), when only A-Z letters remain.
std::optional<QString> decomposed(char32_t c)
{
    const QString whole = QString::fromUcs4(&c, 1).normalized(QString::NormalizationForm_KD);
    QString capitals;
    for (QChar part : whole) {
        const QChar::Category category = part.category();
        if (category == QChar::Mark_NonSpacing || category == QChar::Mark_SpacingCombining ||
            category == QChar::Mark_Enclosing)
            continue;
        if (!isBaseLetter(part.unicode()))
            return std::nullopt;
        capitals += part.toUpper();
    }
    if (capitals.isEmpty())
        return std::nullopt;
    return capitals;
}

} // namespace

std::optional<QString> nameCharacter(char32_t c)
{
    if (c == U' ' || (c >= U'A' && c <= U'Z'))
        return QString(QChar(char16_t(c)));
    if (c >= U'a' && c <= U'z')
        return QString(QChar(char16_t(c - (U'a' - U'A'))));
    if (c < 0x80 || !QChar::isLetter(c))
        return std::nullopt;
    for (const Spelling& spelling : Spellings) {
        if (spelling.letter == c)
            return QString::fromLatin1(spelling.capitals);
    }
    return decomposed(c);
}

std::optional<QString> nameUnderRule(QStringView text)
{
    QString name;
    name.reserve(text.size());
    // Composed first, so that a letter and its marks typed or pasted apart ("e" and U+0308) are
    // the one letter they show.
    for (char32_t c : text.toString().normalized(QString::NormalizationForm_C).toUcs4()) {
        const std::optional<QString> taken = nameCharacter(c);
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
