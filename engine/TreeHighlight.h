#pragma once

#include "SignIndex.h"
#include "SphereIndex.h"

#include <QString>
#include <optional>

namespace orvella {

// The four changes that mark a sign's path on the Tree of Life drawing: its card caption
// shown, the two circles the path joins and the path line in the highlight colour.
struct TreeHighlight {
    QString zodiacLabel; // "lblCapricorn" …
    SphereIndex sphereOne;
    SphereIndex sphereTwo;
    QString pathLine; // "ln68" …
};

struct Rgb {
    int red, green, blue;
};

inline constexpr Rgb HighlightColor{236, 28, 210};

// A path line is named "ln" and the numbers of its two spheres, the smaller first.
QString pathLineName(SphereIndex a, SphereIndex b);

TreeHighlight HighlightFor(SignIndex sign);

// The sign whose path runs along the line of that name; none for the ten lines no sign uses.
std::optional<SignIndex> signOfPathLine(const QString& pathLine);

} // namespace orvella
