#include "FakeDialogs.h"
#include "KnowledgeTexts.h"
#include "PageRows.h"
#include "Reading.h"
#include "ReportSource.h"
#include "UrlCatcher.h"
#include "WebPage.h"
#include "WindowSystem.h"
#include "frmAbout.h"
#include "frmDisplay.h"
#include "frmMdi.h"

#include <QAction>
#include <QApplication>
#include <QDesktopServices>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>

using namespace orvella;

class PaintCounter : public QObject {
public:
    int count = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++count;
        return false;
    }
};

class tst_frmMdi : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void everyElementIsNamed();
    void layoutOnAFullScreen();
    void layoutInASmallerFrame();
    void unmaximisedFrameFitsTheScreen();
    void smallFrameScrollsToTheReading();
    void backClosesWithoutEnding();
    void printOpensTheReportModally();
    void frameGoesWithItsOpenDialog_data();
    void frameGoesWithItsOpenDialog();
    void linksOpenTheirPages_data();
    void linksOpenTheirPages();
    void keyboardOrder();

private:
    QWidget* child(const char* name) const
    {
        return m_frame->findChild<QWidget*>(QLatin1StringView(name));
    }
    int left(const char* name) const { return child(name)->x(); }

    QPointer<frmMdi> m_frame;
    std::unique_ptr<orvella::testing::UrlCatcher> m_urls;
};

void tst_frmMdi::init()
{
    m_frame = new frmMdi([] {
        ReportSource source;
        source.birth.name = QStringLiteral("ANNA");
        source.fieldText = [](const QString&) { return QString(); };
        return source;
    });
    m_urls = std::make_unique<orvella::testing::UrlCatcher>();
}

void tst_frmMdi::cleanup()
{
    m_urls.reset();
    delete m_frame.data();
}

void tst_frmMdi::everyElementIsNamed()
{
    for (const char* name :
         {"Picture1", "lblVeldaneBanner", "Picture3", "lblSoftwareName", "Picture2", "cmdPrint",
          "cmdBack", "cmdMdiExit", "lblCobrand", "lblFullBrand", "frmDisplay"})
        QVERIFY2(child(name), name);
    for (const char* name : {"mnuPrint", "mnuBack", "mnuExit", "mnuOnline", "mnuVisit", "mnuSep1",
                             "mnuUpdate", "mnuSep2", "mnuAbout", "mnuDonate"})
        QVERIFY2(m_frame->findChild<QAction*>(QLatin1StringView(name)), name);
    QCOMPARE(m_frame->windowTitle(), QStringLiteral("Orvella v1.25"));
    QCOMPARE(child("lblSoftwareName")->property("text").toString(), QStringLiteral("Orvella"));
    // In the frame the fully-branded banner always covers the co-branding one.
    QWidget* strip = child("Picture2");
    QCOMPARE(strip->childAt(child("lblCobrand")->geometry().center()), child("lblFullBrand"));
}

void tst_frmMdi::layoutOnAFullScreen()
{
    // The client area 1280 pixels (19200 twips) wide.
    m_frame->resize(1280, 900);
    m_frame->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_frame));
    QTRY_COMPARE(m_frame->centralWidget()->width(), 1280);
    QCOMPARE(left("cmdMdiExit"), 1280 - (89 + 1));
    QCOMPARE(left("cmdBack"), 1280 - (84 + 93));
    QCOMPARE(left("cmdPrint"), 1280 - (84 + 180));
    QCOMPARE(left("frmDisplay"), 166); // 165.5 rounded to the nearest
    QCOMPARE(child("frmDisplay")->size(), QSize(949, 561));
    // Room for the whole view: nothing scrolls.
    QVERIFY(!m_frame->clientArea()->verticalScrollBar()->isVisible());
    QVERIFY(!m_frame->clientArea()->horizontalScrollBar()->isVisible());
    const int bannerWidth = child("lblVeldaneBanner")->width();
    QCOMPARE(left("lblVeldaneBanner"), qRound((1280 - bannerWidth) / 2.0));
}

