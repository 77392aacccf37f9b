#include "SuitEmblems.h"

#include "PaintKit.h"

#include <QPainter>
#include <QRadialGradient>
#include <algorithm>
#include <array>
#include <cmath>

// A group card stands for all four suits at once, so every emblem mixes wands, cups, swords
// and pentacles. The numbered ranks ring their pips round the sphere of the Tree they belong
// to, painted in that sphere's colour.

namespace suits {
namespace {

using namespace pk;
namespace c = pk::colour;

constexpr std::array<Suit, 4> suitOrder = {Suit::Wands, Suit::Cups, Suit::Swords, Suit::Pentacles};

QPointF polar(QPointF centre, qreal radius, qreal degrees)
{
    const qreal a = degrees * M_PI / 180.0;
    return {centre.x() + radius * std::cos(a), centre.y() + radius * std::sin(a)};
}

QPainterPath leaf(QPointF base, qreal length, qreal degrees)
{
    QPainterPath l;
    l.moveTo(0, 0);
    l.quadTo(length * 0.5, -length * 0.38, length, 0);
    l.quadTo(length * 0.5, length * 0.38, 0, 0);
    QTransform t;
    t.translate(base.x(), base.y());
    t.rotate(degrees);
    return t.map(l);
}

void wand(QPainter& p, qreal ink)
{
    const QPainterPath staff = polygon({{-3.4, -16}, {3.4, -19.5}, {3.4, 18}, {-3.4, 18}})
                                   .united(ellipse({0, 18}, 3.4, 1.8));
    for (const QPainterPath& l :
         {leaf({3, -10}, 10, -35), leaf({-3, -2}, 10, 205), leaf({3, 7}, 9, -25)})
        inked(p, l, c::green, ink * 0.8);
    inked(p, staff, sheen(staff, c::wood, 130, 130), ink);
    line(p, {-3.4, -5}, {0.5, -6}, ink * 0.7);
    line(p, {-0.5, 9}, {3.4, 8}, ink * 0.7);
}

void cup(QPainter& p, qreal ink)
{
    QPainterPath goblet;
    goblet.moveTo(-13, -17);
    goblet.lineTo(13, -17);
    goblet.cubicTo(13, -2, 8, 2, 2.3, 3);
    goblet.lineTo(2.3, 11);
    goblet.cubicTo(2.3, 13, 9, 14, 10.5, 18.5);
    goblet.lineTo(-10.5, 18.5);
    goblet.cubicTo(-9, 14, -2.3, 13, -2.3, 11);
    goblet.lineTo(-2.3, 3);
    goblet.cubicTo(-8, 2, -13, -2, -13, -17);
    goblet.closeSubpath();
    inked(p, goblet, sheen(goblet, c::gold, 145, 135), ink);
    inked(p, ellipse({0, -17}, 13, 3.2), c::goldDark, ink * 0.8);
    inked(p, ellipse({0, -16.6}, 10.5, 2.0), c::blueLight, 0);
    inked(p, ellipse({0, 6.5}, 3.8, 1.9), c::goldDark, ink * 0.7);
    line(p, {-9, -10}, {-7, -3}, ink * 0.9, QColor(255, 246, 210, 200));
}

void sword(QPainter& p, qreal ink)
{
    const QPainterPath blade =
        polygon({{0, -20}, {2.9, -14.5}, {2.9, 7.5}, {-2.9, 7.5}, {-2.9, -14.5}});
    inked(p, blade, sheen(blade, c::steel, 125, 150), ink);
    line(p, {0, -16}, {0, 6}, ink * 0.5, c::steelDark);
    QPainterPath guard;
    guard.addRoundedRect(QRectF(-11, 7, 22, 3.8), 1.8, 1.8);
    inked(p, guard, sheen(guard, c::gold), ink);
    QPainterPath grip;
    grip.addRect(QRectF(-1.9, 10.8, 3.8, 6.4));
    inked(p, grip, c::red, ink * 0.8);
    inked(p, circle({0, 19}, 2.7), c::gold, ink * 0.9);
}

void pentacle(QPainter& p, qreal ink)
{
    const QPainterPath disc = circle({0, 0}, 18);
    inked(p, disc, sheen(disc, c::gold, 145, 135), ink);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(c::ink, ink * 0.7));
    p.drawEllipse(QPointF(0, 0), 14.5, 14.5);
    QPainterPath pentagram;
    for (int i = 0; i <= 5; ++i) {
        const QPointF pt = polar({0, 0}, 13.5, -90 + (i * 2 % 5) * 72);
        if (i == 0)
            pentagram.moveTo(pt);
        else
            pentagram.lineTo(pt);
    }
    p.setPen(QPen(c::redDark, ink * 1.1, Qt::SolidLine, Qt::RoundCap, Qt::MiterJoin));
    p.drawPath(pentagram);
}

// A sphere of the Tree: a shaded disc in the sphere's colour with a gold rim.
void sphereDisc(QPainter& p, QPointF centre, qreal r, const QColor& colour)
{
    QRadialGradient shade(centre - QPointF(r * 0.35, r * 0.4), r * 1.5);
    shade.setColorAt(0, colour.lighter(150));
    shade.setColorAt(0.55, colour);
    shade.setColorAt(1, colour.darker(160));
    p.setPen(QPen(c::ink, 3.4));
    p.setBrush(shade);
    p.drawEllipse(centre, r, r);
    p.setPen(QPen(c::gold, 1.8));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(centre, r, r);
}

// Malkuth, the earthly sphere, is quartered citrine, olive, russet and black.
void malkuthDisc(QPainter& p, QPointF centre, qreal r)
{
    const QColor quarters[] = {QColor(206, 192, 70), QColor(112, 124, 52), QColor(36, 34, 32),
                               QColor(150, 70, 40)};
    const QRectF box(centre.x() - r, centre.y() - r, 2 * r, 2 * r);
    for (int i = 0; i < 4; ++i) {
        QPainterPath slice;
        slice.moveTo(centre);
        slice.arcTo(box, 45 + i * 90, 90);
        slice.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(quarters[(i + 0) % 4]);
        p.drawPath(slice);
    }
    QRadialGradient light(centre - QPointF(r * 0.35, r * 0.4), r * 1.5);
    light.setColorAt(0, QColor(255, 255, 255, 90));
    light.setColorAt(0.6, QColor(255, 255, 255, 0));
    light.setColorAt(1, QColor(0, 0, 0, 90));
    p.setBrush(light);
    p.drawEllipse(centre, r, r);
    p.setPen(QPen(c::gold, 1.0));
    p.drawLine(polar(centre, r, 45), polar(centre, r, 225));
    p.drawLine(polar(centre, r, 135), polar(centre, r, 315));
    p.setPen(QPen(c::ink, 3.4));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(centre, r, r);
    p.setPen(QPen(c::gold, 1.8));
    p.drawEllipse(centre, r, r);
}

void rays(QPainter& p, QPointF centre, qreal inner, qreal outer, int count, const QColor& colour,
          qreal width)
{
    p.save();
    p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < count; ++i) {
        const qreal a = i * 360.0 / count;
        p.drawLine(polar(centre, inner, a), polar(centre, (i % 2) ? outer * 0.8 : outer, a));
    }
    p.restore();
}

