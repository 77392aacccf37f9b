#include "HandCursor.h"

#include "SharpPicture.h"

#include <QEvent>
#include <QGuiApplication>
#include <QWidget>

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
// Gives a waiting widget the hand when the pointer reaches it.
class HandOnArrival : public QObject {
public:
    static HandOnArrival& instance()
    {
        static HandOnArrival* waiting = nullptr;
        if (!waiting) {
            waiting = new HandOnArrival;
            qAddPostRoutine([] {
                delete waiting;
                waiting = nullptr;
            });
        }
        return *waiting;
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Enter || event->type() == QEvent::HoverEnter ||
            event->type() == QEvent::MouseMove) {
            watched->removeEventFilter(this);
            static_cast<QWidget*>(watched)->setCursor(handCursor());
        }
        return false;
    }
};
} // namespace

void showHandCursor(QWidget* widget)
{
    if (shared)
        widget->setCursor(*shared);
    else
        widget->installEventFilter(&HandOnArrival::instance());
}

QCursor handCursor()
{
    if (!shared) {
        shared = makeHandCursor();
        qAddPostRoutine(dropShared);
    }
    return *shared;
}

} // namespace orvella
