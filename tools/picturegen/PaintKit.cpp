#include "PaintKit.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPathStroker>
#include <cmath>

namespace pk {

std::uint64_t Rng::next()
{
    std::uint64_t z = (m_state += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

double Rng::uniform()
{
    return static_cast<double>(next() >> 11) * (1.0 / 9007199254740992.0);
}

QImage renderSupersampled(QSize size, int factor, bool transparent,
                          const std::function<void(QPainter&)>& paint, int scale)
{
    QImage big(size * (factor * scale), QImage::Format_ARGB32_Premultiplied);
    big.fill(transparent ? Qt::transparent : Qt::white);
    {
        QPainter p(&big);
        p.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                         QPainter::SmoothPixmapTransform);
        p.scale(factor * scale, factor * scale);
        paint(p);
    }
    QImage small = big.scaled(size * scale, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return transparent ? small : small.convertToFormat(QImage::Format_RGB32);
}

QPainterPath polygon(std::initializer_list<QPointF> points)
{
    QPainterPath path;
    bool first = true;
    for (const QPointF& pt : points) {
        if (first)
            path.moveTo(pt);
        else
            path.lineTo(pt);
        first = false;
    }
    path.closeSubpath();
    return path;
}

QPainterPath circle(QPointF centre, qreal radius)
{
    QPainterPath path;
    path.addEllipse(centre, radius, radius);
    return path;
}

QPainterPath ellipse(QPointF centre, qreal rx, qreal ry)
{
    QPainterPath path;
    path.addEllipse(centre, rx, ry);
    return path;
}

QPainterPath star(QPointF centre, int points, qreal outer, qreal inner, qreal rotationDeg)
{
    QPainterPath path;
    const qreal step = M_PI / points;
    const qreal start = rotationDeg * M_PI / 180.0;
    for (int i = 0; i < points * 2; ++i) {
        const qreal r = (i % 2 == 0) ? outer : inner;
        const qreal a = start + i * step;
        const QPointF pt(centre.x() + r * std::cos(a), centre.y() + r * std::sin(a));
        if (i == 0)
            path.moveTo(pt);
        else
            path.lineTo(pt);
    }
    path.closeSubpath();
    return path;
}

QPainterPath smoothClosed(const QList<QPointF>& points)
{
    QPainterPath path;
    const qsizetype n = points.size();
    if (n < 3)
        return path;
    path.moveTo(points[0]);
    for (qsizetype i = 0; i < n; ++i) {
        const QPointF& p0 = points[(i + n - 1) % n];
        const QPointF& p1 = points[i];
        const QPointF& p2 = points[(i + 1) % n];
        const QPointF& p3 = points[(i + 2) % n];
        path.cubicTo(p1 + (p2 - p0) / 6.0, p2 - (p3 - p1) / 6.0, p2);
    }
    path.closeSubpath();
    return path;
}

QPainterPath strokeShape(const QPainterPath& line, qreal width, Qt::PenCapStyle cap,
                         Qt::PenJoinStyle join)
{
    QPainterPathStroker stroker;
    stroker.setWidth(width);
    stroker.setCapStyle(cap);
    stroker.setJoinStyle(join);
    return stroker.createStroke(line).simplified();
}

void inked(QPainter& p, const QPainterPath& shape, const QBrush& fill, qreal width)
{
    p.save();
    p.setBrush(fill);
    QPen pen(colour::ink, width);
    pen.setJoinStyle(Qt::RoundJoin);
    pen.setCapStyle(Qt::RoundCap);
    p.setPen(width > 0 ? pen : QPen(Qt::NoPen));
    p.drawPath(shape);
    p.restore();
}

QBrush sheen(const QPainterPath& shape, const QColor& base, qreal lighter, qreal darker)
{
    const QRectF r = shape.boundingRect();
    QLinearGradient g(r.topLeft(), r.bottomRight());
    g.setColorAt(0.0, base.lighter(static_cast<int>(lighter)));
    g.setColorAt(0.45, base);
    g.setColorAt(1.0, base.darker(static_cast<int>(darker)));
    return g;
}

namespace {
constexpr qreal textScale = 8.0;

QFont scaledFont(QFont font, qreal pixelSize, qreal spacing)
{
    font.setPixelSize(qRound(pixelSize * textScale));
    font.setLetterSpacing(QFont::AbsoluteSpacing, spacing * textScale);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}
} // namespace

void drawText(QPainter& p, const QRectF& box, int flags, const QString& text, QFont font,
              qreal pixelSize, qreal spacing)
{
    p.save();
    p.setFont(scaledFont(font, pixelSize, spacing));
    p.scale(1.0 / textScale, 1.0 / textScale);
    const QRectF big(box.x() * textScale, box.y() * textScale, box.width() * textScale,
                     box.height() * textScale);
    p.drawText(big, flags, text);
    p.restore();
}

qreal textWidth(const QString& text, QFont font, qreal pixelSize, qreal spacing)
{
    return QFontMetricsF(scaledFont(font, pixelSize, spacing)).horizontalAdvance(text) / textScale;
}

void line(QPainter& p, QPointF a, QPointF b, qreal width, const QColor& colour)
{
    p.save();
    QPen pen(colour, width);
    pen.setCapStyle(Qt::RoundCap);
    p.setPen(pen);
    p.drawLine(a, b);
    p.restore();
}

} // namespace pk
