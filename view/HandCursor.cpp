#include "HandCursor.h"

#include <QCoreApplication>
#include <QPixmap>

namespace orvella {

namespace {
// The tip of the index finger in the pointer picture.
constexpr int HotSpotX = 10;
constexpr int HotSpotY = 1;

// Made once and shared by every widget that shows it; it goes with the application object.
QCursor* shared = nullptr;

void dropShared()
{
    delete shared;
    shared = nullptr;
}
} // namespace

QCursor handCursor()
{
    if (!shared) {
        const QPixmap picture(QStringLiteral(":/pictures/pointer.png"));
        shared = picture.isNull() ? new QCursor(Qt::PointingHandCursor)
                                  : new QCursor(picture, HotSpotX, HotSpotY);
        qAddPostRoutine(dropShared);
    }
    return *shared;
}

} // namespace orvella
