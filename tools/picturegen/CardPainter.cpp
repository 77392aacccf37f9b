#include "CardPainter.h"

#include "PaintKit.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

namespace card {
namespace {

struct Accent {
    QColor main;
    QColor dark;
};

Accent accentFor(Family family)
{
    if (family == Family::Trump)
        return {QColor(140, 28, 44), QColor(84, 14, 26)};
    return {QColor(30, 74, 120), QColor(16, 42, 72)};
}

const QColor frameGold(214, 170, 64);
const QColor parchmentLight(252, 244, 222);
const QColor parchmentDark(232, 214, 172);
const QColor bannerText(252, 240, 208);

// The picture window: a rectangle with a shallow arched top.
QPainterPath windowPath()
{
    QPainterPath path;
    path.moveTo(13, 116);
    path.lineTo(13, 36);
    path.arcTo(QRectF(13, 25, 88, 22), 180, -180);
    path.lineTo(101, 116);
    path.closeSubpath();
    return path;
}

void paintFrame(QPainter& p, const Accent& accent)
{
    p.fillRect(QRectF(0, 0, width, height), accent.main);
    p.setPen(QPen(accent.dark, 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(0.5, 0.5, width - 1, height - 1));
    p.setPen(QPen(frameGold, 0.9));
    p.drawRoundedRect(QRectF(2.4, 2.4, width - 4.8, height - 4.8), 2, 2);

    const QRectF face(4.5, 4.5, width - 9, height - 9);
    QRadialGradient paper(QPointF(width / 2.0, height * 0.45), height * 0.62);
    paper.setColorAt(0.0, parchmentLight);
    paper.setColorAt(0.7, parchmentLight.darker(104));
    paper.setColorAt(1.0, parchmentDark);
    p.setPen(Qt::NoPen);
    p.setBrush(paper);
    p.drawRoundedRect(face, 3, 3);

    // A faint fibre speckle keeps the parchment from looking like flat plastic.
    pk::Rng rng(0x0A7E11A);
    p.save();
    p.setClipRect(face);
    for (int i = 0; i < 260; ++i) {
        const QPointF at(rng.range(face.left(), face.right()),
                         rng.range(face.top(), face.bottom()));
        const bool dark = rng.uniform() < 0.6;
        QColor c = dark ? QColor(150, 110, 60) : QColor(255, 255, 240);
        c.setAlpha(static_cast<int>(rng.range(12, 34)));
        p.setBrush(c);
        p.drawEllipse(at, rng.range(0.25, 0.7), rng.range(0.25, 0.7));
    }
    p.restore();

    // The inner line of the double border.
    p.setPen(QPen(accent.main, 1.1));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(6.6, 6.6, width - 13.2, height - 13.2), 1.5, 1.5);
}

void paintNumeral(QPainter& p, const Face& face, const Accent& accent)
{
    QFont font(QStringLiteral("DejaVu Serif"));
    font.setBold(true);
    const bool word = face.numeral.size() > 4;
    const qreal size = word ? 8.5 : 10.5;
    const qreal spacing = word ? 0.7 : 0.4;
    const qreal textWidth = pk::textWidth(face.numeral, font, size, spacing);
    p.setPen(accent.main);
    pk::drawText(p, QRectF(0, 8, width, 16.5), Qt::AlignCenter, face.numeral, font, size, spacing);

    // Little flourishes either side: a line ending in a diamond.
    const qreal cy = 16.2;
    const qreal gap = textWidth / 2 + 5;
    p.setPen(QPen(frameGold.darker(115), 0.8));
    for (int side : {-1, 1}) {
        const qreal inner = width / 2.0 + side * gap;
        const qreal outer = width / 2.0 + side * 40;
        p.drawLine(QPointF(inner, cy), QPointF(outer, cy));
        p.setBrush(accent.main);
        p.setPen(Qt::NoPen);
        p.drawPath(pk::polygon({{outer - side * 0.5, cy - 2.2},
                                {outer + side * 2.2, cy},
                                {outer - side * 0.5, cy + 2.2},
                                {outer - side * 3.2, cy}}));
        p.setPen(QPen(frameGold.darker(115), 0.8));
    }
}

void paintWindow(QPainter& p, const Face& face, const Accent& accent)
{
    const QPainterPath window = windowPath();
    QLinearGradient sky(0, 25, 0, 116);
    sky.setColorAt(0.0, face.skyTop);
    sky.setColorAt(1.0, face.skyBottom);
    p.setPen(Qt::NoPen);
    p.setBrush(sky);
    p.drawPath(window);

    p.save();
    p.setClipPath(window);
    p.translate(13, 27);
    p.scale(88.0 / emblemBox, 88.0 / emblemBox);
    if (face.emblem)
        face.emblem(p);
    p.restore();

    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(frameGold, 2.2));
    p.drawPath(window);
    p.setPen(QPen(accent.main, 1.0));
    p.drawPath(window);
}

void paintBanner(QPainter& p, const Face& face, const Accent& accent)
{
    // Swallow-tailed ends tucked behind the band.
    p.setPen(QPen(accent.dark.darker(130), 0.6));
    p.setBrush(accent.dark);
    p.drawPath(pk::polygon({{18, 123.5}, {8.5, 123.5}, {12.0, 130.0}, {8.5, 136.5}, {18, 136.5}}));
    p.drawPath(
        pk::polygon({{96, 123.5}, {105.5, 123.5}, {102.0, 130.0}, {105.5, 136.5}, {96, 136.5}}));

    const QRectF band(14, 120.5, 86, 13);
    p.setPen(QPen(accent.dark, 0.8));
    p.setBrush(accent.main);
    p.drawRect(band);
    p.setPen(QPen(frameGold, 0.6));
    p.setBrush(Qt::NoBrush);
    p.drawRect(band.adjusted(1.3, 1.3, -1.3, -1.3));

    QFont font(QStringLiteral("DejaVu Serif"));
    font.setBold(true);
    font.setCapitalization(QFont::SmallCaps);
    const qreal spacing = 0.35;
    qreal size = 9.0;
    while (size > 6 && pk::textWidth(face.title, font, size, spacing) > band.width() - 8)
        size -= 0.25;
    p.setPen(bannerText);
    pk::drawText(p, band.adjusted(0, 0.2, 0, 0), Qt::AlignCenter, face.title, font, size, spacing);
}

} // namespace

QImage paint(const Face& face, int scale)
{
    const Accent accent = accentFor(face.family);
    return pk::renderSupersampled(
        QSize(width, height), 4, false,
        [&](QPainter& p) {
            paintFrame(p, accent);
            paintNumeral(p, face, accent);
            paintWindow(p, face, accent);
            paintBanner(p, face, accent);
        },
        scale);
}

} // namespace card
