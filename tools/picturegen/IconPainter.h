// The program icon: the Tree of Life on a maroon roundel.
#pragma once

#include <QImage>
#include <QString>

namespace icon {

// The size the icon is designed at; every other size is the same drawing scaled.
inline constexpr int size = 256;

QImage paint(int pixels = size);

// Writes the icon as scalable vector graphics; false when the file cannot be written.
bool writeSvg(const QString& path);

} // namespace icon
