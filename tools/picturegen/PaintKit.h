// Small drawing helpers shared by all picture painters.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainterPath>
#include <QPointF>
#include <cstdint>
#include <functional>
#include <initializer_list>

class QPainter;

namespace pk {

// The woodcut-like palette every emblem is coloured from, so the deck reads as one set.
namespace colour {
inline const QColor ink{43, 26, 16};
inline const QColor gold{222, 170, 44};
inline const QColor goldDark{160, 112, 26};
inline const QColor goldLight{250, 222, 130};
inline const QColor red{184, 50, 42};
inline const QColor redDark{120, 28, 24};
inline const QColor blue{46, 94, 158};
inline const QColor blueLight{120, 170, 220};
inline const QColor green{79, 127, 58};
inline const QColor greenDark{52, 88, 40};
inline const QColor steel{196, 204, 212};
inline const QColor steelDark{110, 120, 130};
inline const QColor skin{242, 201, 160};
inline const QColor wood{138, 90, 43};
inline const QColor bone{240, 232, 210};
inline const QColor stone{160, 154, 144};
inline const QColor stoneDark{110, 104, 96};
inline const QColor water{70, 130, 200};
} // namespace colour

// Deterministic generator (SplitMix64): the same seed always gives the same pictures,
// whatever the standard library does with its distributions.
class Rng {
public:
    explicit Rng(std::uint64_t seed)
        : m_state(seed)
    {}
    std::uint64_t next();
    double uniform(); // in [0, 1)
    double range(double lo, double hi) { return lo + (hi - lo) * uniform(); }

private:
    std::uint64_t m_state;
};

// Paints at `factor` times the size and scales down: thin strokes and small text stay crisp
// instead of jagged. The painter arrives already scaled, so callers draw in the picture's own
// units; `scale` makes a picture of `scale` times `size` from the same drawing (2 for a screen
// with twice the pixel density).
QImage renderSupersampled(QSize size, int factor, bool transparent,
                          const std::function<void(QPainter&)>& paint, int scale = 1);

QPainterPath polygon(std::initializer_list<QPointF> points);
QPainterPath circle(QPointF centre, qreal radius);
QPainterPath ellipse(QPointF centre, qreal rx, qreal ry);
QPainterPath star(QPointF centre, int points, qreal outer, qreal inner, qreal rotationDeg = -90);
// A closed smooth curve through the given points (Catmull-Rom turned into cubic Béziers).
QPainterPath smoothClosed(const QList<QPointF>& points);
// The outline of a stroke, so a line can be filled and inked like any other shape.
QPainterPath strokeShape(const QPainterPath& line, qreal width, Qt::PenCapStyle cap = Qt::RoundCap,
                         Qt::PenJoinStyle join = Qt::RoundJoin);

// Fills a shape and draws its dark ink outline: the basic woodcut look of the emblems.
void inked(QPainter& p, const QPainterPath& shape, const QBrush& fill, qreal width = 1.5);
// A vertical light-to-dark gradient over the shape's bounds, for metal and rounded things.
QBrush sheen(const QPainterPath& shape, const QColor& base, qreal lighter = 140,
             qreal darker = 130);
// Qt fonts only take whole pixel sizes; these draw and measure text at fractional sizes (in the
// painter's current units) by working at a finer scale. `spacing` is extra space per letter.
void drawText(QPainter& p, const QRectF& box, int flags, const QString& text, QFont font,
              qreal pixelSize, qreal spacing = 0);
qreal textWidth(const QString& text, QFont font, qreal pixelSize, qreal spacing = 0);

// A plain ink line.
void line(QPainter& p, QPointF a, QPointF b, qreal width = 1.2, const QColor& colour = colour::ink);

} // namespace pk
