#include "FakeDialogs.h"
#include "PageRows.h"
#include "SettingsStore.h"
#include "UrlCatcher.h"
#include "WebPage.h"
#include "WindowSystem.h"
#include "frmAbout.h"
#include "frmDisplay.h"
#include "frmMain.h"
#include "frmMdi.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDesktopServices>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace orvella;
using orvella::testing::FakeDialogs;

namespace {

const QString NameMissing = QStringLiteral("Please Enter  Your Name !");
const QString FebruaryRefused = QStringLiteral("Please Enter Correct Date Or Month!");
const QString ThirtyDayRefused = QStringLiteral("Please Enter Correct Date Or Month !");

} // namespace

class tst_frmMain : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void opensWithEmptyNameAndFirstEntries();
    void everyControlIsNamed();
    void keyboardOrder();
    void nameFilterTyping();
    void nameFilterPaste();
    void nameFilterLetters_data();
    void nameFilterLetters();
    void validation_data();
    void validation();
    void blankNameIsMissing();
    void emptyNameHidesWrongDate();
    void proceedShowsEachSign_data();
    void proceedShowsEachSign();
    void proceedFromTheMenu();
    void enterPressesTheFocusedButton();
    void noSignCannotBeReached();
    void backKeepsTheEntries();
    void backLeavesTheWindowWhereTheUserMovedIt();
    void linksOpenTheirPages_data();
    void linksOpenTheirPages();
    void aboutBoxIsModalAndCloses_data();
    void aboutBoxIsModalAndCloses();
    void bannerChoice();
    void closingEndsTheProgram();

private:
    void enter(const QString& name, int day, const QString& month, int year);
    QLineEdit* nameBox() const
    {
        return m_window->findChild<QLineEdit*>(QStringLiteral("txtName"));
    }
    QComboBox* list(const char* name) const
    {
        return m_window->findChild<QComboBox*>(QLatin1StringView(name));
    }

    QTemporaryDir m_dir;
    std::unique_ptr<SettingsStore> m_settings;
    std::unique_ptr<FakeDialogs> m_dialogs;
    std::unique_ptr<frmMain> m_window;
    std::unique_ptr<orvella::testing::UrlCatcher> m_urls;
};

void tst_frmMain::init()
{
    m_settings = std::make_unique<SettingsStore>(m_dir.filePath(QStringLiteral("orvella.conf")));
    m_dialogs = std::make_unique<FakeDialogs>();
    m_window = std::make_unique<frmMain>(*m_settings);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    m_urls = std::make_unique<orvella::testing::UrlCatcher>();
}

void tst_frmMain::cleanup()
{
    m_urls.reset();
    m_window.reset();
    m_dialogs.reset();
}

void tst_frmMain::enter(const QString& name, int day, const QString& month, int year)
{
    nameBox()->setText(name);
    frmMain::selectEntry(list("cboDate"), QString::number(day));
    frmMain::selectEntry(list("cboMonth"), month);
    frmMain::selectEntry(list("cboYear"), QString::number(year));
}

void tst_frmMain::opensWithEmptyNameAndFirstEntries()
{
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Orvella v1.25"));
    QCOMPARE(nameBox()->text(), QString());
    const struct {
        const char* name;
        int count;
        const char* first;
        const char* last;
    } lists[] = {{"cboDate", 31, "1", "31"},
                 {"cboMonth", 12, "January", "December"},
                 {"cboYear", 151, "1900", "2050"}};
    for (const auto& expected : lists) {
        QComboBox* combo = list(expected.name);
        QVERIFY(combo);
        QVERIFY(!combo->isEditable());
        QCOMPARE(combo->count(), expected.count);
        QCOMPARE(combo->currentText(), QString::fromLatin1(expected.first));
        QCOMPARE(combo->itemText(combo->count() - 1), QString::fromLatin1(expected.last));
    }
    QVERIFY(m_dialogs->messages.isEmpty());
}