void tst_frmMdi::layoutInASmallerFrame()
{
    m_frame->resize(700, 600);
    m_frame->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_frame));
    QTRY_COMPARE(m_frame->centralWidget()->width(), 700);
    // Too narrow for the view: it starts at the left edge, never before it.
    QCOMPARE(left("frmDisplay"), 0);
    // The buttons stay at the right-hand end, inside the frame.
    for (const char* name : {"cmdPrint", "cmdBack", "cmdMdiExit"}) {
        QWidget* button = child(name);
        QVERIFY(button->x() >= 0);
        QVERIFY(button->geometry().right() < 700);
    }
    QCOMPARE(left("cmdMdiExit"), 700 - 90);

    m_frame->resize(1100, 600);
    QTRY_COMPARE(m_frame->centralWidget()->width(), 1100);
    // Too low for the view: it scrolls, and is centred beside the vertical scroll bar.
    const int viewport = m_frame->clientArea()->viewport()->width();
    QVERIFY(viewport < 1100);
    QCOMPARE(left("frmDisplay"), qRound((viewport - 949) / 2.0));
    QCOMPARE(left("cmdMdiExit"), 1100 - 90);
}

void tst_frmMdi::unmaximisedFrameFitsTheScreen()
{
    // Opened as Proceed opens it, then un-maximised by the program itself, which on Wayland
    // changes the state before the compositor has confirmed it.
    const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
    const bool wayland = orvella::testing::onWayland();
    if (!wayland)
        QCOMPARE(available.size(), QSize(1366, 768));
    m_frame->placeUnmaximised(QGuiApplication::primaryScreen());
    m_frame->showMaximized();
    QVERIFY(QTest::qWaitForWindowExposed(m_frame));
    QTRY_VERIFY(m_frame->isMaximized());
    // The window system has given it the whole width.
    QTRY_COMPARE(m_frame->frameGeometry().width(), available.width());
    PaintCounter paints;
    m_frame->installEventFilter(&paints);
    m_frame->showNormal();
    QTRY_VERIFY(!m_frame->isMaximized());
    // Painted at its new size: on Wayland the compositor has the window's new geometry, and
    // would end the connection for one it has not configured.
    QTRY_VERIFY(paints.count > 0);

    // At the size that shows the strips and the whole reading, with nothing to scroll.
    QTRY_COMPARE(m_frame->size(), m_frame->fullSize().boundedTo(available.size()));
    if (wayland) {
        // Its place is the compositor's; it did not end the connection.
        QTRY_VERIFY(QTest::qWaitForWindowExposed(m_frame));
        return;
    }
    QCOMPARE(m_frame->size(), m_frame->fullSize());
    // The whole frame, title bar included, inside the screen and centred on it.
    const QRect frame = m_frame->frameGeometry();
    QVERIFY2(available.contains(frame), qPrintable(QStringLiteral("%1,%2 %3x%4")
                                                       .arg(frame.x())
                                                       .arg(frame.y())
                                                       .arg(frame.width())
                                                       .arg(frame.height())));
    QVERIFY(qAbs(frame.center().x() - available.center().x()) <= 1);
    QVERIFY(qAbs(frame.center().y() - available.center().y()) <= 1);
    QCOMPARE(m_frame->clientArea()->viewport()->size(), QSize(949, 561));
    QVERIFY(!m_frame->clientArea()->verticalScrollBar()->isVisible());
    QVERIFY(!m_frame->clientArea()->horizontalScrollBar()->isVisible());
    QCOMPARE(child("frmDisplay")->mapTo(m_frame, QPoint(0, 0)).x(), 0);
}

void tst_frmMdi::smallFrameScrollsToTheReading()
{
    m_frame->resize(1000, 600);
    m_frame->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_frame));
    QScrollArea* client = m_frame->clientArea();
    QTRY_VERIFY(client->verticalScrollBar()->isVisible());
    QVERIFY(!client->horizontalScrollBar()->isVisible()); // wide enough

    // The reading's bottom edge is out of sight, and scrolling brings it into view.
    QWidget* view = child("frmDisplay");
    const auto bottom = [&] { return view->mapTo(client->viewport(), QPoint(0, 561)).y(); };
    QVERIFY(bottom() > client->viewport()->height());
    // A wheel turn over the drawing scrolls, though the drawing keeps pointer events to itself.
    QWidget* drawing = m_frame->findChild<QWidget*>(QStringLiteral("Frame2"));
    const QPoint at(10, 10);
    QWheelEvent down(at, drawing->mapToGlobal(at), {}, QPoint(0, -120 * 20), Qt::NoButton,
                     Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(drawing, &down);
    QCOMPARE(client->verticalScrollBar()->value(), client->verticalScrollBar()->maximum());
    QCOMPARE(bottom(), client->viewport()->height());
}

void tst_frmMdi::backClosesWithoutEnding()
{
    m_frame->show();
    bool back = false;
    connect(m_frame, &frmMdi::backRequested, this, [&] { back = true; });
    m_frame->findChild<QAction*>(QStringLiteral("mnuBack"))->trigger();
    QVERIFY(back);
    QTRY_VERIFY(!m_frame); // closed and discarded with its view
}

