// The program icon: the Tree of Life on a maroon roundel.
#pragma once

#include <QImage>

namespace icon {

inline constexpr int size = 256;

QImage paint();

} // namespace icon
