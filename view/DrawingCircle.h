#pragma once

#include <QColor>
#include <QObject>
#include <QRect>

class QPainter;

namespace orvella {

// One sphere of the Tree of Life drawing: a filled oval that takes no pointer events. It is
// an object of its own so that its state can be read and changed by name; the drawing that
// owns it paints it and repaints whenever it changes.
class DrawingCircle : public QObject {
    Q_OBJECT
    Q_PROPERTY(QColor fillColor READ fillColor WRITE setFillColor NOTIFY changed)
    Q_PROPERTY(QColor outlineColor READ outlineColor WRITE setOutlineColor NOTIFY changed)
    Q_PROPERTY(Qt::PenStyle outlineStyle READ outlineStyle WRITE setOutlineStyle NOTIFY changed)
    Q_PROPERTY(QRect geometry READ geometry WRITE setGeometry NOTIFY changed)

public:
    DrawingCircle(const QString& name, const QRect& geometry, const QColor& fill, QObject* parent);

    QColor fillColor() const { return m_fill; }
    void setFillColor(const QColor& color);
    QColor outlineColor() const { return m_outline; }
    void setOutlineColor(const QColor& color);
    Qt::PenStyle outlineStyle() const { return m_outlineStyle; }
    void setOutlineStyle(Qt::PenStyle style);
    QRect geometry() const { return m_geometry; }
    void setGeometry(const QRect& geometry);

    void paint(QPainter& painter) const;

signals:
    void changed();

private:
    QRect m_geometry;
    QColor m_fill;
    QColor m_outline;
    Qt::PenStyle m_outlineStyle = Qt::NoPen;
};

} // namespace orvella
