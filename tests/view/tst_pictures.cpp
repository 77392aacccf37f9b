#include "PictureList.h"

#include <QImage>
#include <QTest>

using namespace orvella;

class tst_Pictures : public QObject {
    Q_OBJECT

private slots:
    void everyListedPictureLoads_data();
    void everyListedPictureLoads();
    void pointerAndIcon();
};

void tst_Pictures::everyListedPictureLoads_data()
{
    QTest::addColumn<QString>("resource");
    QTest::addColumn<QSize>("size");
    const struct {
        PictureListId id;
        QSize size;
    } lists[] = {{PictureListId::IMGPathsCard, {114, 150}},
                 {PictureListId::IMGSephirothsOneCard, {114, 150}},
                 {PictureListId::IMGStone, {113, 151}}};
    for (const auto& list : lists) {
        const PictureList& pictures = PictureList::get(list.id);
        for (int position = 1; position <= pictures.count(); ++position)
            QTest::newRow(qPrintable(pictures.key(position)))
                << pictures.resource(position) << list.size;
    }
}

void tst_Pictures::everyListedPictureLoads()
{
    QFETCH(QString, resource);
    QFETCH(QSize, size);
    const QImage picture(resource);
    QVERIFY2(!picture.isNull(), qPrintable(resource));
    QCOMPARE(picture.size(), size);
    // A real picture, not a flat placeholder: many distinct colours.
    QSet<QRgb> colours;
    for (int y = 0; y < picture.height(); y += 3)
        for (int x = 0; x < picture.width(); x += 3)
            colours.insert(picture.pixel(x, y));
    QVERIFY(colours.size() > 100);
}

void tst_Pictures::pointerAndIcon()
{
    const QImage pointer(QStringLiteral(":/pictures/pointer.png"));
    QCOMPARE(pointer.size(), QSize(32, 32));
    QVERIFY(pointer.hasAlphaChannel());
    const QImage icon(QStringLiteral(":/pictures/orvella.png"));
    QVERIFY(!icon.isNull());
}

QTEST_MAIN(tst_Pictures)
#include "tst_pictures.moc"
