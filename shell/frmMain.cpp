#include "frmMain.h"

#include "Application.h"
#include "BirthDateLists.h"
#include "BirthInputRules.h"
#include "CoBrand.h"
#include "DateList.h"
#include "Dialogs.h"
#include "KnowledgeTexts.h"
#include "LinkLabel.h"
#include "Look.h"
#include "NameValidator.h"
#include "Reading.h"
#include "ReportFile.h"
#include "ReportSource.h"
#include "SignDetermination.h"
#include "TreeHighlight.h"
#include "Twips.h"
#include "UpdateReminder.h"
#include "WebLinks.h"
#include "WebPage.h"
#include "WindowPlacement.h"
#include "WrappingButton.h"
#include "frmDisplay.h"
#include "frmMdi.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QScreen>
#include <QTabWidget>
#include <array>

namespace orvella {

namespace {

// The window's messages, translated in its own context (frmMain::tr).
constexpr auto NameMissing = QT_TRANSLATE_NOOP("orvella::frmMain", "Please Enter  Your Name !");
constexpr auto FebruaryRefused =
    QT_TRANSLATE_NOOP("orvella::frmMain", "Please Enter Correct Date Or Month!");
constexpr auto ThirtyDayMonthRefused =
    QT_TRANSLATE_NOOP("orvella::frmMain", "Please Enter Correct Date Or Month !");
constexpr auto OnlyLetters = QT_TRANSLATE_NOOP("orvella::frmMain", "Please Enter only Letters");
constexpr auto FileRefused = QT_TRANSLATE_NOOP("orvella::frmMain", "Please Check The File.");

// A text of the window's tables in the user's language (the tables mark theirs).
QString text(const char* source)
{
    return QCoreApplication::translate("orvella::frmMain", source);
}

// The window's containers and plain labels, as designed (twips, relative to the container).
enum class Container { TopStrip, MiddlePanel, Details, BottomStrip };

struct LabelRow {
    const char* name;
    Container container;
    int left, top, width, height; // width 0: sized to the text
    const char* text;
    QColor color;
    double pointSize;
    Qt::Alignment alignment;
};

const std::array<LabelRow, 8> Labels{{
    {"Label3", Container::MiddlePanel, 240, 120, 7095, 615,
     QT_TRANSLATE_NOOP(
         "orvella::frmMain",
         "Welcome to Orvella. This software aims to give you a better idea about the relationship "
         "of your sun sign with the Kabbalah Tree of Life, Tarot Cards and Runes Stones."),
     Yellow, 9, Qt::AlignHCenter | Qt::AlignTop},
    {"Label4", Container::MiddlePanel, 120, 855, 7215, 435,
     QT_TRANSLATE_NOOP("orvella::frmMain",
                       "Enter Your Name and Date of Birth and Get Your Orvella Reading."),
     Cyan, 9, Qt::AlignHCenter | Qt::AlignTop},
    {"Label1", Container::Details, 240, 330, 0, 240, QT_TRANSLATE_NOOP("orvella::frmMain", "Name"),
     Maroon, 9, Qt::AlignLeft},
    {"Label5", Container::Details, 1785, 840, 0, 240, QT_TRANSLATE_NOOP("orvella::frmMain", "Date"),
     Maroon, 8.25, Qt::AlignLeft},
    {"Label7", Container::Details, 3000, 840, 0, 240,
     QT_TRANSLATE_NOOP("orvella::frmMain", "Month"), Maroon, 8.25, Qt::AlignLeft},
    {"Label6", Container::Details, 4440, 840, 0, 240, QT_TRANSLATE_NOOP("orvella::frmMain", "Year"),
     Maroon, 8.25, Qt::AlignLeft},
    {"Label2", Container::Details, 120, 1140, 0, 240,
     QT_TRANSLATE_NOOP("orvella::frmMain", "Date Of Birth"), Maroon, 8.25, Qt::AlignLeft},
    {"Label61", Container::TopStrip, 60, 120, 7320, 585, nullptr, Maroon, 9, Qt::AlignHCenter},
}};

// The caption label of each entry of the details box.
const char* captionLabel(const char* caption)
{
    for (const LabelRow& row : Labels)
        if (row.text && qstrcmp(row.text, caption) == 0)
            return row.name;
    return "";
}

// The strips of the window and the details box in the middle one, as designed (twips).
struct PanelRow {
    Container container;
    int left, top, width, height;
    QColor background;
};

const std::array<PanelRow, 4> Panels{{
    {Container::TopStrip, 0, 0, 7455, 615, Peach},
    {Container::MiddlePanel, 0, 600, 7455, 3735, Maroon},
    {Container::BottomStrip, 0, 4320, 7455, 975, Peach},
    {Container::Details, 2040, 1320, 5295, 1455, Peach}, // inside the middle panel
}};

// The entries and buttons, as designed; a date list's text is its caption.
enum class ControlStyle { NameBox, DateList, WrappingButton, Button, Banners };

struct ControlRow {
    const char* name;
    ControlStyle style;
    Container container;
    int left, top, width, height;
    const char* text;
    double pointSize;
    void (frmMain::*click)() = nullptr; // a button's handler
};

const std::array<ControlRow, 8> Controls{{
    {"txtName", ControlStyle::NameBox, Container::Details, 1560, 240, 3615, 375,
     QT_TRANSLATE_NOOP("orvella::frmMain", "Name"), 9},
    {"cboDate", ControlStyle::DateList, Container::Details, 1560, 1080, 900, 315,
     QT_TRANSLATE_NOOP("orvella::frmMain", "Date"), 8.25},
    {"cboMonth", ControlStyle::DateList, Container::Details, 2580, 1080, 1380, 315,
     QT_TRANSLATE_NOOP("orvella::frmMain", "Month"), 8.25},
    {"cboYear", ControlStyle::DateList, Container::Details, 4080, 1080, 1020, 315,
     QT_TRANSLATE_NOOP("orvella::frmMain", "Year"), 8.25},
    {"cmdOpen", ControlStyle::WrappingButton, Container::MiddlePanel, 120, 1320, 1815, 1455,
     QT_TRANSLATE_NOOP("orvella::frmMain", "Click Here To Open Previously Saved Orvella Reading"),
     8.25, &frmMain::cmdOpen_Click},
    {"cmdProceed", ControlStyle::Button, Container::MiddlePanel, 120, 2880, 7260, 615,
     QT_TRANSLATE_NOOP("orvella::frmMain", "&Proceed"), 9, &frmMain::cmdProceed_Click},
    // The two banners, one in front of the other.
    {"lblCobrand", ControlStyle::Banners, Container::BottomStrip, 120, 240, 6105, 615, nullptr,
     8.25},
    {"cmdExit", ControlStyle::Button, Container::BottomStrip, 6360, 360, 975, 375,
     QT_TRANSLATE_NOOP("orvella::frmMain", "&Exit"), 8.25, &frmMain::cmdExit_Click},
}};

// Tab: the window's own controls, then the links: the forum, then the banner in front.
constexpr std::array TabOrder{"txtName", "cboDate", "cboMonth", "cboYear",    "cmdProceed",
                              "cmdOpen", "cmdExit", "Label61",  "lblCobrand", "lblFullBrand"};

QWidget* panel(QWidget* parent, const QRect& geometry, const QColor& background)
{
    auto* widget = new QWidget(parent);
    widget->setGeometry(geometry);
    setColors(widget, Maroon, background);
    return widget;
}

QWidget* detailsBox(QWidget* parent, const QRect& geometry, const QColor& background)
{
    auto* details = new QGroupBox(frmMain::tr("Your Details"), parent);
    details->setObjectName(QStringLiteral("fraDetails"));
    details->setGeometry(geometry);
    details->setFont(verdana(8.25, true));
    setColors(details, Maroon, background);
    return details;
}

// The name box lets through only what the name rule takes; its validator tells of the rest.
QLineEdit* nameBox(QWidget* parent, const ControlRow& row)
{
    auto* box = new QLineEdit(parent);
    box->setAccessibleName(text(row.text));
    box->setFont(verdana(row.pointSize, true));
    box->setMaxLength(MaxNameLength);
    setColors(box, Peach, Maroon);
    box->setValidator(new NameValidator(box));
    if (auto* caption = parent->findChild<QLabel*>(QLatin1StringView(captionLabel(row.text))))
        caption->setBuddy(box);
    return box;
}

QPushButton* button(QPushButton* button, const ControlRow& row)
{
    makeFlatButton(button, row.pointSize);
    button->setAutoDefault(true); // Enter presses the button that has the focus
    button->setDefault(false);
    return button;
}

// A date list, named by its caption, which a screen reader speaks with the list's entry.
QComboBox* dateList(QWidget* parent, const char* name, const char* caption, const QRect& geometry)
{
    auto* list = new DateList(QLatin1StringView(caption), parent);
    list->setObjectName(QLatin1StringView(name));
    list->setGeometry(geometry);
    list->setFont(verdana(8.25, true));
    list->setMaxVisibleItems(16);
    setColors(list, Peach, Maroon);
    return list;
}

} // namespace

frmMain::frmMain(SettingsStore& settings, QWidget* parent)
    : QMainWindow(parent)
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(WindowTitle);
    // Every window has the same title: the description tells them apart.
    setAccessibleDescription(tr("Input window: your name and date of birth"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    buildControls();
    buildMenus();
    setFixedSize(twips(7440), twips(5295) + menuBar()->sizeHint().height());
    m_txtName->setFocus();
    centreWhenShown(this);
    Form_Load(settings);
}

frmMain::~frmMain()
{
    if (m_frame)
        delete m_frame.data();
}

void frmMain::buildControls()
{
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("frmMainClient"));
    setColors(client, Maroon, Maroon);
    setCentralWidget(client);

    std::array<QWidget*, 4> containers{};
    const auto containerOf = [&](Container c) { return containers[static_cast<std::size_t>(c)]; };
    for (const PanelRow& row : Panels) {
        const QRect geometry = twipsRect(row.left, row.top, row.width, row.height);
        containers[static_cast<std::size_t>(row.container)] =
            row.container == Container::Details
                ? detailsBox(containerOf(Container::MiddlePanel), geometry, row.background)
                : panel(client, geometry, row.background);
    }

    const auto place = [](auto* label, const LabelRow& row) {
        label->setObjectName(QLatin1StringView(row.name));
        label->setFont(verdana(row.pointSize, true, !row.text));
        label->setAlignment(row.alignment);
        label->setWordWrap(row.width > 0);
        setColors(label, row.color);
        if (row.width > 0) {
            label->setGeometry(twipsRect(row.left, row.top, row.width, row.height));
        } else {
            label->move(twipsPoint(row.left, row.top));
            label->adjustSize();
        }
    };
    for (const LabelRow& row : Labels) {
        QWidget* parent = containerOf(row.container);
        if (row.text) {
            auto* label = new QLabel(parent);
            label->setTextFormat(Qt::PlainText);
            label->setText(text(row.text));
            place(label, row);
        } else {
            auto* link = new LinkLabel(
                tr("Join the Orvella forum at %1 and share your reading").arg(SiteAddress), parent);
            connect(link, &LinkLabel::clicked, this, [] { OpenWebPage(WebPages::Home); });
            place(link, row);
        }
    }

    for (const ControlRow& row : Controls) {
        QWidget* parent = containerOf(row.container);
        const QRect geometry = twipsRect(row.left, row.top, row.width, row.height);
        QWidget* widget = nullptr;
        switch (row.style) {
        case ControlStyle::NameBox:
            widget = m_txtName = nameBox(parent, row);
            connect(m_txtName->findChild<NameValidator*>(), &NameValidator::refused, this,
                    &frmMain::showNameRefused, Qt::QueuedConnection);
            break;
        case ControlStyle::DateList:
            widget = dateList(parent, row.name, row.text, geometry);
            break;
        case ControlStyle::WrappingButton:
            widget = button(new WrappingButton(text(row.text), parent), row);
            break;
        case ControlStyle::Button:
            widget = button(new QPushButton(text(row.text), parent), row);
            break;
        case ControlStyle::Banners: {
            const BrandBanners banners = addBrandBanners(parent, geometry);
            m_lblCobrand = banners.cobrand;
            m_lblFullBrand = banners.fullBrand;
            continue;
        }
        }
        widget->setObjectName(QLatin1StringView(row.name));
        widget->setGeometry(geometry);
        if (row.click)
            connect(static_cast<QPushButton*>(widget), &QPushButton::clicked, this, row.click);
    }
    m_cboDate = findChild<QComboBox*>(QStringLiteral("cboDate"));
    m_cboMonth = findChild<QComboBox*>(QStringLiteral("cboMonth"));
    m_cboYear = findChild<QComboBox*>(QStringLiteral("cboYear"));

    QWidget* previous = nullptr;
    for (const char* name : TabOrder) {
        QWidget* next = findChild<QWidget*>(QLatin1StringView(name));
        if (previous && next)
            QWidget::setTabOrder(previous, next);
        previous = next;
    }
}

void frmMain::buildMenus()
{
    QMenu* file = menuBar()->addMenu(tr("&File"));
    addMenuEntry(file, this, "mnuGetMyKabbalisticAstrology", tr("&Proceed"),
                 [this] { cmdProceed_Click(); });
    addMenuEntry(file, this, "mnuOpenPreviouslySavedKabbalah",
                 tr("Open Previously Saved Orvella Reading"), [this] { cmdOpen_Click(); });
    addMenuEntry(file, this, "mnuExit", tr("E&xit"), [this] { cmdExit_Click(); });
    addHelpAndDonateMenus(this, "mnuHelp1", "mnuHelp2");
}

void frmMain::Form_Load(SettingsStore& settings)
{
    // The window is not shown yet: the question stands on its own, in the middle of the screen.
    RemindOfUpdate(settings, QDate::currentDate(), nullptr);
    m_cboDate->addItems(dayEntries());
    m_cboMonth->addItems(monthTexts());
    m_cboYear->addItems(yearEntries());
    for (QComboBox* list : {m_cboDate, m_cboMonth, m_cboYear})
        list->setCurrentIndex(0);
}

void frmMain::showNameRefused()
{
    Dialogs::information(this, tr(OnlyLetters));
}

bool frmMain::ValidateBirthInput()
{
    // A name of blanks alone is no name.
    if (m_txtName->text().trimmed().isEmpty()) {
        Dialogs::information(this, tr(NameMissing));
        m_txtName->setFocus();
        return false;
    }
    switch (dateRefusal(m_cboMonth->currentIndex(), m_cboDate->currentIndex(),
                        m_cboYear->currentText().toInt())) {
    case DateRefusal::None:
        return true;
    case DateRefusal::February:
        Dialogs::information(this, tr(FebruaryRefused));
        return false;
    case DateRefusal::ThirtyDayMonth:
        Dialogs::information(this, tr(ThirtyDayMonthRefused));
        return false;
    }
    return false;
}

void frmMain::cmdProceed_Click()
{
    if (!ValidateBirthInput())
        return;

    const auto withoutBlanks = [](const QComboBox* list) {
        return list->currentText().remove(u' ');
    };
    m_birthInput.name = m_txtName->text().trimmed();
    m_birthInput.year = static_cast<std::int16_t>(withoutBlanks(m_cboYear).toShort());
    m_birthInput.monthName = monthEntries().value(m_cboMonth->currentIndex());
    m_birthInput.day = static_cast<std::int16_t>(withoutBlanks(m_cboDate).toShort());
    m_birthInput.monthIndex = static_cast<std::int16_t>(m_cboMonth->currentIndex());
    m_birthInput.dayIndex = static_cast<std::int16_t>(m_cboDate->currentIndex());

    LoadKnowledgeTexts();

    // Every reading gets a fresh frame and view, so nothing of an earlier one survives.
    if (m_frame)
        m_frame->closeForBack();
    m_frame = new frmMdi([this] { return reportSource(); });
    frmDisplay* view = m_frame->display();
    if (const SignResult sign = DetermineSign(m_birthInput.monthIndex, m_birthInput.dayIndex)) {
        view->ShowReading(BuildReading(*sign, TheKnowledgeTexts()));
        view->ApplyHighlight(HighlightFor(*sign));
    }
    view->tabs()->setCurrentIndex(1);
    // Back shows the window where the user left it. A window manager places a window that is
    // mapped again as it places a new one (openbox centres it), whatever Qt hints: the place is
    // given again once the window is shown.
    const QRect place = geometry();
    hide();
    connect(m_frame, &frmMdi::backRequested, this, [this, place] {
        show();
        setGeometry(place);
    });
    // Maximised on the input window's screen; un-maximised it comes back at its own size,
    // centred there.
    m_frame->placeUnmaximised(screen());
    m_frame->showMaximized();
}

ReportSource frmMain::reportSource() const
{
    ReportSource source;
    source.birth = m_birthInput;
    source.monthText = m_cboMonth->currentText();
    source.dayText = m_cboDate->currentText();
    source.yearText = m_cboYear->currentText();
    if (m_frame) {
        QPointer<frmDisplay> view = m_frame->display();
        source.fieldText = [view](const QString& name) {
            return view ? view->fieldText(name) : QString();
        };
    }
    return source;
}

void frmMain::cmdOpen_Click()
{
    const QString path = Dialogs::openFileName(
        this, {tr("Select the source file"), text("Orvella (*.lyr)"), text("lyr")});
    if (path.isEmpty())
        return;
    const std::optional<ReportFileEntries> entries =
        HasReportFileSuffix(path) ? ReadReportFile(path) : std::nullopt;
    if (!entries) {
        Dialogs::error(this, tr(FileRefused));
        return;
    }
    setName(entries->name);
    selectEntry(m_cboDate, entries->day);
    // The file holds the month's English name; the list shows it in the user's language.
    m_cboMonth->setCurrentIndex(int(monthEntries().indexOf(entries->monthName)));
    selectEntry(m_cboYear, entries->year);
    cmdProceed_Click();
}

frmMdi* frmMain::readingFrame() const
{
    return m_frame;
}

void frmMain::setName(const QString& name)
{
    m_txtName->setText(name);
}

void frmMain::selectEntry(QComboBox* list, const QString& entry)
{
    const int index = list->findText(entry, Qt::MatchExactly);
    if (index >= 0)
        list->setCurrentIndex(index);
}

void frmMain::CoBrand_Randomize(double r)
{
    switch (BannerFor(r)) {
    case Banner::CoBrand:
        bringToFront(m_lblCobrand, m_lblFullBrand);
        break;
    case Banner::FullBrand:
        bringToFront(m_lblFullBrand, m_lblCobrand);
        break;
    case Banner::Unchanged:
        break;
    }
}

void frmMain::cmdExit_Click()
{
    close();
}

void frmMain::closeEvent(QCloseEvent* event)
{
    event->accept();
    Form_Unload();
}

void frmMain::Form_Unload()
{
    // Closing the input window, by any way, ends the program.
    EndApplication();
}

} // namespace orvella