void halo(QPainter& p, QPointF centre, qreal radius, const QColor& colour)
{
    QRadialGradient g(centre, radius);
    QColor clear = colour;
    clear.setAlpha(0);
    g.setColorAt(0, colour);
    g.setColorAt(1, clear);
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(centre, radius, radius);
}

// Pips ringed round the rank's sphere, suits taken in turn, starting at the top.
void pipRing(QPainter& p, int count, const QColor& sphere, bool malkuth = false)
{
    const QPointF centre(50, 52);
    halo(p, centre, 30, QColor(255, 250, 230, 200));
    if (malkuth)
        malkuthDisc(p, centre, 13);
    else
        sphereDisc(p, centre, 13, sphere);

    const qreal ring = 35;
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(200, 150, 50, 150), 1.2));
    p.drawEllipse(centre, ring, ring);
    const qreal size = std::min(27.0, 2 * M_PI * ring / count * 0.95);
    for (int i = 0; i < count; ++i) {
        const QPointF at = polar(centre, ring, -90 + i * 360.0 / count);
        drawPip(p, suitOrder[i % 4], at, size);
    }
}

void cornerPips(QPainter& p)
{
    const QPointF corners[] = {{12, 20}, {88, 20}, {12, 86}, {88, 86}};
    for (int i = 0; i < 4; ++i)
        drawPip(p, suitOrder[i], corners[i], 16);
}

