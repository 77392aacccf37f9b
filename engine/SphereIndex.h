#pragma once

#include <QString>
#include <cstdint>

namespace orvella {

// The spheres of the Tree of Life. A sphere's number on the Tree is its index + 1;
// Da'at, the hidden sphere, has none.
enum class SphereIndex : std::int16_t {
    Keter,
    Chokmah,
    Binah,
    Chesed,
    Gevurah,
    Tiphereth,
    Netzach,
    Hod,
    Yesod,
    Malkhuth,
    Daat,
};

inline constexpr int SphereCount = 11;

constexpr int toInt(SphereIndex sphere)
{
    return static_cast<int>(sphere);
}

// The sphere's name as the drawing's hover shows it ("Keter" … "Daat").
QString sphereName(SphereIndex sphere);

enum class Archangel : std::int16_t {
    Gabriel,
    Michael,
    Haniel,
    Raphael,
    Sandalphon,
    Raziel,
    Metatron,
    Tzadqiel,
    Tzaphqiel,
    Kamael,
};

inline constexpr int ArchangelCount = 10;

constexpr int toInt(Archangel angel)
{
    return static_cast<int>(angel);
}

QString archangelName(Archangel angel);

} // namespace orvella
