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

// The invitations of the banners that open the co-branding and the fully-branded pages.
// Shown translated in the context of the banners (orvella::WebLinks).
inline constexpr QLatin1StringView CoBrandInvitation{QT_TRANSLATE_NOOP(
    "orvella::WebLinks",
    "Co-brand this software for your site. Put your name and web address on Orvella and give "
    "it to your visitors. Click Here for more info on co-branding.")};
inline constexpr QLatin1StringView FullBrandInvitation{QT_TRANSLATE_NOOP(
    "orvella::WebLinks",
    "Home Business Opportunity. Start your own Internet business and make money online. Get "
    "this software fully branded for your website. Click here for more details.")};

QUrl webPageUrl(const QString& page);

// Opens the page in the user's browser; the program neither waits nor reports a failure.
void OpenWebPage(const QString& page);

} // namespace orvella