void tst_frmMdi::printOpensTheReportModally()
{
    m_frame->show();
    QString caption;
    QTimer::singleShot(0, this, [&] {
        QWidget* report = QApplication::activeModalWidget();
        QVERIFY(report);
        caption = report->objectName();
        QTest::keyClick(report, Qt::Key_Escape); // no cancel button: Esc leaves it open
        QVERIFY(report->isVisible());
        report->close();
    });
    QTest::mouseClick(qobject_cast<QPushButton*>(child("cmdPrint")), Qt::LeftButton);
    QCOMPARE(caption, QStringLiteral("frmSave"));
    QVERIFY(m_frame && m_frame->isVisible());
}

void tst_frmMdi::frameGoesWithItsOpenDialog_data()
{
    QTest::addColumn<QString>("dialog");
    QTest::newRow("report window") << QStringLiteral("frmSave");
    QTest::newRow("About box") << QStringLiteral("frmAbout");
}

void tst_frmMdi::frameGoesWithItsOpenDialog()
{
    // The modal window belongs to the frame (so a compositor puts it over it); a frame that is
    // deleted while the window is open deletes it once, and the opener returns.
    QFETCH(QString, dialog);
    m_frame->show();
    QPointer<QWidget> opened;
    QTimer::singleShot(0, this, [&] {
        opened = QApplication::activeModalWidget();
        if (opened && opened->parentWidget() == m_frame)
            delete m_frame.data();
        else if (opened)
            opened->close();
    });
    if (dialog == QLatin1StringView("frmSave"))
        m_frame->cmdPrint_Click();
    else
        frmAbout::showModal(m_frame);
    QVERIFY(opened.isNull());
    QVERIFY(m_frame.isNull());
}

void tst_frmMdi::linksOpenTheirPages_data()
{
    orvella::testing::addPageRows({{"lblVeldaneBanner", "home-page"},
                                   {"Picture1", "home-page"},
                                   {"lblFullBrand", "fully-branded"}});
}

void tst_frmMdi::linksOpenTheirPages()
{
    QFETCH(QString, element);
    QFETCH(QString, page);
    m_frame->resize(1280, 900);
    m_frame->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_frame));
    if (auto* action = m_frame->findChild<QAction*>(element))
        action->trigger();
    else
        QTest::mouseClick(m_frame->findChild<QWidget*>(element), Qt::LeftButton, {}, QPoint(2, 2));
    QCOMPARE(m_urls->urls, QList<QUrl>{webPageUrl(page)});
}

void tst_frmMdi::keyboardOrder()
{
    // With a reading shown, as a user has it: every field shows a value.
    LoadKnowledgeTexts();
    m_frame->display()->ShowReading(BuildReading(SignIndex::Capricorn, TheKnowledgeTexts()));
    m_frame->resize(1280, 900);
    m_frame->show();
    m_frame->activateWindow();
    QVERIFY(orvella::testing::waitForActive(m_frame));
    QTabWidget* tabs = m_frame->display()->tabs();
    tabs->setCurrentIndex(1);
    tabs->tabBar()->setFocus(Qt::TabFocusReason);

    // The tabs, the fields of the tab shown from top to bottom and left to right, the
    // drawing, the buttons as designed, then the links (the banner behind is hidden), round.
    const QStringList expected{"SSTab1Strip",
                               "picPathsCard",
                               "lblPathName",
                               "txtPathDecs",
                               "txtAboutYourPathsCards",
                               "lblPathsCardName",
                               "lblHebrewLetter",
                               "lblLocation",
                               "lblCorrespondingPlanet",
                               "lblYetsiraticAttribution",
                               "lblColor",
                               "lblElement",
                               "lblCorrespondingRuneStone",
                               "lblAlternativeName",
                               "picStone",
                               "lblFavorableColor",
                               "lblNordicGod",
                               "lblKeywards",
                               "txtAboutYourRuneStone",
                               "Frame2",
                               "cmdMdiExit",
                               "cmdBack",
                               "cmdPrint",
                               "lblVeldaneBanner",
                               "lblFullBrand",
                               "SSTab1Strip"};
    QStringList visited{QApplication::focusWidget()->objectName()};
    for (int i = 1; i < expected.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(visited, expected);
}

QTEST_MAIN(tst_frmMdi)
#include "tst_frmmdi.moc"
