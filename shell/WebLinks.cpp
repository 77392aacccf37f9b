#include "WebLinks.h"

#include "LinkLabel.h"
#include "Look.h"
#include "WebPage.h"
#include "frmAbout.h"

#include <QCoreApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QShortcut>

namespace orvella {

namespace {

// The menus and banners every window shares are translated in one context.
struct WebLinks {
    Q_DECLARE_TR_FUNCTIONS(orvella::WebLinks)
};

} // namespace

void addHelpAndDonateMenus(QMainWindow* window, const char* firstSeparator,
                           const char* secondSeparator)
{
    QMenuBar* bar = window->menuBar();
    QMenu* help = bar->addMenu(WebLinks::tr("&Help"));
    addMenuEntry(help, window, "mnuOnline", WebLinks::tr("&Online Help"),
                 [] { OpenWebPage(WebPages::Help); });
    addMenuEntry(help, window, "mnuVisit", WebLinks::tr("&Visit Us Online"),
                 [] { OpenWebPage(WebPages::Home); });
    help->addSeparator()->setObjectName(QLatin1StringView(firstSeparator));
    addMenuEntry(help, window, "mnuUpdate", WebLinks::tr("Check for Software &Update"),
                 [] { OpenWebPage(WebPages::Download); });
    help->addSeparator()->setObjectName(QLatin1StringView(secondSeparator));
    addMenuEntry(help, window, "mnuAbout", WebLinks::tr("&About Software"),
                 [window] { frmAbout::showModal(window); });
    addMenuEntry(bar, window, "mnuDonate", WebLinks::tr("&Donate"),
                 [] { OpenWebPage(WebPages::Donate); });

    // F10 opens the first menu, as on the desktop's other programs; no entry carries it.
    auto* f10 = new QShortcut(QKeySequence(Qt::Key_F10), window);
    f10->setObjectName(QStringLiteral("menuBarKey"));
    QObject::connect(f10, &QShortcut::activated, bar, [bar] {
        const QList<QAction*> menus = bar->actions();
        if (!menus.isEmpty() && bar->isVisible())
            bar->setActiveAction(menus.first());
    });
}

BrandBanners addBrandBanners(QWidget* strip, const QRect& geometry)
{
    const BrandBanners banners{new LinkLabel(WebLinks::tr(CoBrandInvitation.data()), strip),
                               new LinkLabel(WebLinks::tr(FullBrandInvitation.data()), strip)};
    banners.cobrand->setObjectName(QStringLiteral("lblCobrand"));
    banners.fullBrand->setObjectName(QStringLiteral("lblFullBrand"));
    for (LinkLabel* banner : {banners.cobrand, banners.fullBrand}) {
        banner->setGeometry(geometry);
        banner->setWordWrap(true);
        banner->setFont(verdana(8.25, true, true));
        setColors(banner, Blue, Peach); // opaque: only the one in front is seen
    }
    QObject::connect(banners.cobrand, &LinkLabel::clicked, strip,
                     [] { OpenWebPage(WebPages::CoBrand); });
    QObject::connect(banners.fullBrand, &LinkLabel::clicked, strip,
                     [] { OpenWebPage(WebPages::FullyBranded); });
    bringToFront(banners.fullBrand, banners.cobrand);
    return banners;
}

void bringToFront(LinkLabel* front, LinkLabel* behind)
{
    front->show();
    front->raise();
    behind->hide();
}

} // namespace orvella
