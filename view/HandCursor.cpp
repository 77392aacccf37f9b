#include "HandCursor.h"

#include "SharpPicture.h"

#include <QGuiApplication>

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

QCursor* makeHandCursor()
{
    const QPixmap picture =
        sharpPicture(QStringLiteral(":/pictures/pointer.png"), qGuiApp->devicePixelRatio());
    if (picture.isNull())
        return new QCursor(Qt::PointingHandCursor);
    // The hot spot is meant in logical pixels, but X11 (xcb) takes it as it stands, in the
    // picture's own pixels: there it is scaled with the picture, or the twice-sized hand
    // would point half-way up its finger.
    const int scale = QGuiApplication::platformName() == QLatin1StringView("xcb")
                          ? qRound(picture.devicePixelRatio())
                          : 1;
    return new QCursor(picture, HotSpotX * scale, HotSpotY * scale);
}
} // namespace

QCursor handCursor()
{
    if (!shared) {
        shared = makeHandCursor();
        qAddPostRoutine(dropShared);
    }
    return *shared;
}

} // namespace orvella
