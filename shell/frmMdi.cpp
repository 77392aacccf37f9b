#include "frmMdi.h"

#include "Application.h"
#include "HandCursor.h"
#include "LinkLabel.h"
#include "Look.h"
#include "Twips.h"
#include "WebLinks.h"
#include "WebPage.h"
#include "frmDisplay.h"
#include "frmSave.h"

#include <QAbstractScrollArea>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>
#include <QWindowStateChangeEvent>
#include <algorithm>
#include <array>

namespace orvella {

namespace {

QString text(const char* source)
{
    return QCoreApplication::translate("orvella::frmMdi", source);
}

// The banner strip opens the home page when clicked anywhere.
class BannerStrip : public QFrame {
public:
    using QFrame::QFrame;

protected:
    void mouseReleaseEvent(QMouseEvent* event) override
    {
        if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
            OpenWebPage(WebPages::Home);
    }
};

// The frame's strips from top to bottom, as designed (heights in twips): the banner, the
// title and the buttons are docked, full width; the client area between them takes the rest.
enum class Strip { Banner, Title, Client, Buttons };

struct StripRow {
    const char* name;
    Strip strip;
    int height;
    QColor background;
};

const std::array<StripRow, 4> Strips{{
    {"Picture1", Strip::Banner, 615, Peach},
    {"Picture3", Strip::Title, 360, LightBlue},
    {"frmMdiClient", Strip::Client, 0, LightBlue},
    {"Picture2", Strip::Buttons, 855, Peach},
}};

// What stands on the strips, as designed (twips, relative to the strip).
enum class ElementStyle { ForumBanner, Title, BrandBanners, Button };

struct ElementRow {
    const char* name;
    ElementStyle style;
    Strip strip;
    int left, top, width, height; // a title's width: sized to the text
    const char* text;
    void (frmMdi::*click)() = nullptr; // a button's handler
};

const std::array<ElementRow, 6> Elements{{
    {"lblVeldaneBanner", ElementStyle::ForumBanner, Strip::Banner, 840, 0, 9480, 465, nullptr},
    {"lblSoftwareName", ElementStyle::Title, Strip::Title, 3960, -15, 0, 345, "Orvella"},
    // The co-branding and the fully-branded banner; the fully-branded one stays in front.
    {"lblCobrand", ElementStyle::BrandBanners, Strip::Buttons, 120, 120, 5745, 615, nullptr},
    {"cmdPrint", ElementStyle::Button, Strip::Buttons, 7080, 240, 1260, 465,
     QT_TRANSLATE_NOOP("orvella::frmMdi", "&Print"), &frmMdi::cmdPrint_Click},
    {"cmdBack", ElementStyle::Button, Strip::Buttons, 8400, 240, 1260, 465,
     QT_TRANSLATE_NOOP("orvella::frmMdi", "&Back"), &frmMdi::cmdBack_Click},
    {"cmdMdiExit", ElementStyle::Button, Strip::Buttons, 9720, 240, 1335, 495,
     QT_TRANSLATE_NOOP("orvella::frmMdi", "&Exit"), &frmMdi::cmdMdiExit_Click},
}};

// Tab after the view (its tabs, their fields, the drawing): the buttons, then the links.
constexpr std::array TabOrderAfterView{"cmdMdiExit",       "cmdBack",    "cmdPrint",
                                       "lblVeldaneBanner", "lblCobrand", "lblFullBrand"};

// A docked strip: full width, fixed height.
QFrame* makeStrip(const StripRow& row)
{
    QFrame* strip = row.strip == Strip::Banner ? new BannerStrip : new QFrame;
    strip->setObjectName(QLatin1StringView(row.name));
    strip->setFixedHeight(twips(row.height));
    setColors(strip, Maroon, row.background);
    if (row.strip == Strip::Banner)
        showHandCursor(strip);
    if (row.strip == Strip::Title)
        strip->setFrameStyle(QFrame::Box | QFrame::Plain); // a thin border
    return strip;
}

QWidget* makeForumBanner(const ElementRow& row, QWidget* strip)
{
    auto* banner = new LinkLabel(
        frmMdi::tr("Visit the Orvella forum at %1 and meet fellow seekers").arg(SiteAddress),
        strip);
    banner->setFont(verdana(9.75, true, true));
    banner->setAlignment(Qt::AlignCenter);
    banner->setGeometry(twipsRect(row.left, row.top, row.width, row.height));
    setColors(banner, Maroon);
    QObject::connect(banner, &LinkLabel::clicked, banner, [] { OpenWebPage(WebPages::Home); });
    return banner;
}

QWidget* makeTitle(const ElementRow& row, QWidget* strip)
{
    auto* title = new QLabel(text(row.text), strip);
    title->setTextFormat(Qt::PlainText);
    title->setFont(verdana(14.25, true));
    setColors(title, Maroon);
    title->move(twipsPoint(row.left, row.top));
    title->adjustSize();
    title->resize(title->width(), twips(row.height));
    return title;
}

QWidget* makeButton(const ElementRow& row, QWidget* strip)
{
    auto* button = new QPushButton(text(row.text), strip);
    button->setGeometry(twipsRect(row.left, row.top, row.width, row.height));
    button->setAutoDefault(true); // Enter presses the button that has the focus
    makeFlatButton(button);
    return button;
}

// Whether the widget, or one it lies in below the view, does something with a wheel turn
// itself: a text box scrolls, the tab strip changes tabs.
bool usesTheWheel(const QWidget* widget, const QWidget* view)
{
    for (; widget && widget != view; widget = widget->parentWidget())
        if (qobject_cast<const QAbstractScrollArea*>(widget) ||
            qobject_cast<const QTabBar*>(widget))
            return true;
    return false;
}

} // namespace

frmMdi::frmMdi(std::function<ReportSource()> reportSource, QWidget* parent)
    : QMainWindow(parent)
    , m_reportSource(std::move(reportSource))
{
    setObjectName(QStringLiteral("frmMdi"));
    setWindowTitle(WindowTitle);
    // Every window has the same title: the description tells them apart.
    setAccessibleDescription(tr("Reading window: the Tree of Life and your reading on three tabs"));
    setAttribute(Qt::WA_DeleteOnClose);
    resize(twipsSize(11175, 8025));
    buildStrips();
    buildMenus();
    applyLayout(); // MDIForm_Load
}

void frmMdi::buildStrips()
{
    auto* central = new QWidget(this);
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    setCentralWidget(central);

    std::array<QWidget*, Strips.size()> strips{};
    for (const StripRow& row : Strips) {
        QWidget* strip = row.strip == Strip::Client ? buildClientArea() : makeStrip(row);
        strips[static_cast<std::size_t>(row.strip)] = strip;
        column->addWidget(strip, row.strip == Strip::Client ? 1 : 0);
    }
    m_buttonStrip = strips[static_cast<std::size_t>(Strip::Buttons)];
    m_buttonStrip->installEventFilter(this);

    for (const ElementRow& row : Elements) {
        QWidget* strip = strips[static_cast<std::size_t>(row.strip)];
        QWidget* element = nullptr;
        switch (row.style) {
        case ElementStyle::ForumBanner:
            element = makeForumBanner(row, strip);
            break;
        case ElementStyle::Title:
            element = makeTitle(row, strip);
            break;
        case ElementStyle::BrandBanners:
            addBrandBanners(strip, twipsRect(row.left, row.top, row.width, row.height));
            continue;
        case ElementStyle::Button:
            element = makeButton(row, strip);
            connect(static_cast<QPushButton*>(element), &QPushButton::clicked, this, row.click);
            break;
        }
        element->setObjectName(QLatin1StringView(row.name));
    }
    m_lblVeldaneBanner = findChild<QWidget*>(QStringLiteral("lblVeldaneBanner"));
    m_lblSoftwareName = findChild<QLabel*>(QStringLiteral("lblSoftwareName"));
    m_cmdPrint = findChild<QPushButton*>(QStringLiteral("cmdPrint"));
    m_cmdBack = findChild<QPushButton*>(QStringLiteral("cmdBack"));
    m_cmdMdiExit = findChild<QPushButton*>(QStringLiteral("cmdMdiExit"));

    // Tab, once every strip is in the window.
    QWidget* previous = m_display->lastInKeyboardOrder();
    for (const char* name : TabOrderAfterView) {
        QWidget* next = findChild<QWidget*>(QLatin1StringView(name));
        QWidget::setTabOrder(previous, next);
        previous = next;
    }
    // The frame opens with the focus where Tab starts: on the tabs.
    m_display->tabs()->tabBar()->setFocus();

    // Back, Print and Exit always stay within reach.
    setMinimumWidth(twips(2700 + 1260) + 8);
}

QScrollArea* frmMdi::buildClientArea()
{
    // Where the client area is smaller than the reading view, the view scrolls; the scroll
    // bars show only then. Where it is larger, the view sits at the top, centred.
    m_client = new QScrollArea;
    m_client->setObjectName(QStringLiteral("frmMdiClient"));
    m_client->setFrameShape(QFrame::NoFrame);
    // Not a stop of its own for Tab: the area scrolls to whatever the focus moves to inside.
    m_client->setFocusPolicy(Qt::NoFocus);
    m_client->setWidgetResizable(true);
    m_canvas = new QWidget;
    m_canvas->setObjectName(QStringLiteral("frmMdiCanvas"));
    setColors(m_canvas, Maroon, LightBlue);
    m_display = new frmDisplay(m_canvas);
    m_canvas->setMinimumSize(m_display->size());
    m_client->setWidget(m_canvas);
    setColors(m_client->viewport(), Maroon, LightBlue);
    m_canvas->installEventFilter(this);
    // The view's elements keep pointer events to themselves, so a wheel turn would never reach
    // the client area: over anything but a text box or the tab strip, it scrolls the area.
    for (QWidget* element : m_display->findChildren<QWidget*>())
        if (!usesTheWheel(element, m_display))
            element->installEventFilter(this);
    return m_client;
}

void frmMdi::buildMenus()
{
    QMenu* file = menuBar()->addMenu(tr("&File"));
    addMenuEntry(file, this, "mnuPrint", tr("&Print"), [this] { cmdPrint_Click(); });
    addMenuEntry(file, this, "mnuBack", tr("&Back"), [this] { cmdBack_Click(); });
    addMenuEntry(file, this, "mnuExit", tr("E&xit"), [this] { cmdMdiExit_Click(); });
    addHelpAndDonateMenus(this, "mnuSep1", "mnuSep2");
}

void frmMdi::applyLayout()
{
    // Measured against the frame's own client width, so that in a smaller frame the buttons
    // stay at the right-hand end and the view is never pushed past the left edge. The view is
    // centred in the area it scrolls in, which a vertical scroll bar makes narrower.
    const int width = m_buttonStrip->width();
    const auto centredIn = [](int space, QWidget* w) {
        return std::max(0, qRound((space - w->width()) / 2.0));
    };
    const auto fromRight = [width](QWidget* w, int gapTwips) {
        return std::max(0, width - (w->width() + twips(gapTwips)));
    };
    m_lblVeldaneBanner->move(centredIn(width, m_lblVeldaneBanner), m_lblVeldaneBanner->y());
    m_lblSoftwareName->move(centredIn(width, m_lblSoftwareName), m_lblSoftwareName->y());
    m_cmdMdiExit->move(fromRight(m_cmdMdiExit, 20), m_cmdMdiExit->y());
    m_cmdBack->move(fromRight(m_cmdBack, 1400), m_cmdBack->y());
    m_display->move(centredIn(m_canvas->width(), m_display), 0);
    m_cmdPrint->move(fromRight(m_cmdPrint, 2700), m_cmdPrint->y());
}

QSize frmMdi::fullSize() const
{
    int height = m_display->height();
    for (const char* name : {"Picture1", "Picture3", "Picture2"})
        height += findChild<QWidget*>(QLatin1StringView(name))->height();
    if (const QMenuBar* bar = menuBar(); bar->isVisibleTo(this))
        height += bar->sizeHint().height();
    return QSize(std::max(m_display->width(), minimumWidth()), height);
}

void frmMdi::placeUnmaximised(const QScreen* screen)
{
    if (!screen)
        screen = this->screen();
    if (!screen || (windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)))
        return;
    const QRect available = screen->availableGeometry();
    // The window frame's title bar and borders, as far as the window system has told them.
    const QRect frame = frameGeometry();
    const QRect client = geometry();
    const QMargins decoration(client.left() - frame.left(), client.top() - frame.top(),
                              frame.right() - client.right(), frame.bottom() - client.bottom());
    const QSize room = available.size().shrunkBy(decoration);
    const QSize size = fullSize().boundedTo(room);
    resize(size);
    // On Wayland only the compositor places windows.
    if (QGuiApplication::platformName().startsWith(QLatin1StringView("wayland")))
        return;
    // The frame's outer edge centred in the available area: the title bar lies inside it.
    const QSize outer = size.grownBy(decoration);
    move(available.left() + std::max(0, (available.width() - outer.width()) / 2),
         available.top() + std::max(0, (available.height() - outer.height()) / 2));
}

