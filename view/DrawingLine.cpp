#include "DrawingLine.h"

#include <QPainter>

namespace orvella {

DrawingLine::DrawingLine(const QString& name, QPoint from, QPoint to, int lineWidth,
                         const QColor& color, QObject* parent)
    : QObject(parent)
    , m_from(from)
    , m_to(to)
    , m_width(lineWidth)
    , m_color(color)
{
    setObjectName(name);
}

void DrawingLine::setColor(const QColor& color)
{
    if (color == m_color)
        return;
    m_color = color;
    emit changed();
}

void DrawingLine::setFrom(QPoint point)
{
    if (point == m_from)
        return;
    m_from = point;
    emit changed();
}

void DrawingLine::setTo(QPoint point)
{
    if (point == m_to)
        return;
    m_to = point;
    emit changed();
}

void DrawingLine::setLineWidth(int width)
{
    if (width == m_width)
        return;
    m_width = width;
    emit changed();
}

QRect DrawingLine::geometry() const
{
    const int margin = (m_width + 1) / 2 + 1;
    return QRect(m_from, m_to).normalized().adjusted(-margin, -margin, margin, margin);
}

void DrawingLine::paint(QPainter& painter) const
{
    // Wide lines end in round caps, as wide pens do on the platform the drawing was designed
    // on, so that a path meets the rim of its circle without a square corner.
    painter.setPen(QPen(m_color, m_width, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(m_from, m_to);
}

} // namespace orvella