void aces(QPainter& p)
{
    const QPointF centre(50, 52);
    halo(p, centre, 46, QColor(255, 248, 210, 230));
    rays(p, centre, 12, 26, 24, QColor(230, 180, 60, 200), 1.0);
    sphereDisc(p, centre, 9, QColor(250, 250, 250));
    const QPointF places[] = {{50, 17}, {84, 52}, {50, 86}, {16, 52}};
    for (int i = 0; i < 4; ++i) {
        halo(p, places[i], 17, QColor(255, 236, 160, 220));
        rays(p, places[i], 13, 17.5, 12, QColor(214, 160, 50), 1.0);
        drawPip(p, suitOrder[i], places[i], 27);
    }
}

void kings(QPainter& p)
{
    cornerPips(p);
    sphereDisc(p, {50, 54}, 31, QColor(150, 152, 162));

    QPainterPath cap;
    cap.moveTo(28, 62);
    cap.cubicTo(28, 30, 72, 30, 72, 62);
    cap.closeSubpath();
    inked(p, cap, sheen(cap, c::red, 130, 150), 1.3);

    QPainterPath arches;
    arches.moveTo(28, 62);
    arches.cubicTo(28, 30, 72, 30, 72, 62);
    arches.moveTo(50, 62);
    arches.lineTo(50, 32);
    const QPainterPath archShape = strokeShape(arches, 3.4);
    inked(p, archShape, sheen(archShape, c::gold), 1.1);
    p.setPen(QPen(c::ink, 0.5));
    p.setBrush(QColor(252, 248, 236));
    for (qreal t = 0.12; t < 0.95; t += 0.125) {
        QPainterPath outer;
        outer.moveTo(28, 62);
        outer.cubicTo(28, 30, 72, 30, 72, 62);
        if (std::abs(t - 0.5) > 0.05)
            p.drawEllipse(outer.pointAtPercent(t), 1.3, 1.3);
    }
    for (qreal y = 38; y < 60; y += 5)
        p.drawEllipse(QPointF(50, y), 1.3, 1.3);

    inked(p, circle({50, 28}, 4.2), sheen(circle({50, 28}, 4.2), c::gold), 1.1);
    QPainterPath cross;
    cross.moveTo(50, 24);
    cross.lineTo(50, 13);
    cross.moveTo(45.5, 17.5);
    cross.lineTo(54.5, 17.5);
    const QPainterPath crossShape = strokeShape(cross, 2.6, Qt::FlatCap, Qt::MiterJoin);
    inked(p, crossShape, c::gold, 1.0);

    QPainterPath band;
    band.addRoundedRect(QRectF(24, 60, 52, 13), 2, 2);
    inked(p, band, sheen(band, c::gold), 1.3);
    inked(p, ellipse({50, 66.5}, 3.6, 4.2), sheen(ellipse({50, 66.5}, 3.6, 4.2), c::red), 0.9);
    for (int side : {-1, 1}) {
        inked(p, circle({50 + side * 13.0, 66.5}, 2.8), sheen(circle({50, 66.5}, 2.8), c::blue),
              0.9);
        inked(p, circle({50 + side * 21.5, 66.5}, 1.9), c::green, 0.8);
    }
}

