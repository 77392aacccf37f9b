#include "HandCursor.h"

#include <QPixmap>

namespace orvella {

namespace {
// The tip of the index finger in the pointer picture.
constexpr int HotSpotX = 10;
constexpr int HotSpotY = 1;
} // namespace

QCursor handCursor()
{
    const QPixmap picture(QStringLiteral(":/pictures/pointer.png"));
    if (picture.isNull())
        return QCursor(Qt::PointingHandCursor);
    return QCursor(picture, HotSpotX, HotSpotY);
}

} // namespace orvella
