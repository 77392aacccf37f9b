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

// A box of its own, with link handling on, holding the text.
struct LinkBox {
    QWidget owner;
    QTextEdit* box = new QTextEdit(&owner);

    explicit LinkBox(const QString& text = {})
    {
        owner.resize(600, 400);
        box->setGeometry(0, 0, 600, 400);
        box->setReadOnly(true);
        EnableLinkDetection(box, &owner);
        box->textCursor().insertText(text);
        owner.show();
    }
    ~LinkBox() { DisableLinkDetection(); }

    QString hrefAt(int position) const
    {
        QTextCursor cursor(box->document());
        cursor.setPosition(position + 1);
        return cursor.charFormat().anchorHref();
    }
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
    void aLongLinkOpensWhole();
    void detectionFollowsTheText();
    void whatIsALink_data();
    void whatIsALink();
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

    // A press well after that is a new click again.
    send(viewport, QEvent::MouseButtonPress, onLink, Qt::LeftButton, 20000);
    QCOMPARE(browser.urls.size(), 2);
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
    LinkBox box(QStringLiteral("Visit https://www.orvella.org today"));
    QVERIFY(IsLinkDetectionOn());
    QCOMPARE(box.hrefAt(10), Site.toString());
    const QPoint onLink = pointAt(box.box, 10);
    send(box.box->viewport(), QEvent::MouseMove, onLink, Qt::NoButton, 1000);
    QCOMPARE(box.box->viewport()->cursor().shape(), Qt::BitmapCursor);

    DisableLinkDetection();
    // The box has its own pointer back.
    QCOMPARE(box.box->viewport()->cursor().shape(), Qt::IBeamCursor);
    QVERIFY(!IsLinkDetectionOn());
    DisableLinkDetection();
    QVERIFY(!IsLinkDetectionOn());

    // The box has its plain look back and its address opens nothing any more.
    QCOMPARE(box.hrefAt(10), QString());
    QTextCursor cursor(box.box->document());
    cursor.setPosition(11);
    QVERIFY(!cursor.charFormat().fontUnderline());
    QVERIFY(!cursor.charFormat().hasProperty(QTextFormat::ForegroundBrush));
    QTest::mousePress(box.box->viewport(), Qt::LeftButton, {}, onLink);
    QVERIFY(browser.urls.isEmpty());
    QCOMPARE(box.box->toPlainText(), QStringLiteral("Visit https://www.orvella.org today"));
}

void tst_ReportLinks::aLongLinkOpensWhole()
{
    UrlCatcher browser;
    const QString address = QStringLiteral("https://www.orvella.org/") + QString(3000, u'a');
    LinkBox box(QStringLiteral("See ") + address + QStringLiteral(" for more."));
    QCOMPARE(box.hrefAt(4 + 2000), address);
    QTest::mousePress(box.box->viewport(), Qt::LeftButton, {}, pointAt(box.box, 4 + 2000));
    QCOMPARE(browser.urls, QList<QUrl>{QUrl(address)});
}

void tst_ReportLinks::detectionFollowsTheText()
{
    UrlCatcher browser;
    LinkBox box(QStringLiteral("Ask at www.orvella.org. Or http://example.com/a?b=1, soon"));
    const QString text = box.box->toPlainText();
    const int www = static_cast<int>(text.indexOf(u"www."));
    const int http = static_cast<int>(text.indexOf(u"http://"));
    QCOMPARE(box.hrefAt(www), QStringLiteral("http://www.orvella.org"));
    QCOMPARE(box.hrefAt(www + 14), QStringLiteral("http://www.orvella.org"));
    QCOMPARE(box.hrefAt(www + 15), QString()); // the full stop ends the sentence, not the link
    QCOMPARE(box.hrefAt(http), QStringLiteral("http://example.com/a?b=1"));
    QCOMPARE(box.hrefAt(http + 24), QString());
    QCOMPARE(box.hrefAt(www - 2), QString());

    QTest::mousePress(box.box->viewport(), Qt::LeftButton, {}, pointAt(box.box, www + 3));
    QCOMPARE(browser.urls, QList<QUrl>{QUrl(QStringLiteral("http://www.orvella.org"))});

    // Text written later is detected as it arrives, and an address broken up loses its link.
    QTextCursor cursor(box.box->document());
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(QStringLiteral(" and https://"));
    cursor.insertText(QStringLiteral("orvella.org/forum"));
    const int later = static_cast<int>(box.box->toPlainText().indexOf(u"https://"));
    QCOMPARE(box.hrefAt(later + 20), QStringLiteral("https://orvella.org/forum"));

    cursor.setPosition(http + 4);
    cursor.insertText(QStringLiteral(" "));
    QCOMPARE(box.hrefAt(http), QString());
    QCOMPARE(box.hrefAt(http + 10), QString());
    QCOMPARE(box.hrefAt(www), QStringLiteral("http://www.orvella.org"));
}

void tst_ReportLinks::whatIsALink_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("address"); // the text that is a link; empty: none is
    QTest::addColumn<QString>("href");

    QTest::newRow("in brackets") << QStringLiteral("(see www.orvella.org)")
                                 << QStringLiteral("www.orvella.org")
                                 << QStringLiteral("http://www.orvella.org");
    QTest::newRow("in square brackets")
        << QStringLiteral("[https://orvella.org/a]") << QStringLiteral("https://orvella.org/a")
        << QStringLiteral("https://orvella.org/a");
    QTest::newRow("bare www") << QStringLiteral("at www.) or www..") << QString() << QString();
    QTest::newRow("bare scheme") << QStringLiteral("at http://. or https://)") << QString()
                                 << QString();
}

void tst_ReportLinks::whatIsALink()
{
    QFETCH(QString, text);
    QFETCH(QString, address);
    QFETCH(QString, href);
    LinkBox box(text);
    const qsizetype start = address.isEmpty() ? text.size() : text.indexOf(address);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const bool inside = i >= start && i < start + address.size();
        QCOMPARE(box.hrefAt(static_cast<int>(i)), inside ? href : QString());
    }
}

void tst_ReportLinks::anotherBoxTakesLinkHandlingOver()
{
    UrlCatcher browser;
    LinkBox first(QStringLiteral("https://www.orvella.org"));
    const QPoint onFirst = pointAt(first.box, 5);
    LinkBox second(QStringLiteral("https://www.orvella.org"));
    QCOMPARE(LinkDetectionOwner(), &second.owner);
    QTest::mousePress(first.box->viewport(), Qt::LeftButton, {}, onFirst);
    QVERIFY(browser.urls.isEmpty());
    QTest::mousePress(second.box->viewport(), Qt::LeftButton, {}, pointAt(second.box, 5));
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
