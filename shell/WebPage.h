#pragma once

#include <QString>
#include <QUrl>

namespace orvella {

// The pages of our web site that the program points to.
namespace WebPages {
inline constexpr QLatin1StringView Help{"help-web-page"};
inline constexpr QLatin1StringView Home{"home-page"};
inline constexpr QLatin1StringView Download{"download-web-page"};
inline constexpr QLatin1StringView Donate{"donate"};
inline constexpr QLatin1StringView CoBrand{"co-brand"};
inline constexpr QLatin1StringView FullyBranded{"fully-branded"};
} // namespace WebPages

// Our web site: scheme and host, and its address as people read it in the link labels.
inline constexpr QLatin1StringView SiteRoot{"https://www.orvella.org"};
inline constexpr QLatin1StringView SiteAddress{"www.orvella.org"};

QUrl webPageUrl(const QString& page);

// Opens the page in the user's browser; the program neither waits nor reports a failure.
void OpenWebPage(const QString& page);

} // namespace orvella
