#include "LinkLabel.h"

#include "HandCursor.h"

#include <QMouseEvent>

namespace orvella {

LinkLabel::LinkLabel(const QString& text, QWidget* parent)
    : QLabel(text, parent)
{
    setTextFormat(Qt::PlainText);
    setCursor(handCursor());
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event)
{
    // The click is the label's own: it does not go on to the strip or window behind it.
    if (event->button() != Qt::LeftButton) {
        QLabel::mouseReleaseEvent(event);
        return;
    }
    event->accept();
    if (rect().contains(event->position().toPoint()))
        emit clicked();
}

} // namespace orvella
