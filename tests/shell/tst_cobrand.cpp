#include "CoBrand.h"

#include <QTest>

using namespace orvella;

Q_DECLARE_METATYPE(orvella::Banner)

class tst_CoBrand : public QObject {
    Q_OBJECT

private slots:
    void bannerForEachN_data();
    void bannerForEachN();
    void shareOverManyStarts();
};

void tst_CoBrand::bannerForEachN_data()
{
    QTest::addColumn<double>("r");
    QTest::addColumn<Banner>("banner");
    // 6r + 1 rounded to the nearest whole number, halves to the even neighbour; the halves
    // chosen here are exact in binary.
    QTest::newRow("1 -> 1") << 0.0 << Banner::CoBrand;
    QTest::newRow("1.6 -> 2") << 0.1 << Banner::FullBrand;
    QTest::newRow("2.5 -> 2") << 0.25 << Banner::FullBrand;
    QTest::newRow("2.8 -> 3") << 0.3 << Banner::CoBrand;
    QTest::newRow("4 -> 4") << 0.5 << Banner::FullBrand;
    QTest::newRow("4.6 -> 5") << 0.6 << Banner::CoBrand;
    QTest::newRow("5.5 -> 6") << 0.75 << Banner::FullBrand;
    QTest::newRow("6.4 -> 6") << 0.9 << Banner::FullBrand;
    QTest::newRow("6.7 -> 7") << 0.95 << Banner::Unchanged;
}

void tst_CoBrand::bannerForEachN()
{
    QFETCH(double, r);
    QFETCH(Banner, banner);
    QCOMPARE(BannerFor(r), banner);
}

void tst_CoBrand::shareOverManyStarts()
{
    // n = 7 leaves the fully-branded banner in front, as designed.
    int cobrand = 0;
    const int starts = 120000;
    for (int i = 0; i < starts; ++i)
        cobrand += BannerFor((i + 0.5) / starts) == Banner::CoBrand;
    QCOMPARE(qRound(12.0 * cobrand / starts), 5);
}

QTEST_GUILESS_MAIN(tst_CoBrand)
#include "tst_cobrand.moc"