void tst_frmMain::everyControlIsNamed()
{
    for (const char* name : {"txtName", "cboDate", "cboMonth", "cboYear", "cmdProceed", "cmdOpen",
                             "cmdExit", "Label61", "Label3", "Label4", "Label1", "Label5", "Label7",
                             "Label6", "Label2", "lblCobrand", "lblFullBrand"})
        QVERIFY2(m_window->findChild<QWidget*>(QLatin1StringView(name)), name);
    for (const char* name :
         {"mnuGetMyKabbalisticAstrology", "mnuOpenPreviouslySavedKabbalah", "mnuExit", "mnuOnline",
          "mnuVisit", "mnuHelp1", "mnuUpdate", "mnuHelp2", "mnuAbout", "mnuDonate"})
        QVERIFY2(m_window->findChild<QAction*>(QLatin1StringView(name)), name);
    QCOMPARE(m_window->findChild<QPushButton*>(QStringLiteral("cmdProceed"))->text(),
             QStringLiteral("&Proceed"));
    QCOMPARE(m_window->findChild<QPushButton*>(QStringLiteral("cmdOpen"))->text(),
             QStringLiteral("Click Here To Open Previously Saved Orvella Reading"));
    QCOMPARE(m_window->centralWidget()->size(), QSize(496, 353));
    // Where the entries and buttons stand in their panels, as designed.
    const std::pair<const char*, QRect> placed[] = {
        {"txtName", {104, 16, 241, 25}},   {"cboDate", {104, 72, 60, 21}},
        {"cboMonth", {172, 72, 92, 21}},   {"cboYear", {272, 72, 68, 21}},
        {"cmdOpen", {8, 88, 121, 97}},     {"cmdProceed", {8, 192, 484, 41}},
        {"cmdExit", {424, 24, 65, 25}},    {"lblCobrand", {8, 16, 407, 41}},
        {"fraDetails", {136, 88, 353, 97}}};
    for (const auto& [name, geometry] : placed)
        QVERIFY2(m_window->findChild<QWidget*>(QLatin1StringView(name))->geometry() == geometry,
                 name);
}

void tst_frmMain::keyboardOrder()
{
    // The window's controls as designed, then its links: the forum and the banner in front
    // (the one behind is hidden), and round to the name again.
    const QStringList expected{"txtName", "cboDate", "cboMonth", "cboYear",      "cmdProceed",
                               "cmdOpen", "cmdExit", "Label61",  "lblFullBrand", "txtName"};
    QWidget* w = nameBox();
    for (int i = 1; i < expected.size(); ++i) {
        w = w->nextInFocusChain();
        while (!(w->focusPolicy() & Qt::TabFocus) || !w->isVisibleTo(m_window.get()))
            w = w->nextInFocusChain();
        QCOMPARE(w->objectName(), expected[i]);
    }

    // A screen reader hears each entry with its caption: the name box is labelled by its
    // caption; a date list is named by its caption, tells its entry as its text, and gives
    // the focus to its current entry, which a screen reader then speaks, as the list moves.
    QAccessibleInterface* name = QAccessible::queryAccessibleInterface(nameBox());
    QStringList labels;
    for (const auto& [label, relation] : name->relations(QAccessible::Label))
        labels << label->text(QAccessible::Name);
    QVERIFY2(labels.contains(QStringLiteral("Name")), qPrintable(labels.join(u',')));
    m_window->activateWindow();
    QVERIFY(orvella::testing::waitForActive(m_window.get()));
    const std::pair<const char*, const char*> captions[] = {
        {"cboDate", "Date"}, {"cboMonth", "Month"}, {"cboYear", "Year"}};
    for (const auto& [listName, caption] : captions) {
        auto* list = m_window->findChild<QComboBox*>(listName);
        QAccessibleInterface* entry = QAccessible::queryAccessibleInterface(list);
        QCOMPARE(entry->text(QAccessible::Name), QLatin1StringView(caption));
        list->setFocus(Qt::TabFocusReason);
        list->setCurrentIndex(1);
        QAccessibleTextInterface* text = entry->textInterface();
        QVERIFY(text);
        QCOMPARE(text->text(0, text->characterCount()), list->itemText(1));
        QCOMPARE(entry->childCount(), list->count());
        QAccessibleInterface* current = entry->focusChild();
        QVERIFY(current);
        QCOMPARE(current->text(QAccessible::Name), list->itemText(1));
        QVERIFY(current->state().focused && current->state().selected);
        QVERIFY(!entry->child(0)->state().focused);
        list->setCurrentIndex(0);
    }
    nameBox()->setFocus();

    // A link opens with Enter as with a click.
    auto* forum = m_window->findChild<QWidget*>(QStringLiteral("Label61"));
    QTest::keyClick(forum, Qt::Key_Return);
    QCOMPARE(m_urls->urls, QList<QUrl>{webPageUrl(QStringLiteral("home-page"))});
}

