#include "TrumpEmblems.h"

#include "PaintKit.h"
#include "SuitEmblems.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <cmath>

// Every emblem draws in a 100 x 100 box (y downwards); the card maps the box into its window.
// Shapes are flat colours with an ink outline, like a hand-coloured woodcut deck.

namespace trumps {
namespace {

using namespace pk;
namespace c = pk::colour;

QPointF polar(QPointF centre, qreal radius, qreal degrees)
{
    const qreal a = degrees * M_PI / 180.0;
    return {centre.x() + radius * std::cos(a), centre.y() + radius * std::sin(a)};
}

void glow(QPainter& p, QPointF centre, qreal radius, const QColor& colour)
{
    QRadialGradient g(centre, radius);
    QColor inner = colour;
    QColor outer = colour;
    outer.setAlpha(0);
    g.setColorAt(0.0, inner);
    g.setColorAt(1.0, outer);
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(centre, radius, radius);
    p.restore();
}

void sunWithRays(QPainter& p, QPointF centre, qreal radius, int rays)
{
    p.save();
    p.setPen(QPen(c::ink, 0.8));
    for (int i = 0; i < rays; ++i) {
        const qreal a = i * 360.0 / rays;
        const qreal len = (i % 2 == 0) ? radius * 1.9 : radius * 1.55;
        p.setBrush(i % 2 == 0 ? c::gold : c::goldLight);
        p.drawPath(polygon({polar(centre, radius * 0.9, a - 9), polar(centre, len, a),
                            polar(centre, radius * 0.9, a + 9)}));
    }
    p.restore();
    const QPainterPath disc = circle(centre, radius);
    QRadialGradient g(centre - QPointF(radius * 0.3, radius * 0.3), radius * 1.2);
    g.setColorAt(0, c::goldLight.lighter(110));
    g.setColorAt(1, c::gold);
    inked(p, disc, g, 1.1);
}

void smallStars(QPainter& p, std::initializer_list<QPointF> where, qreal size)
{
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 250, 220, 220));
    for (const QPointF& at : where)
        p.drawPath(star(at, 4, size, size * 0.3));
    p.restore();
}

void waves(QPainter& p, qreal top, qreal left, qreal right, const QColor& colour)
{
    p.save();
    p.setPen(QPen(colour, 0.9));
    p.setBrush(Qt::NoBrush);
    for (int row = 0; row < 3; ++row) {
        const qreal y = top + 4 + row * 4.5;
        const qreal shift = (row % 2) * 4.0;
        for (qreal x = left + shift; x < right - 4; x += 9) {
            QPainterPath w;
            w.moveTo(x, y);
            w.quadTo(x + 2.2, y - 1.6, x + 4.4, y);
            p.drawPath(w);
        }
    }
    p.restore();
}

