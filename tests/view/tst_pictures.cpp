#include "PictureBox.h"
#include "PictureList.h"

#include <QApplication>
#include <QImage>
#include <QTest>

using namespace orvella;

class tst_Pictures : public QObject {
    Q_OBJECT

private slots:
    void everyListedPictureLoads_data();
    void everyListedPictureLoads();
    void pointerAndIcon();
    void cardShownAtFullResolution();
};

namespace {

// "paths/death.jpg" -> "paths/death@2x.jpg"
QString twice(const QString& resource)
{
    const qsizetype dot = resource.lastIndexOf(QLatin1Char('.'));
    return resource.left(dot) + QStringLiteral("@2x") + resource.mid(dot);
}

} // namespace

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
        for (int position = 1; position <= pictures.count(); ++position) {
            const QString resource = pictures.resource(position);
            QTest::newRow(qPrintable(pictures.key(position))) << resource << list.size;
            QTest::newRow(qPrintable(pictures.key(position) + QStringLiteral(" @2x")))
                << twice(resource) << list.size * 2;
        }
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
    for (int scale : {1, 2}) {
        const QString suffix = scale == 1 ? QString() : QStringLiteral("@2x");
        const QImage pointer(QStringLiteral(":/pictures/pointer%1.png").arg(suffix));
        QCOMPARE(pointer.size(), QSize(32, 32) * scale);
        QVERIFY(pointer.hasAlphaChannel());
        const QImage icon(QStringLiteral(":/pictures/orvella%1.png").arg(suffix));
        QCOMPARE(icon.size(), QSize(256, 256) * scale);
    }
}

// This test program runs on a screen with twice the pixel density (see main): a card takes
// its usual logical size but shows every pixel of the picture painted at twice the size.
void tst_Pictures::cardShownAtFullResolution()
{
    QCOMPARE(qApp->devicePixelRatio(), 2.0);
    QWidget window;
    window.resize(300, 300);
    auto* box = new PictureBox(true, &window);
    const PictureRef death{PictureListId::IMGPathsCard, 1};
    QVERIFY(box->showPicture(death));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    QCOMPARE(box->size(), QSize(116, 152)); // 114 x 150 and the border
    const QPixmap shown = box->pixmap();
    QCOMPARE(shown.devicePixelRatio(), 2.0);
    QCOMPARE(shown.size(), QSize(228, 300));
    const QImage painted(twice(pictureResource(death)));
    QCOMPARE(shown.toImage().convertToFormat(QImage::Format_RGB32),
             painted.convertToFormat(QImage::Format_RGB32));
}

int main(int argc, char* argv[])
{
    // Device pixel ratio 2, as on a 2x screen: scaling by two gives the same ratio to
    // every screen of the offscreen platform.
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    tst_Pictures test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}
#include "tst_pictures.moc"