void tst_frmMain::nameFilterTyping()
{
    QLineEdit* box = nameBox();
    box->setFocus();
    QTest::keyClicks(box, QStringLiteral("ab1 c"));
    QCOMPARE(box->text(), QStringLiteral("AB C"));
    QTRY_COMPARE(m_dialogs->messageTexts(),
                 QStringList{QStringLiteral("Please Enter only Letters")});
    QCOMPARE(m_dialogs->messages.first().icon, QMessageBox::Information);

    QTest::keyClick(box, Qt::Key_Backspace);
    QCOMPARE(box->text(), QStringLiteral("AB "));
    QKeyEvent greek(QEvent::KeyPress, 0, Qt::NoModifier, QString(QChar(0x3c9)));
    QApplication::sendEvent(box, &greek);
    QTest::keyClicks(box, QStringLiteral("-"));
    QCOMPARE(box->text(), QStringLiteral("AB "));
    QTRY_COMPARE(m_dialogs->messages.size(), 3);
}

void tst_frmMain::nameFilterPaste()
{
    QLineEdit* box = nameBox();
    QApplication::clipboard()->setText(QStringLiteral("anna maria"));
    box->paste();
    QCOMPARE(box->text(), QStringLiteral("ANNA MARIA"));

    // A refused insertion is refused whole, and said once.
    QApplication::clipboard()->setText(QStringLiteral("x<b>2</b>"));
    box->paste();
    QCOMPARE(box->text(), QStringLiteral("ANNA MARIA"));
    QTRY_COMPARE(m_dialogs->messages.size(), 1);
    QTest::qWait(0);
    QCOMPARE(m_dialogs->messages.size(), 1);
}

void tst_frmMain::nameFilterLetters_data()
{
    QTest::addColumn<QString>("entered");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("refusals");

    QTest::newRow("Juergen") << QStringLiteral("J\u00fcrgen") << QStringLiteral("JURGEN") << 0;
    QTest::newRow("Strasse") << QStringLiteral("Stra\u00dfe") << QStringLiteral("STRASSE") << 0;
    QTest::newRow("Francois Zoe") << QStringLiteral("Fran\u00e7ois Zo\u00eb")
                                  << QStringLiteral("FRANCOIS ZOE") << 0;
    QTest::newRow("Greek") << QStringLiteral("A\u03c9B") << QStringLiteral("AB") << 1;
}

// Each letter typed as a key with its text, as a keyboard layout sends it, then the whole text
// pasted: both end as the same capitals, the cursor behind them.
void tst_frmMain::nameFilterLetters()
{
    QFETCH(QString, entered);
    QFETCH(QString, shown);
    QFETCH(int, refusals);
    QLineEdit* box = nameBox();
    box->setFocus();
    for (QChar c : entered)
        QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString(c), Qt::NoModifier);
    QCOMPARE(box->text(), shown);
    QCOMPARE(box->cursorPosition(), shown.size());
    QTRY_COMPARE(m_dialogs->messages.size(), refusals);

    box->clear();
    QApplication::clipboard()->setText(entered);
    box->paste();
    QCOMPARE(box->text(), refusals ? QString() : shown);
    QCOMPARE(box->cursorPosition(), box->text().size());
    QTRY_COMPARE(m_dialogs->messages.size(), refusals ? refusals + 1 : 0);
}

void tst_frmMain::validation_data()
{
    QTest::addColumn<int>("day");
    QTest::addColumn<QString>("month");
    QTest::addColumn<int>("year");
    QTest::addColumn<QString>("message"); // empty: accepted

    // Each refusal of the date rule with its own message (the rule itself is the engine's).
    QTest::newRow("29 Feb 1900") << 29 << QStringLiteral("February") << 1900 << FebruaryRefused;
    QTest::newRow("31 April") << 31 << QStringLiteral("April") << 1990 << ThirtyDayRefused;
    QTest::newRow("29 Feb 2000") << 29 << QStringLiteral("February") << 2000 << QString();
}

void tst_frmMain::validation()
{
    QFETCH(int, day);
    QFETCH(QString, month);
    QFETCH(int, year);
    QFETCH(QString, message);
    enter(QStringLiteral("ANNA"), day, month, year);
    QCOMPARE(m_window->ValidateBirthInput(), message.isEmpty());
    QCOMPARE(m_dialogs->messageTexts(), message.isEmpty() ? QStringList() : QStringList{message});
}

