#include "DesignedHighlights.h"
#include "TreeHighlight.h"

#include <QTest>

using namespace orvella;

class tst_TreeHighlight : public QObject {
    Q_OBJECT

private slots:
    void everySign_data();
    void everySign();
    void neverHighlighted();
};

void tst_TreeHighlight::everySign_data()
{
    QTest::addColumn<int>("sign");
    QTest::addColumn<QString>("label");
    QTest::addColumn<int>("one");
    QTest::addColumn<int>("two");
    QTest::addColumn<QString>("line");
    for (const auto& r : testing::DesignedHighlights)
        QTest::newRow(r.caption) << toInt(r.sign) << QString::fromLatin1(r.caption) << r.one
                                 << r.two << QString::fromLatin1(r.line);
}

void tst_TreeHighlight::everySign()
{
    QFETCH(int, sign);
    QFETCH(QString, label);
    QFETCH(int, one);
    QFETCH(int, two);
    QFETCH(QString, line);
    const TreeHighlight h = HighlightFor(static_cast<SignIndex>(sign));
    QCOMPARE(h.zodiacLabel, label);
    QCOMPARE(toInt(h.sphereOne), one);
    QCOMPARE(toInt(h.sphereTwo), two);
    QCOMPARE(h.pathLine, line);
}

void tst_TreeHighlight::neverHighlighted()
{
    QSet<QString> lines;
    for (SignIndex sign : AllSigns) {
        const TreeHighlight h = HighlightFor(sign);
        for (SphereIndex s : {h.sphereOne, h.sphereTwo})
            QVERIFY(s != SphereIndex::Keter && s != SphereIndex::Daat);
        lines.insert(h.pathLine);
    }
    QCOMPARE(lines.size(), 12);
    for (const char* unused :
         {"ln12", "ln13", "ln16", "ln23", "ln47", "ln58", "ln78", "ln89", "ln810", "ln910"})
        QVERIFY(!lines.contains(QString::fromLatin1(unused)));
    QCOMPARE(HighlightColor.red, 236);
    QCOMPARE(HighlightColor.green, 28);
    QCOMPARE(HighlightColor.blue, 210);
}

QTEST_GUILESS_MAIN(tst_TreeHighlight)
#include "tst_treehighlight.moc"
