// The pointing-hand mouse pointer.
#pragma once

#include <QImage>
#include <QPoint>

namespace pointer {

inline constexpr int size = 32;

// Where the fingertip is; the program must use this as the pointer's hot spot.
inline constexpr QPoint hotSpot{10, 1};

// `scale` 2 doubles every pixel: the hand stays as sharp, drawn with four pixels for one.
QImage paint(int scale = 1);

} // namespace pointer
