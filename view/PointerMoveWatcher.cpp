#include "PointerMoveWatcher.h"

#include <QMouseEvent>
#include <QWidget>

namespace orvella {

void PointerMoveWatcher::watch(QWidget* widget, Delivery delivery)
{
    widget->setMouseTracking(true);
    if (delivery == Delivery::PassOn)
        m_passOn.insert(widget);
    widget->installEventFilter(this);
}

bool PointerMoveWatcher::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::MouseMove)
        return false;
    // With a button held the movement may be over another widget altogether; the view
    // resolves those by what is under the pointer.
    if (static_cast<const QMouseEvent*>(event)->buttons() == Qt::NoButton)
        emit pointerMoved();
    if (m_passOn.contains(watched))
        return false;
    event->accept();
    return true;
}

} // namespace orvella
