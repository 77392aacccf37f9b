// The pointing-hand mouse pointer.
#pragma once

#include <QImage>
#include <QPoint>

namespace pointer {

inline constexpr int size = 32;

// Where the fingertip is; the program must use this as the pointer's hot spot.
inline constexpr QPoint hotSpot{10, 1};

QImage paint();

} // namespace pointer