void tst_frmMain::blankNameIsMissing()
{
    enter(QStringLiteral("   "), 5, QStringLiteral("January"), 1990);
    list("cboYear")->setFocus();
    m_window->cmdProceed_Click();
    QCOMPARE(m_dialogs->messageTexts(), QStringList{NameMissing});
    QVERIFY(m_window->isVisible());
    QVERIFY(!m_window->readingFrame());
    QTRY_VERIFY(nameBox()->hasFocus());
}

void tst_frmMain::emptyNameHidesWrongDate()
{
    enter(QString(), 31, QStringLiteral("June"), 1990);
    m_window->cmdProceed_Click();
    QCOMPARE(m_dialogs->messageTexts(), QStringList{NameMissing});
}

void tst_frmMain::proceedShowsEachSign_data()
{
    QTest::addColumn<int>("day");
    QTest::addColumn<QString>("month");
    QTest::addColumn<QString>("sign");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("period"); // the tooltip of the sign's name
    QTest::newRow("Capricorn") << 5 << "January"
                               << "Capricorn"
                               << "lblCapricorn" << QStringLiteral("December 21 \u2013 January 19");
    QTest::newRow("Aquarius") << 18 << "February"
                              << "Aquarius"
                              << "lblAquarius" << QStringLiteral("January 20 \u2013 February 18");
    QTest::newRow("Pisces") << 29 << "February"
                            << "Pisces"
                            << "lblPisces" << QStringLiteral("February 19 \u2013 March 20");
    QTest::newRow("Aries") << 21 << "March"
                           << "Aries"
                           << "lblAries" << QStringLiteral("March 21 \u2013 April 20");
    QTest::newRow("Taurus") << 20 << "May"
                            << "Taurus"
                            << "lblTaurus" << QStringLiteral("April 21 \u2013 May 20");
    QTest::newRow("Gemini") << 21 << "May"
                            << "Gemini"
                            << "lblGemini" << QStringLiteral("May 21 \u2013 June 20");
    QTest::newRow("Cancer") << 20 << "July"
                            << "Cancer"
                            << "lblCancer" << QStringLiteral("June 21 \u2013 July 20");
    QTest::newRow("Leo") << 1 << "August"
                         << "Leo"
                         << "lblLeo" << QStringLiteral("July 21 \u2013 August 20");
    QTest::newRow("Virgo") << 20 << "September"
                           << "Virgo"
                           << "lblVirgo" << QStringLiteral("August 21 \u2013 September 20");
    QTest::newRow("Libra") << 21 << "September"
                           << "Libra"
                           << "lblLibra" << QStringLiteral("September 21 \u2013 October 20");
    QTest::newRow("Scorpio") << 20 << "November"
                             << "Scorpio"
                             << "lblScorpio" << QStringLiteral("October 21 \u2013 November 20");
    QTest::newRow("Sagittarius") << 20 << "December"
                                 << "Sagittarius"
                                 << "lblSagittarius"
                                 << QStringLiteral("November 21 \u2013 December 20");
}

void tst_frmMain::proceedShowsEachSign()
{
    QFETCH(int, day);
    QFETCH(QString, month);
    QFETCH(QString, sign);
    QFETCH(QString, caption);
    QFETCH(QString, period);
    enter(QStringLiteral("  ANNA "), day, month, 2000);
    m_window->cmdProceed_Click();
    QVERIFY(m_dialogs->messages.isEmpty());

    frmMdi* frame = m_window->readingFrame();
    QVERIFY(frame);
    QVERIFY(frame->isVisible());
    QVERIFY(frame->isMaximized() || frame->windowState() & Qt::WindowMaximized);
    QVERIFY(!m_window->isVisible());
    const BirthInput& birth = m_window->birthInput();
    QCOMPARE(birth.name, QStringLiteral("ANNA"));
    QCOMPARE(birth.day, day);
    QCOMPARE(birth.monthName, month);
    QCOMPARE(birth.year, 2000);

    frmDisplay* view = frame->display();
    QCOMPARE(view->tabs()->currentIndex(), 1);
    QCOMPARE(view->fieldText(QStringLiteral("lblSunSignName")), sign);
    QCOMPARE(view->findChild<QWidget*>(QStringLiteral("lblSunSignName"))->toolTip(), period);
    QCOMPARE(view->fieldText(QStringLiteral("lblLiesPathName")),
             view->fieldText(QStringLiteral("lblPathName")));
    int shown = 0;
    for (QWidget* label : view->findChildren<QWidget*>()) {
        if (label->objectName().startsWith(u"lbl") && label->objectName() != caption &&
            QStringList({"lblCapricorn", "lblAquarius", "lblPisces", "lblAries", "lblTaurus",
                         "lblGemini", "lblCancer", "lblLeo", "lblVirgo", "lblLibra", "lblScorpio",
                         "lblSagittarius"})
                .contains(label->objectName()))
            shown += label->isVisibleTo(view);
    }
    QCOMPARE(shown, 0);
    QVERIFY(view->findChild<QWidget*>(caption)->isVisibleTo(view));
}

