#pragma once

// Helpers shared by the reading view tests: finding the drawing and its shapes by name,
// reading colours back, sampling the drawing's pixels and moving the pointer the way the
// window system does.

#include "frmDisplay.h"

#include <QColor>
#include <QImage>
#include <QLineF>
#include <QObject>
#include <QPixmap>
#include <QTest>
#include <QWidget>
#include <QWindow>
#include <algorithm>

namespace viewtest {

inline const QColor BaseGrey(64, 64, 64);
inline const QColor Magenta(236, 28, 210);

inline QWidget* frame2(const QWidget& view)
{
    return view.findChild<QWidget*>(QStringLiteral("Frame2"));
}

// A circle or line of the drawing, found by its name.
inline QObject* shape(const QWidget& view, const QString& name)
{
    QWidget* drawing = frame2(view);
    return drawing ? drawing->findChild<QObject*>(name, Qt::FindDirectChildrenOnly) : nullptr;
}

inline QColor colorOf(const QWidget& view, const QString& name, const char* property)
{
    QObject* object = shape(view, name);
    return object ? object->property(property).value<QColor>() : QColor();
}

inline QString circleName(int i)
{
    return QStringLiteral("ShpCircle%1").arg(i);
}

// The 22 path lines with their ends in twips, as the drawing is designed.
struct DesignedLine {
    const char* name;
    int fromX, fromY, toX, toY;
};

inline constexpr DesignedLine DesignedPathLines[] = {
    {"ln12", 2160, 600, 3000, 1080},   {"ln13", 1800, 480, 720, 1200},
    {"ln16", 1920, 720, 1920, 3600},   {"ln23", 960, 1440, 2760, 1440},
    {"ln24", 3240, 1680, 3240, 2640},  {"ln26", 3000, 1560, 2040, 3600},
    {"ln35", 600, 1560, 600, 2640},    {"ln36", 840, 1560, 1800, 3600},
    {"ln45", 960, 2760, 2760, 2760},   {"ln46", 2880, 2880, 2160, 3600},
    {"ln47", 3240, 3120, 3240, 4680},  {"ln56", 960, 2880, 1800, 3720},
    {"ln58", 600, 3000, 600, 4680},    {"ln67", 2160, 4080, 2880, 4800},
    {"ln68", 1680, 4080, 960, 4800},   {"ln69", 1920, 4200, 1920, 5520},
    {"ln78", 1080, 4800, 2880, 4800},  {"ln79", 2880, 5040, 2160, 5640},
    {"ln710", 3120, 5040, 2160, 6720}, {"ln89", 960, 5040, 1680, 5760},
    {"ln810", 720, 5040, 1680, 6720},  {"ln910", 1920, 6120, 1920, 6600},
};

// The drawing's own painting, without the labels above it.
inline QImage drawingOnly(QWidget* drawing)
{
    QPixmap pixmap(drawing->size());
    drawing->render(&pixmap, QPoint(), QRegion(), QWidget::DrawWindowBackground);
    return pixmap.toImage();
}

inline QColor pixel(const QImage& image, QPoint p)
{
    return QColor(image.pixel(p));
}

// Whether a point lies on a line's stroke, given the stroke's width in pixels.
inline bool onLine(QPointF p, const QLineF& line, double width)
{
    const QPointF d = line.p2() - line.p1();
    const double length2 = d.x() * d.x() + d.y() * d.y();
    double t = ((p - line.p1()).x() * d.x() + (p - line.p1()).y() * d.y()) / length2;
    t = std::clamp(t, 0.0, 1.0);
    const QPointF nearest = line.p1() + t * d;
    return QLineF(p, nearest).length() <= width / 2.0 + 1.0;
}

// Moves the pointer to a point of the view, delivered like the window system delivers it:
// to the widget under the point, with the buttons currently held.
inline void movePointer(QWidget& view, QWidget* over, QPoint local)
{
    QTest::mouseMove(view.windowHandle(), over->mapTo(&view, local));
}

} // namespace viewtest
