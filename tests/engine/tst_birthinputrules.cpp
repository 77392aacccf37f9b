#include "BirthDateLists.h"
#include "BirthInputRules.h"

#include <QTest>

using namespace orvella;

Q_DECLARE_METATYPE(orvella::DateRefusal)

class tst_BirthInputRules : public QObject {
    Q_OBJECT

private slots:
    void nameCharacters_data();
    void nameCharacters();
    void nameUnderRule_data();
    void nameUnderRule();
    void dateRefusal_data();
    void dateRefusal();
};

void tst_BirthInputRules::nameCharacters_data()
{
    QTest::addColumn<QChar>("typed");
    QTest::addColumn<QChar>("taken"); // null: refused

    for (char16_t c = u'a'; c <= u'z'; ++c)
        QTest::addRow("small %c", char(c)) << QChar(c) << QChar(char16_t(c - u'a' + u'A'));
    for (char16_t c = u'A'; c <= u'Z'; ++c)
        QTest::addRow("capital %c", char(c)) << QChar(c) << QChar(c);
    QTest::newRow("blank") << QChar(u' ') << QChar(u' ');
    // The neighbours of the letters in the code table, and what else people type.
    for (char16_t c : {u'@', u'[', u'`', u'{', u'0', u'9', u'-', u'\'', u'.', u'\t', u'\0',
                       char16_t(0xa0), char16_t(0xb5), char16_t(0xdf), char16_t(0xe9),
                       char16_t(0xff), char16_t(0x131), char16_t(0x3a9)})
        QTest::addRow("U+%04X", unsigned(c)) << QChar(c) << QChar();
}

void tst_BirthInputRules::nameCharacters()
{
    QFETCH(QChar, typed);
    QFETCH(QChar, taken);
    const std::optional<QChar> result = nameCharacter(typed);
    QCOMPARE(result.has_value(), !taken.isNull());
    if (result)
        QCOMPARE(*result, taken);
}

void tst_BirthInputRules::nameUnderRule_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("taken");

    QTest::newRow("empty") << QString() << QString() << true;
    QTest::newRow("small letters")
        << QStringLiteral("anna maria") << QStringLiteral("ANNA MARIA") << true;
    QTest::newRow("blanks kept") << QStringLiteral("  Bo ") << QStringLiteral("  BO ") << true;
    // Case mapping of other scripts must not sneak letters in: the sharp s is not "SS".
    QTest::newRow("sharp s") << QStringLiteral("stra\u00dfe") << QString() << false;
    QTest::newRow("one bad character refuses all") << QStringLiteral("ANNA1") << QString() << false;
    QTest::newRow("markup") << QStringLiteral("<b>ANNA</b>") << QString() << false;
}

void tst_BirthInputRules::nameUnderRule()
{
    QFETCH(QString, text);
    QFETCH(QString, name);
    QFETCH(bool, taken);
    const std::optional<QString> result = orvella::nameUnderRule(text);
    QCOMPARE(result.has_value(), taken);
    if (result)
        QCOMPARE(*result, name);
}

void tst_BirthInputRules::dateRefusal_data()
{
    QTest::addColumn<int>("day");
    QTest::addColumn<QString>("month");
    QTest::addColumn<int>("year");
    QTest::addColumn<DateRefusal>("refusal");

    const QString feb = QStringLiteral("February");
    QTest::newRow("29 Feb 1900") << 29 << feb << 1900 << DateRefusal::February;
    QTest::newRow("29 Feb 1904") << 29 << feb << 1904 << DateRefusal::None;
    QTest::newRow("29 Feb 2000") << 29 << feb << 2000 << DateRefusal::None;
    QTest::newRow("29 Feb 1901") << 29 << feb << 1901 << DateRefusal::February;
    QTest::newRow("29 Feb 2001") << 29 << feb << 2001 << DateRefusal::February;
    QTest::newRow("28 Feb 2001") << 28 << feb << 2001 << DateRefusal::None;
    QTest::newRow("30 Feb 2000") << 30 << feb << 2000 << DateRefusal::February;
    QTest::newRow("31 Feb 1999") << 31 << feb << 1999 << DateRefusal::February;
    for (const char* month : {"April", "June", "September", "November"})
        QTest::addRow("31 %s", month)
            << 31 << QString::fromLatin1(month) << 1990 << DateRefusal::ThirtyDayMonth;
    QTest::newRow("30 April") << 30 << QStringLiteral("April") << 1990 << DateRefusal::None;
    QTest::newRow("31 January") << 31 << QStringLiteral("January") << 1990 << DateRefusal::None;
    QTest::newRow("31 March") << 31 << QStringLiteral("March") << 1990 << DateRefusal::None;
    QTest::newRow("31 December 2050")
        << 31 << QStringLiteral("December") << 2050 << DateRefusal::None;
}

void tst_BirthInputRules::dateRefusal()
{
    QFETCH(int, day);
    QFETCH(QString, month);
    QFETCH(int, year);
    QFETCH(DateRefusal, refusal);
    QCOMPARE(orvella::dateRefusal(int(monthEntries().indexOf(month)), day - 1, year), refusal);
}

QTEST_GUILESS_MAIN(tst_BirthInputRules)
#include "tst_birthinputrules.moc"
