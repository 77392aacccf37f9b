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
    QTest::addColumn<uint>("typed");
    QTest::addColumn<QString>("taken"); // null: refused

    for (char16_t c = u'a'; c <= u'z'; ++c)
        QTest::addRow("small %c", char(c)) << uint(c) << QString(QChar(char16_t(c - u'a' + u'A')));
    for (char16_t c = u'A'; c <= u'Z'; ++c)
        QTest::addRow("capital %c", char(c)) << uint(c) << QString(QChar(c));
    QTest::newRow("blank") << uint(u' ') << QStringLiteral(" ");
    // The neighbours of the letters in the code table, and what else people type: signs, and
    // letters without an A-Z base form (micro sign, Greek, Cyrillic, Hebrew, Arabic, CJK).
    for (uint c : std::initializer_list<uint>{u'@',   u'[',   u'`',   u'{',    u'0',   u'9',
                                              u'-',   u'\'',  u'.',   u'\t',   u'\0',  0xa0u,
                                              0xb2u,  0xb5u,  0xd7u,  0x2122u, 0x3a9u, 0x3b1u,
                                              0x416u, 0x5d0u, 0x628u, 0x4e2du, 0x301u, 0x1f600u})
        QTest::addRow("U+%04X", c) << c << QString();
    // Letters with an A-Z base form: decomposed without their marks, or spelled from the table.
    const std::pair<uint, const char*> based[] = {
        {0xe9, "E"},   {0xff, "Y"},   {0xfc, "U"},   {0xdc, "U"},    {0xeb, "E"},  {0xe7, "C"},
        {0xf1, "N"},   {0x131, "I"},  {0x130, "I"},  {0x1e9e, "SS"}, {0xdf, "SS"}, {0xc6, "AE"},
        {0xe6, "AE"},  {0xd8, "O"},   {0xf8, "O"},   {0x153, "OE"},  {0x142, "L"}, {0xfe, "TH"},
        {0x133, "IJ"}, {0xff21, "A"}, {0x1d400, "A"}};
    for (const auto& [c, capitals] : based)
        QTest::addRow("U+%04X", c) << c << QString::fromLatin1(capitals);
}

void tst_BirthInputRules::nameCharacters()
{
    QFETCH(uint, typed);
    QFETCH(QString, taken);
    const std::optional<QString> result = nameCharacter(char32_t(typed));
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
    // The sharp s has no capital of one letter in A-Z: it is written as two.
    QTest::newRow("sharp s") << QStringLiteral("stra\u00dfe") << QStringLiteral("STRASSE") << true;
    QTest::newRow("one bad character refuses all") << QStringLiteral("ANNA1") << QString() << false;
    QTest::newRow("markup") << QStringLiteral("<b>ANNA</b>") << QString() << false;
    QTest::newRow("Juergen") << QStringLiteral("J\u00fcrgen") << QStringLiteral("JURGEN") << true;
    QTest::newRow("Jose") << QStringLiteral("Jos\u00e9") << QStringLiteral("JOSE") << true;
    QTest::newRow("Zoe") << QStringLiteral("Zo\u00eb") << QStringLiteral("ZOE") << true;
    QTest::newRow("Zoe decomposed") << QStringLiteral("Zoe\u0308") << QStringLiteral("ZOE") << true;
    QTest::newRow("Francois") << QStringLiteral("Fran\u00e7ois") << QStringLiteral("FRANCOIS")
                              << true;
    QTest::newRow("Aeso Ore") << QStringLiteral("\u00c6so \u00d8re") << QStringLiteral("AESO ORE")
                              << true;
    QTest::newRow("lone mark") << QStringLiteral("A\u0301\u0301") << QString() << false;
    QTest::newRow("Greek") << QStringLiteral("\u039d\u03af\u03ba\u03bf\u03c2") << QString()
                           << false;
    QTest::newRow("Cyrillic") << QStringLiteral("\u0418\u0432\u0430\u043d") << QString() << false;
    QTest::newRow("Latin with Hebrew") << QStringLiteral("Dan \u05d3\u05df") << QString() << false;
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