void frmMdi::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange)
        return;
    const auto* change = static_cast<QWindowStateChangeEvent*>(event);
    const Qt::WindowStates special =
        Qt::WindowMaximized | Qt::WindowFullScreen | Qt::WindowMinimized;
    // Back from maximised: the window system brings the size the frame had before, which may
    // be the whole screen; the frame takes its own size and place instead.
    if (!(change->oldState() & (Qt::WindowMaximized | Qt::WindowFullScreen)) ||
        (windowState() & special))
        return;
    // A Wayland compositor ends the program for a size that does not match the state it last
    // configured, and the state changes here before it has confirmed it (at once when the
    // program itself asks for it): the frame waits for the resize that the compositor's new
    // configuration brings. The compositor keeps the place.
    if (QGuiApplication::platformName().startsWith(QLatin1StringView("wayland")))
        m_sizeOnNextResize = true;
    else
        placeUnmaximised();
}

void frmMdi::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    if (!m_sizeOnNextResize ||
        (windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen | Qt::WindowMinimized)))
        return;
    m_sizeOnNextResize = false;
    placeUnmaximised();
}

bool frmMdi::eventFilter(QObject* watched, QEvent* event)
{
    if ((watched == m_canvas || watched == m_buttonStrip) && event->type() == QEvent::Resize)
        applyLayout(); // MDIForm_Resize
    else if (event->type() == QEvent::Wheel && watched != m_canvas && watched != m_buttonStrip)
        return QCoreApplication::sendEvent(m_client->viewport(), event);
    return QMainWindow::eventFilter(watched, event);
}

void frmMdi::cmdBack_Click()
{
    closeForBack();
    emit backRequested();
}

void frmMdi::closeForBack()
{
    m_closingForBack = true;
    close();
}

void frmMdi::cmdPrint_Click()
{
    // The frame owns the report window as its child, so it lives on the heap alone: a frame
    // that goes while the report is open takes it along once, and exec() then returns at once.
    // Closing the window discards it. Nothing of the frame is touched after exec(), which the
    // frame may not outlive.
    auto* report = new frmSave(m_reportSource(), this);
    report->setAttribute(Qt::WA_DeleteOnClose);
    report->exec();
}

void frmMdi::cmdMdiExit_Click()
{
    close();
}

void frmMdi::closeEvent(QCloseEvent* event)
{
    event->accept();
    MDIForm_Unload();
}

void frmMdi::MDIForm_Unload()
{
    // Only Back goes on; every other way of closing the frame ends the program.
    if (!m_closingForBack)
        EndApplication();
}

} // namespace orvella
