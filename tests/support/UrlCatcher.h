#pragma once

#include <QDesktopServices>
#include <QList>
#include <QObject>
#include <QStringList>
#include <QUrl>

namespace orvella::testing {

// Takes the place of the browser: every URL the program opens with QDesktopServices::openUrl
// for the given schemes is recorded instead. Installed for its lifetime. A test that uses it
// lists this header among its sources, so that it is run through moc.
class UrlCatcher final : public QObject {
    Q_OBJECT

public:
    explicit UrlCatcher(QStringList schemes = {QStringLiteral("http"), QStringLiteral("https")})
        : m_schemes(std::move(schemes))
    {
        for (const QString& scheme : m_schemes)
            QDesktopServices::setUrlHandler(scheme, this, "open");
    }
    ~UrlCatcher() override
    {
        for (const QString& scheme : m_schemes)
            QDesktopServices::unsetUrlHandler(scheme);
    }
    UrlCatcher(const UrlCatcher&) = delete;
    UrlCatcher& operator=(const UrlCatcher&) = delete;

    QList<QUrl> urls;

public slots:
    void open(const QUrl& url) { urls << url; }

private:
    QStringList m_schemes;
};

} // namespace orvella::testing
