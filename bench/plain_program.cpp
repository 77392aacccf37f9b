// The plain program the benchmark measures Orvella's start-up against: the input window's
// widgets, menus and filled lists in a plain Qt program that links only Qt Core, Gui and
// Widgets, with the program's style and nothing else. Like Orvella, it decodes no window icon
// before its first paint. Run by orvella_bench, timed from its spawn to its first paint:
//
//   orvella_plain --spawned-at <nanoseconds>
#include "PaintProbe.h"
#include "Twips.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>

using namespace orvella;
using namespace orvella::bench;

namespace {

PaintProbe* probe = nullptr;
qint64 spawnedAt = 0;

// The date lists' entries: the days, the months and the years 1900 to 2050.
QStringList dayEntries()
{
    QStringList days;
    for (int day = 1; day <= 31; ++day)
        days << QString::number(day);
    return days;
}

QStringList monthEntries()
{
    return {QStringLiteral("January"), QStringLiteral("February"), QStringLiteral("March"),
            QStringLiteral("April"),   QStringLiteral("May"),      QStringLiteral("June"),
            QStringLiteral("July"),    QStringLiteral("August"),   QStringLiteral("September"),
            QStringLiteral("October"), QStringLiteral("November"), QStringLiteral("December")};
}

QStringList yearEntries()
{
    QStringList years;
    for (int year = 1900; year <= 2050; ++year)
        years << QString::number(year);
    return years;
}

const QString SiteAddress = QStringLiteral("www.orvella.org");
const QString CoBrandInvitation =
    QStringLiteral("Co-brand this software for your site. Put your name and web address on "
                   "Orvella and give it to your visitors. Click Here for more info on "
                   "co-branding.");
const QString FullBrandInvitation =
    QStringLiteral("Home Business Opportunity. Start your own Internet business and make money "
                   "online. Get this software fully branded for your website. Click here for "
                   "more details.");

QLabel* plainLabel(const QString& text, QWidget* parent, const QRect& geometry)
{
    auto* label = new QLabel(text, parent);
    label->setWordWrap(true);
    label->setGeometry(geometry);
    return label;
}

class PlainWindow : public QMainWindow {
public:
    PlainWindow()
    {
        setObjectName(QStringLiteral("plain"));
        setWindowTitle(QStringLiteral("Plain"));
        auto* client = new QWidget(this);
        setCentralWidget(client);
        auto* top = new QWidget(client);
        top->setGeometry(twipsRect(0, 0, 7455, 615));
        auto* middle = new QWidget(client);
        middle->setGeometry(twipsRect(0, 600, 7455, 3735));
        auto* bottom = new QWidget(client);
        bottom->setGeometry(twipsRect(0, 4320, 7455, 975));
        auto* details = new QGroupBox(QStringLiteral("Your Details"), middle);
        details->setGeometry(twipsRect(2040, 1320, 5295, 1455));

        plainLabel(QStringLiteral("Welcome to Orvella. This software aims to give you a better "
                                  "idea about the relationship of your sun sign with the Kabbalah "
                                  "Tree of Life, Tarot Cards and Runes Stones."),
                   middle, twipsRect(240, 120, 7095, 615));
        plainLabel(
            QStringLiteral("Enter Your Name and Date of Birth and Get Your Orvella Reading."),
            middle, twipsRect(120, 855, 7215, 435));
        plainLabel(QStringLiteral("Name"), details, twipsRect(240, 330, 600, 240));
        plainLabel(QStringLiteral("Date"), details, twipsRect(1785, 840, 600, 240));
        plainLabel(QStringLiteral("Month"), details, twipsRect(3000, 840, 800, 240));
        plainLabel(QStringLiteral("Year"), details, twipsRect(4440, 840, 600, 240));
        plainLabel(QStringLiteral("Date Of Birth"), details, twipsRect(120, 1140, 1500, 240));
        plainLabel(
            QStringLiteral("Join the Orvella forum at %1 and share your reading").arg(SiteAddress),
            top, twipsRect(60, 120, 7320, 585));
        plainLabel(CoBrandInvitation, bottom, twipsRect(120, 240, 6105, 615));
        plainLabel(FullBrandInvitation, bottom, twipsRect(120, 240, 6105, 615));

        auto* name = new QLineEdit(details);
        name->setGeometry(twipsRect(1560, 240, 3615, 375));
        const auto list = [details](const QStringList& entries, const QRect& geometry) {
            auto* box = new QComboBox(details);
            box->setGeometry(geometry);
            box->addItems(entries);
        };
        list(dayEntries(), twipsRect(1560, 1080, 900, 315));
        list(monthEntries(), twipsRect(2580, 1080, 1380, 315));
        list(yearEntries(), twipsRect(4080, 1080, 1020, 315));

        const auto button = [](const char* caption, QWidget* parent, const QRect& geometry) {
            auto* b = new QPushButton(QString::fromLatin1(caption), parent);
            b->setGeometry(geometry);
        };
        button("Click Here To Open Previously Saved Orvella Reading", middle,
               twipsRect(120, 1320, 1815, 1455));
        button("&Proceed", middle, twipsRect(120, 2880, 7260, 615));
        button("&Exit", bottom, twipsRect(6360, 360, 975, 375));

        QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
        file->addAction(QStringLiteral("&Proceed"));
        file->addAction(QStringLiteral("Open Previously Saved Orvella Reading"));
        file->addAction(QStringLiteral("E&xit"));
        QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
        help->addAction(QStringLiteral("&Online Help"));
        help->addAction(QStringLiteral("&Visit Us Online"));
        help->addSeparator();
        help->addAction(QStringLiteral("Check for Software &Update"));
        help->addSeparator();
        help->addAction(QStringLiteral("&About Software"));
        menuBar()->addAction(QStringLiteral("&Donate"));
        setFixedSize(twips(7440), twips(5295) + menuBar()->sizeHint().height());
        name->setFocus();
    }
};

} // namespace

int main(int argc, char* argv[])
{
    for (int i = 1; i + 1 < argc; ++i)
        if (qstrcmp(argv[i], "--spawned-at") == 0)
            spawnedAt = std::atoll(argv[i + 1]);
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    probe = new PaintProbe;
    app.installEventFilter(probe);
    probe->expect([](const QWidget* w) { return inWindow(w, "plain"); },
                  [] {
                      report("startup", milliseconds(probe->paintedAt() - spawnedAt));
                      report("rss_mb_startup", residentMegabytes());
                      std::fflush(stdout);
                      std::_Exit(0);
                  },
                  "startup");
    PlainWindow window;
    window.show();
    return app.exec();
}
