#include "PointerMoveWatcher.h"

#include <QEvent>
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
    emit pointerMoved();
    if (m_passOn.contains(watched))
        return false;
    event->accept();
    return true;
}

} // namespace orvella
