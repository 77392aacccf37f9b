// Elder Futhark rune stones: a painted, carved glyph on a smooth pebble.
#pragma once

#include <QImage>
#include <QList>
#include <QString>

namespace runes {

inline constexpr int width = 113;
inline constexpr int height = 151;

struct Stone {
    QString fileName; // e.g. "nauthiz.jpg"
    QImage image;
    QImage image2x; // the same stone at twice the size
};

QList<Stone> paintAll();

} // namespace runes
