#include "ReportTestSupport.h"
#include "UrlCatcher.h"
#include "frmSave.h"
#include "modRTB.h"

#include <QMouseEvent>
#include <QPointer>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>

using namespace orvella;
using namespace orvella::testing;

namespace {

const QUrl Site(QStringLiteral("https://www.orvella.org"));

QTextEdit* reportBox(const QWidget& window)
{
    return window.findChild<QTextEdit*>(QStringLiteral("RTB"));
}

// A point in the box's viewport over the character at the position, scrolled into view.
QPoint pointAt(QTextEdit* box, int position)
{
    QTextCursor cursor(box->document());
    cursor.setPosition(position);
    box->setTextCursor(cursor);
    const QRect caret = box->cursorRect(cursor);
    return {caret.left() + 3, caret.center().y()};
}

// The document position of the n-th occurrence of the text.
int positionOf(QTextEdit* box, const QString& text, int occurrence = 0)
{
    QTextCursor found(box->document());
    for (int i = 0; i <= occurrence; ++i)
        found = box->document()->find(text, found);
    return found.isNull() ? -1 : found.selectionStart();
}

void send(QWidget* target, QEvent::Type type, QPoint at, Qt::MouseButton button, quint64 time)
{
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease || type == QEvent::MouseMove
                                      ? Qt::NoButton
                                      : Qt::MouseButtons(button);
    QMouseEvent event(type, at, target->mapToGlobal(at), button, held, Qt::NoModifier);
    event.setTimestamp(time);
    QCoreApplication::sendEvent(target, &event);
}

// A box of its own, with link handling on, holding "Visit ", a link to the address and " today".
struct LinkBox {
    QWidget owner;
    QTextEdit* box = new QTextEdit(&owner);

    explicit LinkBox(const QString& address)
    {
        owner.resize(600, 400);
        box->setGeometry(0, 0, 600, 400);
        box->setReadOnly(true);
        EnableLinkDetection(box, &owner);
        QTextCursor cursor = box->textCursor();
        cursor.insertText(QStringLiteral("Visit "));
        QTextCharFormat link;
        link.setAnchor(true);
        link.setAnchorHref(address);
        cursor.insertText(address, link);
        cursor.insertText(QStringLiteral(" today"), {});
        owner.show();
    }
    ~LinkBox() { DisableLinkDetection(); }
};

// The report window of the ANNA example, shown, with the point over the n-th site address.
struct ShownReport {
    frmSave window{annaSource()};
    QTextEdit* box = reportBox(window);
    QWidget* viewport = box->viewport();

    bool show()
    {
        window.show();
        return QTest::qWaitForWindowExposed(&window);
    }
    QPoint onSite(int occurrence = 0) const
    {
        return pointAt(box, positionOf(box, Site.toString(), occurrence) + 5);
    }
};

} // namespace

class tst_ReportLinks : public QObject {
    Q_OBJECT

private slots:
    void leftPressOnTheSiteAddressOpensIt_data();
    void leftPressOnTheSiteAddressOpensIt();
    void otherMouseEventsOpenNothing();
    void secondPressOfADoubleClickOpensNothing();
    void linksWorkAgainAfterCloseAndReopen();
    void disableTwiceDoesNothingTheSecondTime();
    void anotherBoxTakesLinkHandlingOver();
    void endsWithItsOwner();
};

void tst_ReportLinks::leftPressOnTheSiteAddressOpensIt_data()
{
    QTest::addColumn<int>("occurrence");
    QTest::newRow("first line") << 0;
    QTest::newRow("last line") << 1;
}

void tst_ReportLinks::leftPressOnTheSiteAddressOpensIt()
{
    QFETCH(int, occurrence);
    UrlCatcher browser;
    ShownReport report;
    QVERIFY(report.show());
    QTextEdit* box = report.box;
    const int address = positionOf(box, Site.toString(), occurrence);
    QVERIFY(address > 0);
    QCOMPARE(positionOf(box, Site.toString(), 2), -1);

    // Plain text beside it opens nothing.
    QTest::mousePress(box->viewport(), Qt::LeftButton, {}, pointAt(box, address - 10));
    QTest::mouseRelease(box->viewport(), Qt::LeftButton, {}, pointAt(box, address - 10));
    QVERIFY(browser.urls.isEmpty());

    const QPoint onLink = pointAt(box, address + 5);
    QCOMPARE(box->anchorAt(onLink), Site.toString());
    QTest::mousePress(box->viewport(), Qt::LeftButton, {}, onLink);
    QCOMPARE(browser.urls, QList<QUrl>{Site}); // on the press, before any release
    QTest::mouseRelease(box->viewport(), Qt::LeftButton, {}, onLink);
    QCOMPARE(browser.urls.size(), 1);
}