void tst_frmMain::proceedFromTheMenu()
{
    enter(QStringLiteral("ANNA"), 5, QStringLiteral("January"), 1990);
    m_window->findChild<QAction*>(QStringLiteral("mnuGetMyKabbalisticAstrology"))->trigger();
    QVERIFY(m_window->readingFrame());
    QCOMPARE(m_window->readingFrame()->display()->fieldText(QStringLiteral("lblSunSignName")),
             QStringLiteral("Capricorn"));
}

void tst_frmMain::enterPressesTheFocusedButton()
{
    enter(QStringLiteral("ANNA"), 5, QStringLiteral("January"), 1990);
    QTest::keyClick(nameBox(), Qt::Key_Return); // no default button: Enter in the name does nothing
    QVERIFY(!m_window->readingFrame());
    auto* proceed = m_window->findChild<QPushButton*>(QStringLiteral("cmdProceed"));
    proceed->setFocus();
    QTest::keyClick(proceed, Qt::Key_Return);
    QVERIFY(m_window->readingFrame());
}

void tst_frmMain::noSignCannotBeReached()
{
    // Validation stops every day that has no sign before the engine runs.
    for (const auto& [day, month] : {std::pair{31, "April"}, std::pair{30, "February"}}) {
        enter(QStringLiteral("ANNA"), day, QString::fromLatin1(month), 2000);
        m_window->cmdProceed_Click();
        QVERIFY(!m_window->readingFrame());
    }
}

void tst_frmMain::backLeavesTheWindowWhereTheUserMovedIt()
{
    const QPoint moved = m_window->pos() + QPoint(-120, 80);
    m_window->move(moved);
    QTRY_COMPARE(m_window->pos(), moved);
    enter(QStringLiteral("ANNA"), 5, QStringLiteral("January"), 1990);
    for (int reading = 1; reading <= 2; ++reading) {
        m_window->cmdProceed_Click();
        QPointer<frmMdi> frame = m_window->readingFrame();
        QVERIFY(frame);
        QVERIFY(QTest::qWaitForWindowExposed(frame));
        frame->cmdBack_Click();
        QTRY_VERIFY(!frame);
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
        QCOMPARE(m_window->pos(), moved);
    }
}

void tst_frmMain::backKeepsTheEntries()
{
    enter(QStringLiteral("ANNA"), 5, QStringLiteral("January"), 1990);
    m_window->cmdProceed_Click();
    QPointer<frmMdi> frame = m_window->readingFrame();
    QVERIFY(frame);
    frame->cmdBack_Click();
    QVERIFY(m_window->isVisible());
    QTRY_VERIFY(!frame);
    QCOMPARE(nameBox()->text(), QStringLiteral("ANNA"));
    QCOMPARE(list("cboDate")->currentText(), QStringLiteral("5"));
    QCOMPARE(list("cboMonth")->currentText(), QStringLiteral("January"));
    QCOMPARE(list("cboYear")->currentText(), QStringLiteral("1990"));

    // A second reading shows only its own sign.
    frmMain::selectEntry(list("cboMonth"), QStringLiteral("August"));
    m_window->cmdProceed_Click();
    frmDisplay* view = m_window->readingFrame()->display();
    QCOMPARE(view->fieldText(QStringLiteral("lblSunSignName")), QStringLiteral("Leo"));
    QVERIFY(!view->findChild<QWidget*>(QStringLiteral("lblCapricorn"))->isVisibleTo(view));
    QVERIFY(view->findChild<QWidget*>(QStringLiteral("lblLeo"))->isVisibleTo(view));
}

