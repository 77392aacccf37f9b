#include "LinkLabel.h"

#include "AccessibleElements.h"
#include "HandCursor.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace orvella {

LinkLabel::LinkLabel(const QString& text, QWidget* parent)
    : TextField(text, parent)
{
    installAccessibleElements();
    showHandCursor(this);
    setFocusPolicy(Qt::TabFocus);
}

void LinkLabel::activate()
{
    emit clicked();
}

void LinkLabel::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        event->accept();
        activate();
        return;
    default:
        TextField::keyPressEvent(event);
    }
}

void LinkLabel::paintEvent(QPaintEvent* event)
{
    TextField::paintEvent(event);
    if (!hasFocus())
        return;
    QPainter painter(this);
    painter.setPen(QPen(palette().color(QPalette::WindowText), 2));
    painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event)
{
    // The click is the label's own: it does not go on to the strip or window behind it.
    if (event->button() != Qt::LeftButton) {
        TextField::mouseReleaseEvent(event);
        return;
    }
    event->accept();
    if (rect().contains(event->position().toPoint()))
        emit clicked();
}

} // namespace orvella
