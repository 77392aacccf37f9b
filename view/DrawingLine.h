#pragma once

#include <QColor>
#include <QObject>
#include <QPoint>
#include <QRect>

class QPainter;

namespace orvella {

// A straight line of the Tree of Life drawing (a path between two spheres or a leader line to
// a path's name). Like the circles it takes no pointer events and is an object of its own, so
// that its colour and geometry can be read and changed by name.
class DrawingLine : public QObject {
    Q_OBJECT
    Q_PROPERTY(QColor color READ color WRITE setColor NOTIFY changed)
    Q_PROPERTY(QPoint from READ from WRITE setFrom NOTIFY changed)
    Q_PROPERTY(QPoint to READ to WRITE setTo NOTIFY changed)
    Q_PROPERTY(int lineWidth READ lineWidth WRITE setLineWidth NOTIFY changed)
    Q_PROPERTY(QRect geometry READ geometry NOTIFY changed)

public:
    DrawingLine(const QString& name, QPoint from, QPoint to, int lineWidth, const QColor& color,
                QObject* parent);

    QColor color() const { return m_color; }
    void setColor(const QColor& color);
    QPoint from() const { return m_from; }
    void setFrom(QPoint point);
    QPoint to() const { return m_to; }
    void setTo(QPoint point);
    int lineWidth() const { return m_width; }
    void setLineWidth(int width);
    // The rectangle the line paints into, caps included.
    QRect geometry() const;

    void paint(QPainter& painter) const;

signals:
    void changed();

private:
    QPoint m_from;
    QPoint m_to;
    int m_width;
    QColor m_color;
};

} // namespace orvella
