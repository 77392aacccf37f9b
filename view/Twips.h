#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <cmath>

namespace orvella {

// Window geometry is designed in twips; on screen 15 twips make one logical pixel.
constexpr int TwipsPerPixel = 15;

inline int twips(double value)
{
    return static_cast<int>(std::lround(value / TwipsPerPixel));
}

inline QPoint twipsPoint(double x, double y)
{
    return {twips(x), twips(y)};
}

inline QSize twipsSize(double width, double height)
{
    return {twips(width), twips(height)};
}

inline QRect twipsRect(double left, double top, double width, double height)
{
    return {twipsPoint(left, top), twipsSize(width, height)};
}

} // namespace orvella