void queens(QPainter& p)
{
    cornerPips(p);
    sphereDisc(p, {50, 54}, 31, QColor(44, 40, 52));

    // An open coronet: pearl-tipped points rising from the band.
    QPainterPath crown;
    crown.moveTo(26, 64);
    const qreal tips[] = {44, 36, 30, 36, 44};
    const qreal xs[] = {26, 38, 50, 62, 74};
    crown.lineTo(26, tips[0]);
    for (int i = 0; i < 4; ++i) {
        const qreal midX = (xs[i] + xs[i + 1]) / 2;
        crown.quadTo(xs[i] + 2, 52, midX, 54);
        crown.quadTo(xs[i + 1] - 2, 52, xs[i + 1], tips[i + 1]);
    }
    crown.lineTo(74, 64);
    crown.closeSubpath();
    inked(p, crown, sheen(crown, c::gold, 145, 140), 1.3);
    for (int i = 0; i < 5; ++i) {
        inked(p, circle({xs[i], tips[i] - 2.6}, 3.0), QColor(252, 248, 236), 0.8);
        if (i < 4)
            inked(p, circle({(xs[i] + xs[i + 1]) / 2, 51}, 1.7), QColor(252, 248, 236), 0.6);
    }
    inked(p, ellipse({50, 44}, 2.6, 3.6), sheen(ellipse({50, 44}, 2.6, 3.6), c::blue), 0.8);

    QPainterPath band;
    band.addRoundedRect(QRectF(24, 62, 52, 11), 2, 2);
    inked(p, band, sheen(band, c::gold), 1.3);
    for (int i = 0; i < 5; ++i) {
        const QPointF at(30 + i * 10, 67.5);
        if (i % 2 == 0)
            inked(p, ellipse(at, 2.4, 3.0), sheen(ellipse(at, 2.4, 3.0), c::red), 0.8);
        else
            inked(p, circle(at, 1.9), QColor(252, 248, 236), 0.7);
    }
}

void pages(QPainter& p)
{
    cornerPips(p);
    malkuthDisc(p, {50, 56}, 28);

    // A soft velvet cap worn at a tilt, a long plume sweeping back over it.
    QPainterPath crown;
    crown.moveTo(20, 62);
    crown.cubicTo(14, 46, 40, 36, 62, 38);
    crown.cubicTo(82, 40, 90, 52, 82, 62);
    crown.closeSubpath();
    inked(p, crown, sheen(crown, QColor(44, 120, 84), 145, 140), 1.3);
    line(p, {38, 42}, {36, 60}, 0.8, QColor(24, 70, 46));
    line(p, {58, 40}, {60, 60}, 0.8, QColor(24, 70, 46));

    QPainterPath band;
    band.moveTo(27, 59);
    band.quadTo(52, 66, 77, 59);
    band.lineTo(76, 68);
    band.quadTo(52, 75, 28, 68);
    band.closeSubpath();
    inked(p, band, sheen(band, QColor(40, 70, 130), 140, 140), 1.3);
    QPainterPath trim;
    trim.moveTo(28.5, 63.8);
    trim.quadTo(52, 70.8, 76.5, 63.8);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(c::gold, 1.0));
    p.drawPath(trim);

    QPainterPath quill;
    quill.moveTo(70, 58);
    quill.cubicTo(94, 26, 52, 0, 22, 26);
    auto spine = [&](qreal t) { return quill.pointAtPercent(std::clamp(t, 0.0, 1.0)); };
    const QPointF p0 = spine(0);
    QList<QPointF> upper;
    QList<QPointF> lower;
    const int steps = 28;
    for (int i = 0; i <= steps; ++i) {
        const qreal t = static_cast<qreal>(i) / steps;
        const QPointF a = spine(std::max(0.0, t - 0.01));
        const QPointF b = spine(std::min(1.0, t + 0.01));
        QPointF n(-(b - a).y(), (b - a).x());
        n /= std::hypot(n.x(), n.y());
        const qreal w = 6.0 * std::pow(std::sin(M_PI * std::min(t * 1.05, 1.0)), 0.6) + 0.7;
        upper << spine(t) - n * w;
        lower.prepend(spine(t) + n * w * 0.75);
    }
    QPainterPath plume;
    plume.moveTo(upper.first());
    for (const QPointF& pt : upper)
        plume.lineTo(pt);
    for (const QPointF& pt : lower)
        plume.lineTo(pt);
    plume.closeSubpath();
    inked(p, plume, sheen(plume, QColor(214, 56, 44), 140, 130), 1.2);
    p.setPen(QPen(QColor(120, 24, 20, 170), 0.6));
    for (int i = 3; i < steps - 1; i += 2) {
        const qreal t = static_cast<qreal>(i) / steps;
        const QPointF tip = spine(t) + (upper[i] - spine(t)) * 0.85;
        p.drawLine(spine(t), tip + (spine(t) - spine(t + 0.03)) * 1.5);
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 236, 220), 1.0));
    p.drawPath(quill);

    inked(p, circle(p0 + QPointF(0, 3), 4.0), sheen(circle(p0, 4.0), c::gold), 1.0);
    inked(p, circle(p0 + QPointF(0, 3), 1.6), c::red, 0.5);
}