// XIII: a scythe behind a skull, with the sun rising over the hills behind.
void death(QPainter& p)
{
    const QPointF sun(80, 84);
    sunWithRays(p, sun, 9, 14);

    QPainterPath hills;
    hills.moveTo(0, 82);
    hills.quadTo(26, 72, 52, 84);
    hills.quadTo(74, 92, 100, 80);
    hills.lineTo(100, 101);
    hills.lineTo(0, 101);
    hills.closeSubpath();
    inked(p, hills, QColor(86, 72, 58), 1.2);

    QPainterPath shaft;
    shaft.moveTo(22, 100);
    shaft.lineTo(80, 11);
    const QPainterPath handle = strokeShape(shaft, 4.4);
    inked(p, handle, sheen(handle, c::wood), 1.2);

    QPainterPath blade;
    blade.moveTo(82, 9);
    blade.cubicTo(62, -4, 28, 2, 8, 26);
    blade.cubicTo(30, 12, 56, 10, 78, 19);
    blade.closeSubpath();
    inked(p, blade, sheen(blade, c::steel, 120, 150), 1.3);
    QPainterPath edge;
    edge.moveTo(14, 21);
    edge.cubicTo(32, 9, 56, 8, 76, 15);
    p.setPen(QPen(QColor(255, 255, 255, 200), 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawPath(edge);

    QPainterPath jaw;
    jaw.addRoundedRect(QRectF(35.5, 55, 25, 20), 6, 6);
    const QPainterPath skull = ellipse({48, 47}, 20, 19).united(jaw);
    QRadialGradient boneShade(QPointF(42, 40), 34);
    boneShade.setColorAt(0, c::bone.lighter(106));
    boneShade.setColorAt(0.7, c::bone);
    boneShade.setColorAt(1, c::bone.darker(125));
    inked(p, skull, boneShade, 1.6);

    p.setPen(Qt::NoPen);
    p.setBrush(c::ink);
    p.drawPath(ellipse({40.5, 49}, 5.6, 6.2));
    p.drawPath(ellipse({55.5, 49}, 5.6, 6.2));
    p.drawPath(polygon({{48, 56}, {45, 63.5}, {51, 63.5}}));
    line(p, {37.5, 69}, {58.5, 69}, 1.0);
    for (qreal x = 40; x <= 56; x += 4)
        line(p, {x, 66}, {x, 73}, 0.9);
    line(p, {33, 53}, {36.5, 57}, 1.0);
    line(p, {63, 53}, {59.5, 57}, 1.0);
}

// XI: the balance hung on an upright sword.
void justice(QPainter& p)
{
    QPainterPath floor;
    floor.addRect(QRectF(0, 92, 100, 10));
    inked(p, floor, QColor(176, 160, 190), 1.0);

    for (qreal x : {18.0, 82.0}) {
        line(p, {x, 27}, {x - 11, 58}, 0.9);
        line(p, {x, 27}, {x + 11, 58}, 0.9);
        QPainterPath pan;
        pan.moveTo(x - 13, 58);
        pan.quadTo(x, 74, x + 13, 58);
        pan.closeSubpath();
        inked(p, pan, sheen(pan, c::gold), 1.2);
    }

    const QPainterPath blade = polygon({{50, 5}, {54.2, 15}, {54.2, 74}, {45.8, 74}, {45.8, 15}});
    inked(p, blade, sheen(blade, c::steel, 120, 150), 1.3);
    line(p, {50, 12}, {50, 72}, 0.7, c::steelDark);

    QPainterPath beam;
    beam.addRoundedRect(QRectF(14, 24.5, 72, 4.4), 2, 2);
    beam = beam.united(circle({15, 26.7}, 2.8)).united(circle({85, 26.7}, 2.8));
    inked(p, beam, sheen(beam, c::gold), 1.2);
    inked(p, circle({50, 26.7}, 4.6), sheen(circle({50, 26.7}, 4.6), c::gold), 1.2);

    QPainterPath guard;
    guard.addRoundedRect(QRectF(33, 73, 34, 5.6), 2.5, 2.5);
    inked(p, guard, sheen(guard, c::gold), 1.2);
    QPainterPath grip;
    grip.addRect(QRectF(46.6, 78.6, 6.8, 12.5));
    inked(p, grip, c::red, 1.1);
    for (qreal y = 81; y < 91; y += 3)
        line(p, {46.8, y}, {53.2, y + 1.6}, 0.7);
    inked(p, circle({50, 94.5}, 3.8), sheen(circle({50, 94.5}, 3.8), c::gold), 1.1);
}

// VIII: a lion's head under the figure-eight of endless strength.
void strength(QPainter& p)
{
    QPainterPath lemniscate;
    const qreal a = 17;
    for (int i = 0; i <= 96; ++i) {
        const qreal t = i * 2 * M_PI / 96;
        const qreal d = 1 + std::sin(t) * std::sin(t);
        const QPointF pt(50 + a * std::cos(t) / d, 13 + a * std::sin(t) * std::cos(t) / d);
        if (i == 0)
            lemniscate.moveTo(pt);
        else
            lemniscate.lineTo(pt);
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(c::ink, 4.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(lemniscate);
    p.setPen(QPen(c::gold, 2.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(lemniscate);

    const QPointF centre(50, 60);
    auto maneRing = [&](qreal outer, qreal inner, int tufts, qreal turn) {
        QList<QPointF> pts;
        for (int i = 0; i < tufts * 2; ++i)
            pts << polar(centre, (i % 2 == 0) ? outer : inner, turn + i * 180.0 / tufts);
        return smoothClosed(pts);
    };
    QRadialGradient maneShade(centre, 36);
    maneShade.setColorAt(0.0, QColor(214, 140, 56));
    maneShade.setColorAt(1.0, QColor(140, 70, 24));
    inked(p, maneRing(35, 28, 14, -90), maneShade, 1.4);
    inked(p, maneRing(28.5, 24, 12, -75), QColor(212, 142, 62), 1.0);

    for (qreal x : {35.0, 65.0}) {
        inked(p, circle({x, 39}, 5.8), QColor(226, 168, 84), 1.2);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(150, 80, 50));
        p.drawEllipse(QPointF(x, 39.5), 2.6, 2.6);
    }

    const QPainterPath face = ellipse({50, 57}, 17, 16).united(ellipse({50, 71}, 12, 9.5));
    QRadialGradient faceShade(QPointF(46, 52), 26);
    faceShade.setColorAt(0, QColor(246, 206, 120));
    faceShade.setColorAt(1, QColor(222, 160, 80));
    inked(p, face, faceShade, 1.4);

    p.setPen(Qt::NoPen);
    p.setBrush(QColor(250, 232, 190));
    p.drawEllipse(QPointF(45, 72.5), 5.6, 4.6);
    p.drawEllipse(QPointF(55, 72.5), 5.6, 4.6);

    for (int side : {-1, 1}) {
        const QPointF eye(50 + side * 7.5, 55);
        inked(p, ellipse(eye, 3.4, 2.1), QColor(240, 200, 70), 0.9);
        p.setPen(Qt::NoPen);
        p.setBrush(c::ink);
        p.drawEllipse(eye, 1.3, 1.6);
        line(p, {50 + side * 12.5, 50.5}, {50 + side * 4.5, 52.5}, 1.3);
        line(p, {50 + side * 3.6, 58}, {50 + side * 4.6, 65}, 0.8);
        for (int k = 0; k < 3; ++k) {
            p.setPen(Qt::NoPen);
            p.setBrush(c::ink);
            p.drawEllipse(QPointF(50 + side * (3.8 + k * 2.2), 71.5 + (k % 2) * 1.8), 0.55, 0.55);
        }
    }

    QPainterPath nose;
    nose.moveTo(44.5, 64.5);
    nose.lineTo(55.5, 64.5);
    nose.quadTo(55, 68.8, 50, 70.5);
    nose.quadTo(45, 68.8, 44.5, 64.5);
    inked(p, nose, QColor(110, 54, 34), 0.9);

    QPainterPath mouth;
    mouth.moveTo(50, 70.5);
    mouth.lineTo(50, 75);
    mouth.moveTo(50, 75);
    mouth.quadTo(46.5, 78.5, 42.5, 75.8);
    mouth.moveTo(50, 75);
    mouth.quadTo(53.5, 78.5, 57.5, 75.8);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(c::ink, 1.1, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(mouth);
}

// XIV: water poured from one cup into another under the rainbow.
void temperance(QPainter& p)
{
    const QColor bands[] = {QColor(220, 70, 60), QColor(240, 150, 50), QColor(245, 215, 70),
                            QColor(90, 170, 80), QColor(70, 120, 210)};
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 5; ++i) {
        QColor col = bands[i];
        col.setAlpha(150);
        p.setPen(QPen(col, 3.0));
        const qreal r = 46 - i * 3;
        p.drawArc(QRectF(50 - r, 74 - r, 2 * r, 2 * r), 0, 180 * 16);
    }

    QPainterPath land;
    land.moveTo(0, 84);
    land.quadTo(26, 78, 50, 86);
    land.lineTo(50, 101);
    land.lineTo(0, 101);
    land.closeSubpath();
    QPainterPath pool;
    pool.moveTo(40, 87);
    pool.quadTo(70, 82, 101, 86);
    pool.lineTo(101, 101);
    pool.lineTo(40, 101);
    pool.closeSubpath();
    inked(p, pool, c::water, 1.1);
    waves(p, 87, 52, 100, c::blueLight);
    inked(p, land, c::green, 1.1);

    // The stream is drawn first so both cups sit over its ends.
    QPainterPath stream;
    stream.moveTo(42, 32);
    stream.cubicTo(60, 28, 70, 44, 66, 60);
    p.setPen(QPen(c::ink, 4.4, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(stream);
    p.setPen(QPen(c::blueLight, 2.8, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(stream);
    p.setPen(QPen(QColor(255, 255, 255, 180), 0.8, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(stream);

    p.save();
    p.translate(32, 40);
    p.rotate(52);
    suits::drawPip(p, suits::Suit::Cups, {0, 0}, 30);
    p.restore();
    suits::drawPip(p, suits::Suit::Cups, {64, 70}, 30);
}

// VII: the canopied chariot on its two wheels.
void chariot(QPainter& p)
{
    QPainterPath road;
    road.addRect(QRectF(0, 90, 100, 12));
    inked(p, road, QColor(170, 150, 110), 1.0);

    auto post = [&](qreal x, qreal w) {
        QPainterPath l;
        l.moveTo(x, 30);
        l.lineTo(x, 58);
        const QPainterPath s = strokeShape(l, w, Qt::FlatCap);
        inked(p, s, sheen(s, c::gold), 1.0);
    };
    post(34, 2.2);
    post(66, 2.2);

    QPainterPath body;
    body.addRoundedRect(QRectF(27, 52, 46, 30), 3, 3);
    inked(p, body, sheen(body, QColor(176, 58, 46)), 1.4);
    QPainterPath trim;
    trim.addRect(QRectF(26, 50, 48, 5));
    inked(p, trim, sheen(trim, c::gold), 1.1);

    // A winged disc on the front of the car.
    for (int side : {-1, 1}) {
        QPainterPath wing;
        wing.moveTo(50 + side * 3, 64);
        wing.quadTo(50 + side * 14, 58, 50 + side * 21, 61);
        wing.quadTo(50 + side * 14, 64, 50 + side * 18, 66);
        wing.quadTo(50 + side * 11, 68, 50 + side * 3, 68);
        wing.closeSubpath();
        inked(p, wing, c::blueLight, 0.9);
    }
    inked(p, circle({50, 66}, 4.2), sheen(circle({50, 66}, 4.2), c::gold), 1.0);

    post(24, 3.2);
    post(76, 3.2);

    QPainterPath canopy;
    canopy.moveTo(16, 25);
    canopy.quadTo(50, 10, 84, 25);
    canopy.lineTo(84, 32);
    const int scallops = 6;
    for (int i = 0; i < scallops; ++i) {
        const qreal x0 = 84 - i * 68.0 / scallops;
        const qreal x1 = x0 - 68.0 / scallops;
        canopy.quadTo((x0 + x1) / 2, 38, x1, 32);
    }
    canopy.closeSubpath();
    QLinearGradient blue(0, 14, 0, 36);
    blue.setColorAt(0, c::blue.lighter(125));
    blue.setColorAt(1, c::blue.darker(120));
    inked(p, canopy, blue, 1.3);
    p.setPen(Qt::NoPen);
    p.setBrush(c::goldLight);
    for (const QPointF& at :
         {QPointF(30, 25), QPointF(42, 22), QPointF(58, 22), QPointF(70, 25), QPointF(50, 28)})
        p.drawPath(star(at, 5, 2.3, 0.9));
    inked(p, star({50, 13}, 5, 4.5, 1.9), c::gold, 0.9);

    for (qreal x : {20.0, 80.0}) {
        const QPointF hub(x, 80);
        const QPainterPath rim = circle(hub, 12.5).subtracted(circle(hub, 9.6));
        inked(p, rim, sheen(rim, c::wood), 1.2);
        QPainterPath spokes;
        for (int i = 0; i < 4; ++i) {
            spokes.moveTo(polar(hub, 9.8, i * 45));
            spokes.lineTo(polar(hub, 9.8, i * 45 + 180));
        }
        const QPainterPath spokeShape = strokeShape(spokes, 1.7, Qt::FlatCap);
        inked(p, spokeShape, c::wood, 0.6);
        inked(p, circle(hub, 3.0), sheen(circle(hub, 3.0), c::gold), 1.0);
    }
}

// XV: the horned head within the inverted pentagram, over the chained altar.
void devil(QPainter& p)
{
    glow(p, {50, 100}, 45, QColor(255, 120, 40, 110));
    const QPointF centre(50, 43);
    const qreal r = 35;
    QPainterPath sigil;
    sigil.addEllipse(centre, r, r);
    QPainterPath pentagram;
    for (int i = 0; i <= 5; ++i) {
        const QPointF pt = polar(centre, r, 90 + (i * 2 % 5) * 72);
        if (i == 0)
            pentagram.moveTo(pt);
        else
            pentagram.lineTo(pt);
    }
    sigil.addPath(pentagram);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 90, 40, 120), 4.0));
    p.drawPath(sigil);
    p.setPen(QPen(c::gold, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(sigil);

    QPainterPath altar;
    altar.addRect(QRectF(31, 77, 38, 24));
    inked(p, altar, sheen(altar, QColor(70, 60, 58)), 1.3);
    QPainterPath slab;
    slab.addRect(QRectF(27, 73, 46, 5));
    inked(p, slab, sheen(slab, QColor(96, 86, 82)), 1.2);

    // Chains droop from the altar rings to open shackles.
    for (int side : {-1, 1}) {
        const QPointF ring(50 + side * 13, 85);
        QPainterPath curve;
        curve.moveTo(ring);
        curve.quadTo(50 + side * 30, 104, 50 + side * 44, 82);
        const int links = 9;
        for (int i = 0; i <= links; ++i) {
            const qreal t = static_cast<qreal>(i) / links;
            const QPointF at = curve.pointAtPercent(t);
            const qreal angle = -curve.angleAtPercent(t);
            p.save();
            p.translate(at);
            p.rotate(angle);
            QPainterPath link;
            if (i % 2 == 0)
                link = ellipse({0, 0}, 3.0, 1.8).subtracted(ellipse({0, 0}, 1.5, 0.6));
            else
                link = ellipse({0, 0}, 3.0, 0.9);
            inked(p, link, c::steel, 0.7);
            p.restore();
        }
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(c::ink, 2.6));
        p.drawEllipse(ring, 2.6, 2.6);
        p.setPen(QPen(c::steel, 1.3));
        p.drawEllipse(ring, 2.6, 2.6);
    }

    for (int side : {-1, 1}) {
        QPainterPath horn;
        horn.moveTo(50 + side * 8, 30);
        horn.cubicTo(50 + side * 15, 23, 50 + side * 21, 15, 50 + side * 24, 5);
        horn.cubicTo(50 + side * 14, 13, 50 + side * 6, 21, 50 + side * 2, 28);
        horn.closeSubpath();
        inked(p, horn, sheen(horn, QColor(228, 214, 186)), 1.2);
        QPainterPath ear;
        ear.moveTo(50 + side * 11, 37);
        ear.lineTo(50 + side * 23, 33);
        ear.quadTo(50 + side * 19, 41, 50 + side * 11, 43);
        ear.closeSubpath();
        inked(p, ear, QColor(150, 40, 30), 1.1);
    }

    QPainterPath beard = polygon({{45.5, 58}, {50, 74}, {54.5, 58}});
    inked(p, beard, QColor(60, 24, 16), 1.1);
    QPainterPath head;
    head.moveTo(38, 30);
    head.quadTo(37, 52, 50, 64);
    head.quadTo(63, 52, 62, 30);
    head.quadTo(50, 23, 38, 30);
    QRadialGradient skinShade(QPointF(46, 38), 26);
    skinShade.setColorAt(0, QColor(196, 66, 44));
    skinShade.setColorAt(1, QColor(120, 30, 22));
    inked(p, head, skinShade, 1.4);

    for (int side : {-1, 1}) {
        inked(p, polygon({{50 + side * 9.5, 39}, {50 + side * 3.0, 41.5}, {50 + side * 8.5, 42.8}}),
              QColor(250, 214, 70), 0.8);
        line(p, {50 + side * 11.0, 35.5}, {50 + side * 2.5, 39.5}, 1.7);
    }
    line(p, {48.5, 48}, {50, 50}, 0.9);
    line(p, {51.5, 48}, {50, 50}, 0.9);
    QPainterPath grin;
    grin.moveTo(43.5, 53);
    grin.quadTo(50, 57.5, 56.5, 53);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(c::ink, 1.2, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(grin);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawPath(polygon({{45.5, 54.4}, {47, 54.9}, {46.3, 57}}));
    p.drawPath(polygon({{54.5, 54.4}, {53, 54.9}, {53.7, 57}}));
}

// A horn curling outwards from the ram's brow.
QPainterPath ramHorn(QPointF centre, int side)
{
    QPainterPath spiral;
    const int steps = 60;
    for (int i = 0; i <= steps; ++i) {
        const qreal t = static_cast<qreal>(i) / steps;
        const qreal angle = (-40 - t * 420) * M_PI / 180.0;
        const qreal r = 8.5 * (1 - 0.75 * t);
        const QPointF pt(centre.x() - side * r * std::cos(angle), centre.y() + r * std::sin(angle));
        if (i == 0)
            spiral.moveTo(pt);
        else
            spiral.lineTo(pt);
    }
    return spiral;
}

// IV: the stone throne crowned with a ram's head, with orb and sceptre.
void emperor(QPainter& p)
{
    QPainterPath floor;
    floor.addRect(QRectF(0, 90, 100, 12));
    inked(p, floor, QColor(150, 120, 100), 1.0);

    QPainterPath back;
    back.addRoundedRect(QRectF(24, 22, 52, 52), 4, 4);
    inked(p, back, sheen(back, c::stone, 125, 140), 1.4);
    QPainterPath panel;
    panel.addRoundedRect(QRectF(30, 36, 40, 32), 2, 2);
    inked(p, panel, sheen(panel, QColor(170, 44, 40)), 1.0);

    for (int side : {-1, 1}) {
        QPainterPath arm;
        arm.addRoundedRect(QRectF(50 + side * 31 - 5, 54, 10, 36), 2, 2);
        inked(p, arm, sheen(arm, c::stone, 120, 140), 1.2);
        inked(p, circle({50 + side * 31.0, 53}, 4.6),
              sheen(circle({50 + side * 31.0, 53}, 4.6), c::gold), 1.1);
    }
    QPainterPath seat;
    seat.addRect(QRectF(22, 70, 56, 7));
    inked(p, seat, sheen(seat, c::stone, 130, 120), 1.2);
    QPainterPath front;
    front.addRect(QRectF(25, 77, 50, 14));
    inked(p, front, sheen(front, c::stoneDark, 120, 130), 1.2);

    // Ram's head on the crest of the throne.
    for (int side : {-1, 1}) {
        const QPainterPath horn = ramHorn(QPointF(50 + side * 12, 18), side);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(c::ink, 6.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(horn);
        p.setPen(QPen(QColor(222, 204, 160), 4.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(horn);
    }
    QPainterPath ram;
    ram.moveTo(43, 10);
    ram.quadTo(50, 5, 57, 10);
    ram.lineTo(54.5, 29);
    ram.quadTo(50, 33, 45.5, 29);
    ram.closeSubpath();
    inked(p, ram, sheen(ram, QColor(240, 230, 206)), 1.2);
    p.setPen(Qt::NoPen);
    p.setBrush(c::ink);
    p.drawEllipse(QPointF(46.8, 15.5), 1.2, 1.2);
    p.drawEllipse(QPointF(53.2, 15.5), 1.2, 1.2);
    line(p, {48.2, 28}, {49.2, 29.5}, 0.8);
    line(p, {51.8, 28}, {50.8, 29.5}, 0.8);

    // Orb on the seat, sceptre beside it.
    const QPointF orb(41, 62);
    inked(p, circle(orb, 7.5), sheen(circle(orb, 7.5), c::gold), 1.2);
    line(p, orb + QPointF(-7.3, 0), orb + QPointF(7.3, 0), 0.9);
    line(p, orb + QPointF(0, -7.3), orb + QPointF(0, 7.3), 0.9);
    QPainterPath cross;
    cross.moveTo(orb + QPointF(0, -7.5));
    cross.lineTo(orb + QPointF(0, -14));
    cross.moveTo(orb + QPointF(-3, -11.5));
    cross.lineTo(orb + QPointF(3, -11.5));
    const QPainterPath crossShape = strokeShape(cross, 1.8, Qt::FlatCap, Qt::MiterJoin);
    inked(p, crossShape, c::gold, 0.7);

    QPainterPath sceptre;
    sceptre.moveTo(61, 70);
    sceptre.lineTo(61, 40);
    sceptre.moveTo(55.5, 38);
    sceptre.lineTo(66.5, 38);
    QPainterPath sceptreShape = strokeShape(sceptre, 2.4, Qt::FlatCap, Qt::MiterJoin);
    sceptreShape = sceptreShape.united(
        ellipse({61, 32.5}, 3.6, 5.0).subtracted(ellipse({61, 32.5}, 1.6, 2.8)));
    inked(p, sceptreShape, sheen(sceptreShape, c::gold), 1.0);
}

// IX: the lantern with its six-rayed star, hung from the hermit's staff over the peaks.
void hermit(QPainter& p)
{
    smallStars(p, {{14, 20}, {86, 24}, {22, 44}, {90, 52}, {80, 12}, {10, 62}}, 1.8);

    QPainterPath peaks;
    peaks.moveTo(0, 101);
    peaks.lineTo(0, 84);
    peaks.lineTo(16, 72);
    peaks.lineTo(30, 82);
    peaks.lineTo(48, 66);
    peaks.lineTo(64, 80);
    peaks.lineTo(80, 70);
    peaks.lineTo(101, 84);
    peaks.lineTo(101, 101);
    peaks.closeSubpath();
    inked(p, peaks, QColor(86, 94, 120), 1.2);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(236, 240, 250));
    p.drawPath(polygon({{48, 66}, {42.5, 71}, {46, 70.5}, {48, 72.5}, {51, 70}, {54.5, 71}}));
    p.drawPath(polygon({{80, 70}, {75.5, 73}, {78.5, 73.2}, {81, 75}, {84.5, 72.5}}));
    p.drawPath(polygon({{16, 72}, {12, 75}, {15, 75.5}, {17.5, 77}, {20.5, 75}}));

    glow(p, {56, 40}, 34, QColor(255, 228, 140, 150));

    QPainterPath staff;
    staff.moveTo(30, 100);
    staff.lineTo(30, 16);
    staff.quadTo(30, 7, 41, 7);
    staff.quadTo(52, 7, 56, 13);
    const QPainterPath staffShape = strokeShape(staff, 3.6, Qt::FlatCap);
    inked(p, staffShape, sheen(staffShape, c::wood), 1.1);

    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(c::ink, 1.4));
    p.drawEllipse(QPointF(56, 16.5), 2.3, 2.3);

    QPainterPath cap = polygon({{47.5, 26}, {64.5, 26}, {60, 19.5}, {52, 19.5}});
    inked(p, cap, sheen(cap, c::goldDark), 1.1);
    QRadialGradient light(QPointF(56, 37), 12);
    light.setColorAt(0, QColor(255, 255, 236));
    light.setColorAt(1, QColor(255, 210, 90));
    QPainterPath glass;
    glass.addRect(QRectF(48, 26, 16, 22));
    inked(p, glass, light, 1.2);
    const QPainterPath hexagram =
        star({56, 37}, 3, 6.5, 6.5, -90).united(star({56, 37}, 3, 6.5, 6.5, 90));
    inked(p, hexagram, QColor(255, 250, 230), 0.8);
    line(p, {48, 26}, {48, 48}, 1.6, c::goldDark);
    line(p, {64, 26}, {64, 48}, 1.6, c::goldDark);
    QPainterPath base = polygon({{47.5, 48}, {64.5, 48}, {60.5, 54}, {51.5, 54}});
    inked(p, base, sheen(base, c::goldDark), 1.1);
}

// One of the crossed keys, drawn along +x from its bow at the origin, its bit on the +y side.
QPainterPath keyShape()
{
    const QPainterPath bow =
        circle({0, 0}, 7.6).subtracted(circle({0, 0}, 3.2)).united(circle({-7.2, 0}, 2.4));
    QPainterPath shaft;
    shaft.addRect(QRectF(6.5, -2.2, 50, 4.4));
    QPainterPath collar;
    collar.addRoundedRect(QRectF(9.5, -3.6, 3.2, 7.2), 1.2, 1.2);
    QPainterPath bit;
    bit.addRect(QRectF(45, 2, 11, 10));
    QPainterPath notch;
    notch.addRect(QRectF(49, 6.5, 3.2, 5.6));
    return bow.united(shaft).united(collar).united(bit.subtracted(notch));
}

// V: the triple cross behind the crossed keys of gold and silver.
void hierophant(QPainter& p)
{
    for (qreal x : {5.0, 83.0}) {
        QPainterPath pillar;
        pillar.addRect(QRectF(x + 1.5, 30, 9, 72));
        inked(p, pillar, sheen(pillar, c::stone, 125, 130), 1.1);
        QPainterPath capital;
        capital.addRect(QRectF(x, 25, 12, 6));
        inked(p, capital, sheen(capital, c::stone, 130, 120), 1.1);
    }
    QPainterPath floor;
    floor.addRect(QRectF(0, 94, 100, 8));
    inked(p, floor, QColor(120, 110, 150), 1.0);

    QPainterPath cross;
    cross.moveTo(50, 10);
    cross.lineTo(50, 98);
    cross.moveTo(43, 17);
    cross.lineTo(57, 17);
    cross.moveTo(40, 26);
    cross.lineTo(60, 26);
    cross.moveTo(37, 35);
    cross.lineTo(63, 35);
    QPainterPath crossShape = strokeShape(cross, 3.6, Qt::RoundCap, Qt::MiterJoin);
    crossShape = crossShape.united(circle({50, 8.5}, 2.8));
    inked(p, crossShape, sheen(crossShape, c::gold), 1.2);

    // Crossed in a saltire, bows below and bits turned outwards.
    const QPainterPath key = keyShape();
    p.save();
    p.translate(76, 88);
    p.scale(-1, 1);
    p.rotate(-45);
    inked(p, key, sheen(key, c::steel, 120, 150), 1.3);
    p.restore();
    p.save();
    p.translate(24, 88);
    p.rotate(-45);
    inked(p, key, sheen(key, c::gold), 1.3);
    p.restore();
}

// VI: two lovers beneath the sun, their hands joined.
void lovers(QPainter& p)
{
    sunWithRays(p, {50, 14}, 8.5, 16);

    QPainterPath grass;
    grass.moveTo(0, 88);
    grass.quadTo(50, 80, 100, 88);
    grass.lineTo(100, 101);
    grass.lineTo(0, 101);
    grass.closeSubpath();
    inked(p, grass, c::green, 1.1);

    // Heart above their joined hands.
    QPainterPath heart;
    heart.moveTo(50, 43);
    heart.cubicTo(42, 37, 43, 30, 47, 30);
    heart.cubicTo(49, 30, 50, 32, 50, 33);
    heart.cubicTo(50, 32, 51, 30, 53, 30);
    heart.cubicTo(57, 30, 58, 37, 50, 43);
    inked(p, heart, sheen(heart, c::red), 1.1);

    // Him, on the left.
    const QPainterPath tunic = polygon({{25, 52}, {39, 52}, {42, 88}, {22, 88}});
    inked(p, tunic, sheen(tunic, c::blue), 1.3);
    line(p, {23.5, 68}, {40.5, 68}, 1.4, c::goldDark);
    inked(p, ellipse({28, 90}, 3.6, 2), c::ink, 0.5);
    inked(p, ellipse({36, 90}, 3.6, 2), c::ink, 0.5);
    inked(p, circle({32, 44}, 6.6), c::skin, 1.2);
    QPainterPath hisHair;
    hisHair.moveTo(25.4, 44);
    hisHair.quadTo(25, 36, 32, 36.8);
    hisHair.quadTo(39, 36, 38.6, 42);
    hisHair.quadTo(33, 39.5, 25.4, 44);
    inked(p, hisHair, QColor(90, 56, 30), 0.9);

    // Her, on the right, with long hair behind her.
    inked(p, ellipse({68, 49}, 8.6, 12.5), QColor(190, 128, 50), 1.1);
    const QPainterPath dress = polygon({{62, 52}, {74, 52}, {81, 90}, {55, 90}});
    inked(p, dress, sheen(dress, c::red), 1.3);
    line(p, {60.5, 62}, {75.5, 62}, 1.3, c::goldDark);
    inked(p, circle({68, 44}, 6.4), c::skin, 1.2);
    QPainterPath herFringe;
    herFringe.moveTo(61.6, 43);
    herFringe.quadTo(62, 36.5, 68, 37);
    herFringe.quadTo(74, 36.5, 74.4, 43);
    herFringe.quadTo(70, 39.5, 61.6, 43);
    inked(p, herFringe, QColor(190, 128, 50), 0.9);

    QPainterPath arms;
    arms.moveTo(38, 56);
    arms.quadTo(44, 64, 50, 63);
    arms.quadTo(56, 64, 62, 56);
    const QPainterPath armShape = strokeShape(arms, 3.0);
    inked(p, armShape, c::skin, 1.0);
    inked(p, circle({50, 63}, 2.5), c::skin, 0.9);

    p.setPen(Qt::NoPen);
    p.setBrush(c::ink);
    p.drawEllipse(QPointF(34.8, 44), 0.9, 0.9);
    p.drawEllipse(QPointF(65.2, 44), 0.9, 0.9);
    line(p, {33.4, 47.6}, {36, 47.2}, 0.8, c::redDark);
    line(p, {66.6, 47.6}, {64, 47.2}, 0.8, c::redDark);
}

// XVIII: the moon over two towers, a path winding up from the pool between them.
void moon(QPainter& p)
{
    smallStars(p, {{12, 18}, {88, 16}, {20, 36}, {82, 36}}, 1.6);
    const QPointF centre(50, 23);
    glow(p, centre, 30, QColor(250, 240, 190, 120));
    p.setPen(QPen(QColor(250, 236, 170, 200), 1.0));
    for (int i = 0; i < 24; ++i)
        p.drawLine(polar(centre, 15.5, i * 15), polar(centre, i % 2 ? 19 : 22, i * 15));

    QRadialGradient face(centre - QPointF(4, 4), 18);
    face.setColorAt(0, QColor(255, 250, 220));
    face.setColorAt(1, QColor(236, 214, 140));
    inked(p, circle(centre, 13.5), face, 1.2);
    // Shadowed side turns the disc into a crescent with a face in it.
    QPainterPath shade = circle(centre, 13.5).subtracted(circle(centre + QPointF(6, -2), 12.5));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(200, 176, 110, 160));
    p.drawPath(shade);
    QPainterPath features;
    features.moveTo(43, 20);
    features.quadTo(45.5, 22, 48, 20);
    features.moveTo(52, 20);
    features.quadTo(54.5, 22, 57, 20);
    features.moveTo(50, 22);
    features.lineTo(49, 27);
    features.lineTo(51, 27.5);
    features.moveTo(45.5, 30);
    features.quadTo(50, 32.5, 54.5, 30);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(120, 90, 40), 1.0, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(features);

    for (const QPointF& at :
         {QPointF(36, 45), QPointF(50, 43), QPointF(64, 45), QPointF(43, 52), QPointF(57, 52)}) {
        QPainterPath drop;
        drop.moveTo(at + QPointF(0, -3));
        drop.quadTo(at + QPointF(2, 1), at + QPointF(0, 1.8));
        drop.quadTo(at + QPointF(-2, 1), at + QPointF(0, -3));
        inked(p, drop, c::gold, 0.6);
    }

    QPainterPath land;
    land.moveTo(0, 66);
    land.quadTo(25, 60, 50, 66);
    land.quadTo(75, 60, 100, 66);
    land.lineTo(100, 101);
    land.lineTo(0, 101);
    land.closeSubpath();
    inked(p, land, QColor(58, 90, 66), 1.2);

    // The winding path narrows as it climbs to the horizon.
    QList<QPointF> left;
    QList<QPointF> right;
    for (int i = 0; i <= 20; ++i) {
        const qreal t = i / 20.0;
        const qreal y = 65 + 26 * t;
        const qreal cx = 50 + 9 * std::sin(t * 2.6 * M_PI) * t;
        const qreal half = 0.6 + 8 * t;
        left << QPointF(cx - half, y);
        right.prepend(QPointF(cx + half, y));
    }
    QPainterPath trail;
    trail.moveTo(left.first());
    for (const QPointF& pt : left)
        trail.lineTo(pt);
    for (const QPointF& pt : right)
        trail.lineTo(pt);
    trail.closeSubpath();
    inked(p, trail, QColor(214, 194, 146), 0.9);

    for (int side : {-1, 1}) {
        const qreal x = side < 0 ? 7 : 78;
        QPainterPath tower;
        tower.moveTo(x, 80);
        tower.lineTo(x + 1, 44);
        tower.lineTo(x, 44);
        tower.lineTo(x, 38);
        for (int m = 0; m < 3; ++m) {
            const qreal mx = x + m * 6;
            tower.lineTo(mx + 3.5, 38);
            tower.lineTo(mx + 3.5, 41);
            tower.lineTo(mx + 6, 41);
            tower.lineTo(mx + 6, 38);
        }
        tower.lineTo(x + 15.5, 38);
        tower.lineTo(x + 15.5, 44);
        tower.lineTo(x + 14.5, 44);
        tower.lineTo(x + 15.5, 80);
        tower.closeSubpath();
        inked(p, tower, sheen(tower, QColor(176, 172, 164), 120, 150), 1.2);
        QPainterPath window;
        window.addRoundedRect(QRectF(x + 6, 52, 3.5, 7), 1.7, 1.7);
        inked(p, window, QColor(255, 220, 120), 0.8);
    }

    QPainterPath pool;
    pool.moveTo(0, 90);
    pool.quadTo(50, 84, 100, 90);
    pool.lineTo(100, 101);
    pool.lineTo(0, 101);
    pool.closeSubpath();
    inked(p, pool, c::water.darker(115), 1.2);
    waves(p, 89, 4, 100, c::blueLight);
}

// XVII: the great eight-rayed star and its seven sisters, water poured into the pool.
void starCard(QPainter& p)
{
    const QPointF centre(50, 27);
    glow(p, centre, 34, QColor(255, 246, 200, 140));
    inked(p, star(centre, 8, 13, 5, -90 + 22.5), QColor(255, 246, 210), 0.8);
    QRadialGradient bright(centre, 20);
    bright.setColorAt(0, Qt::white);
    bright.setColorAt(1, c::gold);
    inked(p, star(centre, 8, 21, 7, -90), bright, 1.1);

    for (const QPointF& at : {QPointF(14, 16), QPointF(86, 16), QPointF(12, 38), QPointF(88, 38),
                              QPointF(22, 56), QPointF(78, 56), QPointF(86, 72)})
        inked(p, star(at, 8, 5.2, 2.0, -90), QColor(255, 236, 150), 0.7);

    QPainterPath land;
    land.moveTo(0, 78);
    land.quadTo(24, 76, 38, 86);
    land.lineTo(38, 101);
    land.lineTo(0, 101);
    land.closeSubpath();
    QPainterPath pool;
    pool.moveTo(30, 86);
    pool.quadTo(64, 80, 101, 84);
    pool.lineTo(101, 101);
    pool.lineTo(30, 101);
    pool.closeSubpath();
    inked(p, pool, c::water, 1.1);
    waves(p, 86, 40, 100, c::blueLight);
    inked(p, land, c::greenDark, 1.1);

    QPainterPath stream;
    stream.moveTo(46, 63);
    stream.cubicTo(54, 64, 58, 74, 58, 88);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(c::ink, 3.6, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(stream);
    p.setPen(QPen(c::blueLight, 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(stream);
    p.setPen(QPen(QColor(220, 240, 255), 0.9));
    p.drawEllipse(QPointF(58, 89.5), 6, 1.6);

    p.save();
    p.translate(36, 68);
    p.rotate(68);
    QPainterPath jug;
    jug.moveTo(-3.5, -10);
    jug.cubicTo(-13, -7, -13, 9, -4.5, 12);
    jug.lineTo(4.5, 12);
    jug.cubicTo(13, 9, 13, -7, 3.5, -10);
    jug.lineTo(3.5, -15);
    jug.lineTo(5.5, -17);
    jug.lineTo(-5.5, -17);
    jug.lineTo(-3.5, -15);
    jug.closeSubpath();
    QPainterPath handle;
    handle.moveTo(-3.5, -13);
    handle.cubicTo(-13, -14, -13, -3, -8, 0);
    const QPainterPath handleShape = strokeShape(handle, 2.0);
    inked(p, handleShape, QColor(196, 104, 60), 0.9);
    inked(p, jug, sheen(jug, QColor(196, 104, 60)), 1.2);
    line(p, {-9.5, 2}, {9.5, 2}, 0.8, QColor(120, 50, 30));
    p.restore();
}

card::Face trump(const char* file, const char* numeral, const char* title, QColor top,
                 QColor bottom, void (*emblem)(QPainter&))
{
    card::Face f;
    f.fileName = QString::fromLatin1(file);
    f.numeral = QString::fromLatin1(numeral);
    f.title = QString::fromLatin1(title);
    f.family = card::Family::Trump;
    f.skyTop = top;
    f.skyBottom = bottom;
    f.emblem = emblem;
    return f;
}

} // namespace

QList<card::Face> faces()
{
    const QColor day(196, 222, 242);
    const QColor haze(246, 238, 214);
    const QColor nightTop(18, 28, 70);
    const QColor nightBottom(56, 72, 120);
    return {
        trump("death.jpg", "XIII", "Death", QColor(214, 196, 200), QColor(244, 206, 160), death),
        trump("justice.jpg", "XI", "Justice", QColor(218, 210, 236), haze, justice),
        trump("strength.jpg", "VIII", "Strength", QColor(250, 230, 170), haze, strength),
        trump("temperance.jpg", "XIV", "Temperance", day, haze, temperance),
        trump("the-chariot.jpg", "VII", "The Chariot", day, haze, chariot),
        trump("the-devil.jpg", "XV", "The Devil", QColor(40, 16, 18), QColor(110, 36, 22), devil),
        trump("the-emperor.jpg", "IV", "The Emperor", QColor(246, 196, 150), haze, emperor),
        trump("the-hermit.jpg", "IX", "The Hermit", nightTop, nightBottom, hermit),
        trump("the-hierophant.jpg", "V", "The Hierophant", QColor(226, 220, 240), haze, hierophant),
        trump("the-lovers.jpg", "VI", "The Lovers", day, haze, lovers),
        trump("the-moon.jpg", "XVIII", "The Moon", nightTop, nightBottom, moon),
        trump("the-star.jpg", "XVII", "The Star", nightTop, nightBottom, starCard),
    };
}

} // namespace trumps
