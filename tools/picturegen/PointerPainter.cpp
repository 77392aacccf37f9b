#include "PointerPainter.h"

#include <QColor>
#include <array>
#include <cstddef>

namespace pointer {
namespace {

// Drawn pixel by pixel: a pointer is seen at its true size, where any smoothing turns to
// mud, and a four-colour hand stays crisp on every background. The fingertip is (10, 1).
//   K outline   W white   L light shading   G crease   . transparent
// clang-format off
constexpr std::array<const char*, size> art = {
    "................................",
    ".........KKK....................",
    "........KWWWK...................",
    "........KWWLK...................",
    "........KWWLK...................",
    "........KWWLK...................",
    "........KWWLK...................",
    "........KWWLK...................",
    "........KWWLK...................",
    "........KWWLKKKK................",
    "........KWWLKWWLKKKK............",
    "........KWWLKWWLKWWLK...........",
    "........KWWLKWWLKWWLKKKK........",
    "........KWWLKWWLKWWLKWWLK.......",
    "...KK...KWWLKWWLKWWLKWWLK.......",
    "..KWWK..KWWLKWWLKWWLKWWLK.......",
    "..KWWLK.KWWWGWWWGWWWGWWLK.......",
    "..KWWWLKKWWWWWWWWWWWWWWLK.......",
    "...KWWWLKWWWWWWWWWWWWWWLK.......",
    "...KWWWWKWWWWWWWWWWWWWWLK.......",
    "....KWWWWGWWWWWWWWWWWWWLK.......",
    "....KWWWWWWWWWWWWWWWWWWLK.......",
    ".....KWWWWWWWWWWWWWWWWLK........",
    "......KWWWWWWWWWWWWWWWLK........",
    ".......KWWWWWWWWWWWWWLK.........",
    "........KWWWWWWWWWWWWLK.........",
    "........KKKKKKKKKKKKKKK.........",
    "........KWWWWWWWWWWWWLK.........",
    "........KWLWLWLWLWLWLLK.........",
    "........KWWWWWWWWWWWWLK.........",
    "........KKKKKKKKKKKKKKK.........",
    "................................",
};
// clang-format on

// Index 0 is the see-through background; the others follow the letters of the drawing.
constexpr std::array<char, 5> keys = {'.', 'K', 'W', 'L', 'G'};

int indexFor(char key)
{
    for (std::size_t i = 0; i < keys.size(); ++i)
        if (keys[i] == key)
            return static_cast<int>(i);
    return 0;
}

} // namespace

QImage paint(int scale)
{
    // An indexed image, so the file itself carries the pointer's few flat colours.
    QImage image(size, size, QImage::Format_Indexed8);
    image.setColorTable({qRgba(0, 0, 0, 0), qRgb(0, 0, 0), qRgb(255, 255, 255), qRgb(192, 192, 192),
                         qRgb(128, 128, 128)});
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x)
            image.setPixel(x, y, static_cast<uint>(indexFor(art[static_cast<std::size_t>(y)][x])));
    return scale == 1 ? image : image.scaled(size * scale, size * scale);
}

} // namespace pointer
