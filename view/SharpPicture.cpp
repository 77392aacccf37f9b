#include "SharpPicture.h"

#include <QFileInfo>
#include <QImage>

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
        QImage twice(twiceName(resource));
        if (!twice.isNull()) {
            twice.setDevicePixelRatio(2.0);
            return QPixmap::fromImage(twice);
        }
    }
    return QPixmap(resource);
}

} // namespace orvella
