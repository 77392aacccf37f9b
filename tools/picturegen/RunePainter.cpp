#include "RunePainter.h"

#include "PaintKit.h"

#include <QLineF>
#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <cmath>

namespace runes {
namespace {

using pk::Rng;

// Glyphs in stave units: x across (about -0.35..0.35), y down the stave (0 top, 1 foot).
struct Glyph {
    const char* name;
    QList<QLineF> strokes;
};

QList<Glyph> glyphs()
{
    return {
        {"nauthiz", {{0, 0, 0, 1}, {-0.24, 0.36, 0.24, 0.6}}},
        {"laguz", {{-0.14, 0, -0.14, 1}, {-0.14, 0, 0.2, 0.3}}},
        // The lower sides of the diamond run on past its foot and cross into legs.
        {"othala",
         {{0, 0, 0.3, 0.32}, {0, 0, -0.3, 0.32}, {0.3, 0.32, -0.3, 1}, {-0.3, 0.32, 0.3, 1}}},
        {"thurisaz", {{-0.14, 0, -0.14, 1}, {-0.14, 0.27, 0.2, 0.5}, {0.2, 0.5, -0.14, 0.73}}},
        {"raidho",
         {{-0.18, 0, -0.18, 1},
          {-0.18, 0, 0.2, 0.24},
          {0.2, 0.24, -0.18, 0.48},
          {-0.18, 0.48, 0.22, 1}}},
        {"ehwaz", {{-0.3, 0, -0.3, 1}, {0.3, 0, 0.3, 1}, {-0.3, 0, 0, 0.34}, {0, 0.34, 0.3, 0}}},
        {"kenaz", {{0.2, 0.12, -0.2, 0.5}, {-0.2, 0.5, 0.2, 0.88}}},
        {"wunjo", {{-0.16, 0, -0.16, 1}, {-0.16, 0, 0.2, 0.2}, {0.2, 0.2, -0.16, 0.42}}},
        {"isa", {{0, 0, 0, 1}}},
        {"tiwaz", {{0, 0, 0, 1}, {-0.3, 0.3, 0, 0}, {0, 0, 0.3, 0.3}}},
        {"ansuz", {{-0.16, 0, -0.16, 1}, {-0.16, 0, 0.2, 0.24}, {-0.16, 0.27, 0.2, 0.51}}},
        {"dagaz", {{-0.3, 0, -0.3, 1}, {0.3, 0, 0.3, 1}, {-0.3, 0, 0.3, 1}, {-0.3, 1, 0.3, 0}}},
    };
}

// Stone tones, greys through browns; each rune gets its own so the set looks gathered, not cast.
const QColor stoneTones[] = {
    QColor(132, 126, 116), QColor(140, 120, 98),  QColor(118, 116, 112), QColor(150, 134, 112),
    QColor(124, 112, 102), QColor(108, 104, 100), QColor(152, 140, 122), QColor(116, 108, 96),
    QColor(136, 130, 124), QColor(130, 116, 98),  QColor(144, 136, 128), QColor(122, 114, 108),
};

QPainterPath pebbleOutline(Rng& rng, QPointF centre, qreal rx, qreal ry)
{
    const int count = 14;
    const qreal tilt = rng.range(-7, 7) * M_PI / 180.0;
    const qreal phase = rng.range(0, 2 * M_PI);
    QList<QPointF> pts;
    for (int i = 0; i < count; ++i) {
        const qreal a = i * 2 * M_PI / count;
        // A low wobble plus a little noise keeps the outline smooth but not machine-made;
        // the lower half is a touch wider, like a stone resting on its heavier end.
        const qreal wobble = 1 + 0.035 * std::sin(2 * a + phase) + rng.range(-0.025, 0.025);
        const qreal egg = 1 + 0.06 * std::sin(a);
        const qreal x = rx * egg * wobble * std::cos(a);
        const qreal y = ry * wobble * std::sin(a);
        pts << QPointF(centre.x() + x * std::cos(tilt) - y * std::sin(tilt),
                       centre.y() + x * std::sin(tilt) + y * std::cos(tilt));
    }
    return pk::smoothClosed(pts);
}

void paintBackground(QPainter& p, Rng& rng)
{
    QLinearGradient bg(0, 0, 0, height);
    bg.setColorAt(0, QColor(58, 54, 50));
    bg.setColorAt(1, QColor(32, 30, 28));
    p.fillRect(QRectF(0, 0, width, height), bg);
    QRadialGradient vignette(QPointF(width / 2.0, height * 0.42), height * 0.75);
    vignette.setColorAt(0, QColor(255, 240, 220, 26));
    vignette.setColorAt(0.6, QColor(0, 0, 0, 0));
    vignette.setColorAt(1, QColor(0, 0, 0, 90));
    p.fillRect(QRectF(0, 0, width, height), vignette);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 500; ++i) {
        QColor c = rng.uniform() < 0.5 ? QColor(0, 0, 0) : QColor(255, 245, 230);
        c.setAlpha(static_cast<int>(rng.range(6, 16)));
        p.setBrush(c);
        p.drawEllipse(QPointF(rng.range(0, width), rng.range(0, height)), 0.5, 0.5);
    }
}

// A soft contact shadow: the outline painted small and blown up again is blurred for free.
void paintShadow(QPainter& p, const QPainterPath& outline)
{
    const int shrink = 6;
    QImage small(width / shrink + 4, height / shrink + 4, QImage::Format_ARGB32_Premultiplied);
    small.fill(Qt::transparent);
    {
        QPainter sp(&small);
        sp.setRenderHint(QPainter::Antialiasing);
        sp.scale(1.0 / shrink, 1.0 / shrink);
        sp.translate(2.5, 5.5);
        sp.setPen(Qt::NoPen);
        sp.setBrush(QColor(0, 0, 0, 190));
        sp.drawPath(outline);
    }
    p.drawImage(QRectF(0, 0, small.width() * shrink, small.height() * shrink), small);
}

void paintPebble(QPainter& p, Rng& rng, const QPainterPath& outline, QPointF centre, qreal rx,
                 qreal ry, const QColor& tone)
{
    p.save();
    p.setClipPath(outline);
    p.setPen(Qt::NoPen);
    p.setBrush(tone);
    p.drawPath(outline);

    // Broad mottling, then fine grains of darker and lighter mineral.
    for (int i = 0; i < 26; ++i) {
        const QPointF at(centre.x() + rng.range(-rx, rx), centre.y() + rng.range(-ry, ry));
        const qreal r = rng.range(8, 22);
        QColor c = rng.uniform() < 0.5 ? tone.darker(118) : tone.lighter(114);
        QRadialGradient blob(at, r);
        c.setAlpha(70);
        blob.setColorAt(0, c);
        c.setAlpha(0);
        blob.setColorAt(1, c);
        p.setBrush(blob);
        p.drawEllipse(at, r, r);
    }
    for (int i = 0; i < 1200; ++i) {
        const QPointF at(centre.x() + rng.range(-rx, rx), centre.y() + rng.range(-ry, ry));
        const double kind = rng.uniform();
        QColor c = kind < 0.55 ? QColor(40, 34, 30)
                               : (kind < 0.9 ? QColor(235, 228, 214) : QColor(170, 110, 70));
        c.setAlpha(static_cast<int>(rng.range(30, 100)));
        p.setBrush(c);
        const qreal r = rng.range(0.25, 0.75);
        p.drawEllipse(at, r, r);
    }

    // Light from the upper left: a broad highlight, and the far side falling into shade.
    QRadialGradient shade(centre + QPointF(-rx * 0.25, -ry * 0.3), ry * 1.22);
    shade.setColorAt(0, QColor(0, 0, 0, 0));
    shade.setColorAt(0.55, QColor(0, 0, 0, 0));
    shade.setColorAt(0.85, QColor(0, 0, 0, 70));
    shade.setColorAt(1, QColor(0, 0, 0, 150));
    p.setBrush(shade);
    p.drawPath(outline);
    QRadialGradient light(centre + QPointF(-rx * 0.38, -ry * 0.45), ry * 0.8);
    light.setColorAt(0, QColor(255, 250, 240, 120));
    light.setColorAt(0.5, QColor(255, 250, 240, 40));
    light.setColorAt(1, QColor(255, 250, 240, 0));
    p.setBrush(light);
    p.drawPath(outline);
    p.restore();

    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(20, 16, 14, 150), 0.8));
    p.drawPath(outline);
}