void tst_ReportLinks::otherMouseEventsOpenNothing()
{
    UrlCatcher browser;
    ShownReport report;
    QVERIFY(report.show());
    QWidget* viewport = report.viewport;
    const QPoint onLink = report.onSite();

    send(viewport, QEvent::MouseMove, onLink, Qt::NoButton, 1000);
    QCOMPARE(viewport->cursor().shape(), Qt::BitmapCursor); // the hand over a link
    send(viewport, QEvent::MouseButtonRelease, onLink, Qt::LeftButton, 2000);
    send(viewport, QEvent::MouseButtonPress, onLink, Qt::RightButton, 3000);
    send(viewport, QEvent::MouseButtonRelease, onLink, Qt::RightButton, 3050);
    send(viewport, QEvent::MouseButtonPress, onLink, Qt::MiddleButton, 4000);
    send(viewport, QEvent::MouseButtonRelease, onLink, Qt::MiddleButton, 4050);
    QTest::mouseMove(viewport, onLink + QPoint(1, 0));
    QVERIFY(browser.urls.isEmpty());

    send(viewport, QEvent::MouseMove, QPoint(5, viewport->height() - 5), Qt::NoButton, 5000);
    QCOMPARE(viewport->cursor().shape(), Qt::IBeamCursor);
}

void tst_ReportLinks::secondPressOfADoubleClickOpensNothing()
{
    UrlCatcher browser;
    ShownReport report;
    QVERIFY(report.show());
    QWidget* viewport = report.viewport;
    const QPoint onLink = report.onSite();

    // Qt delivers a double click as press, release, press, double-click, release.
    send(viewport, QEvent::MouseButtonPress, onLink, Qt::LeftButton, 10000);
    send(viewport, QEvent::MouseButtonRelease, onLink, Qt::LeftButton, 10040);
    send(viewport, QEvent::MouseButtonPress, onLink, Qt::LeftButton, 10120);
    send(viewport, QEvent::MouseButtonDblClick, onLink, Qt::LeftButton, 10120);
    send(viewport, QEvent::MouseButtonRelease, onLink, Qt::LeftButton, 10160);
    QCOMPARE(browser.urls.size(), 1);

    // A third press within the interval is a new click: it opens the link again.
    send(viewport, QEvent::MouseButtonPress, onLink, Qt::LeftButton, 10240);
    send(viewport, QEvent::MouseButtonRelease, onLink, Qt::LeftButton, 10280);
    QCOMPARE(browser.urls.size(), 2);

    // A press well after that is a new click again.
    send(viewport, QEvent::MouseButtonPress, onLink, Qt::LeftButton, 20000);
    QCOMPARE(browser.urls.size(), 3);
}

void tst_ReportLinks::linksWorkAgainAfterCloseAndReopen()
{
    UrlCatcher browser;
    for (int opening = 1; opening <= 3; ++opening) {
        auto window = std::make_unique<frmSave>(annaSource());
        QVERIFY(IsLinkDetectionOn());
        QCOMPARE(LinkDetectionOwner(), window.get());
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        QTextEdit* box = reportBox(*window);
        QTest::mousePress(box->viewport(), Qt::LeftButton, {},
                          pointAt(box, positionOf(box, Site.toString()) + 2));
        QCOMPARE(browser.urls.size(), opening);
        window->close();
        window.reset();
        QVERIFY(!IsLinkDetectionOn());
    }
}

void tst_ReportLinks::disableTwiceDoesNothingTheSecondTime()
{
    UrlCatcher browser;
    LinkBox box(Site.toString());
    QVERIFY(IsLinkDetectionOn());
    const QPoint onLink = pointAt(box.box, 10);
    QCOMPARE(box.box->anchorAt(onLink), Site.toString());
    send(box.box->viewport(), QEvent::MouseMove, onLink, Qt::NoButton, 1000);
    QCOMPARE(box.box->viewport()->cursor().shape(), Qt::BitmapCursor);

    DisableLinkDetection();
    // The box has its own pointer back.
    QCOMPARE(box.box->viewport()->cursor().shape(), Qt::IBeamCursor);
    QVERIFY(!IsLinkDetectionOn());
    DisableLinkDetection();
    QVERIFY(!IsLinkDetectionOn());

    // The link stays in the text and opens nothing any more.
    QTest::mousePress(box.box->viewport(), Qt::LeftButton, {}, onLink);
    QVERIFY(browser.urls.isEmpty());
    QCOMPARE(box.box->toPlainText(), QStringLiteral("Visit https://www.orvella.org today"));
}

void tst_ReportLinks::anotherBoxTakesLinkHandlingOver()
{
    UrlCatcher browser;
    LinkBox first(Site.toString());
    const QPoint onFirst = pointAt(first.box, 10);
    LinkBox second(Site.toString());
    QCOMPARE(LinkDetectionOwner(), &second.owner);
    QTest::mousePress(first.box->viewport(), Qt::LeftButton, {}, onFirst);
    QVERIFY(browser.urls.isEmpty());
    QTest::mousePress(second.box->viewport(), Qt::LeftButton, {}, pointAt(second.box, 10));
    QCOMPARE(browser.urls.size(), 1);
}

void tst_ReportLinks::endsWithItsOwner()
{
    auto owner = std::make_unique<QWidget>();
    QPointer<QTextEdit> box = new QTextEdit(owner.get());
    EnableLinkDetection(box, owner.get());
    QVERIFY(IsLinkDetectionOn());
    owner.reset();
    QVERIFY(box.isNull());
    QVERIFY(!IsLinkDetectionOn());
    DisableLinkDetection();
}

QTEST_MAIN(tst_ReportLinks)
#include "tst_reportlinks.moc"
