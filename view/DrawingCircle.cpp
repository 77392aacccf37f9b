#include "DrawingCircle.h"

#include <QPainter>

namespace orvella {

DrawingCircle::DrawingCircle(const QString& name, const QRect& geometry, const QColor& fill,
                             QObject* parent)
    : QObject(parent)
    , m_geometry(geometry)
    , m_fill(fill)
{
    setObjectName(name);
}

void DrawingCircle::setFillColor(const QColor& color)
{
    if (color == m_fill)
        return;
    m_fill = color;
    emit changed();
}

void DrawingCircle::setOutlineColor(const QColor& color)
{
    if (color == m_outline)
        return;
    m_outline = color;
    emit changed();
}

void DrawingCircle::setOutlineStyle(Qt::PenStyle style)
{
    if (style == m_outlineStyle)
        return;
    m_outlineStyle = style;
    emit changed();
}

void DrawingCircle::setGeometry(const QRect& geometry)
{
    if (geometry == m_geometry)
        return;
    m_geometry = geometry;
    emit changed();
}

void DrawingCircle::paint(QPainter& painter) const
{
    // The oval fills its whole box; an outline, where there is one, is drawn inside the box
    // so that the circle never paints outside the rectangle it reports.
    const QRectF box = QRectF(m_geometry).adjusted(0.5, 0.5, -0.5, -0.5);
    painter.setPen(m_outlineStyle == Qt::NoPen || !m_outline.isValid()
                       ? QPen(Qt::NoPen)
                       : QPen(m_outline, 1.0, m_outlineStyle));
    painter.setBrush(m_fill);
    painter.drawEllipse(box);
}

} // namespace orvella
