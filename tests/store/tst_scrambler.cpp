#include "Scrambler.h"

#include <QTest>

using namespace orvella;

class tst_Scrambler : public QObject {
    Q_OBJECT

private slots:
    void roundTripsEveryKeptCode();
    void dropsWhatFallsOutside();
    void printableAsciiLeavesNothingReadable();
};

void tst_Scrambler::roundTripsEveryKeptCode()
{
    QString all;
    for (int code = 0; code <= 255 - ScrambleOffset; ++code)
        all.append(QChar(code));
    const QString scrambled = ScrambleText(all);
    QCOMPARE(scrambled.size(), all.size());
    QCOMPARE(UnscrambleText(scrambled), all);
    QCOMPARE(ScrambleText(u""), QString());
    QCOMPARE(UnscrambleText(u""), QString());
}

void tst_Scrambler::dropsWhatFallsOutside()
{
    // Codes above 255 - offset cannot be shifted up; codes outside Latin-1 at all are dropped.
    const QString text = QStringLiteral("A") + QChar(255 - ScrambleOffset + 1) + u'B' +
                         QChar(0x20AC) + u'C' + QChar(255);
    const QString scrambled = ScrambleText(text);
    QCOMPARE(scrambled.size(), 3);
    QCOMPARE(UnscrambleText(scrambled), QStringLiteral("ABC"));

    // Unscrambling text that was never scrambled drops every code below the offset, and
    // every code above Latin-1, even where shifting down would land inside it.
    QCOMPARE(UnscrambleText(u"\r\n12 ab"), QString());
    QCOMPARE(UnscrambleText(QString(QChar(256)) + QChar(255 + ScrambleOffset) + QChar(0xFFFF)),
             QString());
}

void tst_Scrambler::printableAsciiLeavesNothingReadable()
{
    const QString text = QStringLiteral("Duration 2026-12-09 ANNA January");
    const QString scrambled = ScrambleText(text);
    for (QChar c : scrambled)
        QVERIFY(c.unicode() > 127 && c.unicode() <= 255);
}

QTEST_GUILESS_MAIN(tst_Scrambler)
#include "tst_scrambler.moc"