void tst_frmMain::linksOpenTheirPages_data()
{
    orvella::testing::addPageRows(
        {{"Label61", "home-page"}, {"lblCobrand", "co-brand"}, {"lblFullBrand", "fully-branded"}});
}

void tst_frmMain::linksOpenTheirPages()
{
    QFETCH(QString, element);
    QFETCH(QString, page);
    if (auto* entry = m_window->findChild<QAction*>(element)) {
        entry->trigger();
    } else {
        auto* label = m_window->findChild<QWidget*>(element);
        QVERIFY(label);
        // A banner is brought to the front as the start-up choice brings it.
        label->show();
        label->raise();
        QTest::mouseClick(label, Qt::LeftButton);
    }
    QCOMPARE(m_urls->urls, QList<QUrl>{webPageUrl(page)});
    QCOMPARE(m_urls->urls.first().toString(),
             QStringLiteral("https://www.orvella.org/orvella/ssd.php?page=") + page);
}

void tst_frmMain::aboutBoxIsModalAndCloses_data()
{
    QTest::addColumn<int>("how");
    QTest::newRow("OK") << 0;
    QTest::newRow("Enter") << 1;
    QTest::newRow("Esc") << 2;
    QTest::newRow("close box") << 3;
}

void tst_frmMain::aboutBoxIsModalAndCloses()
{
    QFETCH(int, how);
    enter(QStringLiteral("ANNA"), 5, QStringLiteral("January"), 1990);
    bool seen = false;
    QTimer::singleShot(0, this, [&] {
        auto* about = qobject_cast<frmAbout*>(QApplication::activeModalWidget());
        QVERIFY(about);
        seen = true;
        QCOMPARE(about->parentWidget(), m_window.get());
        QCOMPARE(about->findChild<QLabel*>(QStringLiteral("Label2"))->text(),
                 QStringLiteral("Orvella v1.25"));
        switch (how) {
        case 0:
            QTest::mouseClick(about->findChild<QPushButton*>(QStringLiteral("cmdOK")),
                              Qt::LeftButton);
            break;
        case 1:
            QTest::keyClick(about, Qt::Key_Return);
            break;
        case 2:
            QTest::keyClick(about, Qt::Key_Escape);
            break;
        default:
            about->close();
        }
    });
    m_window->findChild<QAction*>(QStringLiteral("mnuAbout"))->trigger();
    QVERIFY(seen);
    QVERIFY(!QApplication::activeModalWidget());
    QVERIFY(m_window->isVisible());
    QCOMPARE(nameBox()->text(), QStringLiteral("ANNA"));
}

void tst_frmMain::bannerChoice()
{
    auto* cobrand = m_window->findChild<QWidget*>(QStringLiteral("lblCobrand"));
    auto* full = m_window->findChild<QWidget*>(QStringLiteral("lblFullBrand"));
    const auto inFront = [&] {
        const QPoint centre = cobrand->geometry().center();
        return cobrand->parentWidget()->childAt(centre);
    };
    // The banner behind is hidden, not only covered: no screen reader reads it.
    const auto onlyInFront = [&](QWidget* front) {
        return inFront() == front && front->isVisibleTo(m_window.get()) &&
               !(front == full ? cobrand : full)->isVisibleTo(m_window.get());
    };
    QVERIFY(onlyInFront(full));        // as designed
    m_window->CoBrand_Randomize(0.95); // n = 7
    QVERIFY(onlyInFront(full));
    m_window->CoBrand_Randomize(0.0); // n = 1
    QVERIFY(onlyInFront(cobrand));
    m_window->CoBrand_Randomize(0.95);
    QVERIFY(onlyInFront(cobrand));
    m_window->CoBrand_Randomize(0.5); // n = 4
    QVERIFY(onlyInFront(full));
}

void tst_frmMain::closingEndsTheProgram()
{
    enter(QStringLiteral("ANNA"), 5, QStringLiteral("January"), 1990);
    m_window->cmdProceed_Click();
    QPointer<frmMdi> frame = m_window->readingFrame();
    frame->findChild<QAction*>(QStringLiteral("mnuExit"))->trigger();
    QTRY_VERIFY(!frame);
    QVERIFY(!m_window->isVisible()); // the hidden input window does not come back
    QVERIFY(m_dialogs->messages.isEmpty());
}

QTEST_MAIN(tst_frmMain)
#include "tst_frmmain.moc"
