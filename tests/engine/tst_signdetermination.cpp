#include "SignDetermination.h"

#include <QLocale>
#include <QTest>

using namespace orvella;

class tst_SignDetermination : public QObject {
    Q_OBJECT

private slots:
    void everyDayOfTheYear_data();
    void everyDayOfTheYear();
    void outOfRange_data();
    void outOfRange();
    void periodOfEverySign();
};

namespace {

struct Period {
    int fromMonth, fromDay, toMonth, toDay;
    SignIndex sign;
};

// The sign periods, both ends inclusive (months 1-based).
constexpr Period Periods[] = {
    {12, 21, 1, 19, SignIndex::Capricorn}, {1, 20, 2, 18, SignIndex::Aquarius},
    {2, 19, 3, 20, SignIndex::Pisces},     {3, 21, 4, 20, SignIndex::Aries},
    {4, 21, 5, 20, SignIndex::Taurus},     {5, 21, 6, 20, SignIndex::Gemini},
    {6, 21, 7, 20, SignIndex::Cancer},     {7, 21, 8, 20, SignIndex::Leo},
    {8, 21, 9, 20, SignIndex::Virgo},      {9, 21, 10, 20, SignIndex::Libra},
    {10, 21, 11, 20, SignIndex::Scorpio},  {11, 21, 12, 20, SignIndex::Sagittarius},
};

SignIndex expectedSign(int month, int day)
{
    const int at = month * 100 + day;
    for (const Period& p : Periods) {
        const int from = p.fromMonth * 100 + p.fromDay;
        const int to = p.toMonth * 100 + p.toDay;
        if (from <= to ? (at >= from && at <= to) : (at >= from || at <= to))
            return p.sign;
    }
    return SignIndex::Capricorn; // not reached for a real date
}

constexpr int DaysInMonth[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

} // namespace

void tst_SignDetermination::everyDayOfTheYear_data()
{
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("day");
    for (int month = 1; month <= 12; ++month)
        for (int day = 1; day <= DaysInMonth[month - 1]; ++day)
            QTest::addRow("%02d-%02d", month, day) << month << day;
}

void tst_SignDetermination::everyDayOfTheYear()
{
    QFETCH(int, month);
    QFETCH(int, day);
    const SignResult sign =
        DetermineSign(static_cast<std::int16_t>(month - 1), static_cast<std::int16_t>(day - 1));
    QVERIFY(sign.has_value());
    QCOMPARE(toInt(*sign), toInt(expectedSign(month, day)));
}

void tst_SignDetermination::outOfRange_data()
{
    QTest::addColumn<int>("monthIndex");
    QTest::addColumn<int>("dayIndex");
    QTest::addColumn<int>("expected"); // -1: no sign

    QTest::newRow("30 February") << 1 << 29 << -1;
    QTest::newRow("31 February") << 1 << 30 << -1;
    QTest::newRow("31 April") << 3 << 30 << -1;
    QTest::newRow("31 June") << 5 << 30 << -1;
    QTest::newRow("31 September") << 8 << 30 << -1;
    QTest::newRow("31 November") << 10 << 30 << -1;
    QTest::newRow("day -1 in January") << 0 << -1 << -1;
    QTest::newRow("day -1 in December") << 11 << -1 << -1;
    QTest::newRow("day -1, month -1") << -1 << -1 << -1;
    QTest::newRow("day 32 in December") << 11 << 31 << -1;
    QTest::newRow("month -1 takes December's early range")
        << -1 << 4 << toInt(SignIndex::Sagittarius);
    QTest::newRow("month -1 takes December's late range")
        << -1 << 25 << toInt(SignIndex::Capricorn);
    QTest::newRow("month 12 takes December's rule") << 12 << 0 << toInt(SignIndex::Sagittarius);
    QTest::newRow("month -32768 takes December's rule")
        << -32768 << 30 << toInt(SignIndex::Capricorn);
}

void tst_SignDetermination::outOfRange()
{
    QFETCH(int, monthIndex);
    QFETCH(int, dayIndex);
    QFETCH(int, expected);
    const SignResult sign =
        DetermineSign(static_cast<std::int16_t>(monthIndex), static_cast<std::int16_t>(dayIndex));
    QCOMPARE(sign.has_value() ? toInt(*sign) : -1, expected);
}

// The sign's period comes from the month rules and agrees with the periods above, cusps and
// February 29 included.
void tst_SignDetermination::periodOfEverySign()
{
    for (const Period& p : Periods) {
        const SignPeriod period = PeriodOfSign(p.sign);
        QCOMPARE(period.from, (MonthDay{p.fromMonth - 1, p.fromDay}));
        QCOMPARE(period.to, (MonthDay{p.toMonth - 1, p.toDay}));
        QCOMPARE(SignPeriodText(p.sign), QStringLiteral("%1 %2 \u2013 %3 %4")
                                             .arg(QLocale::c().monthName(p.fromMonth))
                                             .arg(p.fromDay)
                                             .arg(QLocale::c().monthName(p.toMonth))
                                             .arg(p.toDay));
    }
}

QTEST_GUILESS_MAIN(tst_SignDetermination)
#include "tst_signdetermination.moc"
