#include "WebPage.h"

#include <QDesktopServices>

namespace orvella {

QUrl webPageUrl(const QString& page)
{
    return QUrl(SiteRoot + QLatin1StringView("/orvella/ssd.php?page=") + page);
}

void OpenWebPage(const QString& page)
{
    QDesktopServices::openUrl(webPageUrl(page));
}

} // namespace orvella