card::Face group(const char* file, const char* numeral, const char* title,
                 std::function<void(QPainter&)> emblem)
{
    card::Face f;
    f.fileName = QString::fromLatin1(file);
    f.numeral = QString::fromLatin1(numeral);
    f.title = QString::fromLatin1(title);
    f.family = card::Family::Sphere;
    f.skyTop = QColor(220, 230, 242);
    f.skyBottom = QColor(248, 242, 226);
    f.emblem = std::move(emblem);
    return f;
}

std::function<void(QPainter&)> ring(int count, QColor sphere)
{
    return [count, sphere](QPainter& p) { pipRing(p, count, sphere); };
}

} // namespace

void drawPip(QPainter& p, Suit suit, QPointF centre, qreal size)
{
    p.save();
    p.translate(centre);
    const qreal scale = size / 40.0;
    p.scale(scale, scale);
    // Keep outlines about as heavy as the rest of the emblem whatever the pip size.
    const qreal ink = 1.15 / scale;
    switch (suit) {
    case Suit::Wands:
        wand(p, ink);
        break;
    case Suit::Cups:
        cup(p, ink);
        break;
    case Suit::Swords:
        sword(p, ink);
        break;
    case Suit::Pentacles:
        pentacle(p, ink);
        break;
    }
    p.restore();
}

QList<card::Face> faces()
{
    return {
        group("the-aces.jpg", "ACES", "The Aces", aces),
        group("the-eights.jpg", "8", "The Eights", ring(8, QColor(232, 124, 40))),
        group("the-fives.jpg", "5", "The Fives", ring(5, QColor(200, 40, 36))),
        group("the-fours.jpg", "4", "The Fours", ring(4, QColor(44, 92, 190))),
        group("the-kings.jpg", "KINGS", "The Kings", kings),
        group("the-nines.jpg", "9", "The Nines", ring(9, QColor(128, 64, 168))),
        group("the-pages.jpg", "PAGES", "The Pages", pages),
        group("the-queens.jpg", "QUEENS", "The Queens", queens),
        group("the-sevens.jpg", "7", "The Sevens", ring(7, QColor(40, 146, 70))),
        group("the-sixes.jpg", "6", "The Sixes", ring(6, QColor(240, 200, 40))),
        group("the-tens.jpg", "10", "The Tens",
              [](QPainter& p) { pipRing(p, 10, QColor(), true); }),
    };
}

} // namespace suits
