#include "FocusRing.h"

#include <QApplication>
#include <QPainter>

namespace orvella {

FocusRing::FocusRing(QWidget* parent)
    : QFocusFrame(parent)
{
    hide();
    connect(qApp, &QApplication::focusChanged, this,
            [this](QWidget*, QWidget* now) { focusMoved(now); });
}

void FocusRing::follow(QWidget* widget)
{
    m_followed.insert(widget);
    connect(widget, &QObject::destroyed, this, [this, widget] { m_followed.remove(widget); });
}

void FocusRing::focusMoved(QWidget* now)
{
    if (now && m_followed.contains(now)) {
        setWidget(now);
        show();
        raise();
    } else {
        setWidget(nullptr);
        hide();
    }
}

void FocusRing::paintEvent(QPaintEvent*)
{
    // White outside, black inside: one of the two stands out on every background of the
    // program, from the maroon panes to the peach text boxes.
    QPainter painter(this);
    const QRectF outer = QRectF(rect()).adjusted(1, 1, -1, -1);
    painter.setPen(QPen(Qt::white, 2));
    painter.drawRect(outer);
    painter.setPen(QPen(Qt::black, 1));
    painter.drawRect(outer.adjusted(1.5, 1.5, -1.5, -1.5));
}

} // namespace orvella
