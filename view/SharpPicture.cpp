#include "SharpPicture.h"

#include <QFileInfo>
#include <QImage>
#include <QPixmapCache>

namespace orvella {

namespace {

QString twiceName(const QString& resource)
{
    const QFileInfo info(resource);
    return info.path() + QLatin1Char('/') + info.completeBaseName() + QStringLiteral("@2x.") +
           info.suffix();
}

} // namespace

QPixmap sharpPicture(const QString& resource, qreal devicePixelRatio)
{
    if (devicePixelRatio > 1.0) {
        // Decoded once and kept in the pixmap cache, as QPixmap keeps the ordinary ones.
        const QString name = twiceName(resource);
        QPixmap twice;
        if (!QPixmapCache::find(name, &twice)) {
            const QImage image(name);
            if (!image.isNull()) {
                twice = QPixmap::fromImage(image);
                twice.setDevicePixelRatio(2.0);
                QPixmapCache::insert(name, twice);
            }
        }
        if (!twice.isNull())
            return twice;
    }
    return QPixmap(resource);
}

} // namespace orvella
