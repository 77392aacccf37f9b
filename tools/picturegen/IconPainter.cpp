#include "IconPainter.h"

#include "Look.h"
#include "PaintKit.h"

#include <QFile>
#include <QPainter>
#include <QRadialGradient>
#include <QSvgGenerator>
#include <array>
#include <utility>

namespace icon {
namespace {

const QColor maroon(orvella::Maroon);
const QColor gold(232, 184, 64);
const QColor goldDeep(150, 100, 20);
const QColor magenta(214, 36, 150);

// The ten spheres on the usual three-pillar layout, in pillar and row units.
constexpr std::array<std::pair<int, int>, 10> spheres = {{
    {0, 0},  // Keter
    {1, 1},  // Chokmah
    {-1, 1}, // Binah
    {1, 3},  // Chesed
    {-1, 3}, // Gevurah
    {0, 4},  // Tiphereth
    {1, 5},  // Netzach
    {-1, 5}, // Hod
    {0, 6},  // Yesod
    {0, 8},  // Malkuth
}};

// The twenty-two paths, as pairs of sphere indices.
constexpr std::array<std::pair<int, int>, 22> paths = {{
    {0, 1}, {0, 2}, {0, 5}, {1, 2}, {1, 5}, {1, 3}, {2, 5}, {2, 4}, {3, 4}, {3, 5}, {3, 6},
    {4, 5}, {4, 7}, {5, 6}, {5, 8}, {5, 7}, {6, 7}, {6, 8}, {6, 9}, {7, 8}, {7, 9}, {8, 9},
}};

// Draws the icon in its design units, 0..size both ways.
void draw(QPainter& p)
{
    const QPointF centre(size / 2.0, size / 2.0);

    QRadialGradient field(centre - QPointF(30, 40), 150);
    field.setColorAt(0, QColor(110, 10, 16));
    field.setColorAt(0.6, maroon);
    field.setColorAt(1, QColor(40, 0, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(field);
    p.drawEllipse(centre, 126, 126);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(gold, 7));
    p.drawEllipse(centre, 117, 117);
    p.setPen(QPen(goldDeep, 1.5));
    p.drawEllipse(centre, 121, 121);
    p.drawEllipse(centre, 113, 113);

    // Spacing chosen so the tree fills the roundel yet keeps clear of the rim.
    const qreal column = 56;
    const qreal row = 23;
    const QPointF top(centre.x(), centre.y() - 4 * row + 2);
    auto at = [&](int i) {
        return top + QPointF(spheres[i].first * column, spheres[i].second * row);
    };

    QPainterPath lines;
    for (const auto& [a, b] : paths) {
        lines.moveTo(at(a));
        lines.lineTo(at(b));
    }
    p.setPen(QPen(QColor(30, 0, 0), 12, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(lines);
    p.setPen(QPen(gold, 7.5, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(lines);

    for (int i = 0; i < 10; ++i) {
        const QPointF c = at(i);
        const qreal r = 15.5;
        QRadialGradient ball(c - QPointF(5, 6), r * 1.4);
        ball.setColorAt(0, magenta.lighter(150));
        ball.setColorAt(0.5, magenta);
        ball.setColorAt(1, magenta.darker(170));
        p.setPen(QPen(QColor(30, 0, 0), 9));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(c, r, r);
        p.setPen(QPen(gold, 4.5));
        p.setBrush(ball);
        p.drawEllipse(c, r, r);
    }
}

} // namespace

QImage paint(int pixels)
{
    // Small sizes are painted finer still before they are scaled down.
    const int factor = pixels < size ? 4 : 2;
    return pk::renderSupersampled(QSize(pixels, pixels), factor, true, [pixels](QPainter& p) {
        p.scale(qreal(pixels) / size, qreal(pixels) / size);
        draw(p);
    });
}

bool writeSvg(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    QSvgGenerator svg;
    svg.setOutputDevice(&file);
    svg.setSize(QSize(size, size));
    svg.setViewBox(QRect(0, 0, size, size));
    svg.setTitle(QStringLiteral("Orvella"));
    svg.setDescription(QStringLiteral("The Tree of Life on a maroon roundel"));
    {
        QPainter p(&svg);
        p.setRenderHint(QPainter::Antialiasing);
        draw(p);
    }
    return file.error() == QFileDevice::NoError;
}

} // namespace icon