// The glyph cut into the stone and rubbed with red ochre, as on the old stones.
void paintGlyph(QPainter& p, const Glyph& glyph, QPointF centre, qreal stave)
{
    QPainterPath cut;
    for (const QLineF& s : glyph.strokes) {
        cut.moveTo(centre.x() + s.x1() * stave, centre.y() + (s.y1() - 0.5) * stave);
        cut.lineTo(centre.x() + s.x2() * stave, centre.y() + (s.y2() - 0.5) * stave);
    }
    const qreal w = 6.2;
    auto stroke = [&](QPointF offset, const QColor& colour, qreal width) {
        p.save();
        p.translate(offset);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(cut);
        p.restore();
    };
    stroke({0.9, 1.0}, QColor(255, 248, 236, 110), w + 0.4); // lit lower lip of the cut
    stroke({-0.5, -0.6}, QColor(20, 12, 8, 170), w);         // shadowed upper wall
    stroke({0, 0}, QColor(150, 40, 28), w - 1.4);            // ochre in the groove
    stroke({-0.7, -0.7}, QColor(90, 18, 12, 150), (w - 1.4) * 0.45);
    stroke({0.6, 0.6}, QColor(230, 120, 90, 90), (w - 1.4) * 0.3);
}

void paintName(QPainter& p, const QString& name)
{
    QFont font(QStringLiteral("DejaVu Serif"));
    font.setItalic(true);
    p.setPen(QColor(214, 204, 186));
    pk::drawText(p, QRectF(0, 130, width, 17), Qt::AlignCenter, name, font, 10.5, 0.4);
}

} // namespace

QList<Stone> paintAll()
{
    QList<Stone> stones;
    const QList<Glyph> all = glyphs();
    for (qsizetype i = 0; i < all.size(); ++i) {
        const Glyph& glyph = all[i];
        Rng rng(0x52554E45ULL + static_cast<std::uint64_t>(i) * 7919);
        const QPointF centre(width / 2.0, 66);
        const qreal rx = rng.range(39, 43);
        const qreal ry = rng.range(51, 55);
        const QPainterPath outline = pebbleOutline(rng, centre, rx, ry);
        const QColor tone = stoneTones[i % std::size(stoneTones)];
        // Each size starts from the same generator state, so both show the same stone.
        auto render = [&](int scale) {
            Rng grain = rng;
            return pk::renderSupersampled(
                QSize(width, height), 4, false,
                [&](QPainter& p) {
                    paintBackground(p, grain);
                    paintShadow(p, outline);
                    paintPebble(p, grain, outline, centre, rx, ry, tone);
                    paintGlyph(p, glyph, centre, 66);
                    paintName(p, QString::fromLatin1(glyph.name));
                },
                scale);
        };
        stones.append(
            {QString::fromLatin1(glyph.name) + QStringLiteral(".jpg"), render(1), render(2)});
    }
    return stones;
}

} // namespace runes
